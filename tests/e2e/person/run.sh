#!/usr/bin/env bash
# run.sh VINDREL_BINARY [pytest arguments...]: runs the tests that drive the built program as a
# person does, on an X server of their own with its own D-Bus session and accessibility bus. Needs
# no display, desktop session or network of the machine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
VINDREL_BINARY=$(realpath "$1")
export VINDREL_BINARY PYTHONDONTWRITEBYTECODE=1 # no byte-code files in the source tree
shift
# A display number of our own: a shared one may belong to another run, and the program would then
# never appear on our bus.
display=$((200 + RANDOM % 700))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((200 + RANDOM % 700))
done
# Debian's python3, which has pyatspi and pytest (not a python3 of a virtual environment).
# The tests and every program they start must meet on one accessibility bus: it is up before the
# first of them asks for it. All of it runs in a PID namespace of its own: the program ends every
# Internet Explorer process it sees, and the tests start some.
# The X server must not reset when its last client leaves (-noreset): each test's program is often
# the only client, and the next one, started while a loaded machine is still resetting the server,
# was refused ("could not connect to display") and never appeared on the bus.
status=0
bash "$here/../../support/private-pids.sh" xvfb-run -n "$display" -s '-screen 0 1600x1200x24 -nolisten tcp -noreset' dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
      string:org.a11y.Bus | grep -q true && break
    sleep 0.1
  done
  exec /usr/bin/python3 -m pytest -q "$@"' sh "$here" "$@" || status=$?
# The server ends with the namespace, too abruptly to remove its lock and socket; left behind, they
# would take display numbers from later runs until none was free.
rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display"
exit $status
