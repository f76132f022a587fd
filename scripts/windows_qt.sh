#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source package with MinGW-w64,
# into a cache outside the clone, and prints the cache's install folder on its last line.
# A cache whose version and options match is reused as it is; it takes about 30 min to build.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
cache_root=${QUADRIPOLO_QT_CACHE:-/var/cache/quadripolo}
toolchain=$project/cmake/mingw-w64-x86_64.cmake

options=(-xplatform win32-g++ -qt-host-path /usr -static -release
    -nomake examples -nomake tests -no-opengl -no-dbus
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-tabletevent -no-icu
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)

# The source: Debian's qt6-base, through a deb-src twin of the machine's own package sources.
sources_list=/etc/apt/sources.list.d/quadripolo-deb-src.sources
if [ ! -f "$sources_list" ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$sources_list"
    apt-get update -qq
fi
version=$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | head -1)
upstream=${version#*:}
upstream=${upstream%%-*}
upstream=${upstream%%+*}

key=$(printf '%s\n' "$version" "${options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
prefix=$cache_root/qt-$upstream-mingw-static-$key
if [ -f "$prefix/.complete" ]; then
    echo "windows_qt: reusing $prefix" >&2
    echo "$prefix"
    exit 0
fi

work=$cache_root/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
(cd "$work" && apt-get source --download-only -qq qt6-base >/dev/null)
tar -C "$work" -xf "$work"/qt6-base_"$upstream"*.orig.tar.*
source_dir=$(find "$work" -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -1)

mkdir -p "$work/build"
cd "$work/build"
echo "windows_qt: configuring Qt $upstream for Windows (static) in $work/build" >&2
"$source_dir/configure" "${options[@]}" -prefix "$prefix" -- \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 || {
    tail -n 40 configure.log >&2
    exit 1
}
echo "windows_qt: building (about 30 min with 2 jobs)" >&2
cmake --build . --parallel "${QUADRIPOLO_JOBS:-2}" >build.log 2>&1 || {
    tail -n 40 build.log >&2
    exit 1
}
cmake --install . >install.log 2>&1
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
