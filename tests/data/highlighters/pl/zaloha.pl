#!/usr/bin/perl
# Zálohuje adresáøe uvedené v konfiguraci a vypíše souhrn.
# Skript je jen ukázka bìžného kódu v Perlu: podprogramy, hashe, soubory a formátovaný výpis.
use strict;
use warnings;
use File::Copy;
use POSIX qw(strftime);

my %nastaveni = (
	zdroj     => '/home/uzivatel/dokumenty',
	cil       => '/mnt/zaloha',
	vynechat  => [ 'tmp', 'cache', 'kos' ],
	podrobne  => 1,
);

# Vrátí seznam souborù v adresáøi, bez tìch, které se mají vynechat.
sub seznam_souboru {
	my ($adresar, $vynechat) = @_;
	opendir(my $dh, $adresar) or die "Nelze otevøít adresáø $adresar: $!\n";
	my @soubory;
	while (my $jmeno = readdir($dh)) {
		next if $jmeno eq '.' or $jmeno eq '..';
		next if grep { $_ eq $jmeno } @$vynechat;
		push @soubory, "$adresar/$jmeno";
	}
	closedir($dh);
	return sort @soubory;
}

# Zkopíruje jeden soubor a vrátí jeho velikost v bajtech.
sub zkopiruj {
	my ($soubor, $cil) = @_;
	my $velikost = -s $soubor || 0;
	copy($soubor, $cil) or warn "Kopírování souboru $soubor selhalo: $!\n";
	return $velikost;
}

my $datum = strftime('%Y-%m-%d', localtime);
my $cil = "$nastaveni{cil}/$datum";
mkdir $cil unless -d $cil;

my ($pocet, $celkem) = (0, 0);
foreach my $soubor (seznam_souboru($nastaveni{zdroj}, $nastaveni{vynechat})) {
	next unless -f $soubor;
	$celkem += zkopiruj($soubor, $cil);
	$pocet++;
	printf("%-40s zkopírován\n", $soubor) if $nastaveni{podrobne};
}

printf("Zkopírováno %d souborù, celkem %.1f kB.\n", $pocet, $celkem / 1024);
exit($pocet > 0 ? 0 : 1);
