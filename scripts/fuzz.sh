#!/usr/bin/env bash
# The libFuzzer targets of fuzz/ (a CMake project of its own, built with clang into build/fuzz).
#   scripts/fuzz.sh build        builds them all
#   scripts/fuzz.sh run NAME     runs target NAME a few seconds (FUZZ_SECONDS, default 5) on its
#                                corpus fuzz/corpus/NAME; exits 77 (skipped) when it isn't built
# scripts/test.sh builds them, and ctest runs each as a test, so that a target that no longer
# builds, or that finds a fault, is seen at once.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  build)
    (cd fuzz && cmake --preset fuzz >/dev/null && cmake --build --preset fuzz)
    ;;
  run)
    name=$2
    target=build/fuzz/$name
    if [ ! -x "$target" ]; then
      echo "$target is not built (scripts/fuzz.sh build)"
      exit 77
    fi
    # New inputs go to a scratch directory; the checked-in corpus is only read.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    "$target" -max_total_time="${FUZZ_SECONDS:-5}" -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$scratch/" "$scratch" "fuzz/corpus/$name" 2>&1 | tail -n 60
    status=${PIPESTATUS[0]}
    # A fault leaves its input behind: kept beside the build for a look.
    for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
      [ -e "$crash" ] && cp "$crash" build/fuzz/"$name-$(basename "$crash")" && echo "kept build/fuzz/$name-$(basename "$crash")"
    done
    exit "$status"
    ;;
  *)
    echo "usage: scripts/fuzz.sh build | run NAME" >&2
    exit 2
    ;;
esac
