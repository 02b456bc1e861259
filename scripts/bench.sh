#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them all; each prints its own figures, and one table at
# the end gives every figure against its floor and target.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
# Falkon, the peer browser of the start-up table: installed for the benchmark alone, never needed by
# the program. Without it (no package source) its row is left out.
command -v falkon >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends falkon ||
  echo "falkon could not be installed: the table goes without it" >&2
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
bash "$top/scripts/configure.sh" "$top/build-bench" -DCMAKE_BUILD_TYPE=Release -DVINDREL_BUILD_BENCH=ON -DVINDREL_BUILD_TESTS=OFF
cmake --build "$top/build-bench" -j2
bench=$top/build-bench/bench
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
# Each benchmark's output is shown as it comes; its figure lines are kept for the table.
run() {
  echo "== $1"; shift
  "$@" | tee -a "$figures" | grep -v '^figure|' || true
}
run "start-up: vindrel against the bare web engine, and with a large history (offscreen)" \
  bash "$top/bench/startup/startup_bench.sh" "$top/build-bench"
run "start-up on an X display (Xvfb)" \
  xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' env QT_QPA_PLATFORM=xcb bash "$top/bench/startup/startup_bench.sh" "$top/build-bench"
run "memory: vindrel and its engine processes against the bare web engine on one page (offscreen)" \
  bash "$top/bench/startup/memory_bench.sh" "$top/build-bench"
run "memory on an X display (Xvfb)" \
  xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' env QT_QPA_PLATFORM=xcb bash "$top/bench/startup/memory_bench.sh" "$top/build-bench"
run "start-up to document complete against Falkon (Xvfb)" \
  xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' env QT_QPA_PLATFORM=xcb python3 "$top/bench/startup/peer_bench.py" "$top/build-bench"
run "one IE process listing against ps" bash "$top/tests/support/private-pids.sh" "$bench/ietools/bench_ietools"
run "visited sites: a large history loaded and saved" "$bench/browser/bench_visited_sites"
run "page rewrite of a 200 MB page against cp" "$bench/pageedit/bench_pageedit"
run "favourites scan against find + cat" "$bench/favourites/bench_favourites_scan"

echo
echo "== every figure against its floor and target"
awk -F'|' '
function shown(v, u) { return u == "x" ? sprintf("%.2fx", v) : sprintf("%.0f %s", v, u) }
$1 == "figure" {
  n++; what[n] = $2; against[n] = $3; value[n] = shown($4, $6); target[n] = "<= " shown($5, $6)
  met[n] = ($4 + 0 <= $5 + 0) ? "yes" : "NO"
  if (length($2) > w) w = length($2); if (length($3) > a) a = length($3)
}
END {
  printf "%-*s  %-*s  %10s  %12s  %s\n", w, "figure", a, "against", "value", "target", "met"
  for (i = 1; i <= n; i++) printf "%-*s  %-*s  %10s  %12s  %s\n", w, what[i], a, against[i], value[i], target[i], met[i]
}' "$figures"
