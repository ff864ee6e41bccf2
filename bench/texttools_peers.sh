#!/bin/sh
# The text tools end to end on 100 MB of generated Czech text in CP 1250:
#   "bed FILE C=O C=Q" (start, load, remove diacritics, write, quit) against
#   "iconv -f CP1250 -t ASCII//TRANSLIT" and sed with one y/// of the thirty Czech letters, on the
#   same bytes, and a plain copy with fsync as the floor;
#   "bed FILE C=Z C=Q" (wrap on load at the default width 80) against "fold -s -w 80".
# Run from the source tree after a release build with
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_TESTS=OFF -DBED_BENCH=ON
#   ninja -C build/release bed bench_texttools
# Each time is the best of BED_RUNS runs (3): the machine may be shared.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
dir=${BED_CORPUS_DIR:-/tmp/bed_tools_corpus}
runs=${BED_RUNS:-3}
bed=$build/bed

. "$root/bench/peer_tools.sh"
install_missing iconv:libc-bin sed:sed fold:coreutils
for program in "$bed" "$build/bench/bench_texttools"; do
    [ -x "$program" ] || { echo "no $program: build it first (see the top of this script)" >&2; exit 1; }
done
"$build/bench/bench_texttools" --bed_corpus_dir="$dir" --bed_write_corpus
text=$dir/czech100mb.txt
size=$(stat -c %s "$text")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The thirty letters in CP 1250 and their plain letters, for sed's y command (bytes, C locale).
marked=$(printf '\212\232\215\235\216\236\301\341\310\350\311\351\314\354\315\355\317\357\322\362\323\363\330\370\331\371\332\372\335\375')
plain=SsTtZzAaCcEeEeIiDdNnOoRrUuUuYy
printf 'y/%s/%s/\n' "$marked" "$plain" >"$work/plain.sed"

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
export QT_QPA_PLATFORM=offscreen LC_ALL=C
copy=$(best "" "cat '$text' >'$work/out' && sync '$work/out'")
iconvTime=$(best "" "iconv -f CP1250 -t ASCII//TRANSLIT <'$text' >'$work/out' 2>/dev/null || true")
sedTime=$(best "" "sed -f '$work/plain.sed' <'$text' >'$work/sed.out'")
bedO=$(best "cp '$text' '$work/bed.txt'" "'$bed' '$work/bed.txt' C=O C=Q 2>/dev/null")
cmp -s "$work/bed.txt" "$work/sed.out" || echo "bed's output DIFFERS from sed's"
foldTime=$(best "" "fold -s -w 80 <'$text' >'$work/out'")
bedZ=$(best "cp '$text' '$work/wrap.txt'" "'$bed' '$work/wrap.txt' C=Z C=Q 2>/dev/null")

printf '\n%-36s %8s %8s %14s\n' "$((size / 1000000)) MB, best of $runs" "s" "MB/s" "peer / bed"
row() { printf '%-36s %8s %8s %14s\n' "$1" "$2" "$(awk -v t="$2" -v n="$size" 'BEGIN { printf "%.0f", n / 1e6 / t }')" "$3"; }
ratio() { awk -v p="$1" -v b="$2" 'BEGIN { printf "%.2f", p / b }'; }
row "cat FILE > OUT, fsync" "$copy" ""
row "iconv -f CP1250 -t ASCII//TRANSLIT" "$iconvTime" ""
row "sed y/30 letters/" "$sedTime" ""
row "bed FILE C=O C=Q" "$bedO" "iconv $(ratio "$iconvTime" "$bedO"), sed $(ratio "$sedTime" "$bedO")"
row "fold -s -w 80" "$foldTime" ""
row "bed FILE C=Z C=Q (width 80)" "$bedZ" "fold $(ratio "$foldTime" "$bedZ")"
echo "(peer / bed: the peer's time over bed's, so 5 means bed takes a fifth as long)"
