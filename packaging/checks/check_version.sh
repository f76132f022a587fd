#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The version is written once, in project() of the top-level CMakeLists.txt: the newest entry of
# the package's changelog and the newest release of the AppStream metainfo must name that version,
# on the same day. Each file is read by its own format's tool (dpkg-parsechangelog, appstreamcli);
# the newest is the first of each (appstreamcli validate, in check_package.sh, checks the order).
# Usage: check_version.sh VERSION CHANGELOG METAINFO   (VERSION: the build's PROJECT_VERSION)
set -euo pipefail
version=${1:?usage: check_version.sh VERSION CHANGELOG METAINFO}
changelog=$2
metainfo=$3
fail() {
    echo "FAIL: $*"
    exit 1
}

entry=$(dpkg-parsechangelog -l "$changelog" -S Version)
# The day as the changelog writes it ("Mon, 07 Dec 2026 12:00:00 +0000"), in its own time zone.
entry_day=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date | cut -d ' ' -f 2-4)" +%F)
news=$(appstreamcli metainfo-to-news --format text "$metainfo" -)
release=$(sed -n '1s/^Version //p' <<<"$news")
release_day=$(sed -n '1,/^Released: /s/^Released: //p' <<<"$news")
echo "project(): $version; changelog: $entry of $entry_day; metainfo: $release of $release_day"

[ "$entry" = "$version" ] || fail "the changelog's newest entry is $entry, not $version"
[ "$release" = "$version" ] || fail "the metainfo's newest release is $release, not $version"
[ "$release_day" = "$entry_day" ] ||
    fail "the metainfo's release is of $release_day, the changelog's entry of $entry_day"
echo "version: $version in project(), the changelog and the metainfo"
