#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the game, its launcher, the icons
# the launcher names and the metadata land where desktops look for them, still valid.
# Usage: install_test.sh CMAKE BUILD_DIR APP_ID ICON_SIZE...
set -euo pipefail
cmake=$1
build=$2
app_id=$3
shift 3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "install test: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[[ -f $desktop ]] || fail "no launcher at $desktop"
[[ -f $metainfo ]] || fail "no metadata at $metainfo"
desktop-file-validate "$desktop" || fail "installed launcher does not validate"
appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null || fail "installed metadata does not validate"

command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $prefix/bin/$command ]] || fail "the launcher runs $command, which is not in bin/"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the metadata names another launcher"
grep -q "<binary>$command</binary>" "$metainfo" || fail "the metadata names another binary"

icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in "$@"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [[ -f $png ]] || fail "no ${size}x${size} icon at $png"
    # The PNG header holds the width and height as big-endian 32-bit numbers at byte 16.
    read -r -a header < <(od -An -tu1 -j16 -N8 "$png")
    width=$(((header[0] << 24) | (header[1] << 16) | (header[2] << 8) | header[3]))
    height=$(((header[4] << 24) | (header[5] << 16) | (header[6] << 8) | header[7]))
    [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x${height}"
done

echo "install test: game, launcher, metadata and $# icons in place under $prefix"
