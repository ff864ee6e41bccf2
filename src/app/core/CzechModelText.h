#pragma once
// Czech text written for this program, from which the code-page recogniser counts how Czech
// letters follow each other. Plain everyday prose of several kinds (a letter, a report, a
// recipe, a story, a notice) so that every accented letter occurs, capitals included; a line of
// Slovak keeps its letters possible but rare, as they are in Czech files.
#include <string_view>

inline constexpr std::string_view kCzechModelText =
    "Milá Jano, děkuji ti za dopis, který přišel v úterý. Už jsem se bála, že ses na mě "
    "zlobila. U nás je všechno při starém: děti chodí do školy, muž pořád opravuje chalupu "
    "a já se starám o zahradu. Letos se nám urodilo hodně jablek, hrušek i švestek, takže "
    "budeme celou zimu péct koláče. Příští měsíc k vám přijedeme, jestli to půjde. Řekni "
    "mi prosím, kdy se vám to hodí. Čekám na odpověď a srdečně tě zdravím. Tvoje Šárka.\n"
    "Zpráva o činnosti spolku za uplynulý rok. Členové se scházeli každý čtvrtek v "
    "klubovně na náměstí. Uspořádali jsme dvě výstavy, přednášku o historii města a "
    "výlet do Žďáru nad Sázavou. Účast byla vysoká, přišlo víc lidí než loni. Ústřední "
    "výbor schválil rozpočet na příští období, z něhož zaplatíme nájem, opravu střechy "
    "a nové židle. Ďábelsky těžké bylo sehnat řemeslníky, ale nakonec se všechno "
    "podařilo. Žádáme členy, aby zaplatili příspěvky do konce února.\n"
    "Bramborová polévka. Oloupané brambory nakrájíme na kostičky, cibuli osmahneme na "
    "másle dozlatova a přidáme mrkev, celer a petržel. Zalijeme vodou, osolíme, "
    "opepříme a vaříme asi dvacet minut. Nakonec přidáme sušené houby, majoránku a "
    "prolisovaný česnek. Polévku podáváme horkou s chlebem. Ňadro kuřete se hodí spíš "
    "na řízky než do polévky.\n"
    "Ťukání na okno ho probudilo uprostřed noci. Venku foukal studený vítr a déšť "
    "bubnoval na střechu. Vstal, rozsvítil lampu a pomalu šel ke dveřím. Za nimi stál "
    "starý pán v mokrém kabátě a ptal se na cestu do vesnice za lesem. Ó, to je ale "
    "daleko, řekl mu. Pojďte dál, ohřejte se a ráno vám ukážu, kudy jít. Stařec "
    "poděkoval, sedl si ke kamnům a začal vyprávět o svém životě, o válce, o ženě a o "
    "dětech, které dávno odešly do světa. Ťopka, jejich pes, ležel u jeho nohou a tiše "
    "oddechoval. Úsvit přišel dřív, než čekali.\n"
    "Upozornění pro nájemníky: Ve čtvrtek dne patnáctého bude od osmi do čtrnácti hodin "
    "přerušena dodávka elektřiny. Prosíme, vypněte spotřebiče a neotevírejte zbytečně "
    "ledničky. Výtah nebude v provozu. Odpad třiďte do barevných nádob ve dvoře; papír "
    "patří do modré, plasty do žluté a sklo do zelené. Děkujeme za pochopení. Správa "
    "domu, Údolní ulice číslo dvě, Ústí nad Labem.\n"
    "Ďalší týždeň pôjdeme na hory. Žena mi kúpila nový sveter a ja jej knihu o Ľudovítovi "
    "Štúrovi.\n"
    "Škola začíná prvního září. Žáci si přinesou sešity, pera, tužky a přezůvky. Třídní "
    "učitelka je seznámí s rozvrhem hodin a s řádem školy. Čeština, matematika, dějepis "
    "a zeměpis se učí každý den, tělocvik dvakrát týdně. Úkoly se odevzdávají včas. "
    "Řediteli školy se omlouvejte písemně. Ěčko se na začátku slova nepíše nikdy, "
    "ale velké písmeno Ů se občas najde v nápisech psaných VELKÝMI PÍSMENY: DŮM, KŮŇ, "
    "MŮŽE, ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY. ŘÍJEN, ČERVEN, ČERVENEC, ÚNOR, BŘEZEN, "
    "DUBEN, KVĚTEN, SRPEN, ZÁŘÍ, LISTOPAD, PROSINEC, LEDEN.\n";
