#!/bin/sh
# The whole program as a converter: "bed FILE K=W C=Q" (start, load, decode, write CP 1250
# atomically with fsync, quit) on 100 MB of Czech text in Kamenický, KOI8-ČS and CP 1250, against
# in the same run: a plain copy "cat FILE > OUT" with fsync, iconv (CP 852 -> CP 1250) and
# cstocs (Kamenický -> CP 1250) on the same bytes. Then the resident memory of the window after
# opening the Kamenický file. Run from the source tree after a release build with
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_BENCH=ON
#   ninja -C build/release bed bench_codepages
# Peers (Debian packages cstocs and libc-bin for iconv) are installed when missing. Each time is
# the best of BED_RUNS runs (5): the machine may be shared.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
dir=${BED_CORPUS_DIR:-/tmp/bed_cp_corpus}
runs=${BED_RUNS:-5}
bed=$build/bed

. "$root/bench/peer_tools.sh"
install_missing cstocs:cstocs iconv:libc-bin
for program in "$bed" "$build/bench/bench_codepages"; do
    [ -x "$program" ] || { echo "no $program: build it first (see the top of this script)" >&2; exit 1; }
done
"$build/bench/bench_codepages" --bed_corpus_dir="$dir" --bed_write_corpus
size=$(stat -c %s "$dir/czech.cp1250")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate() { awk -v t="$1" -v n="$size" 'BEGIN { printf "%.0f", n / 1e6 / t }'; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
export QT_QPA_PLATFORM=offscreen
: >"$work/out"
copy=$(best "" "cat '$dir/czech.kam' >'$work/out' && sync '$work/out'")
iconvTime=$(best "" "iconv -f CP852 -t CP1250 <'$dir/czech.pcl2' >'$work/out'")
cstocsTime=$(best "" "cstocs kam 1250 <'$dir/czech.kam' >'$work/out'")
kam=$(best "cp '$dir/czech.kam' '$work/batch.kam'" "'$bed' '$work/batch.kam' K=W C=Q 2>/dev/null")
cmp -s "$work/batch.kam" "$dir/czech.cp1250" || echo "bed's Kamenický output DIFFERS from the CP 1250 text"
# KOI8-ČS gives the value of ô (which the text holds) to Ť, so that text does not come back whole.
koi=$(best "cp '$dir/czech.koi' '$work/batch.koi'" "'$bed' '$work/batch.koi' K=W C=Q 2>/dev/null")
win=$(best "cp '$dir/czech.cp1250' '$work/batch.win'" "'$bed' '$work/batch.win' K=W C=Q 2>/dev/null")
cmp -s "$work/batch.win" "$dir/czech.cp1250" || echo "bed's CP 1250 output DIFFERS from its input"

fastest=$(awk -v a="$iconvTime" -v b="$cstocsTime" 'BEGIN { print (a < b ? a : b) }')
printf '\n%-38s %8s %8s %12s %12s\n' "100 MB, best of $runs" "s" "MB/s" "× plain copy" "peer / bed"
row() { printf '%-38s %8s %8s %12s %12s\n' "$1" "$2" "$(rate "$2")" \
    "$(awk -v t="$2" -v c="$copy" 'BEGIN { printf "%.2f", t / c }')" \
    "$(awk -v t="$2" -v f="$fastest" -v bed="$3" 'BEGIN { if (bed) printf "%.2f", f / t; else print "" }')"; }
row "cat FILE > OUT, fsync" "$copy" ""
row "iconv -f CP852 -t CP1250" "$iconvTime" ""
row "cstocs kam 1250" "$cstocsTime" ""
row "bed FILE.kam K=W C=Q" "$kam" 1
row "bed FILE.koi K=W C=Q" "$koi" 1
row "bed FILE.win K=W C=Q (CP 1250)" "$win" 1
echo "(peer / bed: the fastest peer's time over bed's, so 2 means bed takes half as long)"

# Resident memory of the window once the Kamenický file is loaded and the program idles. Without
# a display bed is a batch tool and ends at once, so the window gets a virtual display (Xvfb).
cp "$dir/czech.kam" "$work/window.kam"
if [ -z "${DISPLAY:-}" ]; then
    install_missing Xvfb:xvfb
    Xvfb :88 -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
    export DISPLAY=:88
    sleep 1
fi
unset QT_QPA_PLATFORM
"$bed" "$work/window.kam" 2>/dev/null &
pid=$!
cpu=-1
while :; do
    sleep 0.5
    used=$(awk '{ print $14 + $15 }' /proc/$pid/stat)
    [ "$used" = "$cpu" ] && break
    cpu=$used
done
rss=$(awk '/VmRSS/ { print $2 }' /proc/$pid/status)
kill $pid
echo
awk -v r="$rss" -v n="$size" -v on="display $DISPLAY" 'BEGIN { printf "resident memory after opening the Kamenický file (%s): %.0f MB = %.2f × the file\n", on, r / 1024, r * 1024 / n }'
