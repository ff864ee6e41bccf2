// Czech prose: the general highlighter with Czech conjunctions as its keywords.
#include "BedHighlighterList.h"
#include "General.h"

namespace {

void Configure(TBedCustomHighlighter& hl) {
    // CP 1250: \xC8 = Č, \x8E = Ž, \x8D = Ť.
    BedConfigureWordList(hl, {"A", "ALE", "ANI",
                              "\xC8"
                              "I",
                              "\xC8"
                              "ILI",
                              "I",
                              "JEN\x8E"
                              "E",
                              "NEBO", "NEBO\x8D",
                              "PROTO\x8E"
                              "E",
                              "TAK\x8E"
                              "E"});
}

constexpr TBedAttributeSetting kColours[] = {{.property = "CommentAttri", .style = 0},
                                             {.property = "KeyAttri", .style = fsItalic}};

}  // namespace

constinit const TBedMainWindowInstance kBedCzechInstance = {"hl_cz",  "etina1",   "čeština", "",
                                                            kColours, &Configure, true,      true};
