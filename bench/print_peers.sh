#!/bin/sh
# Prints the same 10,000-line Czech text (about 200 A4 pages) to PDF with our engine and with
# the usual command-line route, a text-to-PostScript converter (enscript, a2ps) followed by
# ps2pdf, and shows the times side by side. Run from the source tree after a release build:
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_TESTS=OFF -DBED_BENCH=ON
#   ninja -C build/release bench_print
# Peers (Debian packages enscript, a2ps, ghostscript, and poppler-utils for counting pages) are
# installed when missing. Theirs are whole runs (start-up, reading, writing the files); ours is
# the print itself, the text already in memory as it is in the editor, writing the PDF file.
# Both sides wrap long lines and use Courier at 10 points with 25 mm left, top and bottom and
# 15 mm right margins, no header.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
bench=$build/bench/bench_print
dir=${BED_PRINT_DIR:-/tmp/bed_print_bench}
mkdir -p "$dir"

. "$root/bench/peer_tools.sh"
install_missing enscript:enscript a2ps:a2ps ps2pdf:ghostscript pdfinfo:poppler-utils
[ -x "$bench" ] || { echo "no $bench: build it first (see the top of this script)" >&2; exit 1; }

"$bench" --bed_write_text="$dir/czech.cp1250"
iconv -f CP1250 -t ISO-8859-2 "$dir/czech.cp1250" >"$dir/czech.iso"

echo "our engine (bench_print) ..."
"$bench" --benchmark_out="$dir/bench.json" --benchmark_out_format=json 2>/dev/null | sed -n '/time per page/,$p'
# A field of one of our benchmarks (by the start of its name) from the JSON file.
ours() {
    awk -v want="\"$1" -v field="\"$2\":" '
        $1 == "\"name\":" { name = $2 }
        $1 == field && index(name, want) == 1 { sub(",", "", $2); print $2 + 0; exit }
    ' "$dir/bench.json"
}
seconds() { awk -v ms="$(ours "$1" real_time)" 'BEGIN { printf "%.3f", ms / 1000 }'; }

now() { date +%s.%N; }
# Seconds of the best of BED_PEER_RUNS (3) runs of a shell command.
best() {
    b=""
    for run in $(seq "${BED_PEER_RUNS:-3}"); do
        start=$(now)
        sh -c "$1" >/dev/null 2>&1
        end=$(now)
        b=$(awk -v s="$start" -v e="$end" -v b="$b" 'BEGIN { t = e - s; printf "%.3f", (b == "" || t < b ? t : b) }')
    done
    echo "$b"
}

margins_pt="71:43:71:71"  # left:right:top:bottom, 25/15/25/25 mm
enscript_cmd="enscript -q -B -X latin2 -f Courier10 --word-wrap --margins=$margins_pt -M A4 -p '$dir/enscript.ps' '$dir/czech.iso'"
a2ps_cmd="a2ps -q -1 -B --borders=no -X iso2 --font-size=10points -M A4 --margin=0 -o '$dir/a2ps.ps' '$dir/czech.iso'"
enscript_ps=$(best "$enscript_cmd")
enscript_pdf=$(best "ps2pdf '$dir/enscript.ps' '$dir/enscript.pdf'")
a2ps_ps=$(best "$a2ps_cmd")
rm -f "$dir/a2ps.ps~"
a2ps_pdf=$(best "ps2pdf '$dir/a2ps.ps' '$dir/a2ps.pdf'")

plain=$(seconds "PrintPdf/plain/10000/")
styled=$(seconds "PrintPdf/highlighted/10000/")
pages() { pdfinfo "$1" 2>/dev/null | awk '$1 == "Pages:" { print $2 }'; }

echo
printf '%-40s %8s %8s %10s\n' "10,000 lines to PDF" "seconds" "pages" "÷ bed plain"
row() {  # label, seconds, pages
    printf '%-40s %8s %8s %10s\n' "$1" "$2" "$3" "$(awk -v a="$2" -v b="$plain" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }')"
}
row "bed, plain" "$plain" "$(ours "PrintPdf/plain/10000/" pages)"
row "bed, highlighted" "$styled" "$(ours "PrintPdf/highlighted/10000/" pages)"
row "enscript + ps2pdf" "$(awk -v a="$enscript_ps" -v b="$enscript_pdf" 'BEGIN { printf "%.3f", a + b }')" "$(pages "$dir/enscript.pdf")"
row "  (enscript alone, to PostScript)" "$enscript_ps" ""
row "a2ps + ps2pdf" "$(awk -v a="$a2ps_ps" -v b="$a2ps_pdf" 'BEGIN { printf "%.3f", a + b }')" "$(pages "$dir/a2ps.pdf")"
row "  (a2ps alone, to PostScript)" "$a2ps_ps" ""
