#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves that an installed Debian package leaves nothing behind: removes it, then purges it, and
# checks after each that every file it installed is gone, that each of its folders is gone unless
# another package owns it, and, after the purge, that dpkg no longer knows it, configuration files
# included. Run as root where the package is installed (scripts/install_test.sh).
# Usage: removal.sh PACKAGE OUTPUT_DIR
#   OUTPUT_DIR receives the list of the package's files and what apt and dpkg said.
set -euo pipefail
package=${1:?usage: removal.sh PACKAGE OUTPUT_DIR}
out=${2:?usage: removal.sh PACKAGE OUTPUT_DIR}
mkdir -p "$out"
fail() {
    echo "FAIL: removal: $*"
    exit 1
}

dpkg -L "$package" | grep -vx '/\.' >"$out/installed-files.txt"
dpkg-query -W -f='${Conffiles}\n' "$package" >"$out/conffiles.txt"
echo "removal: $package installed $(wc -l <"$out/installed-files.txt") paths," \
    "$(grep -c . "$out/conffiles.txt" || true) configuration files"

# left_behind: the installed paths still there that no other package owns.
left_behind() {
    local path
    while read -r path; do
        if [ -e "$path" ] && ! dpkg-query -S "$path" >/dev/null 2>&1; then
            echo "$path"
        fi
    done <"$out/installed-files.txt"
}

# known: what dpkg knows of the package, "" when nothing ("un"/"pn": known as not installed).
known() {
    local status
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null) || true
    case $status in un* | pn* | "") ;; *) echo "$status" ;; esac
}

apt-get -o DPkg::Lock::Timeout=300 remove -y -q "$package" >"$out/remove.log"
[ -z "$(left_behind)" ] || fail "after removal, left behind: $(left_behind | paste -sd ' ')"
# A package without configuration files is forgotten by dpkg at its removal: nothing to purge.
after_removal=$(known)
if [ -n "$after_removal" ]; then
    apt-get -o DPkg::Lock::Timeout=300 purge -y -q "$package" >"$out/purge.log"
fi
[ -z "$(left_behind)" ] || fail "after purge, left behind: $(left_behind | paste -sd ' ')"
[ -z "$(known)" ] || fail "after purge, dpkg still knows $package: '$(known)'"
dpkg -l "$package" >"$out/dpkg-l.txt" 2>&1 || true
echo "removal: $package removed (dpkg then: '${after_removal:-forgotten}') and purged, nothing" \
    "of it left; dpkg -l: $(tail -n 1 "$out/dpkg-l.txt")"
