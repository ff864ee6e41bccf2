#!/usr/bin/env bash
# The code's style and checks: clang-format over every C and C++ source (.clang-format), and
# clang-tidy (.clang-tidy) over the Qt-free layers, read from the fuzz build's compile commands
# (clang, no precompiled Qt headers). scripts/test.sh runs it after building; it fails on the
# first file that is not formatted or on any warning.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files -- ':!tests/data' 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'bench/*.cpp' 'bench/*.h' 'bench/*.c' 'fuzz/*.cpp' 'fuzz/*.h')
clang-format --dry-run --Werror "${sources[@]}"
[ -f build/fuzz/compile_commands.json ] || scripts/fuzz.sh build
run-clang-tidy -p build/fuzz -j "$(nproc)" -quiet \
    "$PWD/src/" >build/clang-tidy.log 2>&1 || {
    grep -E 'warning:|error:' build/clang-tidy.log | sort -u | head -50
    echo "clang-tidy: see build/clang-tidy.log" >&2
    exit 1
}
