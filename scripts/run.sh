#!/usr/bin/env bash
# Installs what Vindrel needs, builds it (Release) and starts it; arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/configure.sh" "$top/build-release" -DCMAKE_BUILD_TYPE=Release -DVINDREL_BUILD_TESTS=OFF
cmake --build "$top/build-release" -j2 --target vindrel
exec "$top/build-release/vindrel" "$@"
