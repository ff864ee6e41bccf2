#!/bin/sh
# bed beside the tools a user would pick instead, every figure in one run, once on tmpfs and once
# on disk (each time the best of BED_RUNS runs, 5):
#   small     "bed small.kam K=W C=Q" on a 2 KB Kamenický letter, per file in a loop of
#             BED_SMALL_FILES (100): iconv + sync + mv, cstocs + sync + mv; floor: floor.c
#   convert   the same on 100 MB: iconv; floors: floor.c, cat + sync
#   replace   "bed FILE R=soubor,dokument" on 100 MB with about 200,000 matches: Python's
#             bytes.replace, sed, rg --replace, perl -pe (all of them matching case, bed ignoring
#             it); floor: floor.c (memmem)
#   load      "bed FILE" without a window (start, load, end): vim -es; floor: cat FILE >/dev/null
#   window    loading 100 MB and 1 GB (BED_GIGABYTE=0: not) into the editing widget up to its
#             first paint (bench_huge), against reading the file whole in the same process, and
#             the resident memory it then holds
# Every row gives bed's time over each peer's ("bed ÷ peer": below 1 bed is faster) and checks
# that the outputs agree. floor.c is the least a program can do (read, translate or replace,
# write, fsync, rename); it is compiled here. Run from the source tree after a release build:
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_BENCH=ON (or BED_BUILD=DIR)
#   ninja -C build/release bed bench_codepages bench_huge
# Peers (Debian packages cstocs, libc-bin, python3, sed, perl, ripgrep, vim, gcc) are installed
# when missing. BED_TMPFS_DIR (/dev/shm) and BED_DISK_DIR (/var/tmp) choose where files go.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
runs=${BED_RUNS:-5}
small_files=${BED_SMALL_FILES:-100}
corpus=${BED_CORPUS_DIR:-/tmp/bed_cp_corpus}
gigabyte=${BED_GIGABYTE:-1}
bed=$build/bed

. "$root/bench/peer_tools.sh"
install_missing cstocs:cstocs iconv:libc-bin python3:python3 sed:sed perl:perl rg:ripgrep \
    vim:vim cc:gcc
for program in "$bed" "$build/bench/bench_codepages" "$build/bench/bench_huge"; do
    [ -x "$program" ] || { echo "no $program: build it first (see the top of this script)" >&2; exit 1; }
done
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cc -O2 -o "$scratch/floor" "$root/bench/floor.c"
floor=$scratch/floor

# The corpus: 100 MB of Czech prose in CP 1250, Kamenický and PC Latin 2 (the same text), and the
# CP 1250 text with "jsme" written "soubor" for the replacements.
"$build/bench/bench_codepages" --bed_corpus_dir="$corpus" --bed_write_corpus
sed 's/jsme/soubor/g' "$corpus/czech.cp1250" >"$scratch/words.txt"
matches=$(grep -o soubor "$scratch/words.txt" | wc -l)
head -c 2048 "$corpus/czech.kam" >"$scratch/small.kam"
head -c 2048 "$corpus/czech.pcl2" >"$scratch/small.pcl2"

