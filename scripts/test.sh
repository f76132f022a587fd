#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, checks the layout of the C++ sources, builds everything and runs every
# test through CTest, then builds and runs them again under AddressSanitizer and UBSan, and builds
# the fuzzer and runs it over its saved inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependencies.sh
install_missing_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_italian_locale

# The layout is clang-format 19's (Debian 13's): other versions lay out a few constructs otherwise.
if clang-format --version | grep -q 'version 19\.'; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
    echo "format: every C++ source is in clang-format 19's layout"
elif [ "${QUADRIPOLO_REQUIRE_FORMAT:-}" = 1 ]; then
    echo "format: FAILED: no clang-format 19 here" && exit 1
else
    echo "format: layout check skipped: $(clang-format --version || echo no clang-format)," \
        "not 19 (CI checks it on Debian 13)"
fi

cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure
# What lintian, desktop-file-validate and appstreamcli said of the package (debian_package).
sed -n '/^--- lintian/,/^package contents/p' build/Testing/Temporary/LastTest.log

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRIPOLO_SANITIZE=ON \
    -DQUADRIPOLO_BUILD_BENCH=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure

# The fuzzer, built as docs/maintaining.md says, run once over its saved inputs.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUADRIPOLO_BUILD_FUZZERS=ON \
    -DQUADRIPOLO_BUILD_UI=OFF -DQUADRIPOLO_BUILD_BENCH=OFF
cmake --build build-fuzz --target commands_fuzzer
build-fuzz/fuzz/commands_fuzzer -runs=0 fuzz/corpus/commands
