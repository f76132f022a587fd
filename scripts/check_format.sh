#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails, naming each file, when clang-format with the project's .clang-format would change a
# tracked C++ source. Called early by scripts/test.sh; runs on its own too.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
command -v "$clang_format" >/dev/null || {
    echo "check_format: $clang_format not found (Debian package clang-format)"
    exit 2
}

# Without the file, --style=file would quietly fall back to another style.
[ -f .clang-format ] || { echo "check_format: .clang-format is missing"; exit 2; }

mapfile -t sources < <(git ls-files -- \
    'core/*.cpp' 'core/*.h' 'analyses/*.cpp' 'analyses/*.h' 'ui/*.cpp' 'ui/*.h' \
    'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h')
if [ ${#sources[@]} -eq 0 ]; then
    echo "check_format: no tracked C++ source found"
    exit 2
fi

unformatted=0
for source in "${sources[@]}"; do
    if ! report=$("$clang_format" --style=file --dry-run --Werror "$source" 2>&1); then
        echo "clang-format would change: $source"
        head -n 1 <<<"$report" | sed 's/^/    first: /'
        unformatted=$((unformatted + 1))
    fi
done
if [ "$unformatted" -ne 0 ]; then
    echo "check_format: $unformatted of ${#sources[@]} files are not formatted;" \
         "run clang-format -i on them"
    exit 1
fi
echo "check_format: all ${#sources[@]} C++ sources are formatted"