ms() { awk -v t="$1" 'BEGIN { printf "%.1f", t * 1000 }'; }
# One row: what, bed's seconds, then pairs of a peer's name and seconds.
row() {
    what=$1; mine=$2; shift 2
    printf '%-44s %9s ms\n' "$what" "$(ms "$mine")"
    while [ $# -ge 2 ]; do
        printf '    %-40s %9s ms   bed ÷ peer %6s\n' "$1" "$(ms "$2")" \
            "$(awk -v b="$mine" -v p="$2" 'BEGIN { printf "%.2f", (p > 0 ? b / p : 0) }')"
        shift 2
    done
}
# Seconds per file of a command run once per small file in one shell loop ($f names the file),
# best of $runs; the files are copied fresh before each run.
per_file() {
    source=$1; command=$2; result=999
    for run in $(seq "$runs"); do
        rm -rf "$dir/small"
        mkdir "$dir/small"
        i=0
        while [ $i -lt "$small_files" ]; do cp "$source" "$dir/small/$i"; i=$((i + 1)); done
        start=$(now)
        sh -c "for f in '$dir/small'/*; do $command || echo \"failed: \$f\" >&2; done"
        end=$(now)
        result=$(awk -v s="$start" -v e="$end" -v n="$small_files" -v b="$result" \
            'BEGIN { t = (e - s) / n; printf "%.6f", (t < b ? t : b) }')
    done
    echo "$result"
}
same() { cmp -s "$1" "$2" || echo "    !! $3 DIFFERS"; }

# The widget's figures for one file, the best of $runs runs of the benchmark, each in a process
# of its own: to the first paint against reading the file whole in the same process, and the
# memory the loaded file holds.
window() {
    paint=999; read=999; resident=999
    file=$1 size=$2
    for run in $(seq "$runs"); do
        if ! BED_HUGE_FILE="$file" QT_QPA_PLATFORM=offscreen "$build/bench/bench_huge" \
            --benchmark_filter='(ReadWhole|Load)/BED_HUGE_FILE' >"$scratch/huge.txt" 2>&1; then
            echo "    !! bench_huge failed on $size: $(tail -n 1 "$scratch/huge.txt")"
            continue
        fi
        set -- $(awk '$1 == "baseline" && $2 == "read" { r = $3 } $1 == "to_first_paint" { p = $2 }
                      $1 == "resident" { m = $7 } END { print p / 1000, r / 1000, m + 0 }' "$scratch/huge.txt")
        paint=$(awk -v a="$1" -v b="$paint" 'BEGIN { print (a < b ? a : b) }')
        read=$(awk -v a="$2" -v b="$read" 'BEGIN { print (a < b ? a : b) }')
        resident=$(awk -v a="$3" -v b="$resident" 'BEGIN { print (a < b ? a : b) }')
    done
    row "window: load $size to first paint" "$paint" "floor: read whole (same process)" "$read"
    echo "    resident after loading: $resident x the file"
}

measure() {
    dir=$1
    rm -rf "$dir"
    mkdir -p "$dir"
    echo
    echo "== $2: $dir ($(stat -f -c %T "$dir")), best of $runs, load average $(cut -d' ' -f1-3 /proc/loadavg)"

    row "bed small.kam K=W C=Q, 2 KB, per file" \
        "$(per_file "$scratch/small.kam" "'$bed' \"\$f\" K=W C=Q 2>/dev/null")" \
        "iconv -f CP852 -t CP1250 + sync + mv" \
        "$(per_file "$scratch/small.pcl2" "iconv -f CP852 -t CP1250 \"\$f\" >\"\$f.t\" && sync \"\$f.t\" && mv \"\$f.t\" \"\$f\"")" \
        "cstocs kam 1250 + sync + mv" \
        "$(per_file "$scratch/small.kam" "cstocs kam 1250 <\"\$f\" >\"\$f.t\" && sync \"\$f.t\" && mv \"\$f.t\" \"\$f\"")" \
        "floor: floor.c convert" "$(per_file "$scratch/small.kam" "'$floor' convert \"\$f\"")"

    : >"$dir/out"
    row "bed FILE.kam K=W C=Q, 100 MB" \
        "$(best "cp '$corpus/czech.kam' '$dir/big.kam'" "'$bed' '$dir/big.kam' K=W C=Q 2>/dev/null")" \
        "iconv -f CP852 -t CP1250" "$(best "" "iconv -f CP852 -t CP1250 <'$corpus/czech.pcl2' >'$dir/out'")" \
        "floor: floor.c convert" "$(best "cp '$corpus/czech.kam' '$dir/floor'" "'$floor' convert '$dir/floor'")" \
        "floor: cat FILE > OUT, sync OUT" "$(best "" "cat '$corpus/czech.kam' >'$dir/out' && sync '$dir/out'")"
    same "$dir/big.kam" "$corpus/czech.cp1250" "bed's CP 1250 from Kamenický"

    row "bed FILE R=soubor,dokument, 100 MB, $matches matches" \
        "$(best "cp '$scratch/words.txt' '$dir/bed.txt'" "'$bed' K=W '$dir/bed.txt' R=soubor,dokument 2>/dev/null")" \
        "python3 bytes.replace" "$(best "" "python3 -c 'import sys; open(sys.argv[2], \"wb\").write(open(sys.argv[1], \"rb\").read().replace(b\"soubor\", b\"dokument\"))' '$scratch/words.txt' '$dir/python.txt'")" \
        "sed 's/soubor/dokument/g'" "$(best "" "sed 's/soubor/dokument/g' '$scratch/words.txt' >'$dir/sed.txt'")" \
        "rg --passthru -F soubor -r dokument" "$(best "" "rg --no-config --passthru -N -F soubor -r dokument '$scratch/words.txt' >'$dir/rg.txt'")" \
        "perl -pe 's/soubor/dokument/g'" "$(best "" "perl -pe 's/soubor/dokument/g' '$scratch/words.txt' >'$dir/perl.txt'")" \
        "floor: floor.c replace" "$(best "cp '$scratch/words.txt' '$dir/floor.txt'" "'$floor' replace '$dir/floor.txt' soubor dokument")"
    for peer in bed sed rg perl floor; do same "$dir/$peer.txt" "$dir/python.txt" "$peer's replacement"; done

    cp "$corpus/czech.cp1250" "$dir/load.txt"
    row "bed FILE without a window, 100 MB" \
        "$(best "" "'$bed' K=W '$dir/load.txt' 2>/dev/null")" \
        "vim -es (load, quit)" "$(best "" "vim -u NONE -N -es -n -c q '$dir/load.txt' >/dev/null 2>&1")" \
        "floor: cat FILE >/dev/null" "$(best "" "cat '$dir/load.txt' >/dev/null")"

    window "$dir/load.txt" "100 MB"
    if [ "$gigabyte" = 1 ]; then
        for i in 1 2 3 4 5 6 7 8 9 10; do cat "$dir/load.txt"; done >"$dir/load1g.txt"
        window "$dir/load1g.txt" "1 GB"
        rm -f "$dir/load1g.txt"
    fi
    rm -rf "$dir"
}

echo "bed $("$bed" --version | head -n 1); $(nproc) processors"
cat "$corpus"/czech.* "$scratch/words.txt" >/dev/null  # in the page cache for everyone
measure "${BED_TMPFS_DIR:-/dev/shm}/bed_speed" "tmpfs"
measure "${BED_DISK_DIR:-/var/tmp}/bed_speed" "disk"
