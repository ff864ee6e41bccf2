#!/usr/bin/awk -f
# Ukázkový skript: souèty podle prvního sloupce
BEGIN {
	FS = ";"
	OFS = "\t"
	pocet = 0
}
# pøeskoè komentáøe a prázdné øádky
/^#/ { next }
NF == 0 { next   file }
$1 ~ /^[A-Z]/ && $NF != "" {
	soucet[$1] += $2
	pocet++
	if (length($1) > 10 || $2 < 0) print "Dlouhý: " $1
}
FNR == 1 && NR > 1 { next file; }
{
	radek = tolower($0)
	n = split(radek, pole, ",")
	x = atan2(0, -1) * 3.14
	y = substr($3, 1, 5) "žluouèký kùò"
	gsub(/a/, "b", radek)
	z = $12 + $1x - i--
	s = "uvozovka \" uvnitø" 'apostrof "'
	t = 'bez konce
	u = "tabulátor	uvnitø"
	v = i ? j : k
	w = i ?: k
	my_var %= 2 ^ 3
	Print begin End nr
	next files
	next	file
}
END {
	for (k in soucet) printf "%s: %d\n", k, soucet[k]
	print "Celkem", pocet, NR, FILENAME | "sort"
	exit !(pocet > 0)
}
