#!/usr/bin/env bash
# Installs what the Debian package takes from the build (the components CPack packs) into a
# scratch root and checks Debian's layout: the game in games/ and nowhere else, the launcher
# pointing there, the copyright and changelog Debian asks for, and one version throughout.
# Usage: package_layout_test.sh CMAKE BUILD_DIR APP_ID VERSION COMPONENT...
set -euo pipefail
cmake=$1
build=$2
app_id=$3
version=$4
shift 4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "package layout test: $*" >&2
    exit 1
}

for component in "$@"; do
    "$cmake" --install "$build" --prefix "$prefix" --component "$component" >/dev/null
done

desktop=$prefix/share/applications/$app_id.desktop
[[ -f $desktop ]] || fail "no launcher at $desktop"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $prefix/games/$command ]] || fail "the launcher runs $command, which is not in games/"
[[ ! -e $prefix/bin ]] || fail "the package would also put files in bin/: $(ls "$prefix/bin")"
[[ -f $prefix/share/man/man6/$command.6.gz ]] || fail "no manual page for $command"

doc=$prefix/share/doc/torvane
[[ -f $doc/copyright ]] || fail "no copyright file in $doc"
head -n1 "$doc/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
grep -qx 'License: GPL-3.0-or-later' "$doc/copyright" || fail "the copyright file names another licence"

# A version without a Debian revision makes a native package, whose changelog is changelog.gz.
[[ -f $doc/changelog.gz ]] || fail "no changelog.gz in $doc"
changelog_version=$(gzip -dc "$doc/changelog.gz" | sed -n '1s/^torvane (\([^)]*\)).*/\1/p')
[[ $changelog_version == "$version" ]] ||
    fail "the changelog's latest entry is '$changelog_version', the project is $version"
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n1)
[[ $release == "$version" ]] || fail "the metadata's latest release is '$release', the project is $version"

echo "package layout test: games/$command, launcher, manual page, copyright and changelog of $version"
