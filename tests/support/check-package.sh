#!/usr/bin/env bash
# Usage: check-package.sh BUILD_DIR
# Builds the Debian package of BUILD_DIR's install rules with CPack, validates its desktop entry
# and metainfo, unpacks it into a temporary root and starts the unpacked program under a virtual X
# display with a fresh HOME, from a folder without data, as the desktop's menu would: its window
# must show, and it must work in the user's own folder, prepared with the shipped files, its
# pictures and its help page. Exit status 0 when all of this holds.
set -uo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.zibdiapason.Zib
title="ZIB - Diapason Numérique v0.10"

work=$(mktemp -d "${TMPDIR:-/tmp}/zib-package.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need() {
    command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (Debian package $2)" >&2; exit 1; }
}
need cpack cmake
need dpkg-shlibdeps dpkg-dev
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
if ! cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    tail -n 30 "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
deb="$work/package/zib_${version}_amd64.deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb"); made: $(ls "$work/package")" >&2; exit 1; }
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb -f "$deb" Depends | grep -q libqt5multimedia5-plugins || fail "the package does not depend on Qt's sound plugins"
dpkg-deb -f "$deb" Depends | grep -q libqt5widgets5 || fail "the dependencies were not computed from the program"

root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
for size in 48 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    file -b "$icon" 2>/dev/null | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} icon"
done
[ -x "$root/usr/bin/zib" ] || fail "no program in usr/bin"
share="$root/usr/share/zib"
for f in figures/diapason_tn.png doc/index.html zib_fa.qm zib_en.qm; do
    [ -f "$share/$f" ] || fail "no $f under share/zib"
done

# Started from the menu: a fresh home, a working folder without data.
mkdir -p "$work/home" "$work/elsewhere"
export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
(cd "$work/elsewhere" && ZIB_EXPECT_CWD_FILE="$work/cwd" "$here/expect-window.sh" "$root/usr/bin/zib" "$title" 20) ||
    fail "the unpacked program showed no window"
user="$HOME/.local/share/zib"
cwd=$(cat "$work/cwd" 2>/dev/null)
[ "$cwd" = "$user" ] || fail "the program worked in '$cwd', not in $user"
[ -f "$cwd/figures/diapason_tn.png" ] || fail "its pictures are not found from its working folder"
cmp -s "$cwd/doc/index.html" "$share/doc/index.html" || fail "its help page is not found from its working folder"
[ -f "$cwd/zib_fa.qm" ] || fail "its catalogues are not found from its working folder"
for folder in sounds melodies interval_lists synth_param; do
    [ -d "$cwd/$folder" ] && [ -w "$cwd/$folder" ] || fail "no writable $folder/ in $user"
    (cd "$share/$folder" && find . -type f) | while read -r f; do
        cmp -s "$share/$folder/$f" "$cwd/$folder/$f" || echo "$folder/$f"
    done >"$work/missing"
    [ -s "$work/missing" ] && fail "shipped files not copied: $(tr '\n' ' ' <"$work/missing")"
done

[ "$failures" -eq 0 ] && echo "package checked: $(basename "$deb")"
[ "$failures" -eq 0 ]
