# Sourced by the peer scripts: install_missing TOOL:PACKAGE… installs the Debian packages of
# the tools that are not on the PATH.
install_missing() {
    pkgs=""
    for pair in "$@"; do
        command -v "${pair%%:*}" >/dev/null 2>&1 || pkgs="$pkgs ${pair#*:}"
    done
    [ -n "$pkgs" ] || return 0
    echo "installing:$pkgs"
    if [ "$(id -u)" = 0 ]; then apt-get install -y $pkgs >/dev/null; else sudo apt-get install -y $pkgs >/dev/null; fi
}
