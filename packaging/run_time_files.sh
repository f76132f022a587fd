#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Where this system keeps each file of packaging/run-time-files: "found PATH" a line, or
# "missing KIND NAME [PATH]" when it is not there (a font pattern whose family fontconfig does
# not have is missing too). Needs Qt's qtpaths6 (qt6-base-dev-tools) and fc-match (fontconfig).
set -euo pipefail
PATH=$PATH:/usr/lib/qt6/bin
folder() { qtpaths6 --query "$1"; }

while read -r kind name; do
    case $kind in
        '' | '#'*) continue ;;
        plugin) path=$(folder QT_INSTALL_PLUGINS)/$name ;;
        translation) path=$(folder QT_INSTALL_TRANSLATIONS)/$name ;;
        font)
            path=""
            if [ "$(fc-match -f '%{family[0]}' "$name")" = "${name%%:*}" ]; then
                path=$(fc-match -f '%{file}' "$name")
            fi
            ;;
        *) echo "run_time_files: unknown kind '$kind'" >&2 && exit 2 ;;
    esac
    if [ -n "$path" ] && [ -f "$path" ]; then
        echo "found $path"
    else
        echo "missing $kind $name $path"
    fi
done <"$(dirname "$0")/run-time-files"
