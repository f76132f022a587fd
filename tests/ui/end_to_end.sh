#!/usr/bin/env bash
# Starts the real program on a virtual X display (xcb platform, no window manager), presses the
# main window's first button with the mouse, and checks that the program is still running with
# its main window open and no message on screen; then presses the third button and waits for
# the equivalent-parameter window, which shows that the clicks reach the program. Every wait is
# bounded; the program is ended at the close in any case.
#
# Usage: end_to_end.sh PROGRAM OUTPUT_DIR   (OUTPUT_DIR receives the program's output and, where
# imagemagick is present, a screenshot)
set -uo pipefail

program=${1:?usage: end_to_end.sh PROGRAM OUTPUT_DIR}
output_dir=${2:?usage: end_to_end.sh PROGRAM OUTPUT_DIR}

# Outside the virtual display: check the tools, then run this script again inside one.
if [ "${QUADRIPOLO_END_TO_END_INSIDE:-}" != 1 ]; then
    for tool in xvfb-run xauth xdotool timeout; do
        if ! command -v "$tool" >/dev/null; then
            echo "FAIL: $tool is missing (scripts/dependencies.sh installs it)"
            exit 1
        fi
    done
    if [ ! -x "$program" ]; then
        echo "FAIL: no program at $program"
        exit 1
    fi
    mkdir -p "$output_dir"
    QUADRIPOLO_END_TO_END_INSIDE=1 timeout -k 5 100 \
        xvfb-run -a -s '-screen 0 1280x1024x24' bash "$0" "$program" "$output_dir"
    status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "FAIL: the end-to-end run did not finish in time"
    fi
    exit "$status"
fi

# Inside the virtual display.
log="$output_dir/end_to_end_program.log"
main_caption='^Quadripolo visto'
message_caption='^Quadripolo$'  # the message boxes carry the program's name as caption
# The centres of the main window's buttons, in pixels of its client area (15 twips a pixel):
# Command1 at Left 11400, Top 3000, Width 1695, Height 1215; Command3 at 11880, 6240, 1935, 735.
command1_x=$(((11400 + 1695 / 2) / 15))
command1_y=$(((3000 + 1215 / 2) / 15))
command3_x=$(((11880 + 1935 / 2) / 15))
command3_y=$(((6240 + 735 / 2) / 15))

QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
pid=$!

# shellcheck disable=SC2317  # run by the EXIT trap
stop_program() {
    if kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid" 2>/dev/null
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.5
        done
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
}
trap stop_program EXIT

fail() {
    echo "FAIL: $*"
    echo "--- program output:"
    cat "$log"
    exit 1
}

alive() {
    kill -0 "$pid" 2>/dev/null
}

# The visible windows whose caption matches $1, one id a line; waits for one when $2 is "sync".
visible_windows() {
    if [ "${2:-}" = sync ]; then
        timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null
    else
        timeout 10 xdotool search --onlyvisible --name "$1" 2>/dev/null
    fi
}

window=$(visible_windows "$main_caption" sync | head -n 1)
alive || fail "the program ended at start-up"
[ -n "$window" ] || fail "no visible window captioned 'Quadripolo visto ...'"
echo "main window $window: $(timeout 10 xdotool getwindowname "$window")"
timeout 10 xdotool getwindowgeometry "$window"

timeout 10 xdotool windowfocus --sync "$window" || echo "note: the window did not take the focus"
timeout 10 xdotool mousemove --window "$window" "$command1_x" "$command1_y" click 1 ||
    fail "could not click Command1 at ($command1_x, $command1_y)"
sleep 2  # lets the program handle the click; nothing is measured

alive || fail "the program ended after the click on Command1"
visible_windows "$main_caption" | grep -qx "$window" ||
    fail "the main window is gone after the click on Command1"
if [ -n "$(visible_windows "$message_caption")" ]; then
    fail "a message box opened after the click on Command1 with the initial inputs"
fi
echo "after Command1: the program runs, its main window is open, no message"

if command -v import >/dev/null; then
    screenshot="$output_dir/end_to_end_after_command1.png"
    if timeout 20 import -window root "$screenshot"; then
        echo "screenshot: $screenshot"
    else
        echo "note: no screenshot"
    fi
fi

timeout 10 xdotool mousemove --window "$window" "$command3_x" "$command3_y" click 1 ||
    fail "could not click Command3 at ($command3_x, $command3_y)"
form2=$(visible_windows '^Parametri z$' sync | head -n 1)
[ -n "$form2" ] || fail "the equivalent-parameter window did not open after Command3"
alive || fail "the program ended after the click on Command3"
visible_windows "$main_caption" | grep -qx "$window" ||
    fail "the main window is gone after the click on Command3"
echo "after Command3: the equivalent-parameter window $form2 is open beside the main window"

echo "PASS"
exit 0
