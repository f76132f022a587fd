# SPDX-License-Identifier: MIT
# Packages the program and its tests need on Debian 12 and 13, installed only where missing.
# Sourced by the other scripts; runs as root (or through sudo where there is one).

# The font the windows are drawn with and Qt's Italian translation are loaded at run time.
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
                fonts-liberation qt6-translations-l10n)
# clang-format checks the layout of the sources; lintian, desktop-file-utils and appstream
# judge the Debian package (tests/package).
TEST_PACKAGES=(locales xvfb xauth xdotool dpkg-dev file clang-format lintian desktop-file-utils
               appstream)

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
