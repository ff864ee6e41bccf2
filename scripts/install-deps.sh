#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, if any is missing.
set -euo pipefail
PKGS=(build-essential cmake ninja-build ccache qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
      libsimpleini-dev libxxhash-dev pkg-config libhunspell-dev hunspell-cs qt6-translations-l10n libgtest-dev
      libgmock-dev libbenchmark-dev fonts-liberation xvfb xauth clang clang-format clang-tidy libclang-rt-14-dev desktop-file-utils
      appstream shared-mime-info dpkg-dev file poppler-utils)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
