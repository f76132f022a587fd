#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The layout of the tracked C++ sources: the project's .clang-format as clang-format 19 lays it
# out. Applies it in place, or with --check fails naming each file it would change (as
# scripts/test.sh does). Other clang-format versions lay out some constructs differently, so the
# check is skipped with a note where only another version is found (CI checks on Debian 13).
#
# Usage: bash scripts/format.sh [--check] [--root DIR]
#   --root DIR  use the clang-format of the Debian 13 system kept in DIR by
#               `bash scripts/debian13.sh --keep DIR` (as root; nothing is mounted for it)
# CLANG_FORMAT names the program to use instead of clang-format-19 or clang-format.
# QUADRIPOLO_REQUIRE_FORMAT=1 turns the skipped check into a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

pinned_major=19
check=false
root=""
while [ $# -ne 0 ]; do
    case $1 in
    --check) check=true; shift ;;
    --root) root=${2:?--root needs a folder}; shift 2 ;;
    *) echo "usage: bash scripts/format.sh [--check] [--root DIR]"; exit 2 ;;
    esac
done

# Without the file, --style=file would quietly fall back to another style.
[ -f .clang-format ] || { echo "format: .clang-format is missing"; exit 2; }
style=$PWD/.clang-format
formatter=()
if [ -n "$root" ]; then
    chroot "$root" sh -c 'command -v clang-format' >/dev/null 2>&1 || {
        echo "format: no clang-format in $root; install it there with"
        echo "    bash scripts/debian13.sh --keep $root apt-get install -y -qq clang-format"
        exit 2
    }
    cp .clang-format "$root/tmp/quadripolo.clang-format"
    style=/tmp/quadripolo.clang-format
    formatter=(chroot "$root" clang-format)
elif [ -n "${CLANG_FORMAT:-}" ]; then
    formatter=("$CLANG_FORMAT")
elif command -v "clang-format-$pinned_major" >/dev/null; then
    formatter=("clang-format-$pinned_major")
elif command -v clang-format >/dev/null; then
    formatter=(clang-format)
fi

version=""
if [ ${#formatter[@]} -ne 0 ]; then
    version=$("${formatter[@]}" --version 2>/dev/null |
        sed -n 's/.*version \([0-9][0-9.]*\).*/\1/p' | head -n 1) || true
fi
if [ "${version%%.*}" != "$pinned_major" ]; then
    found="no clang-format"
    [ -z "$version" ] || found="clang-format $version"
    if $check && [ "${QUADRIPOLO_REQUIRE_FORMAT:-}" != 1 ]; then
        echo "format: layout check SKIPPED: $found here, and the layout is pinned to" \
             "clang-format $pinned_major (other versions lay out requires-clauses and member" \
             "pointers differently); CI checks it on Debian 13, see the README"
        exit 0
    fi
    echo "format: $found here, but the layout is pinned to clang-format $pinned_major;" \
         "install clang-format-$pinned_major, or use --root with a Debian 13 system kept by" \
         "scripts/debian13.sh --keep DIR"
    exit 1
fi

mapfile -t sources < <(git ls-files -- \
    'core/*.cpp' 'core/*.h' 'analyses/*.cpp' 'analyses/*.h' 'ui/*.cpp' 'ui/*.h' \
    'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h')
if [ ${#sources[@]} -eq 0 ]; then
    echo "format: no tracked C++ source found"
    exit 2
fi

laid_out=$(mktemp)
trap 'rm -f "$laid_out"' EXIT
changed=0
for source in "${sources[@]}"; do
    "${formatter[@]}" --style="file:$style" --assume-filename="$source" <"$source" >"$laid_out"
    if cmp -s "$laid_out" "$source"; then
        continue
    fi
    changed=$((changed + 1))
    if $check; then
        echo "clang-format $version would change: $source"
        # The first lines of the change (diff fails when the files differ, as they do here).
        { diff -u "$source" "$laid_out" || true; } | sed -n '3,14p' | sed 's/^/    /'
    else
        cat "$laid_out" >"$source"
        echo "formatted: $source"
    fi
done

if $check && [ "$changed" -ne 0 ]; then
    echo "format: $changed of ${#sources[@]} files are not in the layout of clang-format" \
         "$version; run bash scripts/format.sh"
    exit 1
fi
echo "format: all ${#sources[@]} C++ sources are in the layout of clang-format $version"
