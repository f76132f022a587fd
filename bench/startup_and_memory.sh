#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from process start to the main window's first frame, and peak resident memory after start
# and after each command: medians over several runs under Xvfb. A figure, never a test.
#   bash bench/startup_and_memory.sh [build-dir] [runs]
set -euo pipefail
build_dir=${1:-build}
runs=${2:-21}
probe="$build_dir/bench/startup_probe"
[ -x "$probe" ] || { echo "build $probe first (cmake --build $build_dir)"; exit 1; }

results=$(mktemp)
trap 'rm -f "$results"' EXIT
export probe runs results
xvfb-run -a -s '-screen 0 1600x1200x24' bash -c '
    for i in $(seq "$runs"); do
        start=$(date +%s%N)
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$(mktemp -d) "$probe" 2>/dev/null | while read -r name value; do
            if [ "$name" = first_frame_ns ]; then
                echo "startup_ms $(( (value - start) / 1000 )) " | awk "{ printf \"%s %.1f\n\", \$1, \$2 / 1000 }"
            else
                echo "$name $value"
            fi
        done >> "$results"
    done'

echo "median over $runs runs:"
for name in $(awk '{print $1}' "$results" | sort -u); do
    grep "^$name " "$results" | awk '{print $2}' | sort -n |
        awk -v name="$name" '{ v[NR] = $1 } END { printf "  %-40s %s\n", name, v[int((NR + 1) / 2)] }'
done
