#!/usr/bin/env bash
# Builds every target (the test build with AddressSanitizer and UndefinedBehaviorSanitizer, the
# benchmarks, the fuzz targets), checks the code's layout and checks, and runs every test, each
# fuzz target a few seconds among them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Every target: the benchmarks are built too (not run), so that none of them rots unseen.
cmake --preset asan >/dev/null
cmake --build --preset asan
# The fuzz targets; ctest runs each a few seconds on its corpus.
scripts/fuzz.sh build
# The layout and the checks of the code (.clang-format, .clang-tidy).
scripts/lint.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --preset asan
# The memory running out raises std::bad_alloc only without AddressSanitizer, which ends the
# process instead: the tests of that run once more in a build without it.
cmake --preset plain >/dev/null
cmake --build build/plain --target test_appcore
build/plain/test_appcore --gtest_filter='*MemoryRunningOut*'
