#!/bin/sh
# Accuracy of the code-page recogniser against enca -L cs and uchardet on the same generated
# Czech samples (32 to 4096 bytes, six encodings), then the cost of recognising a 100 MB file
# against loading it. BED_BUILD names a build made with -DBED_BENCH=ON (default build/bench).
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/peer_tools.sh"
install_missing enca:enca uchardet:uchardet
build=${BED_BUILD:-build/bench}
dir=$(mktemp -d /tmp/bed_recognition.XXXXXX)
trap 'rm -rf "$dir"' EXIT
"$build/bench/bench_recognition" --write-samples "$dir"
cut -d' ' -f1 "$dir/manifest" | while read -r f; do
    # enca's own names: iconv has no name for Kamenický or KOI8-ČS
    echo "$f $(enca -L cs -e "$dir/$f" 2>/dev/null | cut -d/ -f1 || echo '???')"
done > "$dir/enca.answers"
cut -d' ' -f1 "$dir/manifest" | while read -r f; do
    echo "$f $(uchardet "$dir/$f" 2>/dev/null || echo unknown)"
done > "$dir/uchardet.answers"
"$build/bench/bench_recognition" --judge "$dir"
echo
"$build/bench/bench_recognition" --benchmark_repetitions=${REPETITIONS:-3} --benchmark_report_aggregates_only=true
