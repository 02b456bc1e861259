#!/usr/bin/env bash
# screenshots.sh [BUILD_DIR]: refreshes the README's pictures in docs/. The editor's windows, the
# IE windows list and the favourites windows are drawn over fakes by docs_pictures; the main
# window is the built program's own picture (VINDREL_SCREENSHOT) of docs/pictures/INIZIO.HTM as
# its home page. Both run offscreen; look at the pictures before committing them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/configure.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target vindrel docs_pictures
export QT_QPA_PLATFORM=offscreen

"$build/docs/pictures/docs_pictures" "$top/docs"

drive=$(mktemp -d)
trap 'rm -rf "$drive"' EXIT
mkdir -p "$drive/HOME-PAG"
cp "$top/docs/pictures/INIZIO.HTM" "$drive/HOME-PAG/INIZIO.HTM"
# Its web profile in the temporary folder, not the user's.
XDG_DATA_HOME="$drive/data" XDG_CACHE_HOME="$drive/cache" VINDREL_DRIVE_C="$drive" VINDREL_SCREENSHOT="$top/docs/main-window.png" "$build/vindrel"
echo "pictures refreshed in $top/docs"
