// Bookmarks and highlighter states follow every change of the lines, made by the component's
// own commands or by a caller writing through Lines (as the main window's text tools do).
#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

namespace {

// Ten lines, two of them opening and closing a brace comment, bookmarks 1..4 on lines 2, 4, 6
// and 9.
class TMarkedEdit : public TTestEdit {
public:
    TMarkedEdit() : TTestEdit({"zero", "one", "two {", "three", "four", "five }", "six", "seven", "eight", "nine"}) {
        SetHighlighter(&highlighter);
        const int marked[] = {2, 4, 6, 9};
        for (int n = 1; n <= 4; ++n) PlaceBookmark(n, 1, marked[n - 1]);
    }
    ~TMarkedEdit() override { SetHighlighter(nullptr); }
    std::vector<int> MarkLines() const {
        std::vector<int> lines;
        for (int n = 1; n <= 4; ++n) {
            int x = 0, y = 0;
            lines.push_back(GetBookmark(n, x, y) ? y : -1);
        }
        return lines;
    }
    // What a fresh scan of the whole text gives.
    std::vector<TBedRange> FreshRanges() const {
        TTestEdit fresh(Text());
        TBraceHighlighter h;
        fresh.SetHighlighter(&h);
        std::vector<TBedRange> ranges = Ranges(fresh);
        fresh.SetHighlighter(nullptr);
        return ranges;
    }

    TBraceHighlighter highlighter;
};

// Both editors must end with the same text, the same bookmarks and the states a fresh scan gives.
void ExpectSame(const TMarkedEdit& byCommand, const TMarkedEdit& byLines, const std::vector<int>& marks) {
    EXPECT_EQ(byLines.Text(), byCommand.Text());
    EXPECT_EQ(byCommand.MarkLines(), marks);
    EXPECT_EQ(byLines.MarkLines(), marks);
    EXPECT_EQ(Ranges(byCommand), byCommand.FreshRanges());
    EXPECT_EQ(Ranges(byLines), byLines.FreshRanges());
}

}  // namespace

TEST(CoreLinesChange, DeletedLinesMoveMarksLikeTheDeleteCommands) {
    TMarkedEdit byCommand, byLines;
    // Lines 3 to 6 (the whole comment) go: their marks land on the line above them.
    byCommand.Select({1, 3}, {1, 6}, smLine);
    byCommand.SetSelectedText("");
    byLines.Lines().DeleteLines(2, 4);
    ExpectSame(byCommand, byLines, {2, 2, 2, 5});

    byCommand.SetCaretXY({1, 2});
    byCommand.Cmd(ecDeleteLine);
    byLines.Lines().Delete(1);
    ExpectSame(byCommand, byLines, {1, 1, 1, 4});
    // Without a line above, they stay on the first line.
    byCommand.SetCaretXY({1, 1});
    byCommand.Cmd(ecDeleteLine);
    byLines.Lines().Delete(0);
    ExpectSame(byCommand, byLines, {1, 1, 1, 3});
}

TEST(CoreLinesChange, InsertedLinesMoveMarksLikeTyping) {
    TMarkedEdit byCommand, byLines;
    // Three lines, one opening a comment, typed at the start of line 4: the line keeps its
    // mark and its text moves down behind the new lines.
    byCommand.SetCaretXY({1, 4});
    byCommand.SetSelectedText("a {\r\nb\r\nc\r\n");
    byLines.Lines().Put(3, "a {");
    byLines.Lines().InsertEmptyLines(4, 3);
    for (const auto& [i, text] : {std::pair{4, "b"}, {5, "c"}, {6, "three"}}) byLines.Lines().Put(i, text);
    ExpectSame(byCommand, byLines, {2, 4, 9, 12});
    // Lines inserted above a marked line move its mark.
    byCommand.SetCaretXY({1, 2});
    byCommand.Cmd(ecLineBreak);
    byLines.Lines().Insert(1, "");
    ExpectSame(byCommand, byLines, {3, 5, 10, 13});

    // Appended lines move no mark.
    byCommand.SetCaretXY({5, 14});
    byCommand.SetSelectedText("\r\nmore {");
    byLines.Lines().Add("more {");
    ExpectSame(byCommand, byLines, {3, 5, 10, 13});
}

TEST(CoreLinesChange, ReplacedLinesRescanButKeepTheMarks) {
    TMarkedEdit byCommand, byLines;
    // Closing the comment on line 4 instead of line 6: every state between changes.
    byCommand.Select({1, 4}, {6, 4});
    byCommand.SetSelectedText("three }");
    byCommand.Select({1, 6}, {7, 6});
    byCommand.SetSelectedText("five {");
    byLines.Lines().Put(3, "three }");
    byLines.Lines().Put(5, "five {");
    ExpectSame(byCommand, byLines, {2, 4, 6, 9});
}

// Marks on joined lines land on the joined line.
TEST(CoreLinesChange, JoinedLinesKeepTheirMarksOnTheJoinedLine) {
    TMarkedEdit e;
    e.SetCaretXY({1, 5});
    e.Cmd(ecDeleteLastChar);  // line 5 joins line 4
    EXPECT_EQ(e.MarkLines(), (std::vector<int>{2, 4, 5, 8}));
    e.SetCaretXY({5, 1});
    e.Cmd(ecDeleteChar);  // line 2 joins line 1
    EXPECT_EQ(e.MarkLines(), (std::vector<int>{1, 3, 4, 7}));
    e.Select({2, 3}, {2, 5});
    e.SetSelectedText("");  // lines 3 to 5 become one
    EXPECT_EQ(e.MarkLines(), (std::vector<int>{1, 3, 3, 5}));
    EXPECT_EQ(Ranges(e), e.FreshRanges());
    e.UndoAll();
    EXPECT_EQ(Ranges(e), e.FreshRanges());
}
