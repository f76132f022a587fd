#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks its dependencies, unpacks it into a throw-away root, and has
# lintian (which also wants the copyright, changelog and manual page), desktop-file-validate,
# appstreamcli and hardening-check judge what it installs.
# Usage: check_package.sh BUILD_DIR FORTIFY_PROBE   (the probe: packaging/checks/fortify_probe.cpp)
set -euo pipefail
build_dir=$1
fortify_probe=$2
# The judges' words are read (hardening-check reads readelf's): untranslated, whatever the
# user's language.
export LC_ALL=C.UTF-8
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

# Debian's hardening (cmake/hardening.cmake), judged on the packaged program. Where a check cannot
# pass for a reason outside the program, it is left out or read so:
# - Control-flow protection (-fcf-protection, which Debian 13's flags give) marks a program only
#   when every object linked into it carries the marks, the C library's start file Scrt1.o too;
#   those of Debian 12 and of Debian 13 carry none, so the link drops the marks, and the check is
#   required only where the start file has them.
# - Branch protection (BTI and PAC, checked since Debian 13's hardening-check) is arm64's; it is
#   required there only.
# - "Stack clash protection: unknown" passes: no frame of the program is large enough to need a
#   probe, so there is no probing instruction to see (and Debian 12's flags do not ask for it).
# - Fortify: the program's only libc calls that fortify handles are memcpy and memmove, inlined
#   from the standard library and Qt into buffers whose size the compiler cannot know; there glibc
#   has nothing to check, and hardening-check's fortify check gives the false alarm its manual
#   describes ("only unprotected functions found"). That check is made instead on a probe built
#   with the same flags, which has a call glibc can check.
echo "--- hardening-check $(dpkg-query -W -f='${Version}' devscripts) on usr/bin/quadripolo"
not_here=()
start_file=$(realpath "$(c++ -print-file-name=Scrt1.o)")
if ! readelf -n "$start_file" | grep -q 'x86 feature:.*IBT'; then
    echo "(control-flow protection not required: no marks in the C library's $start_file)"
    not_here+=(--nocfprotection)
fi
architecture=$(dpkg --print-architecture)
# (hardening-check --help ends with a failing status.)
options=$(hardening-check --help 2>&1 || true)
if [ "$architecture" != arm64 ] && grep -q -- --nobranchprotection <<<"$options"; then
    echo "(branch protection not required: arm64's, and this is $architecture)"
    not_here+=(--nobranchprotection)
fi
hardening-check --nofortify "${not_here[@]}" "$root/usr/bin/quadripolo" ||
    fail "hardening-check fails"
echo "--- hardening-check's fortify check on the probe built with the program's flags"
hardening-check --nopie --nostackprotector --norelro --nobindnow --nocfprotection "${not_here[@]}" \
    "$fortify_probe" || fail "the build does not fortify"

echo "package contents, dependencies, licence, metadata and hardening are complete and clean"
