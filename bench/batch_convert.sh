#!/bin/sh
# Times bed as a batch tool: 1,000 small files converted in one shell loop, as a user's script
# does it ("for f in *.kam; do bed "$f" K=W C=Q || echo "$f"; done"), without a display.
# Prints the total, the wall-clock and CPU time per file, and the parts of it measured in the same
# run (on a busy machine the wall-clock includes waiting for a processor; the CPU time does not):
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
missing=""
command -v iconv >/dev/null 2>&1 || missing="$missing libc-bin"
[ -x /usr/bin/time ] || missing="$missing time"
if [ -n "$missing" ]; then
    if [ "$(id -u)" = 0 ]; then apt-get install -y $missing >/dev/null; else sudo apt-get install -y $missing >/dev/null; fi
fi

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

# Runs a command once per file of a folder in one shell loop ($f names the file) and prints the
# wall-clock and the CPU (user + system) microseconds per file.
per_file() {
    /usr/bin/time -f "%e %U %S" -o "$dir/time" \
        sh -c "for f in '$dir/$1'/*; do $2 || echo \"failed: \$f\" >&2; done"
    awk -v n="$count" '{ printf "%d %d", $1 * 1e6 / n, ($2 + $3) * 1e6 / n }' "$dir/time"
}

echo "$count files of $(wc -c <"$dir/kam/dopis0.kam") bytes in $dir; load average $(cut -d' ' -f1 /proc/loadavg)"
peer=$(per_file pcl 'iconv -f IBM852 -t CP1250 "$f" >"$f.tmp" && mv "$f.tmp" "$f"')
version=$(per_file kam "'$bed' --version >/dev/null")
startup=$(per_file kam "'$bed' \"\$f\"")
offscreen=$(per_file kam "QT_QPA_PLATFORM=offscreen '$bed' \"\$f\"")
convert=$(per_file kam "'$bed' \"\$f\" K=W C=Q")

# The conversion really happened: Kamenický "ř" (0xA9) is CP 1250 0xF8 now.
od -An -tx1 "$dir/kam/dopis0.kam" | grep -q f8 || { echo "conversion did not happen" >&2; exit 1; }

row() {
    echo "$2" | awk -v what="$1" -v base="${peer%% *}" \
        '{ printf "%-40s %8.2f ms %8.2f ms %8.2f\n", what, $1 / 1000, $2 / 1000, $1 / base }'
}
printf '\n%-40s %11s %11s %8s\n' "per file" "wall" "CPU" "× iconv"
row "iconv (peer: convert and replace)" "$peer"
row "bed --version (process start)" "$version"
row "bed FILE (start-up, no display)" "$startup"
row "bed FILE, platform offscreen chosen" "$offscreen"
row "bed FILE K=W C=Q (conversion)" "$convert"
echo "$convert" | awk -v n="$count" '{ printf "\n%d conversions in one loop: %.2f s\n", n, $1 * n / 1e6 }'
rm -rf "$dir"
