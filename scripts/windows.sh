#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows build on Debian 12, as root or as a user with sudo: installs what is missing,
# gets the static Qt for Windows (scripts/windows_qt.sh, run as root, cached in one folder outside
# the clone), builds the program and its tests with MinGW-w64 as the caller, runs the tests under
# Wine, checks the executable's version record, icon and hardening flags, runs the real program
# under Wine on a virtual display, and packs quadripolo-<version>-windows-x86_64.zip (the one .exe,
# no DLL beside it, its licence and the notices of what is linked into it) in build-windows/.
# With --program-only it builds the program alone and packs it, with no test (what
# scripts/reproducible.sh needs to make the zip again elsewhere).
set -euo pipefail
# One's own Qt patches (docs/windows.md) may be named relative to where the script is started.
[ -z "${QUADRIPOLO_QT_PATCHES:-}" ] || QUADRIPOLO_QT_PATCHES=$(realpath -e "$QUADRIPOLO_QT_PATCHES")
cd "$(dirname "$0")/.."
source scripts/dependencies.sh

# The cross compiler and its GoogleTest source, the host Qt tools (moc, rcc, uic) of the same
# version and Qt's Italian translation of that version (compiled into the program), dpkg-source
# and dpkg-parsechangelog for the Qt source, Wine, icoutils and librsvg for the resources, what
# the real run on a virtual display needs (tesseract reads the result boxes off its screenshots),
# Python for the zip's notices and checks, and fakeroot for the zip.
WINDOWS_PACKAGES=(cmake ninja-build python3 locales qt6-base-dev qt6-translations-l10n
                  g++-mingw-w64-x86-64-posix mingw-w64-tools googletest dpkg-dev wine wine64
                  icoutils librsvg2-bin fonts-liberation xvfb xauth xdotool imagemagick
                  tesseract-ocr unzip diffoscope fakeroot)
install_missing_packages "${WINDOWS_PACKAGES[@]}"
ensure_italian_locale

program_only=""
tests=ON
if [ "${1:-}" = --program-only ]; then
    program_only=1
    tests=OFF
fi
# The static Qt is one folder for every user of the machine, written as root.
qt=$(as_root env QUADRIPOLO_QT_CACHE="${QUADRIPOLO_QT_CACHE:-}" QUADRIPOLO_JOBS="${QUADRIPOLO_JOBS:-}" \
    QUADRIPOLO_QT_PATCHES="${QUADRIPOLO_QT_PATCHES:-}" bash scripts/windows_qt.sh | tail -n 1)

build=build-windows
# Qt's toolchain file finds the Windows Qt and the host tools; it loads the project's own.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DQUADRIPOLO_BUILD_BENCH=OFF -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$PWD/$build/bin" \
    -DQUADRIPOLO_BUILD_TESTS=$tests
cmake --build "$build" --parallel "${QUADRIPOLO_JOBS:-2}"
# Every executable in one folder, as Qt's project setup would put them beside their DLLs.
program=$build/bin/quadripolo.exe

# The zip, by CPack (packaging/windows.cmake), unpacked again: the checks below run on the
# executable as zipped. CMake before 4.3 writes the packer's user and group IDs into every entry:
# fakeroot makes them 0, whoever packs.
rm -rf "$build"/quadripolo-*-windows-x86_64*
(cd "$build" && fakeroot cpack -G ZIP >/dev/null)
zip=$(ls "$build"/quadripolo-*-windows-x86_64.zip)
unzip -q "$zip" -d "$build"
packed=${zip%.zip}/quadripolo.exe
echo "== The zip's files and notices"
python3 packaging/checks/check_zip.py "$zip" "$qt" "$PWD"
echo "== Hardening flags of the executable"
# ASLR with 64-bit addresses and DEP, as the PE header's DllCharacteristics name them.
characteristics=$(x86_64-w64-mingw32-objdump -p "$packed" |
    sed -n '/^DllCharacteristics/,/^[A-Z]/{/^DllCharacteristics/p; /^[[:space:]]/p}')
echo $characteristics
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" <<<"$characteristics" || { echo "FAIL: $flag is not set" >&2; exit 1; }
done
if [ -n "$program_only" ]; then
    echo "Windows program packed in $SECONDS s: $zip"
    exit 0
fi

# Linked statically: the executable asks Windows' own libraries for nothing beyond the system.
imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\tDLL Name: //p' | sort -u)
echo "Imported libraries:" $imports
if grep -qiE '^(lib|qt)' <<<"$imports"; then
    echo "FAIL: the executable needs a library that Windows does not have" >&2
    exit 1
fi

# A Wine of the build's own, quiet, ended on every way out.
export WINEPREFIX=$PWD/$build/wine WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot -i >/dev/null 2>&1

echo "== GoogleTest under Wine"
wine "$build/bin/numeric_tests.exe"
echo "== Qt Test under Wine"
# Wine hands a program no variable named QT_*: WINEQT_NAME arrives as QT_NAME. The offscreen
# platform on Windows reads its fonts from one folder; its log goes to a file.
WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation \
    QTEST_FUNCTION_TIMEOUT=20000 wine "$build/bin/windows_test.exe" \
    -o "$build/windows_test.txt,txt" || qt_test_failed=1
cat "$build/windows_test.txt"
[ -z "${qt_test_failed:-}" ]
echo "== Version record and icon of the executable"
python3 packaging/checks/check_version_record.py "$packed" ui/resources/icons/quadripolo.svg \
    "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
echo "== The real program under Wine"
bash tests/windows/real_program.sh "$packed" "$build/real_program"

unzip -l "$zip"
echo "Windows build done in $SECONDS s: $zip"
