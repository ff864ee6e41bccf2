#!/bin/sh
# Zálohuje adresáø do archivu
ZDROJ="$HOME/dokumenty"
CIL=/tmp/zaloha-$(date +%Y%m%d).tar.gz

if [ ! -d "$ZDROJ" ]; then
  echo "Adresáø $ZDROJ neexistuje" >&2
  exit 1
fi

for f in "$ZDROJ"/*.txt; do
  case "$f" in
    *.bak) continue ;;
    *) grep -c 'ahoj' "$f" | tee -a /tmp/pocty ;;
  esac
done
tar czf "$CIL" "$ZDROJ" && echo "hotovo: $CIL" // "poznámka
while read radek; do printf '%s\n' "$radek"; done < seznam.txt
export PATH=$PATH:/usr/local/bin; umask 022
