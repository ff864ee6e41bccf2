#!/usr/bin/env bash
# Builds a release build of the editor and starts it; arguments go to bed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_TESTS=OFF >/dev/null
cmake --build build/release --target bed
exec build/release/bed "$@"
