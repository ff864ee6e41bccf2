#!/usr/bin/env bash
# Builds the test build with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBED_SANITIZE=ON >/dev/null
cmake --build build/asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --test-dir build/asan --output-on-failure -j2
# The memory running out raises std::bad_alloc only without AddressSanitizer, which ends the
# process instead: the tests of that run once more in a build without it.
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/plain --target test_appcore
build/plain/test_appcore --gtest_filter='*MemoryRunningOut*'
