#!/usr/bin/env bash
# configure.sh BUILD_DIR [cmake options...]: configures a build folder with Ninja (and ccache when present).
set -euo pipefail
dir=$1; shift
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
