#!/usr/bin/env bash
# Installs a build into a temporary prefix and builds its Debian package: every file in its
# place, the desktop entry and the metainfo valid, the package depending on the Qt runtime.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
expected=(bin/bed "$libdir/bed/libbed-window.so"
          share/applications/cz.brousek.bed.desktop
          share/bed/BED_FAQ.TXT share/bed/BED_VER.TXT share/bed/HELP.TXT share/bed/OPROG.TXT
          share/metainfo/cz.brousek.bed.metainfo.xml
          share/icons/hicolor/scalable/apps/cz.brousek.bed.svg)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/cz.brousek.bed.png")
done
sorted=$(printf '%s\n' "${expected[@]}" | sort)

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
installed=$(cd "$tmp/usr" && find . -type f | sed 's|^\./||' | sort)
[ "$installed" = "$sorted" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$sorted") <(echo "$installed"))"
[ -x "$tmp/usr/bin/bed" ] || fail "bin/bed is not executable"
desktop-file-validate "$tmp/usr/share/applications/cz.brousek.bed.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$tmp/usr/share/metainfo/cz.brousek.bed.metainfo.xml" >/dev/null || fail "metainfo"
for f in "$tmp"/usr/share/icons/hicolor/*x*/apps/cz.brousek.bed.png; do
  size=$(basename "$(dirname "$(dirname "$f")")")
  [ "$(file -b "$f" | grep -o '[0-9]* x [0-9]*' | tr -d ' ')" = "$size" ] || fail "$f is not $size"
done
# The help texts are CP 1250, not UTF-8.
for f in "$tmp"/usr/share/bed/*.TXT; do
  ! iconv -f UTF-8 -t UTF-8 "$f" >/dev/null 2>&1 || fail "$f is UTF-8"
  iconv -f CP1250 -t UTF-8 "$f" >/dev/null || fail "$f is not CP 1250"
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null
deb=$(ls "$tmp"/package/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '$1 ~ /^-/ {print $NF}' | sed 's|^\./usr/||' | sort)
[ "$contents" = "$sorted" ] || fail "package contents differ:"$'\n'"$(diff <(echo "$sorted") <(echo "$contents"))"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins \
         qt6-translations-l10n libhunspell hunspell-cs; do
  [[ "$depends" == *"$p"* ]] || fail "Depends lacks $p: $depends"
done
echo "installed and packaged: ${#expected[@]} files; Depends: $depends"
