#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a static Qt for 64-bit Windows from Debian's qt6-base source package with MinGW-w64 into
# a cache outside the clone (reused while its key matches), and prints its install folder last.
# See docs/windows.md.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
cache_root=${QUADRIPOLO_QT_CACHE:-/var/cache/quadripolo}
toolchain=$project/cmake/mingw-w64-x86_64.cmake

options=(-xplatform win32-g++ -qt-host-path /usr -static -release
    -nomake examples -nomake tests -no-opengl -no-dbus
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-tabletevent -no-icu
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)
# The build writes the source package's date where it would write its own time (the gzip header
# of the MIME database, rcc's resource dates); part of the key, so an older cache is not used.
date_rule="SOURCE_DATE_EPOCH=debian/changelog"

# The source, by apt told to read only a deb-src copy of the machine's own sources, with lists
# and downloads of its own: nothing is written into the host's apt configuration.
apt=$cache_root/apt
mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    >"$apt/parts/src.sources"
own_apt=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/parts"
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o DPkg::Lock::Timeout=300)
apt-get "${own_apt[@]}" update -qq
version=$(apt-cache "${own_apt[@]}" showsrc qt6-base | sed -n 's/^Version: //p' | head -1)
upstream=$(sed 's/^[0-9]*://; s/[-+].*//' <<<"$version")

key=$(printf '%s\n' "$version" "${options[@]}" "$date_rule" | cat - "$toolchain" | sha256sum)
prefix=$cache_root/qt-$upstream-mingw-static-${key:0:12}
if [ -f "$prefix/.complete" ]; then
    echo "windows_qt: reusing $prefix" >&2
    echo "$prefix"
    exit 0
fi

work=$cache_root/work-${key:0:12}
rm -rf "$work" "$prefix"
mkdir -p "$work/build"
(cd "$work" && apt-get "${own_apt[@]}" source --download-only -qq qt6-base >/dev/null 2>&1)
tar -C "$work" -xf "$work"/qt6-base_*.orig.tar.*
SOURCE_DATE_EPOCH=$(tar -xOf "$work"/qt6-base_*.debian.tar.* debian/changelog |
    dpkg-parsechangelog -l - -S Timestamp)
export SOURCE_DATE_EPOCH

cd "$work/build"
echo "windows_qt: building Qt $upstream for Windows (static) in $work/build" >&2
{
    "$work"/qtbase-everywhere-src-*/configure "${options[@]}" -prefix "$prefix" -- \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
        cmake --build . --parallel "${QUADRIPOLO_JOBS:-2}" && cmake --install .
} >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
