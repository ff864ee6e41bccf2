// Košík internetového obchodu: pøidávání zboží, výpoèet ceny a zobrazení ve formuláøi.
var DPH = 0.21;
var kosik = new Array();

/* Položka košíku
   nese kód, název, cenu za kus a poèet kusù. */
function Polozka(kod, nazev, cena, pocet) {
    this.kod = kod;
    this.nazev = nazev;
    this.cena = cena;
    this.pocet = pocet;
}

function pridej(kod, nazev, cena) {
    for (var i = 0; i < kosik.length; i++) {
        if (kosik[i].kod == kod) {
            kosik[i].pocet++;
            return kosik[i];
        }
    }
    var p = new Polozka(kod, nazev, cena, 1);
    kosik[kosik.length] = p;
    return p;
}

function odeber(kod) {
    var novy = new Array();
    for (var i = 0; i < kosik.length; i++) {
        if (kosik[i].kod != kod) {
            novy[novy.length] = kosik[i];
        }
    }
    kosik = novy;
}

function celkem(sDph) {
    var soucet = 0;
    for (var i = 0; i < kosik.length; i++) {
        soucet += kosik[i].cena * kosik[i].pocet;
    }
    if (sDph) {
        soucet = soucet * (1 + DPH);
    }
    return Math.round(soucet * 100) / 100;
}

function formatuj(castka) {
    var text = castka.toString();
    var tecka = text.indexOf(".");
    if (tecka < 0) {
        return text + ",00 Kè";
    }
    var haleru = text.substring(tecka + 1);
    if (haleru.length == 1) {
        haleru = haleru + "0";
    }
    return text.substring(0, tecka) + "," + haleru + " Kè";
}

function zobraz(formular) {
    var radky = "";
    for (var i = 0; i < kosik.length; i++) {
        var p = kosik[i];
        radky += p.nazev + " (" + p.pocet + " ks) " + formatuj(p.cena * p.pocet) + "\n";
    }
    formular.obsah.value = radky;
    formular.celkem.value = formatuj(celkem(true));
    if (kosik.length == 0) {
        window.status = "Košík je prázdný";
    } else {
        window.status = "V košíku je " + kosik.length + " druhù zboží";
    }
}

function kontrola(formular) {
    var email = formular.email.value;
    if (email.indexOf("@") < 1 || email.lastIndexOf(".") < email.indexOf("@")) {
        alert("Zadejte prosím platnou e-mailovou adresu.");
        formular.email.focus();
        return false;
    }
    if (!confirm("Odeslat objednávku za " + formatuj(celkem(true)) + "?")) {
        return false;
    }
    return true;
}

function ulozDoCookie() {
    var hodnota = "";
    for (var i = 0; i < kosik.length; i++) {
        if (i > 0) {
            hodnota += "|";
        }
        hodnota += escape(kosik[i].kod) + ":" + kosik[i].pocet;
    }
    var vyprsi = new Date();
    vyprsi.setTime(vyprsi.getTime() + 7 * 24 * 60 * 60 * 1000);
    document.cookie = "kosik=" + hodnota + "; expires=" + vyprsi.toGMTString();
}

function nactiZCookie() {
    var zacatek = document.cookie.indexOf("kosik=");
    if (zacatek < 0) {
        return;
    }
    var konec = document.cookie.indexOf(";", zacatek);
    if (konec < 0) {
        konec = document.cookie.length;
    }
    var casti = unescape(document.cookie.substring(zacatek + 6, konec)).split("|");
    for (var i = 0; i < casti.length; i++) {
        var dvojice = casti[i].split(":");
        var p = pridej(dvojice[0], dvojice[0], 0);
        p.pocet = parseInt(dvojice[1], 10);
    }
}
