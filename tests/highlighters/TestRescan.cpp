// The editing component keeps the start state of every line and, after an edit, rescans from
// the edited line until a line's stored start state comes out unchanged. These tests drive a
// highlighter the same way over a plain list of lines.
#include "BedEditHighlighter.h"
#include "BedHighlighterFamily.h"
#include "BedHighlighterPas.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Line {
    std::string text;
    TBedRange range = -1;  // start state
};

void FullRescan(TBedCustomHighlighter& hl, std::vector<Line>& lines) {
    hl.ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].range = hl.CurrentRange();
        hl.StartLine(lines[i].text, static_cast<int>(i));
        hl.ScanToLineEnd();
    }
}

// Returns the last line scanned.
int RescanFrom(TBedCustomHighlighter& hl, std::vector<Line>& lines, int k) {
    if (k >= static_cast<int>(lines.size()) - 1)
        return k;
    hl.StartLine(lines[static_cast<size_t>(k)].text, k);
    hl.ScanToLineEnd();
    int j = k + 1;
    for (; j < static_cast<int>(lines.size()); ++j) {
        Line& line = lines[static_cast<size_t>(j)];
        if (hl.CurrentRange() == line.range)
            break;
        line.range = hl.CurrentRange();
        hl.StartLine(line.text, j);
        hl.ScanToLineEnd();
    }
    return j - 1;
}

int ReplaceLine(TBedCustomHighlighter& hl, std::vector<Line>& lines, int k, std::string text) {
    lines[static_cast<size_t>(k)].text = std::move(text);
    hl.RestoreRange(lines[static_cast<size_t>(k)].range);
    return RescanFrom(hl, lines, k);
}

std::vector<Line> CommentedProgram() {
    std::vector<Line> lines{{"begin"}, {"  { a long comment"}};
    for (int i = 0; i < 8; ++i)
        lines.push_back({"  still inside the comment"});
    lines.push_back({"  } x := 1;"});
    lines.push_back({"end."});
    return lines;
}

}  // namespace

TEST(Rescan, ClosingABlockCommentEarlyRescansExactlyTheLinesWhoseStartStateChanged) {
    TPasHighlighter hl;
    std::vector<Line> lines = CommentedProgram();
    FullRescan(hl, lines);
    EXPECT_EQ(lines[5].range, TPasHighlighter::rsBor);

    // Line 3 now closes the comment: lines 4..10 start outside it, line 11 as before.
    EXPECT_EQ(ReplaceLine(hl, lines, 3, "  closed here } y"), 10);
    std::vector<Line> fresh = lines;
    FullRescan(hl, fresh);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].range, fresh[i].range) << "line " << i;
    EXPECT_EQ(lines[5].range, TPasHighlighter::rsUnknown);

    // An edit that leaves the end state alone rescans only its own line.
    EXPECT_EQ(ReplaceLine(hl, lines, 6, "  other words"), 6);
    // Reopening the comment rescans down to where it closed before.
    EXPECT_EQ(ReplaceLine(hl, lines, 3, "  no closer"), 10);
    EXPECT_EQ(lines[5].range, TPasHighlighter::rsBor);
}

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
