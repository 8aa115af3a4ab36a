#!/usr/bin/env bash
# Reads the built Debian package and the source package beside it, and checks what a
# distribution and a player rely on: the game in /usr/games and nowhere else, the launcher
# pointing there, the documents Debian asks for, one version throughout, the dependencies
# dh_shlibdeps found plus those the game needs at run time, and a source package holding the
# source alone. Every failed row is reported, not only the first.
# Usage: package_layout_test.sh DEB
set -uo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root" || { echo "package layout test: $deb does not unpack" >&2; exit 1; }

version=$(dpkg-deb -f "$deb" Version)
upstream=${version%-*}
source=$(dpkg-deb -f "$deb" Source)
source=${source%% *}
folder=$(dirname "$deb")
dsc=$folder/${source:-$(dpkg-deb -f "$deb" Package)}_$version.dsc
orig=$folder/torvane_$upstream.orig.tar.xz
packaging=$folder/torvane_$version.debian.tar.xz
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
app_id=io.github.torvane.torvane
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop" 2>/dev/null)
icon=$(sed -n 's/^Icon=//p' "$desktop" 2>/dev/null)
doc=$root/usr/share/doc/torvane
# The names of the package's entries, then "owner group mode" of each.
contents=$(dpkg-deb -c "$deb")

# One row a promise: its name, then a command that holds when the promise does.
rows=(
    "the launcher is there|test -f '$desktop'"
    "the launcher runs a game in /usr/games|test -n '$command' -a -x '$root/usr/games/$command'"
    "nothing in /usr/bin or /usr/local|test ! -e '$root/usr/bin' -a ! -e '$root/usr/local'"
    "the executable is stripped|! file -L '$root/usr/games/$command' | grep -q 'not stripped'"
    "the launcher's icon at 48 x 48 in hicolor|test -f '$root/usr/share/icons/hicolor/48x48/apps/$icon.png'"
    "the manual page of the command|test -f '$root/usr/share/man/man6/$command.6.gz'"
    "a machine-readable copyright|head -n1 '$doc/copyright' | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'"
    "the copyright names GPL-3.0-or-later|grep -qx 'License: GPL-3.0-or-later' '$doc/copyright'"
    "the changelog's latest entry is the package's version|gzip -dc '$doc/changelog.Debian.gz' | sed -n '1p' | grep -qF 'torvane ($version)'"
    "the metadata's latest release is the upstream version|grep -m1 '<release ' '$metainfo' | grep -qF 'version=\"$upstream\"'"
    "Qt's libraries found by dh_shlibdeps|grep -q 'libqt6widgets6' <<<'$depends'"
    "the Qt platform plugin|grep -qw 'qt6-qpa-plugins' <<<'$depends'"
    "a CJK font|grep -q 'fonts-wqy-microhei | fonts-noto-cjk' <<<'$depends'"
    "Qt's translations recommended|grep -qw 'qt6-translations-l10n' <<<'$recommends'"
    "in the games section|test \"\$(dpkg-deb -f '$deb' Section)\" = games"
    "every entry owned by root|! awk '\$2 != \"root/root\"' <<<'$contents' | grep -q ."
    "a source package beside it|test -f '$dsc'"
    "the source package is 3.0 (quilt)|grep -qx 'Format: 3.0 (quilt)' '$dsc'"
    "the upstream tarball holds the build's CMakeLists.txt|tar -tf '$orig' | grep -qx 'torvane-$upstream/CMakeLists.txt'"
    "the upstream tarball has no debian/, build folder or git data|! tar -tf '$orig' | grep -Eq '^torvane-$upstream/(debian|build[^/]*|obj-[^/]*|\\.git)/'"
    "the packaging tarball holds debian/rules|tar -tf '$packaging' | grep -qx 'debian/rules'"
)

failed=0
for row in "${rows[@]}"; do
    if ! bash -c "${row#*|}" 2>/dev/null; then
        echo "package layout test: FAIL: ${row%%|*}" >&2
        failed=$((failed + 1))
    fi
done
echo "package layout test: $(basename "$deb"): $((${#rows[@]} - failed)) passed, $failed failed"
((failed == 0))
