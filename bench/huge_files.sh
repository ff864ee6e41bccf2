#!/bin/sh
# Huge files: a file of Czech text of BED_HUGE_MB megabytes (default 1024, about 15 M lines),
# one line of 100 MB without a break (plain text) and one minified JavaScript line of 10 MB.
# Each file ends with the word "Konecneslovo", found nowhere else.
#
# For each file:
#   baselines  cat FILE >/dev/null, wc -l (memchr speed), in the same run;
#   bed        bench_huge over the real widget offscreen: load, first paint, scroll to the end
#              by the scroll bar, Ctrl+End/End, typing at the top and the bottom, finding the
#              last word, saving, resident memory after loading;
#              and the program end to end without a display: "bed FILE F=Konecneslovo" (start,
#              load, find, quit) and "bed FILE C=Q" (start, load, save, quit), with /usr/bin/time
#              for the peak resident memory;
#   peers      vim -es (load, find the word, write, quit) and nano on a pty (load, then Ctrl+X),
#              each under a time limit of BED_PEER_LIMIT seconds (default 120); a peer that
#              exceeds it or fails is reported as such.
# Run from the source tree after a release build with
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_BENCH=ON
#   ninja -C build/release bed bench_huge
# The files go to BED_HUGE_DIR (default /tmp/bed_huge) and are removed at the end unless
# BED_HUGE_KEEP=1. A quick run: BED_HUGE_MB=200.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
dir=${BED_HUGE_DIR:-/tmp/bed_huge}
megabytes=${BED_HUGE_MB:-1024}
limit=${BED_PEER_LIMIT:-120}
runs=1

. "$root/bench/peer_tools.sh"
install_missing vim:vim nano:nano python3:python3 timeout:coreutils script:bsdutils
[ -x /usr/bin/time ] || install_missing gnutime:time
for program in "$build/bed" "$build/bench/bench_huge"; do
    [ -x "$program" ] || { echo "no $program: build it first (see the top of this script)" >&2; exit 1; }
done

mkdir -p "$dir"
[ "${BED_HUGE_KEEP:-0}" = 1 ] || trap 'rm -rf "$dir"' EXIT
many=$dir/czech.txt
line=$dir/line.txt
js=$dir/minified.js

# CP 1250 Czech prose: lines of 30 to 110 bytes (about 70) for the big file, the same words without any
# break for the long line. Built from a few megabytes repeated, so generating stays fast.
python3 - "$many" "$line" "$js" "$megabytes" <<'EOF'
import random, sys
many, line, js, megabytes = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
words = ("když jsme v úterý ráno přijeli do města bylo ještě šero a na náměstí stálo jen "
         "několik aut paní Nováková otevřela obchod s ovocem a zeleninou její muž nosil bedny "
         "ze skladu Řekl jsem dětem že si nejdřív dáme snídani v kavárně u řeky potom půjdeme "
         "do muzea kde je výstava o historii železnice Žádný z nich nechtěl čekat Šimon Zuzana "
         "Ďáblova skála Ťuhýk Úřad na radnici měl zavřeno čtvrtek odpoledne začalo pršet").split()
words = [w.encode("cp1250") for w in words]
rnd = random.Random(19)

def prose(size, breaks):
    out, length, n, target = [], 0, 0, 70
    while n < size:
        w = rnd.choice(words)
        out.append(w)
        n += len(w) + 1
        length += len(w) + 1
        if breaks and length >= target:
            out.append(b"\n")
            length, target = 0, rnd.randint(30, 110)
        else:
            out.append(b" ")
    return b"".join(out)

def write(path, chunk, total, tail):
    with open(path, "wb") as f:
        written = 0
        while written + len(chunk) <= total:
            f.write(chunk)
            written += len(chunk)
        f.write(chunk[: max(0, total - written)])
        f.write(tail)

chunk = prose(4 << 20, True)
chunk = chunk[: chunk.rfind(b"\n") + 1]
write(many, chunk, megabytes << 20, b"Konecneslovo\n")
write(line, prose(4 << 20, False), 100 << 20, b"Konecneslovo")
snippet = (b'function f(a,b){var c=a+b;if(c>10){return "velk\xfd"+c}/* pozn */return b*2}'
           b'var x=[1,2,3].map(function(i){return i*0x1F});for(var i=0;i<x.length;i++)'
           b'{document.write(\'<b>\'+x[i]+"</b>")}')
write(js, snippet * (4 << 20 // len(snippet) + 1), 10 << 20, b";var Konecneslovo=1;")
EOF

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for f in "$many" "$line" "$js"; do
    size=$(stat -c %s "$f")
    cat "$f" >/dev/null  # in the page cache for everyone
    printf '\n== %s: %d MB, %d line breaks\n' "$f" $((size >> 20)) "$(wc -l <"$f")"
    printf '%-44s %10s\n' "baseline cat FILE >/dev/null" "$(best "" "cat '$f' >/dev/null") s"
    printf '%-44s %10s\n' "baseline wc -l FILE" "$(best "" "wc -l '$f' >/dev/null") s"
    # The program end to end: elapsed seconds and peak resident memory.
    for args in "F=Konecneslovo" "C=Q"; do
        cp "$f" "$dir/work"
        /usr/bin/time -f '%e %M' -o "$dir/time" env -u DISPLAY -u WAYLAND_DISPLAY \
            QT_QPA_PLATFORM=offscreen timeout "$limit" "$build/bed" "$dir/work" "$args" \
            >/dev/null 2>&1 || true
        read -r seconds kib <"$dir/time" || { seconds=?; kib=0; }
        printf '%-44s %10s   peak %d MiB = %s x file\n' "bed FILE $args (end to end)" "$seconds s" \
            $((kib >> 10)) "$(awk -v k="$kib" -v s="$size" 'BEGIN { printf "%.2f", k * 1024 / s }')"
    done
    # vim: load, find the last word, write, quit.
    cp "$f" "$dir/work"
    start=$(now)
    if /usr/bin/time -f '%M' -o "$dir/time" timeout "$limit" vim -u NONE -N -es -n \
        -c 'call search("Konecneslovo")' -c 'w' -c 'q' "$dir/work" >/dev/null 2>&1; then
        printf '%-44s %10s   peak %d MiB\n' "vim -es: load, find, write, quit" \
            "$(awk -v s="$start" -v e="$(now)" 'BEGIN { printf "%.3f", e - s }') s" \
            $(($(cat "$dir/time") >> 10))
    else
        printf '%-44s %10s\n' "vim -es: load, find, write, quit" "gave up or over ${limit} s"
    fi
    # nano on a pty: it has loaded once it reads the keyboard; Ctrl+X leaves it.
    cp "$f" "$dir/work"
    start=$(now)
    if (sleep 1; printf '\030') | timeout "$limit" script -qec "nano --ignorercfile '$dir/work'" /dev/null \
        >/dev/null 2>&1; then
        printf '%-44s %10s\n' "nano: load and quit (includes 1 s wait)" \
            "$(awk -v s="$start" -v e="$(now)" 'BEGIN { printf "%.3f", e - s }') s"
    else
        printf '%-44s %10s\n' "nano: load and quit" "gave up or over ${limit} s"
    fi
done
rm -f "$dir/work"

echo
BED_HUGE_FILE=$many BED_HUGE_LINE=$line BED_HUGE_JS=$js "$build/bench/bench_huge" \
    --benchmark_counters_tabular=true
