#!/usr/bin/env bash
# private-net.sh COMMAND [ARGUMENTS...]: runs COMMAND in a network and mount namespace of its own,
# where only this machine's loopback answers: the web servers a test starts on 127.0.0.1 are all
# the engine can reach. A default route that goes nowhere (a veth pair whose two ends both stay
# here, on a documentation address) keeps the engine from taking the machine for offline; names
# are looked up at 127.0.0.1, where nothing listens, so an unknown host fails at once and no query
# leaves. Exits 77 (skipped) where the namespaces are refused.
set -uo pipefail
if [ "${VINDREL_PRIVATE_NET:-}" = "$(readlink /proc/self/ns/net)" ]; then
  exec "$@" # already in one
fi
if ! unshare --net --mount true 2>/dev/null; then
  echo "SKIPPED: $(basename "$1") needs a private network namespace (unshare --net --mount, as root)" >&2
  exit 77
fi
exec unshare --net --mount -- bash -c '
  set -e
  ip link set lo up
  ip link add vindrel0 type veth peer name vindrel1
  ip addr add 192.0.2.1/24 dev vindrel0
  ip link set vindrel0 up
  ip link set vindrel1 up
  ip route add default dev vindrel0
  resolv=$(mktemp)
  echo "nameserver 127.0.0.1" > "$resolv"
  mount --bind "$resolv" /etc/resolv.conf
  export VINDREL_PRIVATE_NET=$(readlink /proc/self/ns/net)
  exec "$@"' private-net "$@"
