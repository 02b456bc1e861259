#!/usr/bin/env bash
# run-ctest.sh BUILD_DIR [ctest options...]: runs the tests of a build folder with ctest, two at a
# time, then names every test skipped whole or in part (scripts/skipped-tests.py). With
# VINDREL_NO_SKIPS=1, as in CI where root, the namespaces and Wine are all at hand, a skipped test
# fails the run as a failed one does; elsewhere (no root, say) it is only named.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$(cd "$1" && pwd)
shift
junit=$dir/ctest-junit.xml
rm -f "$junit" # never read a former run's
status=0
(cd "$dir" && ctest --output-on-failure -j2 --output-junit "$junit" --test-output-size-passed 1048576 "$@") || status=1
if ! python3 "$top/scripts/skipped-tests.py" "$junit" && [ "${VINDREL_NO_SKIPS:-0}" = 1 ]; then
  echo "skipped: FAILED: with VINDREL_NO_SKIPS=1 every test must run"
  status=1
fi
exit $status
