#!/usr/bin/env bash
# install_check.sh <build dir> <source dir>: installs the build into a scratch DESTDIR under the
# prefix /usr and checks what a desktop needs of it: the program, the menu entry, the icons and
# the AppStream metainfo, both validated.
set -euo pipefail

build=$1
source=$2
id=io.github.korvex.Korvex
cmake=${CMAKE_COMMAND:-cmake}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

[ -x "$root/usr/bin/korvex" ] || fail "usr/bin/korvex is missing or not executable"
[ -x "$root/usr/bin/korvex-cli" ] || fail "usr/bin/korvex-cli is missing or not executable"
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "${desktop#"$root"/} is missing"
[ -f "$metainfo" ] || fail "${metainfo#"$root"/} is missing"

for size in 48 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "${icon#"$root"/} is missing"
        continue
    fi
    # A PNG's width and height are the big-endian words at bytes 16 and 20 of its IHDR chunk.
    header=$(od -An -tx1 -j12 -N12 "$icon" | tr -d ' \n')
    if [ "$header" != "$(printf '49484452%08x%08x' "$size" "$size")" ]; then
        fail "${icon#"$root"/} is not a ${size}x${size} PNG"
    fi
done

if [ -f "$desktop" ]; then
    # It exits with 0 on warnings; hints are only suggestions.
    if ! report=$(desktop-file-validate "$desktop" 2>&1); then
        fail "desktop-file-validate rejects the menu entry"
    elif grep -q ': warning: ' <<<"$report"; then
        fail "desktop-file-validate warns about the menu entry"
    fi
    [ -z "$report" ] || echo "$report"
fi

if [ -f "$metainfo" ]; then
    # --strict fails on errors, warnings and infos, never on pedantic hints.
    appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects the metainfo"
    version=$(sed -n 's/^project(Korvex VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the metainfo has no release for version $version"
fi

exit $failed
