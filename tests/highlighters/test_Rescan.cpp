// Every built class tiles its lines from any start state.
#include "BedHighlighterList.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

TEST(Rescan, EveryBuiltClassTilesItsLinesFromAnyStartState) {
    const std::vector<std::string> samples = {"",
                                              "begin end;",
                                              "{ a (* b",
                                              "*) } x",
                                              "'open \"str",
                                              "#include <a.h> // c /* d",
                                              "a\tb\x01\x7F\xFF\xE8",
                                              "\r\n",
                                              "x\ry",
                                              "<!-- <% %> -->",
                                              "1..2 0x1F $FF 1.5e-3",
                                              "\"",
                                              "\"\"\"",
                                              "C x",
                                              "* &&",
                                              "{ '' } }",
                                              "$1 next  file",
                                              "object end.",
                                              "#1/1#",
                                              "<?xml?>",
                                              "< * >",
                                              "a & b &amp;c &divide",
                                              "#define X /* c */ \\",
                                              std::string(100000, 'z') + " if"};
    for (const TBedLanguage* cls : BedHighlighterClasses()) {
        if (!cls->create) continue;
        auto hl = cls->create();
        std::vector<TBedRange> starts{hl->CurrentRange(), -1, 0, 1, 2, 3, 4, 5, 6, 7, 1000};
        for (TBedRange start : starts) {
            for (const std::string& text : samples) {
                hl->RestoreRange(start);
                int end = 0;
                for (const TScannedToken& t : ScanLine(*hl, text)) {
                    EXPECT_EQ(t.start, end) << cls->className << " «" << text << "»";
                    EXPECT_FALSE(t.text.empty()) << cls->className << " «" << text << "»";
                    end = t.start + static_cast<int>(t.text.size());
                }
                EXPECT_EQ(end, static_cast<int>(text.size())) << cls->className << " «" << text << "»";
            }
        }
    }
}
