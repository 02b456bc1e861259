#!/usr/bin/env bash
# Builds the Debian package of Vindrel (Release, with Debian's hardening flags) in build-package/,
# checks it with lintian (fails on errors) and prints its size and contents.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/build-package"
bash "$top/scripts/install-deps.sh"

# The flags Debian builds its own packages with; read on the first configure of the folder.
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
bash "$top/scripts/configure.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DVINDREL_BUILD_TESTS=OFF
cmake --build "$dir" -j2
rm -f "$dir"/vindrel_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/vindrel_*.deb)

lintian --fail-on error --info "$deb"
dpkg-deb --field "$deb" Package Version Depends Recommends Installed-Size
dpkg-deb --contents "$deb"
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"
