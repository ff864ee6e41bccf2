/*
 * Úèetní kniha: souèty poloek v korunách.
 */
package cz.brousek.úèetnictví;

import java.util.ArrayList;
import java.util.List;

/**
 * Poloka knihy s èástkou a popisem.
 * @author Jiøí Dvoøák
 */
public final class Poloka implements Comparable<Poloka> {
	private static final long serialVersionUID = 0x1F3AL;
	private final String popis;	// popis poloky
	protected double èástka = 1.5e3, sleva = 0.25, rozdíl = 1-2;
	/** Krátká dokumentace */ int poèet;
	/**/ int stále_dokumentace; */
	/***/ int prázdná;
	transient volatile boolean zmìnìno = false;

	public Poloka(String popis, double èástka) {
		this.popis = popis;
		this.èástka = èástka;
	}

	@Override
	public int compareTo(Poloka jiná) {
		return Double.compare(èástka, jiná.èástka);
	}

	static int posuny(int a) {
		int b = a >>> 2; b >>>= 1; b >>= 1; b <<= 2; b = b << 1 >> 1;
		b += 1; b -= 1; b *= 2; b /= 2; b %= 3; b &= 7; b |= 8; b ^= 9;
		boolean c = b == 1 || b != 2 && !(b <= 3) && b >= 4 || b < 5 || b > 6;
		b++; b--; b = ~b; b = c ? b : -b;
		return b;
	}

	String texty() {
		char uvozovka = '"', apostrof = '\'', lomítko = '\\';
		String s = "Øekl: \"Ahoj\" a odešel." + "C:\\cesta\\" + '\u0041';
		String prázdnı = "", troj = """text""";
		String neukonèenı = "bez konce
		return s + uvozovka + Int + int.class;
	}

	synchronized void chyby() throws Exception {
		int # neplatnı, ` \ $ok$ _podtrítko;
		strictfp: instanceof; goto: const;
	}
}
/* Dlouhı øádek s diakritikou: Pøíliš luouèkı kùò úpìl ïábelské ódy, Pøíliš luouèkı kùò úpìl ïábelské ódy, Pøíliš luouèkı kùò úpìl ïábelské ódy. */ class Dlouhı { int a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t, u, v, w, x, y, z; }
/** Dokumentace
 * pøes více øádkù
 */ interface Rozhraní extends Další { void metoda(); }
