// Kalkulaèka pro formuláø s cenou v korunách
/* Víceøádkovı
   komentáø */ var cena = 0;
/* další
*/
function Pøepoèti(formuláø) {
	var Èástka = parseFloat(formuláø.èástka.value);
	VAR x = 1; Var y = 2; IF (Document) { Window.Alert("ano"); }
	var s = "Øeknìte \"ano\"" + 'a\'b' + "" + '' + """trojité""" + 'neukonèenı
	var èísla = [0, 12, 1.5e3, 1e-3, 3.14, 1..2, #13, $FF, 0x1F];
	x += 1; x -= 2; x *= 3; x /= 4; x %= 5; x &= 6; x |= 7;
	x++; x--; y = x && y || !x; y = x == y; y = x != y; y = x->y; f(...a);
	y = x < y ? x >= y : x <= y; y = x << 2 >> 1; y = x ^ y; y = ~x;
	var ÿ = @ ` \ ; // neplatné znaky
	document.write(Math.PI + Math.LN10 + Math.LN20 + Math.SQRT1_2 + Math.E);
	Link; link; LINK; Form; form; Anchor; anchor; Array; array; Select; select;
	Reset; reset; Text; text; Function; function; getTimezoneOffset; NEGATIVE_INFINITY;
	onMouseOver = null; navigator.userAgent; window.setTimeout("Pøepoèti()", 100);
	return Èástka * 1.21; /* DPH */ x = x / 2;
}
/* Dlouhı øádek: Pøíliš luouèkı kùò úpìl ïábelské ódy, Pøíliš luouèkı kùò úpìl ïábelské ódy, Pøíliš luouèkı kùò úpìl ïábelské ódy. */ var dlouhı = "Pøíliš luouèkı kùò úpìl ïábelské ódy, Pøíliš luouèkı kùò úpìl ïábelské ódy";
/* komentáø pøes

tøi øádky */ var konec = true;
