#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves a Debian package of the program complete: installs it with apt, without recommended
# packages, into a fresh minimal system of its release (scripts/fresh_debian.sh) that holds only
# test tools (display, window manager, xprop, xdotool, xwd; none brings a piece of Qt or a font),
# and runs the real program there (tests/ui/end_to_end.sh).
# Usage:  bash scripts/install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]
#   SUITE is the release's code name (bookworm, trixie); OUTPUT_DIR receives the windows' icon
#   sizes and screenshots.
set -euo pipefail
usage="usage: install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]"
suite=${1:?$usage}
package=$(realpath -e "${2:?$usage}")
output=$(realpath -m "${3:-install-test-$suite}")
cd "$(dirname "$0")/.."
status=0
bash scripts/fresh_debian.sh "$suite" --include xvfb,xauth,xdotool,x11-utils,x11-apps,openbox \
    --in "$package" --in tests/ui/end_to_end.sh --out "$output" bash -c '
        set -eo pipefail
        apt-get -o DPkg::Lock::Timeout=300 install -y -q "./$1" |
            sed -n "/^The following NEW/,/^[0-9]* upgraded/p"
        timeout -k 5 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash end_to_end.sh out' \
    install "${package##*/}" || status=$?
for shot in "$output"/*.xwd; do
    if [ -f "$shot" ] && command -v convert >/dev/null; then
        convert "xwd:$shot" "${shot%.xwd}.png" && rm "$shot"
    fi
done
echo "install-test: $suite: $([ "$status" -eq 0 ] && echo passed || echo FAILED)," \
    "evidence in $output"
exit "$status"
