#include "BlockFormat.h"
#include "EditorTestHelpers.h"
#include "TextToolEdit.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct BlockFormatTest : ::testing::Test {
    TCustomBedEdit editor;
    bool marked = false;

    template <class F>
    void Run(F tool) {
        TBedTextToolEdit edit(editor);
        tool(edit);
        marked = marked || edit.Changed();
    }
};

}  // namespace

TEST(BlockFormat, IndentationCountStopsBeforeTheLastCharacter) {
    EXPECT_EQ(IndentationCount(""), 0);
    EXPECT_EQ(IndentationCount("x"), 0);
    EXPECT_EQ(IndentationCount(" "), 0);
    EXPECT_EQ(IndentationCount("   "), 2);
    EXPECT_EQ(IndentationCount("  ab"), 2);
    EXPECT_EQ(IndentationCount("\t ab"), 0);
}

TEST_F(BlockFormatTest, ShiftingRightAndBackRestoresLinesThatHadNoLeadingSpaces) {
    const Lines text = {"a", "", "\tb", "c"};
    Fill(editor, text);
    Run([](auto& e) { ShiftLinesRight(e, 1, 3); });
    Run([](auto& e) { ShiftLinesRight(e, 1, 3); });
    EXPECT_EQ(TextOf(editor), (Lines{"  a", "  ", "  \tb", "c"}));
    Run([](auto& e) { ShiftLinesLeft(e, 1, 3); });
    Run([](auto& e) { ShiftLinesLeft(e, 1, 3); });
    EXPECT_EQ(TextOf(editor), text);
    EXPECT_TRUE(marked);
}

TEST_F(BlockFormatTest, ShiftingLeftTouchesOnlyLinesBeginningWithASpace) {
    Fill(editor, {"  a", "b", "", "\t c"});
    Run([](auto& e) { ShiftLinesLeft(e, 1, 4); });
    EXPECT_EQ(TextOf(editor), (Lines{" a", "b", "", "\t c"}));
    marked = false;
    Fill(editor, {"b", ""});
    Run([](auto& e) { ShiftLinesLeft(e, 1, 2); });
    EXPECT_FALSE(marked);  // nothing changed: the document stays unmodified
}

TEST_F(BlockFormatTest, AligningGivesEveryLineOneSpaceMoreThanTheDeepestIndentation) {
    Fill(editor, {"a", "  b", "    c", "top"});
    Run([](auto& e) { AlignLines(e, 1, 3); });
    EXPECT_EQ(TextOf(editor), (Lines{"     a", "     b", "     c", "top"}));
    Fill(editor, {"x"});
    Run([](auto& e) { AlignLines(e, 1, 1); });
    EXPECT_EQ(TextOf(editor), Lines{" x"});
    // A line of spaces only: its last space is not counted, so it gains one more.
    Fill(editor, {"   ", " y"});
    Run([](auto& e) { AlignLines(e, 1, 2); });
    EXPECT_EQ(TextOf(editor), (Lines{"    ", "   y"}));
}

TEST_F(BlockFormatTest, DeletingALineThatDoesNotExistDoesNothing) {
    Run([](auto& e) { DeleteLine(e, 1); });  // an empty document has no line 1
    EXPECT_EQ(editor.Lines().Count(), 0);
    EXPECT_FALSE(marked);
    Fill(editor, {"a", "b", "c"});
    Run([](auto& e) { DeleteLine(e, 3); });
    EXPECT_EQ(TextOf(editor), (Lines{"a", "b"}));
    Run([](auto& e) { DeleteLine(e, 0); });
    EXPECT_EQ(TextOf(editor), (Lines{"a", "b"}));
}

TEST_F(BlockFormatTest, TextGoesBeforeOrAfterEveryLineOfTheRange) {
    Fill(editor, {"a", "b ", ""});
    Run([](auto& e) { AddToLines(e, "//", true); });
    EXPECT_EQ(TextOf(editor), (Lines{"//a", "//b ", "//"}));
    Run([](auto& e) { AddToLines(e, ";", false, 2, 3); });
    EXPECT_EQ(TextOf(editor), (Lines{"//a", "//b ;", "//;"}));
    marked = false;
    Run([](auto& e) { AddToLines(e, "", true); });
    EXPECT_FALSE(marked);
}

TEST_F(BlockFormatTest, TheHtmlSkeletonGoesAfterTheLastLine) {
    Fill(editor, {""});
    Run([](auto& e) { AppendHtmlHeader(e); });
    EXPECT_EQ(TextOf(editor), (Lines{"", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">", "<HTML>", "<HEAD>",
                                     "<TITLE></TITLE>", "</HEAD>", "<BODY>", "</BODY>", "</HTML>"}));
}

TEST_F(BlockFormatTest, ReadOnlyDocumentsStayAsTheyAre) {
    Fill(editor, {"a"});
    editor.SetReadOnly(true);
    Run([](auto& e) { ShiftLinesRight(e, 1, 1); });
    Run([](auto& e) { AppendHtmlHeader(e); });
    Run([](auto& e) { DeleteLine(e, 1); });
    EXPECT_EQ(TextOf(editor), Lines{"a"});
    EXPECT_FALSE(marked);
}
