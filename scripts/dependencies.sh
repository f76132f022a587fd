# SPDX-License-Identifier: MIT
# Packages the program and its tests need on Debian 12 and 13, installed only where missing.
# Sourced by the other scripts; runs as root (or through sudo where there is one).

# The font the windows are drawn with and Qt's Italian translation are loaded at run time.
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
                fonts-liberation qt6-translations-l10n)
# clang-format checks the layout of the sources; lintian, desktop-file-utils and appstream
# judge the Debian package (tests/package); the real program runs on Xvfb under openbox, read
# with xprop and xwd (tests/ui/end_to_end.sh).
TEST_PACKAGES=(locales xvfb xauth xdotool x11-utils x11-apps openbox dpkg-dev file clang-format
               lintian desktop-file-utils appstream)

install_missing_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The conversion tests run once under an Italian locale, whose decimal separator is a comma.
ensure_italian_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
        local sudo=""
        if [ "$(id -u)" -ne 0 ]; then
            sudo="sudo"
        fi
        $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
    fi
}

# What the program loads at run time (packaging/run-time-files) may lie in a package that the
# build packages only recommend, and so is missing after an install without recommended
# packages: Debian 13's libqt6gui6 only recommends qt6-svg-plugins, which holds Qt's SVG image
# and icon plugins. apt keeps no index of the files in packages, so each file still missing is
# looked for in the packages that the installed Qt libraries recommend: each one is downloaded,
# not installed, its file list read, and those that hold a missing file are installed. A file
# that none of them holds stops the script, naming it.
install_run_time_packages() {
    local missing
    missing=$(bash packaging/run_time_files.sh | grep '^missing' || true)
    [ -n "$missing" ] || return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    local folder qt_libraries candidate wanted=()
    folder=$(mktemp -d)
    qt_libraries=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 'libqt6*' |
        awk '$1 == "ii" { print $2 }')
    for candidate in $(apt-cache depends $qt_libraries |
        sed -n 's/^ *Recommends: \([^<]*\)$/\1/p' | sort -u); do
        dpkg-query -W -f='${Status}' "$candidate" 2>/dev/null | grep -q "ok installed" && continue
        (cd "$folder" && apt-get download -qq "$candidate" 2>/dev/null) || continue
        if dpkg-deb --fsys-tarfile "$folder/${candidate}_"*.deb | tar -t |
            grep -xF -f <(awk '$NF ~ /^\// { print "." $NF }' <<<"$missing") >/dev/null; then
            wanted+=("$candidate")
        fi
    done
    rm -rf "$folder"
    [ ${#wanted[@]} -eq 0 ] || install_missing_packages "${wanted[@]}"
    missing=$(bash packaging/run_time_files.sh | grep '^missing' || true)
    [ -z "$missing" ] || { echo "No package holds what the program loads at run time: $missing"; return 1; }
}
