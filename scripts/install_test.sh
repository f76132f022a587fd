#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves a Debian package of the program complete and clean: installs it with apt, without
# recommended packages, into a fresh minimal system of its release (scripts/fresh_debian.sh) that
# holds only test tools (display, window manager, xprop, xdotool, xwd, OCR), runs the real program
# there (tests/ui/end_to_end.sh: icons, the Liberation font, Qt's Italian texts), then removes and
# purges the package and checks that nothing of it is left (packaging/checks/removal.sh).
# The test tools bring fontconfig and the DejaVu fonts, but neither the Liberation fonts nor Qt's
# translations: that is checked before the package is installed, so only its Depends can bring them.
# Usage:  bash scripts/install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]
#   SUITE is the release's code name (bookworm, trixie); OUTPUT_DIR receives the windows' icon
#   sizes, screenshots and fonts, the context menu's OCR, the removal's lists and the logs
#   (install-test.log: all of this script's output).
set -euo pipefail
usage="usage: install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]"
suite=${1:?$usage}
package=$(realpath -e "${2:?$usage}")
output=$(realpath -m "${3:-install-test-$suite}")
cd "$(dirname "$0")/.."
mkdir -p "$output"
status=0
bash scripts/fresh_debian.sh "$suite" \
    --include xvfb,xauth,xdotool,x11-utils,x11-apps,openbox,tesseract-ocr,netpbm \
    --in "$package" --in tests/ui/end_to_end.sh --in packaging/checks/removal.sh --out "$output" \
    bash -c '
        set -eo pipefail
        for brought in fonts-liberation qt6-translations-l10n; do
            if dpkg-query -W -f="\${db:Status-Abbrev}" "$brought" 2>/dev/null | grep -q "^ii"; then
                echo "FAIL: the test tools brought $brought, which only the package may bring"
                exit 1
            fi
        done
        apt-get -o DPkg::Lock::Timeout=300 install -y -q "./$1" | tee out/install.log |
            sed -n "/^The following NEW/,/^[0-9]* upgraded/p"
        timeout -k 5 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash end_to_end.sh out
        bash removal.sh "$(dpkg-deb -f "$1" Package)" out' \
    install "${package##*/}" 2>&1 | tee "$output/install-test.log" || status=$?
# The screenshots as PNG, where netpbm is here (scripts/test.sh installs it).
for shot in "$output"/*.xwd; do
    if [ -f "$shot" ] && command -v xwdtopnm >/dev/null; then
        xwdtopnm "$shot" 2>/dev/null | pnmtopng >"${shot%.xwd}.png" && rm "$shot"
    fi
done
echo "install-test: $suite: $([ "$status" -eq 0 ] && echo passed || echo FAILED)," \
    "evidence in $output"
exit "$status"
