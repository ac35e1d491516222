#!/usr/bin/env bash
# Builds the Debian package in build-package/ (prefix /usr), validates the desktop entry
# and the software-centre entry it ships, checks that it holds every file of
# tools/installed-files.txt, and prints its file list and dependencies.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-package
"$root/tools/install-deps.sh"
# Compiled as the test build is (tools/build.sh's RelWithDebInfo: -O2 -g, stripped by CPack as
# Debian's own packages are), so that after tools/test.sh every object comes from the compiler
# cache and only the linking is done again.
"$root/tools/build.sh" build-package -DCMAKE_INSTALL_PREFIX=/usr -DTAZUNE_TESTS=OFF \
    -DTAZUNE_BENCHMARKS=OFF

rm -f "$build"/tazune_*.deb
log=$build/cpack.log
if ! (cd "$build" && cpack -G DEB >"$log" 2>&1); then
    cat "$log" >&2
    exit 1
fi
deb=$(echo "$build"/tazune_*.deb)

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
"$root/tools/check-installed-files.sh" "$tree/usr" "$root/tools/installed-files.txt"
desktop-file-validate "$tree/usr/share/applications/jp.velmora.Tazune.desktop"
appstreamcli validate --no-net "$tree/usr/share/metainfo/jp.velmora.Tazune.metainfo.xml"
# The whole tree as well: the entry's launcher must be the desktop file shipped beside it.
appstreamcli validate-tree --no-net "$tree"

echo "Files of $(basename "$deb"):"
dpkg-deb -c "$deb"
dpkg-deb -f "$deb" Depends Recommends Suggests
