#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real Windows program under Wine on a virtual X display without window manager, in an
# Italian locale: the main window's client area is 1077x705; its first button, pressed with the
# mouse, writes the worked example's texts with the point; its third opens the
# equivalent-parameter window, whose z and y texts carry the locale's comma. The texts are read
# off screenshots by OCR (tesseract, the characters of a number only).
# Usage: real_program.sh PROGRAM.exe OUTPUT_DIR (screenshots and the program's output go there)
# WINEPREFIX and WINEDEBUG come from the caller. QT_SCALE_FACTOR=2 runs it at 200 %.
set -uo pipefail
program=${1:?usage: real_program.sh PROGRAM.exe OUTPUT_DIR}
output_dir=${2:?usage: real_program.sh PROGRAM.exe OUTPUT_DIR}
scale=${QT_SCALE_FACTOR:-1}

if [ "${QUADRIPOLO_INSIDE_XVFB:-}" != 1 ]; then
    mkdir -p "$output_dir"
    QUADRIPOLO_INSIDE_XVFB=1 timeout -k 5 150 \
        xvfb-run -a -s '-screen 0 2560x1600x24' bash "$0" "$program" "$output_dir"
    exit $?
fi

# A Wine server left from a run without display would keep the program off this one.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
log="$output_dir/program.log"
# Wine hands a program no variable named QT_*: WINEQT_NAME arrives as QT_NAME.
LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 WINEQT_SCALE_FACTOR=$scale wine "$program" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
stop() {
    fail "$*"
    cat "$log"
    exit 1
}
windows() { timeout 30 xdotool search ${2:+--sync} --onlyvisible --name "$1" 2>/dev/null; }
# A position in twips (15 a pixel at 100 %) as screen pixels, from a window's client origin.
pixels() { echo $(($1 * scale / 15)); }
press() {
    xdotool mousemove --window "$1" "$(pixels $(($2 + $4 / 2)))" "$(pixels $(($3 + $5 / 2)))" \
        click 1
}
origin() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^[XY]=//p' | tr '\n' ' '; }
# The text of a result box: WINDOW_X WINDOW_Y LEFT TOP WIDTH (twips) and how far to enlarge it
# (percent), read off the screenshot; the box's picture is kept in OUTPUT_DIR.
read_box() {
    local x=$(($1 + $(pixels "$3"))) y=$(($2 + $(pixels "$4")))
    local box="$output_dir/box_$3_$4.png"
    convert "$shot" -crop "$(pixels "$5")x$(pixels 375)+$x+$y" +repage -colorspace Gray \
        -resize "$6%" -level 20%,80% "$box"
    tesseract "$box" - --psm 7 -c tessedit_char_whitelist='0123456789.,E+-' 2>/dev/null |
        head -n 1
}
# Boxes as "LEFT TOP TEXT", all of one WIDTH, compared with what the screenshot shows.
check_boxes() {
    local window_x=$1 window_y=$2 width=$3 left top text seen enlargement
    while read -r left top text; do
        # OCR now and then misreads one glyph: another enlargement of the same picture may confirm.
        for enlargement in 400 300 250 200; do
            seen=$(read_box "$window_x" "$window_y" "$left" "$top" "$width" "$enlargement")
            [ "$seen" != "$text" ] || break
        done
        [ "$seen" = "$text" ] || fail "box at $left,$top twips shows '$seen', not '$text'"
    done
}

main=$(windows '^Quadripolo visto' sync | head -n 1)
[ -n "$main" ] || stop "no main window"
size=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | tr '\n' x)
echo "main window client area: ${size%x}"
[ "${size%x}" = "$(pixels 16155)x$(pixels 10575)" ] || fail "client area ${size%x}"
xdotool windowfocus --sync "$main"
press "$main" 11400 3000 1695 1215
sleep 2
kill -0 "$pid" 2>/dev/null || stop "the program ended after Command1"
shot="$output_dir/main_after_command1.png"
import -window root "$shot"
# The upper block, in the point whatever the locale.
read -r main_x main_y <<<"$(origin "$main")"
check_boxes "$main_x" "$main_y" 1575 <<'EOF'
960 2520 11.47E-02
3480 2520 -10.08E-02
6120 2520 51.70E-02
8640 2520 13.28E-01
960 3000 -74.04E-03
3480 3000 56.83E-03
6120 3000 12.03E-01
8640 3000 12.41E-01
960 3720 28.73E-02
3480 3720 -31.08E-02
6000 3720 95.60E-02
8640 3720 14.60E-03
960 4200 12.16E+00
3480 4200 18.17E+00
6000 4200 12.07E+00
8640 4200 -15.64E-01
960 4680 26.69E-03
3480 4680 -22.29E-03
6000 4680 -97.00E-03
8640 4680 12.31E-03
11400 2520 62.42E+00
14040 2520 -13.20E+01
EOF

press "$main" 11880 6240 1935 735
second=$(windows '^Parametri z' sync | head -n 1)
[ -n "$second" ] || stop "no equivalent-parameter window after Command3"
sleep 2
shot="$output_dir/both_windows.png"
import -window root "$shot"
# The z and y boxes, in the Italian locale's comma.
read -r second_x second_y <<<"$(origin "$second")"
check_boxes "$second_x" "$second_y" 2175 <<'EOF'
960 480 87,19E-01
4080 480 19,07E+00
7200 480 29,53E-01
10440 480 68,22E-01
960 1080 13,09E+01
4080 1080 73,43E+01
7200 1080 80,04E+00
10440 1080 -52,04E-01
1080 2040 13,87E-03
4200 2040 30,85E-04
7320 2040 -16,39E-05
10560 2040 -13,07E-04
1080 2640 14,16E-03
4200 2640 -13,14E-02
7320 2640 53,71E-05
10560 2640 36,75E-04
EOF

if [ "$failures" -ne 0 ]; then
    echo "real program: $failures boxes or sizes wrong (screenshots in $output_dir)"
    exit 1
fi
echo "real program: client area, 22 point texts and 16 comma texts as expected"
