#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves that a package has the same bytes when it is made again from the same commit, in
# another folder and at another time: makes it a second time in a fresh clone of HEAD elsewhere
# (the program and its package only) and compares the two; diffoscope reports any difference.
#
# Usage (the package of this clone made first, by the usual script):
#   bash scripts/reproducible.sh deb [REPORT]       after scripts/test.sh (build/)
#   bash scripts/reproducible.sh windows [REPORT]   after scripts/windows.sh (build-windows/)
# REPORT, a file, receives the comparison: both checksums, the verdict and, on a difference,
# diffoscope's whole text report (the output shows its first 200 lines).
set -euo pipefail
kind=${1:-}
[ "$kind" = deb ] || [ "$kind" = windows ] || { echo "usage: $0 deb|windows [REPORT]"; exit 2; }
report=$(realpath -m "${2:-/dev/null}")
cd "$(dirname "$0")/.."

if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "reproducible: the rebuild is made from the committed HEAD; commit the changes first"
    exit 2
fi
work=$(mktemp -d /var/tmp/quadripolo-rebuild.XXXXXX)
trap 'rm -rf "$work"' EXIT
clone=$work/elsewhere/quadripolo
git clone -q "$PWD" "$clone"

if [ "$kind" = deb ]; then
    # The package of build/ made again (up to date after the tests), then the clone's, of the
    # same build type, without the tests.
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' build/CMakeCache.txt)
    (cd build && rm -f quadripolo_*.deb && cpack -G DEB >/dev/null)
    cmake -S "$clone" -B "$clone/build" -G Ninja -DCMAKE_BUILD_TYPE="$type" \
        -DQUADRIPOLO_BUILD_TESTS=OFF -DQUADRIPOLO_BUILD_BENCH=OFF >/dev/null
    cmake --build "$clone/build" >/dev/null
    (cd "$clone/build" && cpack -G DEB >/dev/null)
    first=$(ls "$PWD"/build/quadripolo_*.deb)
    second=$(ls "$clone"/build/quadripolo_*.deb)
else
    (cd "$clone" && bash scripts/windows.sh --program-only >/dev/null)
    first=$(ls "$PWD"/build-windows/quadripolo-*-windows-x86_64.zip)
    second=$(ls "$clone"/build-windows/quadripolo-*-windows-x86_64.zip)
fi

sha256sum "$first" "$second" | sed 's/^/reproducible: /' | tee "$report"
if cmp -s "$first" "$second"; then
    echo "reproducible: $kind: the same bytes from $PWD and $clone, in $SECONDS s" |
        tee -a "$report"
    exit 0
fi
echo "reproducible: FAIL: $kind: $first and $second differ" | tee -a "$report"
source scripts/dependencies.sh
install_missing_packages diffoscope
diffoscope --no-progress --text "$work/diffoscope.txt" "$first" "$second" || true
head -n 200 "$work/diffoscope.txt"
cat "$work/diffoscope.txt" >>"$report"
exit 1
