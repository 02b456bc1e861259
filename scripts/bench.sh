#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them all; each prints its own figures and target.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
bash "$top/scripts/configure.sh" "$top/build-bench" -DCMAKE_BUILD_TYPE=Release -DVINDREL_BUILD_BENCH=ON -DVINDREL_BUILD_TESTS=OFF
cmake --build "$top/build-bench" -j2
echo "== start-up: vindrel against the bare web engine, and with a large history"
bash "$top/bench/startup/startup_bench.sh" "$top/build-bench"
echo "== one IE process listing against ps"
bash "$top/tests/support/private-pids.sh" "$top/build-bench/bench/ietools/bench_ietools"
echo "== visited sites: a large history loaded and saved"
"$top/build-bench/bench/browser/bench_visited_sites"
echo "== page rewrite of a 200 MB page against cp"
"$top/build-bench/bench/pageedit/bench_pageedit"
echo "== favourites scan against find + cat"
"$top/build-bench/bench/favourites/bench_favourites_scan"
