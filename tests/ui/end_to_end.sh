#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on a virtual X display without window manager: its first button pressed with
# the mouse leaves it running with no message, its third opens the equivalent-parameter window.
# Usage: end_to_end.sh PROGRAM OUTPUT_DIR (which receives the program's output and a screenshot)
set -uo pipefail
program=${1:?usage: end_to_end.sh PROGRAM OUTPUT_DIR}
output_dir=${2:?usage: end_to_end.sh PROGRAM OUTPUT_DIR}

if [ "${QUADRIPOLO_INSIDE_XVFB:-}" != 1 ]; then
    mkdir -p "$output_dir"
    QUADRIPOLO_INSIDE_XVFB=1 timeout -k 5 100 \
        xvfb-run -a -s '-screen 0 1280x1024x24' bash "$0" "$program" "$output_dir"
    exit $?
fi

log="$output_dir/end_to_end_program.log"
QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
fail() {
    echo "FAIL: $*"
    cat "$log"
    exit 1
}
windows() { timeout 20 xdotool search ${2:+--sync} --onlyvisible --name "$1" 2>/dev/null; }
# A button's centre in pixels of the client area (15 twips a pixel).
press() { xdotool mousemove --window "$window" $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1; }

window=$(windows '^Quadripolo visto' sync | head -n 1)
[ -n "$window" ] || fail "no main window"
xdotool windowfocus --sync "$window"
press 11400 3000 1695 1215 || fail "could not click Command1"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended after Command1"
[ -z "$(windows '^Quadripolo$')" ] || fail "a message box opened after Command1"
import -window root "$output_dir/end_to_end_after_command1.png" || echo "note: no screenshot"
press 11880 6240 1935 735 || fail "could not click Command3"
[ -n "$(windows '^Parametri z$' sync)" ] || fail "no equivalent-parameter window after Command3"
windows '^Quadripolo visto' | grep -qx "$window" || fail "the main window is gone"
echo "PASS"
