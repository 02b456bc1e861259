#!/usr/bin/env bash
# run.sh BUILD_DIR: builds the fuzz targets with clang's libFuzzer and runs each briefly.
# Without clang++ it only says so. Exits non-zero when a target crashes.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$top/build-fuzz}
seconds=${FUZZ_SECONDS:-20}

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

mkdir -p "$out/profile_corpus"
# shellcheck disable=SC2086 # the Qt flags are word lists
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$top" $qt_cflags \
  "$top/tests/fuzz/ProfileStringFuzz.cpp" "$top/platform/ProfileReader.cpp" "$top/platform/TextCodec.cpp" \
  $qt_libs -o "$out/profile_string_fuzz"

# New inputs go to the build folder's corpus; the seeds in the source tree stay as they are.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$out/profile_string_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
  -artifact_prefix="$out/" "$out/profile_corpus" "$top/tests/fuzz/corpus/profile"
