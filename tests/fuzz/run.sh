#!/usr/bin/env bash
# run.sh BUILD_DIR: builds the fuzz targets with clang's libFuzzer and runs each briefly, two at a
# time, FUZZ_SECONDS each (default 12), so that the whole step stays under a minute. Without
# clang++ it only says so. Exits non-zero when a target crashes or cannot be built.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$top/build-fuzz}
seconds=${FUZZ_SECONDS:-12}

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ not found, fuzz targets not built"
  exit 0
fi
if pkg-config --exists Qt6Core 2>/dev/null; then
  qt_cflags=$(pkg-config --cflags Qt6Core)
  qt_libs=$(pkg-config --libs Qt6Core)
else
  qt_cflags="-I/usr/include/x86_64-linux-gnu/qt6 -I/usr/include/x86_64-linux-gnu/qt6/QtCore"
  qt_libs="-lQt6Core"
fi
mkdir -p "$out"

# Each target: its name, then the sources it is built from (below the source tree).
targets=(
  "profile ProfileStringFuzz.cpp platform/files/ProfileReader.cpp platform/files/TextCodec.cpp"
  "page_transform PageTransformFuzz.cpp pageedit/PageTransform.cpp pageedit/BackgroundRule.cpp platform/files/impl/FileLineStreams.cpp platform/files/TextCodec.cpp"
  "drive_map DriveMapFuzz.cpp platform/files/impl/DriveMap.cpp platform/files/impl/HostPaths.cpp platform/files/impl/NameMatching.cpp"
)

build() {
  local name=$1 fuzzer=$2
  shift 2
  # shellcheck disable=SC2086 # the Qt flags are word lists
  clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$top" $qt_cflags "$top/tests/fuzz/$fuzzer" "${@/#/$top/}" $qt_libs -o "$out/${name}_fuzz"
}

# New inputs go to the build folder's corpus; the seeds in the source tree (crash inputs among
# them, once fixed) stay as they are.
run() {
  local name=$1
  mkdir -p "$out/${name}_corpus"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$out/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -artifact_prefix="$out/${name}-" "$out/${name}_corpus" "$top/tests/fuzz/corpus/$name"
}

# Two at a time: the machine's two cores.
wait_all() {
  local status=0
  for pid in "$@"; do wait "$pid" || status=1; done
  return $status
}
pids=()
for target in "${targets[@]}"; do
  # shellcheck disable=SC2086 # name, then its sources
  build $target &
  pids+=($!)
  if ((${#pids[@]} == 2)); then wait_all "${pids[@]}"; pids=(); fi
done
wait_all "${pids[@]}"

pids=()
for target in "${targets[@]}"; do
  name=${target%% *}
  run "$name" > "$out/$name.log" 2>&1 &
  pids+=($!)
  if ((${#pids[@]} == 2)); then wait_all "${pids[@]}" || { cat "$out"/*.log; exit 1; }; pids=(); fi
done
wait_all "${pids[@]}" || { cat "$out"/*.log; exit 1; }
for target in "${targets[@]}"; do
  name=${target%% *}
  echo "fuzz $name: $(grep -E '^Done [0-9]+ runs' "$out/$name.log" | tail -n 1)"
done
