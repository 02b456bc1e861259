#!/usr/bin/env bash
# check-format.sh: names every C and C++ file of the repository that clang-format 14 would lay out
# otherwise than .clang-format says, and fails if there is one. One version only: another would
# lay out some lines differently.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format-14 >/dev/null; then
  echo "format: FAILED: clang-format-14 not found (scripts/packages.txt)"
  exit 1
fi
unformatted=$(git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 -n 20 -P 2 sh -c '
  for file; do clang-format-14 --dry-run --Werror "$file" 2>/dev/null || echo "$file"; done' sh | sort)
if [ -n "$unformatted" ]; then
  echo "$unformatted" | sed 's/^/format: not laid out as .clang-format says: /'
  echo "format: FAILED; lay them out with: git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format-14 -i"
  exit 1
fi
echo "format: every C and C++ file is laid out as .clang-format says"
