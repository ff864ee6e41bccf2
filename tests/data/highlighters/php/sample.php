<?php
# Formuláø pro objednávku zboží
// komentáø s dvìma lomítky
/* komentáø
   pøes více øádkù */ $cena = 0;
require "knihovna.php";
class Objednávka extends Základ {
	var $položky = array();
	function Pøidej($název, $poèet = 1) {
		$this->položky[$název] = $poèet;
		ECHO "Pøidáno: $název"; Echo 'ano'; echo "Øekl \"ahoj\"";
		$víceøádkový = "první øádek
druhý øádek \"s uvozovkami\"
poslední"; $jednoduchý = 'také
pøes øádky'; $x = 1;
		$cesta = "C:\\data\\"; $dále = 'a\' . 'b';
	}
}
$èísla = array(0, 12, 1.5e3, 0x1F, 1-2, 1..2, 3.14);
$x += 1; $x -= 2; $x *= 3; $x /= 4; $x %= 5; $x &= 6; $x |= 7; $x ^= 8;
$x++; $x--; $y = $x && $y || !$x; $y = $x == $y; $y = $x != $y; $o->m();
$y = $x < $y ? $x >= $y : $x <= $y; $y = $x << 2 >> 1; $y = ~$x; $p = array('a' => 1);
$chyba = @fopen("soubor.txt", "r"); \ ` ÿ;
if ($x) { print __FILE__; print __LINE__; } elseif ($y) { exit; } else { die(); }
while (true): endwhile; for (;;): endfor; switch ($x): endswitch;
highlight_string("x"); show_source("y"); highlight_file("z"); old_function f();
/* Dlouhý øádek: Pøíliš žluouèký kùò úpìl ïábelské ódy, Pøíliš žluouèký kùò úpìl ïábelské ódy, Pøíliš žluouèký kùò úpìl ïábelské ódy. */ $dlouhý = "Pøíliš žluouèký kùò úpìl ïábelské ódy, Pøíliš žluouèký kùò úpìl ïábelské ódy";
$øetìzec = "konec øádku\
"; $a = "
"; $b = '
'; $c = 1;
?>
