#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on an X display (run under xvfb-run), under a window manager: the main window
# shows with an icon (_NET_WM_ICON), drawn in Liberation Sans, and a field's context menu, Qt's
# own, reads Italian; its first button, pressed with the mouse, opens no message; its third opens
# the equivalent-parameter window, with an icon too. OUTPUT_DIR receives each window's icon sizes
# and a screenshot (xwd) as it shows, the font files the program loaded, the context menu's
# screenshot and what OCR read in it. Run on the build's program by CTest and on the installed one
# by scripts/install_test.sh.
# Usage: end_to_end.sh OUTPUT_DIR [PROGRAM]   (PROGRAM: quadripolo, as installed)
set -uo pipefail
out=${1:?usage: end_to_end.sh OUTPUT_DIR [PROGRAM]}
mkdir -p "$out"

openbox >"$out/openbox.log" 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.2; done
QT_QPA_PLATFORM=xcb "${2:-quadripolo}" >"$out/program.log" 2>&1 &
program=$!
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
# A click at a control's centre, from its place in twips (15 a pixel): WINDOW LEFT TOP WIDTH HEIGHT
# [BUTTON] (1, the left one, unless given).
press() {
    xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click "${6:-1}"
}

main=$(shown '^Quadripolo visto' main_window) || exit 1

# The windows are drawn in the face the program asks for, "MS Sans Serif", which it has Qt
# substitute by Liberation Sans (fonts-liberation, metric-compatible); a fallback such as DejaVu
# Sans is a quarter wider and clips captions. FreeType maps each font file it draws from into the
# program, so both faces the windows use are among its mapped files. Other faces may be there too:
# Qt's own menus and tooltips are drawn in the system's default face.
grep -o '/[^ ]*\.[ot]tf$' "/proc/$program/maps" | sort -u >"$out/fonts.txt"
for face in LiberationSans-Regular.ttf LiberationSans-Bold.ttf; do
    grep -q "/$face\$" "$out/fonts.txt" ||
        fail "the windows are not drawn in Liberation Sans: no $face among the program's font" \
            "files:" $(xargs -r -n 1 basename <"$out/fonts.txt")
done

# Qt's own texts are Italian (qt6-translations-l10n): the context menu of the field S11 modulo,
# opened with the right button, is read off its own window by OCR; its item "Select All" must
# read "Seleziona tutto" (the items that are greyed out in an untouched field are read less surely).
press "$main" 480 600 1575 375 3
menu=""
for _ in $(seq 100); do
    menu=$(xdotool search --onlyvisible --pid "$program" | grep -vx "$main" | head -n 1)
    [ -z "$menu" ] || break
    sleep 0.2
done
[ -n "$menu" ] || fail "no context menu on the field S11 modulo"
sleep 1
xwd -id "$menu" -silent >"$out/context_menu.xwd"
xwdtopnm "$out/context_menu.xwd" 2>/dev/null | pamscale 3 | tesseract - - 2>/dev/null |
    grep . >"$out/context_menu.txt"
grep -q 'Seleziona tutto' "$out/context_menu.txt" ||
    fail "Qt's texts are not Italian: the field's context menu reads" $(cat "$out/context_menu.txt")
xdotool key Escape

press "$main" 11400 3000 1695 1215
sleep 1
[ -z "$(window '^Quadripolo$')" ] || fail "a message box opened after the first button"
press "$main" 11880 6240 1935 735
shown '^Parametri z$' equivalent_window >/dev/null || exit 1
echo "real program: PASS, both windows shown with icons of $(grep -ho '[0-9]* x [0-9]*' \
    "$out/main_window.txt" | paste -sd ' '), in Liberation Sans, Qt's texts in Italian"
