# Sourced by the peer scripts: install_missing TOOL:PACKAGE… installs the Debian packages of
# the tools that are not on the PATH; best PREPARE COMMAND times a command.
install_missing() {
    pkgs=""
    for pair in "$@"; do
        command -v "${pair%%:*}" >/dev/null 2>&1 || pkgs="$pkgs ${pair#*:}"
    done
    [ -n "$pkgs" ] || return 0
    echo "installing:$pkgs"
    if [ "$(id -u)" = 0 ]; then apt-get install -y $pkgs >/dev/null; else sudo apt-get install -y $pkgs >/dev/null; fi
}

now() { date +%s.%N; }
# Best wall time in seconds of $runs runs of a shell command; PREPARE runs before each.
best() {
    prepare=$1; command=$2; result=999
    for run in $(seq "$runs"); do
        sh -c "$prepare"
        start=$(now)
        sh -c "$command"
        end=$(now)
        result=$(awk -v s="$start" -v e="$end" -v b="$result" 'BEGIN { t = e - s; printf "%.3f", (t < b ? t : b) }')
    done
    echo "$result"
}
