#!/bin/bash
# Times GNU source-highlight on the generated text of each built language that it knows and
# prints our full-rescan rate against it. Ours is measured on the whole 50 MB; the peer on its
# first PEER_MB megabytes (default 4; 0 = the whole file), because the peer needs many minutes
# for the whole file and gets no faster per byte on more input, so the prefix flatters it.
#   [PEER_MB=n] bench/languages_peers.sh [BUILD_DIR] [FOLDER...]   (default build/bench, all)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build/bench}
shift || true

command -v source-highlight >/dev/null ||
  { apt-get update -qq && apt-get install -y -qq source-highlight >/dev/null; }
if [[ ! -x $BUILD/bench/bench_languages ]]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_TESTS=OFF -DBED_BENCH=ON >/dev/null
  ninja -C "$BUILD" -j2 bench_languages >/dev/null
fi
BENCH=$BUILD/bench/bench_languages

# Our sample folder -> source-highlight's language name (none: the peer has no such language).
declare -A PEER=([pas]=pascal [c]=cpp [java]=java [js]=javascript [php]=php [html]=html
  [sql]=sql [pl]=perl [py]=python [tcl]=tcl [ini]=ini [bat]=bat [vbs]=vbscript
  [bas]=vbscript [for]=fortran [asm]=asm [awk]=awk [shell]=sh [fox]=prg [dfm]= [mailbox]= [cz]=)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seconds() {  # wall-clock seconds of a shell command, output discarded
  local t0 t1
  t0=$(date +%s.%N)
  bash -c "$1" >/dev/null 2>&1 || true
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }'
}

"$BENCH" | tee "$work/ours.txt" | grep -v '^full_rescan'
folders=("$@")
((${#folders[@]})) || mapfile -t folders < <(awk '/^full_rescan_MBps/ { print $2 }' "$work/ours.txt")
for f in "${folders[@]}"; do
  lang=${PEER[$f]:-}
  ours=$(awk -v f="$f" '$1 == "full_rescan_MBps" && $2 == f { print $3 }' "$work/ours.txt")
  if [[ -z $lang || -z $ours ]]; then
    printf "%-8s source-highlight has no such language\n" "$f"
    continue
  fi
  "$BENCH" --write-sample="$f:$work/sample"
  peer_sample=$work/sample
  if [[ ${PEER_MB:-4} != 0 ]]; then
    head -c "$(( ${PEER_MB:-4} * 1000000 ))" "$work/sample" > "$work/prefix"
    peer_sample=$work/prefix
  fi
  mb=$(awk -v b="$(stat -c %s "$peer_sample")" 'BEGIN { printf "%.2f", b / 1e6 }')
  s=$(seconds "cd '$work' && source-highlight --src-lang=$lang --out-format=html < '$peer_sample'")
  awk -v f="$f" -v mb="$mb" -v s="$s" -v ours="$ours" 'BEGIN {
    printf "%-8s ours %8.1f MB/s  source-highlight %6.2f MB/s on %.1f MB  ours is %.0fx (target 50x)\n",
      f, ours, mb / s, mb, ours / (mb / s) }'
done
