#!/bin/bash
# Times two widely used command-line highlighters on the generated Pascal text of
# bench_highlighters and prints MB/s and our ratio to each. Ours is measured on the whole
# 50 MB; the peers on its first PEER_MB megabytes (default 4; 0 = the whole file), because one
# of them needs hours for the whole file and gets slower per byte as the input grows, so the
# prefix flatters the peers rather than us.
#   [PEER_MB=n] bench/highlighters_peers.sh [BUILD_DIR]   (default build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/bench}

need=()
command -v source-highlight >/dev/null || need+=(source-highlight)
command -v highlight >/dev/null || need+=(highlight)
if ((${#need[@]})); then
  apt-get update -qq && apt-get install -y -qq "${need[@]}" >/dev/null
fi

if [[ ! -x $BUILD/bench/bench_highlighters ]]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_TESTS=OFF -DBED_BENCH=ON >/dev/null
  ninja -C "$BUILD" -j2 bench_highlighters >/dev/null
fi
BENCH=$BUILD/bench/bench_highlighters

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sample=$work/sample.pas
"$BENCH" --write-sample="$sample"
peer_sample=$sample
if [[ ${PEER_MB:-4} != 0 ]]; then
  peer_sample=$work/prefix.pas
  head -c "$(( ${PEER_MB:-4} * 1000000 ))" "$sample" > "$peer_sample"
fi
mb=$(awk -v b="$(stat -c %s "$peer_sample")" 'BEGIN { printf "%.2f", b / 1e6 }')

seconds() {  # wall-clock seconds of a shell command, output discarded (peers write side files, so they run in the scratch folder)
  local t0 t1
  t0=$(date +%s.%N)
  bash -c "$1" >/dev/null 2>&1
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }'
}

ours=$("$BENCH" --benchmark_filter=BM_PascalFullRescan --benchmark_color=false |
  awk '/pascal_full_rescan_MBps/ { print $NF }')
sh_s=$(seconds "cd '$work' && source-highlight --src-lang=pascal --out-format=html < '$peer_sample'")
hl_s=$(seconds "cd '$work' && highlight --syntax=pas --out-format=html < '$peer_sample'")

awk -v mb="$mb" -v ours="$ours" -v a="$sh_s" -v b="$hl_s" 'BEGIN {
  sa = mb / a; sb = mb / b; best = sa > sb ? sa : sb
  printf "peers timed on        %8.1f MB of the sample\n", mb
  printf "Pascal full rescan    %8.1f MB/s\n", ours
  printf "source-highlight      %8.1f MB/s  (%.1f s)  ours is %.0fx\n", sa, a, ours / sa
  printf "highlight             %8.1f MB/s  (%.1f s)  ours is %.0fx\n", sb, b, ours / sb
  printf "against the faster peer: %.0fx (target 50x)\n", ours / best
}'
