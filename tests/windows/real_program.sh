#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real Windows program under Wine on a virtual X display without window manager, once in an
# Italian and once in an English locale: the main window's client area is 1077x705 pixels; its
# first button, pressed with the mouse, writes the worked example's texts with the point, and its
# third opens the equivalent-parameter window, whose texts carry the locale's separator. A few
# boxes of each are read off screenshots by OCR (tesseract) and compared with the worked
# example's texts, at the places the window tables give.
# Usage: real_program.sh PROGRAM.exe OUTPUT_DIR   (screenshots and the program's output go there)
# WINEPREFIX and WINEDEBUG come from the caller.
set -uo pipefail
program=${1:?usage: real_program.sh PROGRAM.exe OUTPUT_DIR}
output_dir=${2:?usage: real_program.sh PROGRAM.exe OUTPUT_DIR}
project=$(cd "$(dirname "$0")/../.." && pwd)
if [ "${QUADRIPOLO_INSIDE_XVFB:-}" != 1 ]; then
    mkdir -p "$output_dir"
    QUADRIPOLO_INSIDE_XVFB=1 timeout -k 5 240 \
        xvfb-run -a -s '-screen 0 1600x1200x24' bash "$0" "$program" "$output_dir"
    exit $?
fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# A box's left and top in twips: DESCRIPTION NAME.
place() { grep -o "Box(\"$2\", [0-9]*, [0-9]*" "$project/ui/$1" | tr -d ',' | cut -d' ' -f2,3; }
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
press() { xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1; }
# Compares the boxes of WINDOW, WIDTH twips wide, with their worked example's texts (NAME=TEXT),
# the point turned into SEPARATOR.
check_boxes() {
    local id=$1 description=$2 width=$3 separator=$4 box name x y left top text seen size
    read -r x y < <(xdotool getwindowgeometry --shell "$id" | sed -n 's/^[XY]=//p' | tr '\n' ' ')
    for box in "${@:5}"; do
        name=${box%%=*} text=${box#*=}
        read -r left top < <(place "$description" "$name")
        text=${text//./$separator}
        for size in 400 300 250; do  # OCR now and then misreads a glyph at one enlargement
            convert "$shot" -crop "$((width / 15))x25+$((x + left / 15))+$((y + top / 15))" +repage \
                -colorspace Gray -resize "$size%" -level 20%,80% "$output_dir/box.png"
            seen=$(tesseract "$output_dir/box.png" - --psm 7 \
                -c tessedit_char_whitelist='0123456789.,E+-' 2>/dev/null | head -n 1)
            [ "$seen" != "$text" ] || break
        done
        [ "$seen" = "$text" ] || fail "$locale: $name shows '$seen', not '$text'"
    done
}

for locale in it_IT.UTF-8 en_US.UTF-8; do
    separator=$([ "$locale" = it_IT.UTF-8 ] && echo , || echo .)
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    LANG=$locale LC_ALL=$locale wine "$program" >"$output_dir/program-$locale.log" 2>&1 &
    pid=$!
    main=$(window '^Quadripolo visto')
    [ -n "$main" ] || { fail "$locale: no main window"; cat "$output_dir/program-$locale.log"; continue; }
    size=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | tr '\n' x)
    [ "$size" = 1077x705x ] || fail "$locale: client area ${size%x}"
    xdotool windowfocus --sync "$main"
    press "$main" 11400 3000 1695 1215
    sleep 2
    shot="$output_dir/main-$locale.png"
    import -window root "$shot"
    check_boxes "$main" form1_description.cpp 1575 . Label6=11.47E-02 Label13=-10.08E-02 \
        Label36=12.07E+00 Label70=-13.20E+01
    press "$main" 11880 6240 1935 735
    second=$(window '^Parametri z')
    sleep 2
    shot="$output_dir/second-$locale.png"
    import -window root "$shot"
    check_boxes "$second" form2_description.cpp 2175 "$separator" Label1=87.19E-01 \
        Label12=-52.04E-01 Label34=13.87E-03 Label25=-13.14E-02
    kill "$pid" 2>/dev/null
    wineserver -k 2>/dev/null
    wait "$pid" 2>/dev/null
done
[ "$failures" -eq 0 ] || { echo "real program: $failures failures (screenshots in $output_dir)"; exit 1; }
echo "real program: client area and 8 boxes in each of two locales as expected"
