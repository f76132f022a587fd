#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves a Debian package of the program complete: installs it with apt, without recommended
# packages, into a fresh minimal system of the release it was built on (scripts/minimal_system.sh),
# where nothing of the build is present, and runs tests/ui/end_to_end.sh there. Only
# test tools are installed beside it (display, window manager, xprop, xdotool, xwd), none of
# which brings a piece of Qt or a font of the program's, so what the program loads at run time
# comes from the package's dependencies alone.
# Usage, as root:  bash scripts/install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]
#   SUITE is the release's code name (bookworm, trixie); OUTPUT_DIR receives the icon sizes and
#   the screenshots, as PNG where ImageMagick's convert is at hand.
set -euo pipefail
suite=${1:?usage: install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]}
package=$(realpath -e "${2:?usage: install_test.sh SUITE PACKAGE.deb [OUTPUT_DIR]}")
output=$(realpath -m "${3:-install-test-$suite}")
cd "$(dirname "$0")/.."
source scripts/dependencies.sh
system_name=install-test
source scripts/minimal_system.sh

system_open "$suite"
root=$system_root
started=$SECONDS
cp tests/ui/end_to_end.sh "$package" "$root/root/"
mkdir -p "$root/root/out" "$output"
system_run bash -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends xvfb xauth xdotool x11-utils x11-apps openbox >/dev/null'
echo "install-test: Debian $(cat "$root/etc/debian_version"): test tools installed in" \
    "$((SECONDS - started)) s; apt-get install --no-install-recommends ./${package##*/}"
system_run bash -c 'set -o pipefail; DEBIAN_FRONTEND=noninteractive apt-get install -y \
    --no-install-recommends "./$1" | sed -n "/^The following NEW/,/^[0-9]* upgraded/p"' \
    install "/root/${package##*/}"
status=0
system_run timeout -k 5 120 xvfb-run -a -s '-screen 0 1280x1024x24' \
    bash /root/end_to_end.sh /root/out || status=$?
for shot in "$root"/root/out/*.xwd; do
    if [ -f "$shot" ] && command -v convert >/dev/null; then
        convert "xwd:$shot" "$output/$(basename "$shot" .xwd).png" && rm "$shot"
    fi
done
cp "$root"/root/out/* "$output"/
echo "install-test: Debian $(cat "$root/etc/debian_version"): $([ "$status" -eq 0 ] && echo passed ||
    echo FAILED) in $((SECONDS - started)) s, evidence in $output"
exit "$status"
