#!/usr/bin/env bash
# wine-prefix.sh PREFIX: a fresh Wine prefix for the tests that run Windows programs, made by
# Wine's first start (wineboot), once per run of the suite; its wineserver has ended on return.
set -euo pipefail
prefix=$1
if ! command -v wineboot >/dev/null; then
  echo "no Wine here (scripts/packages.txt installs it): the tests of Wine skip themselves"
  exit 0
fi
rm -rf "$prefix"
start=$(date +%s%N)
# No display: Wine's first start asks nothing and draws nothing.
if ! log=$(env -u DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all wineboot --init 2>&1); then
  echo "$log" >&2
  exit 1
fi
WINEPREFIX=$prefix wineserver --wait
echo "wineboot: $((($(date +%s%N) - start) / 1000000)) ms"
