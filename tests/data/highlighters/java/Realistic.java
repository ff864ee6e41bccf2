package cz.brousek.sklad;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * Skladová evidence: zboží, jeho množství a ceny v korunách.
 * Tøída není vláknovì bezpeèná.
 */
public class Sklad {
    private static final int MAX_POLOZEK = 10000;
    private static final double DPH = 0.21;

    private final Map<String, Integer> mnozstvi = new HashMap<>();
    private final Map<String, Double> ceny = new HashMap<>();
    private long pocetZmen = 0L;

    /** Vytvoøí prázdný sklad. */
    public Sklad() {
    }

    /**
     * Pøidá zboží na sklad.
     * @param kod kód zboží
     * @param kusy poèet kusù, musí být kladný
     */
    public void prijmi(String kod, int kusy) {
        if (kod == null || kod.isEmpty()) {
            throw new IllegalArgumentException("Chybí kód zboží");
        }
        if (kusy <= 0) {
            throw new IllegalArgumentException("Poèet kusù musí být kladný: " + kusy);
        }
        if (mnozstvi.size() >= MAX_POLOZEK && !mnozstvi.containsKey(kod)) {
            throw new IllegalStateException("Sklad je plný");
        }
        mnozstvi.merge(kod, kusy, Integer::sum);
        pocetZmen++;
    }

    public boolean vydej(String kod, int kusy) {
        Integer zbyva = mnozstvi.get(kod);
        if (zbyva == null || zbyva < kusy) {
            return false;
        }
        if (zbyva == kusy) {
            mnozstvi.remove(kod);
        } else {
            mnozstvi.put(kod, zbyva - kusy);
        }
        pocetZmen += 1;
        return true;
    }

    public void nastavCenu(String kod, double cena) {
        ceny.put(kod, cena);
    }

    /* Celková hodnota skladu vèetnì DPH,
       zaokrouhlená na celé koruny. */
    public long hodnota() {
        double soucet = 0.0;
        for (Map.Entry<String, Integer> e : mnozstvi.entrySet()) {
            Double cena = ceny.get(e.getKey());
            if (cena != null) {
                soucet += cena * e.getValue();
            }
        }
        return Math.round(soucet * (1.0 + DPH));
    }

    public List<String> seznam() {
        List<String> kody = new ArrayList<>(mnozstvi.keySet());
        Collections.sort(kody);
        return kody;
    }

    static int kontrolniSoucet(String kod) {
        int h = 17;
        for (int i = 0; i < kod.length(); i++) {
            char c = kod.charAt(i);
            h = h * 31 + (c & 0xFF);
            h ^= h >>> 16;
        }
        return h & 0x7FFFFFFF;
    }

    @Override
    public String toString() {
        StringBuilder sb = new StringBuilder("Sklad[");
        for (String kod : seznam()) {
            sb.append(kod).append('=').append(mnozstvi.get(kod)).append(", ");
        }
        if (sb.length() > 6) {
            sb.setLength(sb.length() - 2);
        }
        return sb.append(']').toString();
    }

    public static void main(String[] args) {
        Sklad sklad = new Sklad();
        sklad.prijmi("ABC-001", 12);
        sklad.prijmi("XYZ-042", 3);
        sklad.nastavCenu("ABC-001", 149.90);
        sklad.nastavCenu("XYZ-042", 2499.0);
        System.out.println("Hodnota skladu: " + sklad.hodnota() + " Kè");
        System.out.println(sklad);
    }
}
