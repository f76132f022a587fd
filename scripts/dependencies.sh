# SPDX-License-Identifier: MIT
# The Debian packages the program and its tests need, installed where missing. Sourced by the
# other scripts; apt runs as root, through sudo for a user, and waits up to 5 minutes for a lock
# that another apt (a software centre, unattended upgrades) holds.

# What the program loads at run time, which no linker sees (packaging/run-time-depends).
RUN_TIME_PACKAGES=$(grep -v '^#' "$(dirname "${BASH_SOURCE[0]}")/../packaging/run-time-depends")
# The program with Debian's hardening flags and its tests, and what its Debian package needs as
# CI makes it (cpack stops without them): dpkg-buildflags and dpkg-shlibdeps (dpkg-dev), file, and
# appstreamcli (which decides the metainfo's form).
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgtest-dev "$RUN_TIME_PACKAGES"
                dpkg-dev file appstream)
# The benchmarks; the package's judges (packaging/checks); the real program on Xvfb under a window
# manager, its screen read by OCR (tests/ui/end_to_end.sh); the Italian locale of the conversion
# tests; clang-format; the fuzzer (clang and its libFuzzer).
TEST_PACKAGES=(libbenchmark-dev lintian desktop-file-utils devscripts
               xvfb xauth xdotool x11-utils x11-apps openbox tesseract-ocr netpbm
               locales clang-format clang libclang-rt-dev)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"; }

# install_missing_packages DEPENDENCY...: each argument a package or a Debian dependency such as
# "a | b (<< 2)"; installs only when apt says that one is missing.
# The package lists are updated only when apt cannot install from them: `apt-get update` does not
# wait for the lock of the lists (apt 2.6), only the installation waits for dpkg's.
install_missing_packages() {
    local wanted
    wanted=$(IFS=,; echo "$*")
    # A simulation (no root needed) lists each package it would install on an "Inst" line, in
    # every language; it fails when a dependency cannot be met from the lists as they stand.
    local simulation
    simulation=$(apt-get -s satisfy "$wanted" 2>/dev/null) && ! grep -q '^Inst ' <<<"$simulation" &&
        return
    echo "Installing what is missing of: $wanted"
    apt_get satisfy -y -qq --no-install-recommends "$wanted" || {
        echo "Updating the package lists, then installing again"
        apt_get update -qq && apt_get satisfy -y -qq --no-install-recommends "$wanted"
    }
}

# The conversion tests run once under an Italian locale, whose decimal separator is a comma.
ensure_italian_locale() {
    locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' ||
        as_root localedef -i it_IT -f UTF-8 it_IT.UTF-8
}

# debian_sources: the Debian archives this machine's apt reads packages from, one "URI SUITE
# COMPONENT..." line each, whatever the format of its sources (a one-line /etc/apt/sources.list,
# deb822 .sources files): apt itself reads them. The main archive comes first.
debian_sources() {
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
        'Identifier: Packages' 'Target-Of: deb' |
        awk '{ key = $1 " " $2; if (!(key in seen)) { order[++n] = key } seen[key] = seen[key] " " $3 }
             END { for (i = 1; i <= n; i++) print order[i] seen[order[i]] }'
}
