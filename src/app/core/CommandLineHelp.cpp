#include "CommandLineHelp.h"

#include "CodePages.h"

#include <cstring>
#include <string>

TInfoRequest FindInfoRequest(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return TInfoRequest::Help;
        if (std::strcmp(argv[i], "--version") == 0) return TInfoRequest::Version;
    }
    return TInfoRequest::None;
}

namespace {

// "  K=W, K=C     CP 1250": a line for each code page.
std::string CodePageOptionLines() {
    std::string lines;
    for (const TBedCodePageRow& row : kCodePages) {
        std::string options;
        for (const char letter : row.letters) options += std::string(options.empty() ? "" : ", ") + "K=" + letter;
        lines += "  " + options + std::string(options.size() < 13 ? 13 - options.size() : 1, ' ') +
                 std::string(row.help) + "\n";
    }
    return lines;
}

}  // namespace

std::string_view UsageText() {
    static const std::string text =
        R"(Použití: bed [SOUBOR | PÍSMENO=HODNOTA]...
Brousek editor, textový editor pro češtinu.

Parametr s rovnítkem je volba, jiný parametr je jméno souboru, který se otevře (soubor
jménem "--help" otevřete jako "./--help"). Parametry se zpracují zleva doprava: volba působí
na soubor jmenovaný před ní, volby K= a 6= na soubory jmenované za nimi.

Kódování souborů jmenovaných dál (K=):
)" + CodePageOptionLines() +
        R"(  Je-li zapnuto automatické kódování, rozhoduje přípona (.kam, .il2, .l2, .koi, .win ...),
  a když ta nic neříká a volba K= před souborem nestojí, pozná se kódování podle obsahu.
Dokumenty T602 (6=):
  6=?          zeptat se, jak dokument otevřít
  6=T, 6=C     převést na čistý text
  6=H          převést do HTML
  6=N, 6=Z     otevřít tak, jak je na disku
Příkazy (C=):
  C=Q          uložit dokument v nastaveném kódování a skončit
  C=O          odstranit diakritiku
  C=U          přepnout konce řádků DOS / UNIX
  C=Y          přepnout záměnu y a z
  C=Z          přepnout řádkový zlom při nahrávání
  C=R          přepnout režim jen pro čtení
  C=H          otevřít dokument v přidružené aplikaci
Další volby:
  F=text       najít text od kurzoru
  R=co,čím     nahradit všechny výskyty od kurzoru a dokument uložit
  L=n          kurzor na řádek n + 1
  N=jméno      pojmenovat dokument, nic nenahrát
  S=n, V=n     šířka a výška okna
  X=n, Y=n     levý a horní okraj okna
  ^=1          okno s nápovědou (nastavení se při zavření neukládá)
  -h, --help   vypsat tuto nápovědu
  --version    vypsat jméno a verzi

Příklady:
  bed dopis.kam K=W C=Q
      převede dopis.kam z kódu Kamenických do CP 1250 (na místě)
  bed K=L dopis.txt K=2 C=Q
      převede dopis.txt z PC Latin 2 do ISO-8859-2
  bed dopis.txt R=Praha,Brno
      nahradí v dopis.txt každé "Praha" slovem "Brno" a uloží
  bed stary.txt K=W C=Q
      převede stary.txt z kódování poznaného podle obsahu do CP 1250
  for f in *.kam; do bed "$f" K=W C=Q || echo "$f"; done
      převede všechny soubory .kam a vypíše ty, které se nepodařilo převést

Bez obrazovky (bez proměnné DISPLAY) editor okno neotevře: každé hlášení napíše jako jeden
řádek na chybový výstup, na otázky odpoví "Zrušit" a po zpracování parametrů skončí. Změny,
které se neuložily, zahodí a soubor na disku nechá, jak byl.

Návratový kód:
  0  všechny soubory se zpracovaly a uložily, jak bylo požádáno
  1  nastala chyba (soubor chybí nebo nejde přečíst, uložení selhalo, volba má neplatnou
     hodnotu), nebo bez obrazovky zůstaly neuložené změny

Nastavení je v souboru bed.ini vedle programu, nebo v adresáři, který jmenuje klíč cesta
v sekci [bed] souboru bedpath.ini vedle programu. Nainstalovaný program, do jehož adresáře
uživatel nesmí zapisovat, má nastavení v ~/.config/bed/.
)";
    return text;
}

std::string VersionText() { return std::string("Brousek editor ") + BED_VERSION + "\n"; }
