#!/bin/sh
# Find and replace on 100 MB of Czech text (bench_search writes it to /tmp/bed_bench_search),
# against peers in the same run:
#   find     a word that stands only in the last line: grep -F -c, rg -F -c (whole files),
#            and the component's own find in memory (bench_search FindAtEnd);
#   replace  every word "a" (" a " by " i ", about 800,000 matches): sed, perl -pe, Python's
#            bytes.replace, and "bed FILE 'R= a , i '" end to end (start, load, replace, save,
#            quit, without a display). All outputs must be the same bytes.
# Run from the source tree after a release build with
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_BENCH=ON
#   ninja -C build/release bed bench_search
# Peers (ripgrep, perl, python3) are installed when missing. Each time is the best of BED_RUNS
# runs (3): the machine may be shared.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
runs=${BED_RUNS:-3}
bed=$build/bed
file=/tmp/bed_bench_search/czech.txt

. "$root/bench/peer_tools.sh"
install_missing rg:ripgrep perl:perl python3:python3
for program in "$bed" "$build/bench/bench_search"; do
    [ -x "$program" ] || { echo "no $program: build it first (see the top of this script)" >&2; exit 1; }
done
BED_WRITE_CORPUS=1 "$build/bench/bench_search"
size=$(stat -c %s "$file")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rate() { awk -v t="$1" -v n="$size" 'BEGIN { printf "%.0f", n / 1e6 / t }'; }
row() { printf '%-40s %8s %8s\n' "$1" "$2" "$(rate "$2")"; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "matches of ' a ': $(python3 -c 'import sys; print(open(sys.argv[1], "rb").read().count(b" a "))' "$file"), lines with xylofonista: $(grep -c -F xylofonista "$file")"
cat "$file" >/dev/null  # in the page cache for everyone
printf '\n%-40s %8s %8s\n' "find, $((size / 1000000)) MB, best of $runs" "s" "MB/s"
row "grep -F -c xylofonista" "$(best "" "grep -F -c xylofonista '$file' >/dev/null")"
row "rg -F -c xylofonista" "$(best "" "rg -F -c xylofonista '$file' >/dev/null")"
# The component's rate in processor time (the first "MB/s=" counter; the second is memmem's).
"$build/bench/bench_search" --benchmark_filter=FindAtEnd 2>/dev/null | awk '/FindAtEnd/ { for (i = 1; i <= NF; i++) if ($i ~ /^MB\/s=/) { sub("MB/s=", "", $i); printf "%-40s %8s %8s\n", "bed find next (in memory, CPU time)", "", $i; exit } }'

printf '\n%-40s %8s %8s\n' "replace all, best of $runs" "s" "MB/s"
row "sed 's/ a / i /g'" "$(best "" "sed 's/ a / i /g' '$file' >'$work/sed'")"
row "perl -pe 's/ a / i /g'" "$(best "" "perl -pe 's/ a / i /g' '$file' >'$work/perl'")"
row "python3 bytes.replace" "$(best "" "python3 -c 'import sys; open(sys.argv[2], \"wb\").write(open(sys.argv[1], \"rb\").read().replace(b\" a \", b\" i \"))' '$file' '$work/python'")"
row "bed FILE 'R= a , i ' (end to end)" "$(best "cp '$file' '$work/bed'" "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '$bed' '$work/bed' 'R= a , i '")"
for out in sed perl bed; do
    cmp -s "$work/$out" "$work/python" || echo "$out's output DIFFERS from Python's"
done
