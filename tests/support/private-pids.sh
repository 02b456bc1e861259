#!/usr/bin/env bash
# private-pids.sh COMMAND [ARGUMENTS...]: runs COMMAND in a PID namespace of its own, with a /proc
# that shows only its processes. The pop-up killer ends every Internet Explorer process of the
# user it can see: so a test that starts such processes, or runs the program while a page loads,
# sees only its own and ends no one else's (another test's, a developer's Wine). Everything the
# command leaves running ends with it. Exits 77 (skipped) where the namespace is refused.
set -uo pipefail
if [ "${VINDREL_PRIVATE_PIDS:-}" = "$(readlink /proc/self/ns/pid)" ]; then
  exec "$@" # already in one
fi
if ! unshare --pid --fork --mount-proc true 2>/dev/null; then
  echo "SKIPPED: $(basename "$1") needs a private PID namespace (unshare --pid --fork --mount-proc, as root)" >&2
  exit 77
fi
# The first process of the namespace is a shell that reaps what others leave behind, as an init
# does; when it ends, the kernel ends the rest.
exec unshare --pid --fork --mount-proc --kill-child -- bash -c '
  export VINDREL_PRIVATE_PIDS=$(readlink /proc/self/ns/pid)
  "$@" &
  wait $!' private-pids "$@"
