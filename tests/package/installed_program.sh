#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed program on an X display (xvfb-run), under a window manager: the main window shows
# with an icon (_NET_WM_ICON), its third button opens the equivalent-parameter window, with an
# icon too. OUTPUT_DIR receives each window's icon sizes and a screenshot (xwd) as it shows.
# Usage: installed_program.sh OUTPUT_DIR
set -uo pipefail
out=${1:?usage: installed_program.sh OUTPUT_DIR}

openbox >"$out/openbox.log" 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.2; done
quadripolo >"$out/program.log" 2>&1 &
trap 'kill %1 %2 2>/dev/null' EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$out/program.log" >&2
    exit 1
}
# shown NAME FILE: the window whose title matches NAME shows, with an icon; its icon sizes go to
# FILE.txt, a screenshot to FILE.xwd. Prints the window.
shown() {
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    [ -n "$window" ] || fail "no window '$1'"
    sleep 1
    xprop -id "$window" _NET_WM_ICON | grep -E '^_NET_WM_ICON|Icon \(' >"$out/$2.txt"
    xwd -root -silent >"$out/$2.xwd"
    grep -q 'Icon (16 x 16)' "$out/$2.txt" || fail "no 16x16 icon on '$1': $(cat "$out/$2.txt")"
    echo "$window"
}

main=$(shown '^Quadripolo visto' main_window) || exit 1
# The third button, at twips 11880,6240, 1935x735 (15 twips a pixel): its centre.
xdotool mousemove --window "$main" $(((11880 + 1935 / 2) / 15)) $(((6240 + 735 / 2) / 15)) click 1
shown '^Parametri z$' equivalent_window >/dev/null || exit 1
echo "installed program: PASS, both windows shown with icons of $(grep -ho '[0-9]* x [0-9]*' \
    "$out/main_window.txt" | paste -sd ' ')"
