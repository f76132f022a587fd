#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on an X display (run under xvfb-run), under a window manager: the main window
# shows with an icon (_NET_WM_ICON); its first button, pressed with the mouse, opens no message;
# its third opens the equivalent-parameter window, with an icon too. OUTPUT_DIR receives each
# window's icon sizes and a screenshot (xwd) as it shows. Run on the build's program by CTest and
# on the installed one by scripts/install_test.sh.
# Usage: end_to_end.sh OUTPUT_DIR [PROGRAM]   (PROGRAM: quadripolo, as installed)
set -uo pipefail
out=${1:?usage: end_to_end.sh OUTPUT_DIR [PROGRAM]}
mkdir -p "$out"

openbox >"$out/openbox.log" 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.2; done
QT_QPA_PLATFORM=xcb "${2:-quadripolo}" >"$out/program.log" 2>&1 &
trap 'kill %1 %2 2>/dev/null' EXIT
fail() {
    echo "FAIL: $*" >&2
    cat "$out/program.log" >&2
    exit 1
}
window() { timeout 20 xdotool search ${2:+--sync} --onlyvisible --name "$1" | head -n 1; }
# shown NAME FILE: the window whose title matches NAME shows, with an icon; its icon sizes go to
# FILE.txt, a screenshot to FILE.xwd. Prints the window.
shown() {
    local id
    id=$(window "$1" sync)
    [ -n "$id" ] || fail "no window '$1'"
    sleep 1
    xprop -id "$id" _NET_WM_ICON | grep -E '^_NET_WM_ICON|Icon \(' >"$out/$2.txt"
    xwd -root -silent >"$out/$2.xwd"
    grep -q 'Icon (16 x 16)' "$out/$2.txt" || fail "no 16x16 icon on '$1': $(cat "$out/$2.txt")"
    echo "$id"
}
# A button's centre, from its place in twips (15 a pixel): WINDOW LEFT TOP WIDTH HEIGHT.
press() { xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1; }

main=$(shown '^Quadripolo visto' main_window) || exit 1
press "$main" 11400 3000 1695 1215
sleep 1
[ -z "$(window '^Quadripolo$')" ] || fail "a message box opened after the first button"
press "$main" 11880 6240 1935 735
shown '^Parametri z$' equivalent_window >/dev/null || exit 1
echo "real program: PASS, both windows shown with icons of $(grep -ho '[0-9]* x [0-9]*' \
    "$out/main_window.txt" | paste -sd ' ')"
