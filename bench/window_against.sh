#!/bin/sh
# The window's typing, painting and highlighting benchmarks of this build beside those of another
# build (of an older commit, say), the two run in turn BED_ROUNDS (7) times so that a drift of
# the machine's speed falls on both; prints each benchmark's least and median real time in both
# builds and their ratios (this ÷ other: above 1 this build is slower). On a busy machine the
# least is the figure to trust: noise only ever adds time.
#   bench/window_against.sh OTHER_BUILD [THIS_BUILD]
# Both are release builds with BED_BENCH=ON (cmake --preset release) that have built
# bench_editing, bench_render and bench_highlighters. BED_MIN_TIME (0.2s) is each benchmark's
# least running time per round; BED_BENCHES names fewer of the three.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
other=${1:?usage: $0 OTHER_BUILD [THIS_BUILD]}
this=${2:-$root/build/release}
rounds=${BED_ROUNDS:-7}
min_time=${BED_MIN_TIME:-0.2s}
benches=${BED_BENCHES:-bench_editing bench_render bench_highlighters}
for build in "$this" "$other"; do
    for b in $benches; do
        [ -x "$build/bench/$b" ] || { echo "no $build/bench/$b: build it first" >&2; exit 1; }
    done
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# One round of one build: "name,real time in ns" lines appended to its file.
run() {
    for b in $benches; do
        rm -f "$scratch/out.json"
        # An older build's benchmark may fail on its way out, after its report is written.
        QT_QPA_PLATFORM=offscreen "$1/bench/$b" --benchmark_min_time="$min_time" \
            --benchmark_out="$scratch/out.json" --benchmark_out_format=json >/dev/null 2>&1 ||
            echo "($1/bench/$b ended with status $?)" >&2
        [ -s "$scratch/out.json" ] || continue
        # The JSON report has one field a line.
        awk -F'"' '$2 == "name" { name = $4 } $2 == "real_time" { split($3, v, /[:,]/); t = v[2] + 0 }
                   $2 == "time_unit" { u = $4; if (u == "us") t *= 1e3; else if (u == "ms") t *= 1e6; else if (u == "s") t *= 1e9
                                       if (name ~ /^BM_/) print name "," t }' "$scratch/out.json" >>"$2"
    done
}
for round in $(seq "$rounds"); do
    run "$this" "$scratch/this"
    run "$other" "$scratch/other"
done

echo "$rounds rounds in turn, load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-40s %12s %12s %7s %12s %12s %7s\n' benchmark "least (ns)" other ratio "median (ns)" other ratio
# The least and the median of each benchmark's times in each build, then their ratios.
awk -F, '
    FNR == 1 { side++ }
    { times[side, $1, ++count[side, $1]] = $2; names[$1] = 1 }
    function sorted(s, name, v,   n, i, j, tmp) {
        n = count[s, name]
        for (i = 1; i <= n; i++) v[i] = times[s, name, i]
        for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { tmp = v[j]; v[j] = v[j - 1]; v[j - 1] = tmp }
        return n
    }
    function median(v, n) { return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }
    END {
        for (name in names) {
            if (!count[1, name] || !count[2, name]) continue
            n = sorted(1, name, a); m = sorted(2, name, b)
            printf "%-40s %12.1f %12.1f %7.3f %12.1f %12.1f %7.3f\n", name, a[1], b[1], a[1] / b[1],
                   median(a, n), median(b, m), median(a, n) / median(b, m)
            delete a; delete b
        }
    }' "$scratch/this" "$scratch/other" | sort
