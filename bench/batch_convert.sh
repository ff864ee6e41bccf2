#!/bin/sh
# Times bed as a batch tool: 1,000 small files converted in one shell loop, as a user's script
# does it ("for f in *.kam; do bed "$f" K=W C=Q || echo "$f"; done"), without a display.
# Prints the total, the time per file, and the parts of it measured in the same run:
#   process start   bed --version (start the process, load the libraries, nothing more)
#   start-up        bed FILE (start, build the editor, load the file, end without writing)
#   conversion      bed FILE K=W C=Q (the above plus a safe save: temporary file, sync, rename)
# against iconv converting the same files in the same kind of loop (peer: libc-bin). The files
# live on tmpfs when /dev/shm exists, so the disk's sync time does not hide the program's; set
# BED_BATCH_DIR to a directory on disk to see it.
#   BED_BUILD=build/release (default), BED_BATCH_FILES=1000
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BED_BUILD:-$root/build/release}
bed=$build/bed
count=${BED_BATCH_FILES:-1000}
if [ ! -x "$bed" ]; then
    echo "building $bed ..."
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBED_TESTS=OFF >/dev/null
    cmake --build "$build" --target bed >/dev/null
fi
command -v iconv >/dev/null 2>&1 || {
    if [ "$(id -u)" = 0 ]; then apt-get install -y libc-bin >/dev/null; else sudo apt-get install -y libc-bin >/dev/null; fi
}

if [ -n "${BED_BATCH_DIR:-}" ]; then dir=$BED_BATCH_DIR; elif [ -d /dev/shm ]; then dir=/dev/shm/bed_batch; else dir=/tmp/bed_batch; fi
rm -rf "$dir"
mkdir -p "$dir/kam" "$dir/pcl"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# A short letter with every Czech accented letter of Kamenický (and of PC Latin 2 for iconv).
kam='P\251\241li\250 \221lu\237ou\207k\230 k\226\244 \243p\210l \203\240belsk\202 \242dy.\r\n\200\241slo dopisu.\r\n'
pcl='P\375\241li\347 \247lu\234ou\237k\354 k\205\345 \243p\330l \324\240belsk\202 \242dy.\r\n\254\241slo dopisu.\r\n'
i=0
while [ $i -lt "$count" ]; do
    printf "$kam" >"$dir/kam/dopis$i.kam"
    printf "$pcl" >"$dir/pcl/dopis$i.txt"
    i=$((i + 1))
done

now() { date +%s%N; }
# Runs "$@" once per file of a folder in one shell loop; prints milliseconds per file.
per_file() {
    folder=$1
    shift
    failures=0
    start=$(now)
    for f in "$dir/$folder"/*; do
        "$@" "$f" || failures=$((failures + 1))
    done
    end=$(now)
    [ $failures -eq 0 ] || echo "  $failures runs failed: $*" >&2
    echo $(((end - start) / count / 1000))  # microseconds per file
}
version() { "$bed" --version >/dev/null; }
startup() { "$bed" "$1"; }
convert() { "$bed" "$1" K=W C=Q; }
offscreen() { QT_QPA_PLATFORM=offscreen "$bed" "$1"; }
peer() { iconv -f IBM852 -t CP1250 "$1" >"$1.tmp" && mv "$1.tmp" "$1"; }

echo "$count files of $(wc -c <"$dir/kam/dopis0.kam") bytes in $dir"
us_iconv=$(per_file pcl peer)
us_version=$(per_file kam version)
us_startup=$(per_file kam startup)
us_offscreen=$(per_file kam offscreen)
start=$(now)
us_convert=$(per_file kam convert)
total=$(($(now) - start))

# The conversion really happened: Kamenický "ř" (0xA9) is CP 1250 0xF8 now.
od -An -tx1 "$dir/kam/dopis0.kam" | grep -q f8 || { echo "conversion did not happen" >&2; exit 1; }

ms() { awk -v us="$1" 'BEGIN { printf "%6.2f ms", us / 1000 }'; }
ratio() { awk -v a="$1" -v b="$us_iconv" 'BEGIN { printf "%5.2f", a / b }'; }
printf '\n%-44s %s   × iconv\n' "per file" "      "
printf '%-44s %s   %s\n' "iconv (peer: convert and replace)" "$(ms "$us_iconv")" "$(ratio "$us_iconv")"
printf '%-44s %s   %s\n' "bed --version (process start)" "$(ms "$us_version")" "$(ratio "$us_version")"
printf '%-44s %s   %s\n' "bed FILE (start-up, no display)" "$(ms "$us_startup")" "$(ratio "$us_startup")"
printf '%-44s %s   %s\n' "bed FILE, platform offscreen chosen" "$(ms "$us_offscreen")" "$(ratio "$us_offscreen")"
printf '%-44s %s   %s\n' "bed FILE K=W C=Q (conversion)" "$(ms "$us_convert")" "$(ratio "$us_convert")"
awk -v ns="$total" -v n="$count" 'BEGIN { printf "\n%d conversions in one loop: %.2f s\n", n, ns / 1e9 }'
rm -rf "$dir"
