// Every registered class tiles its lines from any start state, and the family table is whole.
#include "BedHighlighter.h"
#include "BedHighlighterFamily.h"
#include "BedHighlighterPas.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

TEST(Rescan, EveryRegisteredClassTilesItsLinesFromAnyStartState) {
    const std::vector<std::string> samples = {
        "", "begin end;", "{ a (* b", "*) } x", "'open \"str", "#include <a.h> // c /* d",
        "a\tb\x01\x7F\xFF\xE8", "\r\n", "x\ry", "<!-- <% %> -->", "1..2 0x1F $FF 1.5e-3"};
    for (const TBedHighlighterClass& cls : BedHighlighterClasses()) {
        auto hl = cls.create();
        std::vector<TBedRange> starts{hl->CurrentRange(), -1, 0, 1, 2, 3, 4, 5, 6, 7, 1000};
        for (TBedRange start : starts) {
            for (const std::string& text : samples) {
                hl->RestoreRange(start);
                int end = 0;
                for (const TScannedToken& t : ScanLine(*hl, text)) {
                    EXPECT_EQ(t.start, end) << cls.className << " «" << text << "»";
                    EXPECT_FALSE(t.text.empty()) << cls.className << " «" << text << "»";
                    end = t.start + static_cast<int>(t.text.size());
                }
                EXPECT_EQ(end, static_cast<int>(text.size())) << cls.className << " «" << text << "»";
            }
        }
    }
}

TEST(Family, RowsDescribeTheNineteenLanguages) {
    const auto& family = BedFamily();
    ASSERT_EQ(family.size(), 19u);
    for (const TBedFamilyMember& m : family) {
        std::set<std::string> names;
        for (const TBedAttributeSpec& a : m.attributes)
            EXPECT_TRUE(names.insert(a.name).second) << m.className << " " << a.name;
        EXPECT_NE(std::string(m.defaultFilter).find('|'), std::string::npos) << m.className;
    }
    EXPECT_EQ(BedFamilyMember("TDfmHighlighter").initialRange, 2);
    EXPECT_FALSE(BedFamilyMember("TAsmHighlighter").initialRange.has_value());
    EXPECT_THROW(BedFamilyMember("TNoHighlighter"), std::out_of_range);

    TPasHighlighter pas;
    EXPECT_EQ(pas.AttributeCount(), 8);
    EXPECT_EQ(pas.DefaultFilter(), family.front().defaultFilter);
}
