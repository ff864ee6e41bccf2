// Lines far longer than the window: the caret reaches their end, the view scrolls there,
// in-place edits give back exactly the bytes undo expects, and the longest line is kept
// without walking all lines.
#include "BedEditGeometry.h"
#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class TWindowEdit : public TTestEdit {
public:
    using TTestEdit::TTestEdit;
    TWindowEdit() { SetWindowSize(30, 80); }
    explicit TWindowEdit(const std::vector<std::string>& text) : TTestEdit(text) { SetWindowSize(30, 80); }
};

std::string LongLine(size_t length) {
    std::string s;
    s.reserve(length);
    for (size_t i = 0; s.size() < length; ++i) s += "slovo" + std::to_string(i % 1000) + ' ';
    s.resize(length);
    s.back() = 'x';  // undo of typing after trailing blanks trims them: not what is tested here
    return s;
}

}  // namespace

// Beyond MaxLeftChar the caret, the selection and the view used to stop at MaxLeftChar, so the
// end of a long line could neither be seen, typed at nor selected.
TEST(LongLines, CaretSelectionAndViewReachTheEndPastMaxLeftChar) {
    for (size_t length : {size_t(1) << 16, (size_t(1) << 24) + 3}) {
        SCOPED_TRACE(length);
        const std::string line = LongLine(length);
        TWindowEdit e({"short", line});
        e.SetOptions(e.Options().With(eoScrollPastEol));
        e.SetMaxLeftChar(32767);
        const int end = int(length) + 1;

        e.SetCaretXY({1, 2});
        e.Cmd(ecLineEnd);
        EXPECT_EQ(e.CaretXY(), P(end, 2));
        EXPECT_EQ(e.WidestColumn(), int(length) + e.CharsInWindow());
        EXPECT_EQ(e.FirstVisibleChar(), end - e.CharsInWindow() + 1);
        e.Type("!");
        EXPECT_EQ(e.CaretXY(), P(end + 1, 2));
        EXPECT_TRUE(e.Lines().Get(1) == line + "!");

        // A short line still lets the caret stand past its end up to MaxLeftChar only.
        e.SetCaretXY({40000, 1});
        EXPECT_EQ(e.CaretXY(), P(32767, 1));

        e.Cmd(ecSelectAll);
        EXPECT_TRUE(e.SelectedText() == "short\r\n" + line + "!");
        e.UndoAll();
        EXPECT_TRUE(e.Text() == (std::vector<std::string>{"short", line}));
    }
}

TEST(LongLines, TypingDeletingAndUndoAtTheEndOfALongLineGiveTheBytesBack) {
    const std::string line = LongLine(300000);
    TWindowEdit e({line, "next"});
    e.SetCaretXY({int(line.size()) + 1, 1});
    e.Type("ab c");
    e.Cmd(ecDeleteLastChar);
    e.SetCaretXY({3, 1});
    e.Cmd(ecDeleteChar);
    e.SetInsertMode(false);
    e.Type("XY");
    // The blank the backspace left at the end goes with the next edit, the line being trimmed.
    std::string expected = line + "ab";
    expected.erase(2, 1);
    expected.replace(2, 2, "XY");
    EXPECT_TRUE(e.Lines().Get(0) == expected);
    e.UndoAll();
    EXPECT_TRUE(e.Text() == (std::vector<std::string>{line, "next"}));
    e.RedoAll();
    EXPECT_TRUE(e.Lines().Get(0) == expected);

    // Blanks typed at the end are trimmed away but the caret stays past them, so that a word
    // typed next gets them back.
    e.SetInsertMode(true);
    e.SetCaretXY({int(expected.size()) + 1, 1});
    e.Type("  ");
    EXPECT_TRUE(e.Lines().Get(0) == expected);
    EXPECT_EQ(e.CaretXY(), P(int(expected.size()) + 3, 1));
    e.Type("z");
    EXPECT_TRUE(e.Lines().Get(0) == expected + "  z");
}

