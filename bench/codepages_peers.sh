#!/bin/sh
# Times other Czech code-page converters on the same 100 MB text that bench_codepages uses and
# prints their speed next to ours. Run from the source tree after a release build with
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_BENCH=ON
#   ninja -C build/release bench_codepages
# Peers (Debian packages cstocs, recode, libc-bin for iconv) are installed when missing.
# The peers' figures include reading the file and process start-up; ours are conversion in
# memory, line by line.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
bench=$build/bench/bench_codepages
dir=${BED_CORPUS_DIR:-/tmp/bed_cp_corpus}

. "$root/bench/peer_tools.sh"
install_missing cstocs:cstocs recode:recode iconv:libc-bin
[ -x "$bench" ] || { echo "no $bench: build it first (see the top of this script)" >&2; exit 1; }

"$bench" --bed_corpus_dir="$dir" --bed_write_corpus
size=$(stat -c %s "$dir/czech.cp1250")

echo "our conversion (bench_codepages) ..."
"$bench" --bed_corpus_dir="$dir" --benchmark_filter='TableLookup|Decode' \
    --benchmark_out="$dir/bench.json" --benchmark_out_format=json >/dev/null 2>"$dir/bench.err"
# MB/s of one of our benchmarks, from the JSON file.
ours() {
    awk -v want="\"$1\"," '
        $1 == "\"name\":" { name = $2 }
        $1 == "\"bytes_per_second\":" && name == want { sub(",", "", $2); printf "%.0f", $2 / 1e6; exit }
    ' "$dir/bench.json"
}

now() { date +%s.%N; }
# MB/s of a command reading $1 on standard input, best of BED_PEER_RUNS runs (3).
peer() {
    input=$1; shift
    best=0
    for run in $(seq "${BED_PEER_RUNS:-3}"); do
        start=$(now)
        "$@" <"$input" >/dev/null 2>&1 || true
        end=$(now)
        best=$(awk -v s="$start" -v e="$end" -v n="$size" -v b="$best" \
            'BEGIN { r = n / 1e6 / (e - s); printf "%.1f", (r > b ? r : b) }')
    done
    echo "$best"
}

printf '\n%-34s %10s %10s %8s\n' "peer (to CP 1250)" "peer MB/s" "ours MB/s" "ours/peer"
row() {  # label, our benchmark, input file, command...
    label=$1; mine=$(ours "$2"); input=$dir/$3; shift 3
    theirs=$(peer "$input" "$@")
    printf '%-34s %10s %10s %8s\n' "$label" "$theirs" "$mine" \
        "$(awk -v a="$mine" -v b="$theirs" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }')"
}
row "cstocs kam 1250"                Decode/kam  czech.kam  cstocs kam 1250
row "cstocs koi8 1250"               Decode/koi  czech.koi  cstocs koi8 1250
row "cstocs pc2 1250"                Decode/pcl2 czech.pcl2 cstocs pc2 1250
row "cstocs il2 1250"                Decode/iso  czech.iso  cstocs il2 1250
row "recode Kamenicky..CP1250/"      Decode/kam  czech.kam  recode -f Kamenicky..CP1250/
row "recode KOI-8_CS2..CP1250/"      Decode/koi  czech.koi  recode -f KOI-8_CS2..CP1250/
row "iconv -f CP852 -t CP1250"       Decode/pcl2 czech.pcl2 iconv -c -f CP852 -t CP1250
row "iconv -f ISO-8859-2 -t CP1250"  Decode/iso  czech.iso  iconv -c -f ISO-8859-2 -t CP1250
echo "plain table-lookup loop (ours, in memory): $(ours TableLookup) MB/s"
echo "(the whole program against these peers: bench/batch_peers.sh)"
