#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks its contents and dependencies, installs it into a
# throw-away root to see that everything lands where it belongs, and has lintian,
# desktop-file-validate and appstreamcli judge what it installs.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$1
cd "$build_dir"
rm -f quadripolo_*.deb
cpack -G DEB >/dev/null
package=$(ls quadripolo_*.deb)
echo "built $package"

fail() {
    echo "FAIL: $*"
    exit 1
}

contents=$(dpkg-deb -c "$package")
for path in ./usr/bin/quadripolo \
            ./usr/share/applications/io.github.quadripolo.Quadripolo.desktop \
            ./usr/share/icons/hicolor/scalable/apps/io.github.quadripolo.Quadripolo.svg \
            ./usr/share/metainfo/io.github.quadripolo.Quadripolo.metainfo.xml \
            ./usr/share/man/man1/quadripolo.1.gz \
            ./usr/share/doc/quadripolo/copyright \
            ./usr/share/doc/quadripolo/changelog.gz; do
    grep -q " $path\$" <<<"$contents" || fail "missing $path"
done

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation; do
    grep -q "$dependency" <<<"$depends" || fail "missing dependency $dependency"
done
# A package named twice (once by hand, once by shlibdeps) is a sign of a stale hand-made list.
repeated=$(tr ',' '\n' <<<"$depends" | awk '{print $1}' | sort | uniq -d)
[ -z "$repeated" ] || fail "dependency listed more than once: $repeated"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"
test -x "$root/usr/bin/quadripolo" || fail "usr/bin/quadripolo is not executable"
desktop="$root/usr/share/applications/io.github.quadripolo.Quadripolo.desktop"
grep -q '^Exec=quadripolo' "$desktop" || fail "desktop entry does not start quadripolo"
grep -q '^Icon=io.github.quadripolo.Quadripolo' "$desktop" || fail "desktop entry lacks the icon"

# The licence in the package is the one in LICENSE, word for word: the copyright file's
# stand-alone License: MIT paragraph (the second line naming the licence), without its
# one-space indent and with " ." as empty lines, must equal LICENSE from its permission
# paragraph on.
copyright="$root/usr/share/doc/quadripolo/copyright"
packaged_licence=$(awk 'body && /^$/ {exit} body; /^License: MIT$/ && seen++ {body=1}' "$copyright" |
                   sed -e 's/^ //' -e 's/^\.$//')
upstream_licence=$(sed -n '/^Permission is hereby granted/,$p' "$source_dir/LICENSE")
[ -n "$packaged_licence" ] || fail "copyright file has no MIT licence text"
[ "$packaged_licence" = "$upstream_licence" ] ||
    fail "licence text in the copyright file differs from LICENSE"
upstream_holder=$(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")
grep -qx "Copyright: $upstream_holder" "$copyright" ||
    fail "copyright holder differs from LICENSE ($upstream_holder)"

# Compressed as Debian wants (gzip -9n): no file name and no time stamp in the header, so the
# bytes do not depend on when the package was built, and the best compression (XFL = 2).
for compressed in usr/share/doc/quadripolo/changelog.gz usr/share/man/man1/quadripolo.1.gz; do
    read -r -a header < <(od -An -tu1 -N9 "$root/$compressed")
    [ "${header[0]}" -eq 31 ] && [ "${header[1]}" -eq 139 ] || fail "$compressed is not gzip"
    (( (header[3] & 8) == 0 )) || fail "$compressed keeps the original file name"
    (( header[4] + header[5] + header[6] + header[7] == 0 )) || fail "$compressed has a time stamp"
    [ "${header[8]}" -eq 2 ] || fail "$compressed is not compressed with -9"
done

# The changelog's latest entry and the metainfo's latest release are this package's version.
version=$(dpkg-deb -f "$package" Version)
zcat "$root/usr/share/doc/quadripolo/changelog.gz" >"$root/changelog"
changelog_version=$(dpkg-parsechangelog -l "$root/changelog" -S Version)
rm "$root/changelog"
[ "$changelog_version" = "$version" ] ||
    fail "changelog's latest entry is $changelog_version, package is $version"
metainfo="$root/usr/share/metainfo/io.github.quadripolo.Quadripolo.metainfo.xml"
release_version=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$release_version" = "$version" ] ||
    fail "metainfo's latest release is ${release_version:-missing}, package is $version"

# The judges: each one's report is printed, and any error, warning or hint fails the test.
echo "--- lintian $package"
lintian_status=0
lintian_report=$(lintian --fail-on error,warning "$package" 2>&1) || lintian_status=$?
grep -v 'running with root privileges' <<<"$lintian_report" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports problems"

echo "--- desktop-file-validate"
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$desktop_report" ] || echo "$desktop_report"
[ -z "$desktop_report" ] || fail "desktop-file-validate reports problems"

echo "--- appstreamcli validate --no-net"
appstreamcli validate --strict --no-net "$metainfo" || fail "appstreamcli validate fails"
# The tree check also ties the metainfo's launchable to the installed desktop entry.
appstreamcli validate-tree --strict --no-net "$root" || fail "appstreamcli validate-tree fails"

echo "package contents, dependencies, licence and metadata are complete and clean"