TEST(LongLines, SpliceReportsWhereTheLineChangedAndKeepsItsLength) {
    TBedEditStringList lines;
    lines.Add("abc");
    lines.Add("\tx");
    std::vector<TBedLinesChange> changes;
    lines.OnLinesChange = [&](const TBedLinesChange& c) { changes.push_back(c); };
    lines.Splice(0, 2, 1, "ZZ");
    lines.Splice(0, 99, 0, "!");  // clamped to the end
    lines.Splice(1, 1, 0, "\t");
    EXPECT_EQ(lines.Get(0), "abZZ!");
    EXPECT_EQ(lines.Get(1), "\t\tx");
    EXPECT_EQ(changes, (std::vector<TBedLinesChange>{{TBedLinesChangeKind::Replaced, 0, 1, 2},
                                                     {TBedLinesChangeKind::Replaced, 0, 1, 4},
                                                     {TBedLinesChangeKind::Replaced, 1, 1, 1, 1}}));
    EXPECT_EQ(lines.LongestLineLength(), 17);
    EXPECT_THROW(lines.Splice(2, 0, 0, "x"), EBedEditStringList);
}

// The longest line is kept up as lines change; after any sequence of changes it is what a
// walk over all lines finds.
TEST(LongLines, LongestLineFollowsEveryKindOfChange) {
    std::mt19937 random(19);
    TBedEditStringList lines;
    for (int i = 0; i < 50; ++i) lines.Add(std::string(random() % 40, 'a'));
    auto walk = [&] {
        int longest = 0;
        for (int i = 0; i < lines.Count(); ++i) longest = std::max(longest, int(lines.ExpandedLine(i).size()));
        return longest;
    };
    for (int step = 0; step < 2000; ++step) {
        const int n = lines.Count();
        const int i = n ? int(random() % unsigned(n)) : 0;
        const std::string text(random() % 60, random() % 5 ? 'b' : '\t');
        switch (random() % 7) {
            case 0: lines.Put(i, text); break;
            case 1: lines.Insert(i, text); break;
            case 2:
                if (n > 1) lines.Delete(i);
                break;
            case 3: lines.InsertEmptyLines(i, 2); break;
            case 4:
                if (n) lines.Splice(i, int(random() % 50), int(random() % 30), text.substr(0, 5));
                break;
            case 5:
                if (n > 1) lines.Exchange(i, int(random() % unsigned(n)));
                break;
            case 6:
                if (n > 3) lines.DeleteLines(i, 3);
                break;
        }
        if (step % 7 == 0) {
            ASSERT_EQ(lines.LongestLineLength(), walk()) << step;
        }
    }
}

// The shortcuts for lines without tabs answer what the walks over the line answer.
TEST(LongLines, DisplayColumnsWithAndWithoutTabs) {
    TBedEditStringList lines;
    lines.SetTabWidth(4);
    const std::string far = std::string(70000, 'x') + "\ty\tz";
    for (const std::string& text : {std::string("plain"), std::string("\tab\tc"), far}) {
        lines.Clear();
        lines.Add(text);
        for (int x : {1, 2, 3, 6, 9, 70000, 70001, 70002, 70003, 70010}) {
            EXPECT_EQ(lines.DisplayColumn(0, x), CharPosToDisplayColumn(text, x, 4)) << x;
            // The same by the plain definition, one character at a time.
            int col = 0;
            for (int i = 0; i < x - 1; ++i) col += i < int(text.size()) && text[size_t(i)] == '\t' ? 4 - col % 4 : 1;
            EXPECT_EQ(lines.DisplayColumn(0, x), col + 1) << x;
            EXPECT_EQ(lines.CharPosAtColumns(0, lines.DisplayColumn(0, x) - 1), x) << x;
        }
    }
    TBedGridMetrics g;
    g.charWidth = 9;
    g.firstVisibleChar = 300000000;
    EXPECT_EQ(g.ColumnX(300000010), g.TextLeft() + 90);  // no overflow on the way
}
