#pragma once
// Czech prose for testing the code-page recogniser, unlike the text its model was counted from.
#include <string_view>

inline constexpr std::string_view kCzechSampleText =
    "Když jsme v sobotu ráno vyrazili na túru, obloha byla ještě zatažená. Cesta vedla "
    "podél řeky, kolem starého mlýna a přes louku plnou květin. Po dvou hodinách chůze "
    "jsme dorazili k rozhledně, odkud byl nádherný výhled na celé údolí. Dědeček nám "
    "vyprávěl, jak tu kdysi jezdil vlak a jak se v zimě sáňkovalo až dolů k nádraží. "
    "Večer jsme se vrátili unavení, ale šťastní, a maminka nám uvařila svíčkovou s "
    "knedlíkem. Žádné jídlo nechutná lépe než po celodenním pochodu v přírodě.\n"
    "Obecní úřad oznamuje občanům, že svoz tříděného odpadu se přesouvá z pondělí na "
    "středu. Žádáme vás, abyste popelnice přistavili k silnici nejpozději v šest hodin "
    "ráno. Nebezpečný odpad, například baterie, barvy či léky, můžete odevzdat ve sběrném "
    "dvoře. Poplatek za psa je splatný do třicátého června. Děkujeme za spolupráci.\n"
    "Řidič autobusu zastavil u zastávky a otevřel dveře. Nastoupila paní s košíkem "
    "hub, dva kluci s batohy a starší muž v klobouku. Ťapkal za nimi malý jezevčík, "
    "kterého nikdo neznal. Čí je ten pes, zeptal se řidič, ale nikdo se nepřihlásil. "
    "Ňafnul, stočil se pod sedadlem a usnul. Úplně klidně dojel až na konečnou, kde si "
    "ho vyzvedla holčička v červeném kabátku, která ho celé odpoledne hledala.\n"
    "Ďáblova skála se tyčí nad vesnicí už tisíce let. Říká se, že v ní kdysi bydlel "
    "čert, který vesničanům kradl ovce. Ústní podání praví, že ho vyhnal statečný "
    "kovář, když mu do sluje hodil rozžhavenou podkovu. Dnes je skála oblíbeným cílem "
    "horolezců, kteří na jejím vrcholu zanechávají vzkazy v plechové krabičce.\n";
