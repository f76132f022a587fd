#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks its dependencies, unpacks it into a throw-away root, and has
# lintian (which also wants the copyright, changelog and manual page),
# desktop-file-validate and appstreamcli judge what it installs.
set -euo pipefail
build_dir=$1
cd "$build_dir"
rm -f quadripolo_*.deb
cpack -G DEB >/dev/null
package=$(ls quadripolo_*.deb)

fail() {
    echo "FAIL: $*"
    exit 1
}

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
# That shlibdeps ran; that the dependencies are complete is proven by installing the package on
# a bare system (scripts/install_test.sh).
grep -q libqt6widgets6 <<<"$depends" || fail "missing dependency libqt6widgets6"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"
desktop="$root/usr/share/applications/io.github.quadripolo.Quadripolo.desktop"

# The judges: each one's report is printed, and any error, warning or hint fails the test.
echo "--- lintian $(lintian --version | awk '{print $NF}') on $package"
lintian_status=0
lintian_report=$(lintian --fail-on error,warning "$package" 2>&1) || lintian_status=$?
grep -v 'running with root privileges' <<<"$lintian_report" || echo "no remark"
[ "$lintian_status" -eq 0 ] || fail "lintian reports problems"

echo "--- desktop-file-validate $(dpkg-query -W -f='${Version}' desktop-file-utils)"
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$desktop_report" ] || fail "desktop-file-validate reports problems: $desktop_report"
echo "no remark"

echo "--- appstreamcli validate --strict --no-net ($(appstreamcli --version))"
metainfo="$root/usr/share/metainfo/io.github.quadripolo.Quadripolo.metainfo.xml"
appstreamcli validate --strict --no-net "$metainfo" || fail "appstreamcli validate fails"
# The tree check also ties the metainfo's launchable to the installed desktop entry.
appstreamcli validate-tree --strict --no-net "$root" || fail "appstreamcli validate-tree fails"

echo "package contents, dependencies, licence and metadata are complete and clean"
