#!/bin/sh
# Times `wc -w` and `wc -l` on the same 100 MB text that bench_formatting counts and prints them
# next to our counts. Run from the source tree after a release build with
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_BENCH=ON
#   ninja -C build/release bench_formatting
# wc (coreutils) counts words by another rule; the figures compare speed, not results. Its
# time includes reading the file and starting the process; ours counts lines in memory.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
bench=$build/bench/bench_formatting
dir=${BED_CORPUS_DIR:-/tmp/bed_format_corpus}

. "$root/bench/peer_tools.sh"
install_missing wc:coreutils
[ -x "$bench" ] || { echo "no $bench: build it first (see the top of this script)" >&2; exit 1; }

"$bench" --bed_corpus_dir="$dir" --benchmark_filter='(Load|CountWords|CountLines)/100' \
    --benchmark_out="$dir/bench.json" --benchmark_out_format=json >/dev/null
# Milliseconds of one of our benchmarks, from the JSON file.
ours() {
    awk -v want="\"$1\"," '
        $1 == "\"name\":" { name = $2 }
        $1 == "\"real_time\":" && name == want { sub(",", "", $2); printf "%.0f", $2; exit }
    ' "$dir/bench.json"
}
now() { date +%s.%N; }
# Milliseconds of `wc $1` on the 100 MB file, best of three (the file is in the page cache).
peer() {
    for run in 1 2 3; do
        start=$(now)
        wc "$1" "$dir/czech100.txt" >/dev/null
        echo "$start $(now)"
    done | awk '{ ms = ($2 - $1) * 1000; if (NR == 1 || ms < best) best = ms } END { printf "%.0f", best }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
load=$(ours "Load/100/iterations:2")
words=$(ours "CountWords/100/iterations:2")
lines=$(ours "CountLines/100/iterations:2")
wcw=$(peer -w)
wcl=$(peer -l)
echo "100 MB: load ${load} ms; our word count ${words} ms, wc -w ${wcw} ms (ours / wc $(ratio "$words" "$wcw"));"
echo "        our line count ${lines} ms, wc -l ${wcl} ms; word count / load $(ratio "$words" "$load")"
