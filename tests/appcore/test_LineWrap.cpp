#include "CommandLine.h"
#include "EditorTestHelpers.h"
#include "LineWrap.h"
#include "TextToolEdit.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct WrapTest : ::testing::Test {
    TCustomBedEdit editor;

    Lines Wrap(const Lines& text, int width, int first = 0, int last = -1) {
        Fill(editor, text);
        TBedTextToolEdit edit(editor);
        WrapLines(edit, width, first, last);
        return TextOf(editor);
    }
    void Type(const std::string& text) {
        for (char c : text) {
            editor.CommandProcessor(ecChar, c, nullptr);
            BreakTypedLine(editor, 10);
        }
    }
};

}  // namespace

TEST(BreakPosition, TheLastSpaceWithinTheWidth) {
    EXPECT_EQ(BreakPosition("aaa bbb ccc", 10), 8);
    EXPECT_EQ(BreakPosition("aaa bbb cc ", 10), 8);  // a space in column 11 is not used
    EXPECT_EQ(BreakPosition("aaaaaaaaaaaa", 10), 0);
    EXPECT_EQ(BreakPosition("a\tb\tc", 3), 0);  // only the space breaks
    EXPECT_EQ(BreakPosition(" a", 1), 1);
    EXPECT_EQ(BreakPosition("ab", 5), 0);
}

TEST_F(WrapTest, OverflowIsCarriedIntoTheNextLineWhichWrapsInTurn) {
    EXPECT_EQ(Wrap({"aaa bbb ccc ddd", "eee"}, 10), (Lines{"aaa bbb ", "ccc ddd ", "eee"}));
    // The empty line between paragraphs is filled, as it always was.
    EXPECT_EQ(Wrap({"aaa bbb ccc", "", "ddd"}, 10), (Lines{"aaa bbb ", "ccc ", "ddd"}));
    // Lines longer than the width on average: the overflow flows on into the last line.
    EXPECT_EQ(Wrap({"aaa bbb ccc", "ddd eee fff", "ggg hhh iii"}, 10),
              (Lines{"aaa bbb ", "ccc ddd ", "eee fff ", "ggg hhh ", "iii"}));
    // The last line is split without trimming.
    EXPECT_EQ(Wrap({"aaa bbb ccc ddd eee"}, 10), (Lines{"aaa bbb ", "ccc ddd ", "eee"}));
}

TEST_F(WrapTest, IndentationStaysOnShortLinesOnly) {
    EXPECT_EQ(Wrap({"    aaa bbb", "   short", "x"}, 10), (Lines{"aaa bbb", "   short", "x"}));
    EXPECT_EQ(Wrap({"\taaa bbb ccc\t", "x"}, 10), (Lines{"aaa bbb ", "ccc x"}));
}

TEST_F(WrapTest, AWordLongerThanTheWidthStaysAndCarriesNothingDown) {
    const std::string url = "http://example.org/a/very/long/path";
    EXPECT_EQ(Wrap({url, "next line", "and more"}, 10), (Lines{url, "next line", "and more"}));
    EXPECT_EQ(Wrap({"aaa", url}, 10), (Lines{"aaa", url}));
    // Words that fit still wrap around it.
    EXPECT_EQ(Wrap({"aaa bbb ccc " + url}, 10), (Lines{"aaa bbb ", "ccc ", url}));
}

TEST_F(WrapTest, AWidthOfOneEnds) {
    // No first character is a space once a line is trimmed: nothing can break.
    EXPECT_EQ(Wrap({"ab cd", "e f"}, 1), (Lines{"ab cd", "e f"}));
    EXPECT_EQ(Wrap({" a b"}, 1), (Lines{" ", "a b"}));
}

TEST_F(WrapTest, OnlyTheSelectedLinesWrap) {
    const Lines text = {"aaa bbb ccc", "ddd eee fff", "ggg hhh iii", "jjj"};
    EXPECT_EQ(Wrap(text, 8, 1, 1), (Lines{"aaa bbb ccc", "ddd eee ", "fff", "ggg hhh iii", "jjj"}));
    EXPECT_EQ(Wrap(text, 8, 0, 1), (Lines{"aaa bbb ", "ccc ddd ", "eee fff", "ggg hhh iii", "jjj"}));
}

TEST_F(WrapTest, WidthsOutsideTheRangeAreRefused) {
    const Lines text = {"aaa bbb ccc", "ddd"};
    EXPECT_EQ(Wrap(text, 0), text);
    EXPECT_EQ(Wrap(text, -5), text);
    EXPECT_EQ(ParseWrapWidth("60"), 60);
    EXPECT_EQ(ParseWrapWidth("32767"), 32767);
    for (const char* bad : {"0", "-1", "32768", "99999999999", "abc", ""}) {
        try {
            ParseWrapWidth(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.what(), NotANumberMessage(bad));
        }
    }
}

TEST_F(WrapTest, TypingAtTheEdgeBreaksTheLineAndOneUndoTakesBothBack) {
    Fill(editor, {""});
    Type("hello worl");
    ASSERT_EQ(TextOf(editor), Lines{"hello worl"});
    Type("d");
    EXPECT_EQ(TextOf(editor), (Lines{"hello ", "world"}));
    EXPECT_EQ(editor.CaretXY(), (TBedPoint{6, 2}));
    editor.Undo();
    EXPECT_EQ(TextOf(editor), Lines{"hello worl"});
    EXPECT_EQ(editor.CaretXY(), (TBedPoint{11, 1}));
    editor.Redo();
    EXPECT_EQ(TextOf(editor)[1], "world");
}

TEST_F(WrapTest, TypingAtTheEdgeWithoutASpaceLeavesTheLine) {
    Fill(editor, {""});
    Type("abcdefghijk");
    EXPECT_EQ(TextOf(editor), Lines{"abcdefghijk"});
}

TEST_F(WrapTest, NoBreakWithoutATypedCharacterAtTheEdge) {
    Fill(editor, {"hello world"});
    editor.SetCaretXY({12, 1});
    EXPECT_FALSE(BreakTypedLine(editor, 10));  // no typing record behind the caret
    Fill(editor, {""});
    Type("hello worl");
    editor.SetReadOnly(true);
    editor.CommandProcessor(ecChar, 'd', nullptr);
    EXPECT_FALSE(BreakTypedLine(editor, 10));
}
