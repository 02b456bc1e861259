#!/usr/bin/env bash
# unit-tests.sh [ctest options...]: installs what the build needs, builds only the unit tests (no
# Qt WebEngine, no program; in build-unit/) and runs them: the quick check while writing code.
# Options go to ctest, e.g. -R test_pageedit.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
bash "$top/scripts/configure.sh" "$top/build-unit" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINDREL_UNIT_TESTS_ONLY=ON
cmake --build "$top/build-unit" -j2
exec bash "$top/scripts/run-ctest.sh" "$top/build-unit" -L unit "$@"
