#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes docs/screenshot.png: the built program on a virtual display under openbox, its first and
# third buttons pressed, the second window moved aside, the empty desktop painted blue.
# Usage: bash docs/screenshot.sh [PROGRAM]   (default build/ui/quadripolo; needs xvfb, openbox,
#        xdotool, x11-utils, x11-apps, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/ui/quadripolo}")
shot=$(mktemp)
trap 'rm -f "$shot"' EXIT
export program shot
xvfb-run -a -s '-screen 0 1440x1040x24' bash -c '
    openbox & wm=$!
    until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do sleep 0.2; done
    QT_QPA_PLATFORM=xcb "$program" & app=$!
    main=$(xdotool search --sync --onlyvisible --name "^Quadripolo visto" | head -n 1)
    xdotool windowmove --sync "$main" 20 40 && sleep 1
    # A button by its place in twips (15 a pixel): LEFT TOP WIDTH HEIGHT.
    press() { xdotool mousemove --window "$main" $((($1 + $3 / 2) / 15)) \
        $((($2 + $4 / 2) / 15)) click 1; }
    press 11400 3000 1695 1215 && sleep 1 && press 11880 6240 1935 735
    second=$(xdotool search --sync --onlyvisible --name "^Parametri z$" | head -n 1)
    xdotool windowmove --sync "$second" 548 450 && sleep 2
    xwd -root -silent >"$shot"
    kill $app $wm' >/dev/null 2>&1
convert "xwd:$shot" -fill '#4a6b8a' -draw 'color 1439,0 floodfill' \
    -draw 'color 0,1039 floodfill' -draw 'color 1439,1039 floodfill' docs/screenshot.png
