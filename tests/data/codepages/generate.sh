#!/bin/sh
# Writes unicode.txt: for each 8-bit code page the editor reads and writes, the Unicode
# character of each of its 256 bytes ("----" where the code page defines none), as the system's
# converters give them. iconv knows CP 1250, ISO-8859-2 and PC Latin 2 (CP 852); cstocs knows
# Kamenický and KOI8-ČS letters; the Kamenický bytes cstocs leaves undefined (box drawing and
# the signs around them) are those of CP 437, whose upper half Kamenický took over.
# Run once by hand (needs iconv and cstocs); the test reads the result.
set -eu
out=unicode.txt
hex() { od -An -tx1 | tr -d ' \n'; }
# The code point of one byte through iconv, or ----.
iconv_cp() {
  u=$(printf "\\$(printf '%03o' "$2")" | iconv -f "$1" -t UTF-32BE 2>/dev/null | hex)
  [ -n "$u" ] && echo "$u" | sed 's/^0000//' || echo ----
}
# Through cstocs: only a byte its table defines and that comes out as one character.
cstocs_cp() {
  name=$(awk -v b="$2" '$1 == b { print $2 }' "/usr/share/perl5/Cz/Cstocs/enc/$1.enc")
  [ -n "$name" ] || { echo ----; return; }
  u=$(printf "\\$(printf '%03o' "$2")" | cstocs --nochange --null "$1" utf8 | iconv -f UTF-8 -t UTF-32BE 2>/dev/null | hex)
  [ ${#u} -eq 8 ] && echo "$u" | sed 's/^0000//' || echo ----
}
row() {
  printf '%s:' "$1"
  b=0
  while [ $b -lt 256 ]; do
    case $1 in
      kamenicky) c=$(iconv_cp ASCII $b); [ $b -lt 128 ] || c=$(cstocs_cp kam $b)
        [ "$c" != ---- ] || c=$(iconv_cp CP437 $b) ;;
      koi8cs) c=$(iconv_cp ASCII $b); [ $b -lt 128 ] || c=$(cstocs_cp koi8 $b) ;;
      *) c=$(iconv_cp "$2" $b) ;;
    esac
    printf ' %s' "$c"
    b=$((b + 1))
  done
  echo
}
{
  row kamenicky
  row iso88592 ISO-8859-2
  row koi8cs
  row pclatin2 CP852
  row cp1250 CP1250
} > "$out"
