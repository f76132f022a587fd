#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a static Qt for 64-bit Windows from Debian's qt6-base source package, its Debian patches
# applied, with MinGW-w64 into a cache outside the clone (reused while its key matches), and
# prints its install folder last. Run as root (scripts/windows.sh runs it through sudo for a
# user): the cache is one fixed folder, readable by everyone. See docs/windows.md.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
source "$project/scripts/dependencies.sh"
cache_root=${QUADRIPOLO_QT_CACHE:-/var/cache/quadripolo}
toolchain=$project/cmake/mingw-w64-x86_64.cmake
recorder=$project/scripts/windows_qt_sources.py
umask 022

options=(-xplatform win32-g++ -qt-host-path /usr -static -release
    -nomake examples -nomake tests -no-opengl -no-dbus
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-tabletevent -no-icu
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)
# The build writes the source package's date where it would write its own time (the gzip header
# of the MIME database, rcc's resource dates); part of the key, so an older cache is not used.
date_rule="SOURCE_DATE_EPOCH=debian/changelog"
# Patches of debian/patches/series that are not applied, each with the reason in
# docs/windows.md. Every patch of 6.4.2+dfsg-10 applies and builds for Windows.
left_out=()
# The cross compilers, the Windows headers and libraries, and the host's Qt tools (moc, rcc, uic)
# that the build runs: their versions are part of the key.
toolchain_packages=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    qt6-base-dev-tools cmake ninja-build)

# The source, by apt told to read only deb-src entries for the archives that this machine's apt
# reads (either format of its sources), with lists and downloads of its own: nothing is written
# into the host's apt configuration. The signatures are checked with the keys apt trusts here
# (Dir::Etc::Trusted and TrustedParts), as for an entry without Signed-By.
apt=$cache_root/apt
mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial" "$cache_root/sources"
debian_sources | sed 's/^/deb-src /' >"$apt/parts/deb-src.list"
rm -f "$apt/parts/src.sources"  # what older versions of this script wrote, in deb822
own_apt=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/parts"
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o DPkg::Lock::Timeout=300
    -o APT::Sandbox::User=root)
apt-get "${own_apt[@]}" update -qq
# The source that apt picks (the newest), kept: apt downloads only what it lacks.
dsc=$cache_root/sources/$(apt-get "${own_apt[@]}" source --print-uris -qq qt6-base |
    awk '$2 ~ /\.dsc$/ { print $2 }')
(cd "$cache_root/sources" && apt-get "${own_apt[@]}" source --download-only -qq qt6-base >/dev/null)
version=$(sed -n 's/^Version: //p' "$dsc")
upstream=$(sed 's/^[0-9]*://; s/[-+].*//' <<<"$version")
debian_tar=$(ls "${dsc%.dsc}".debian.tar.*)
series() { sed 's/#.*//; s/[[:space:]]*$//; /^$/d' "$@"; }
applied=$(tar -xOf "$debian_tar" debian/patches/series | series |
    grep -vxF -f <(printf '%s\n' "${left_out[@]}" | sed '/^$/d') || true)
# Changes of one's own to Qt, applied after Debian's patches: QUADRIPOLO_QT_PATCHES names a folder
# of patches (for patch -p1 at the top of the source) and a file `series` that lists them in
# order. They are part of the key, by name and content. This is how the program is linked with a
# changed Qt.
own_patches=()
if [ -n "${QUADRIPOLO_QT_PATCHES:-}" ]; then
    own_folder=$(cd "$QUADRIPOLO_QT_PATCHES" && pwd)
    mapfile -t own_patches < <(series "$own_folder/series")
    applied+=$'\n'$(printf '%s\n' "${own_patches[@]}")
fi

key=$(
    printf '%s\n' "$version" "${options[@]}" "$date_rule" "patches:" $applied
    dpkg-query -W -f '${Package} ${Version}\n' "${toolchain_packages[@]}"
    cat "$toolchain" "$recorder"
    for patch in "${own_patches[@]}"; do cat "$own_folder/$patch"; done
)
key=$(sha256sum <<<"$key")
prefix=$cache_root/qt-$upstream-mingw-static-${key:0:12}
if [ -f "$prefix/.complete" ]; then
    echo "windows_qt: reusing $prefix" >&2
    echo "$prefix"
    exit 0
fi

work=$cache_root/work-${key:0:12}
rm -rf "$work" "$prefix"
mkdir -p "$work/build"
# Unpacked as dpkg-source -x does: the series, less the patches left out and followed by one's
# own, applied in order by dpkg-source itself.
source=$work/source
add_own_patches() {
    local patch
    for patch in "${own_patches[@]}"; do
        if [ -e "$source/debian/patches/$patch" ]; then
            echo "windows_qt: $patch: Debian's series has a patch of that name"
            return 1
        fi
        cp "$own_folder/$patch" "$source/debian/patches/" || return 1
    done
}
{
    dpkg-source --skip-patches -x "$dsc" "$source" &&
        add_own_patches &&
        printf '%s\n' $applied >"$source/debian/patches/series" &&
        (cd "$source" && dpkg-source --before-build .) &&
        [ "$(cat "$source/.pc/applied-patches")" = "$(printf '%s\n' $applied)" ]
} >"$work/unpack.log" 2>&1 || { cat "$work/unpack.log" >&2; exit 1; }
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH

cd "$work/build"
echo "windows_qt: building Qt $version for Windows (static, $(wc -w <<<"$applied") patches)" \
    "in $work/build" >&2
{
    "$source"/configure "${options[@]}" -prefix "$prefix" -- \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
        cmake --build . --parallel "${QUADRIPOLO_JOBS:-2}" && cmake --install .
} >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }

# What the zip's notices are made from (packaging/windows_notices.py): the source package and its
# applied patches, the source tree's licence texts and attribution files, and which of its files
# each library of the install was compiled from.
licensing=$prefix/licensing
mkdir -p "$licensing"
echo "qt6-base $version" >"$licensing/source-package"
grep -vxF -f <(printf '%s\n' "${own_patches[@]}") "$source/.pc/applied-patches" >"$licensing/patches"
printf '%s\n' "${own_patches[@]}" | sed '/^$/d' >"$licensing/own-patches"
printf '%s\n' "${left_out[@]}" | sed '/^$/d' >"$licensing/left-out"
(cd "$source" && find . -name qt_attribution.json -printf '%h\n' | sort -u |
    tar -cf - LICENSES debian/copyright -T -) | tar -C "$licensing" --one-top-level=source -xf -
python3 "$recorder" "$work/build" "$source" "$licensing"

touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
