#!/usr/bin/perl -w
# Poèítá slova v souborech – ukázka pro zvýrazòování
use strict;
use vars qw($poèet @seznam %slova);
no integer;

my $soubor = shift @ARGV or die "Použití: $0 soubor\n";
open(my $fh, '<', $soubor) || die "Nelze otevøít $soubor: $!";
while (my $øádek = <$fh>) {
	chomp $øádek;
	next unless length $øádek;
	foreach my $slovo (split /\s+/, $øádek) {
		$slova{lc $slovo}++;
	}
}
close $fh;
print "$_: $slova{$_}\n" for sort { $slova{$b} <=> $slova{$a} or $a cmp $b } keys %slova;
if ($x eq $y && $a ne $b || not $c) { $z **= 2; $w ||= 1; $v &&= 0; $u <<= 1; $t >>= 2 }
my @pole = (1..10, 0x1F_FF, 017, 1.5e3, 1e-5, .5, 3.14);
my $t = "a\"b" . "c\\" . 'd' . $e . x
my $s = 'it\'s'
$s x= 3; $s .= "x"; $n %= 7; $m = $n % 2; @a = (1) x 5;
print $^W, $^, $0, $10, $@, $$, $_foo, $#pole, $ENV{HOME}, $INC[0], @INC, %INC;
$ref->{klíè} = \@pole; Foo::Bar->new(); $a =~ s/x/y/g; $b !~ /z/; $c = $d ? 1 : 0;
print STDERR `ls`, "\n"; # zpìtné apostrofy jsou neplatné
EQ ne Eq; $Ý = 1;
