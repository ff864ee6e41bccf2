#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(CoreCaret, ClampsToBufferAndLineUnlessPastEolAllowed) {
    TTestEdit e({"abcde", "x"});
    e.SetCaretXY({30, 1});
    EXPECT_EQ(e.CaretXY(), P(30, 1));  // eoScrollPastEol is on by default
    e.SetOptions(e.Options().With(eoScrollPastEol, false));
    EXPECT_EQ(e.CaretXY(), P(6, 1));  // switching it off re-clamps
    e.SetCaretXY({30, 9});
    EXPECT_EQ(e.CaretXY(), P(2, 2));
    e.SetCaretXY({-3, -3});
    EXPECT_EQ(e.CaretXY(), P(1, 1));
    TTestEdit empty;
    empty.SetCaretXY({5, 5});
    EXPECT_EQ(empty.CaretY(), 1);
}

TEST(CoreCaret, VerticalMovesKeepTheColumnOnlyWithKeepCaretX) {
    TTestEdit e({"abcdefgh", "ab", "abcdefgh"});
    e.SetOptions(e.Options().With(eoScrollPastEol, false));
    e.SetCaretX(7);
    e.Cmd(ecDown);
    e.Cmd(ecDown);
    EXPECT_EQ(e.CaretXY(), P(3, 3));
    e.SetOptions(e.Options().With(eoKeepCaretX));
    e.SetCaretXY({1, 1});
    e.SetCaretX(7);
    e.Cmd(ecDown);
    EXPECT_EQ(e.CaretXY(), P(3, 2));
    e.Cmd(ecDown);
    EXPECT_EQ(e.CaretXY(), P(7, 3));
}

// A column block of no width over several lines is a caret on each of them: typing, Backspace
// and Delete act on every line, as one undo step each.
TEST(CoreSelection, AColumnBlockOfNoWidthTypesIntoEachOfItsLines) {
    TTestEdit e({"abc", "d", "efg"});
    e.Select({3, 2}, {3, 2}, smColumn);
    EXPECT_FALSE(e.HasSelection());
    e.Select({3, 1}, {3, 3}, smColumn);
    ASSERT_TRUE(e.HasSelection());
    EXPECT_EQ(e.SelectedText(), "\r\n\r\n");
    e.Type("xy");
    EXPECT_EQ(e.Text(), (Lines{"abxyc", "d xy", "efxyg"}));
    EXPECT_EQ(e.BlockBegin(), P(5, 1));
    EXPECT_EQ(e.BlockEnd(), P(5, 3));
    e.Cmd(ecDeleteLastChar);
    e.Cmd(ecDeleteChar);
    EXPECT_EQ(e.Text(), (Lines{"abx", "d x", "efx"}));
    e.UndoAll();
    EXPECT_EQ(e.Text(), (Lines{"abc", "d", "efg"}));
}

TEST(CoreSelection, SelectedTextInEachMode) {
    TTestEdit e({"abcdefg", "ab", "xyz", "last"});
    e.Select({3, 1}, {6, 2}, smColumn);
    EXPECT_EQ(e.SelectedText(), "cde\r\n   ");
    e.Select({3, 1}, {2, 3});
    EXPECT_EQ(e.SelectedText(), "cdefg\r\nab\r\nx");
    e.Select({6, 2}, {2, 3});  // the anchor stops at the end of its line
    EXPECT_EQ(e.SelectedText(), "\r\nx");
    e.Select({2, 3}, {1, 4}, smLine);
    EXPECT_EQ(e.SelectedText(), "xyz\r\nlast");
    e.Select({1, 2}, {1, 3}, smLine);
    EXPECT_EQ(e.SelectedText(), "ab\r\nxyz\r\n");
}

TEST(CoreSelection, DeletingInEachMode) {
    TTestEdit e({"abcdefg", "ab", "xyz", "last"});
    e.Select({3, 1}, {2, 3});
    e.SetSelectedText("");
    EXPECT_EQ(e.Text(), (Lines{"abyz", "last"}));
    EXPECT_EQ(e.CaretXY(), P(3, 1));

    e.Load({"abcdefg", "ab", "xyz"});
    e.Select({3, 1}, {5, 3}, smColumn);
    e.SetSelectedText("");
    EXPECT_EQ(e.Text(), (Lines{"abefg", "ab", "xy"}));

    e.Load({"1", "2", "3", "4"});
    e.Select({1, 3}, {1, 4}, smLine);
    e.SetSelectedText("");
    EXPECT_EQ(e.Text(), (Lines{"1", "2", ""}));  // the last line stays, emptied
    e.Select({1, 1}, {1, 2}, smLine);
    e.SetSelectedText("");
    EXPECT_EQ(e.Text(), (Lines{""}));
}

TEST(CoreSelection, InsertingInEachMode) {
    TTestEdit e({"abc", "def"});
    e.SetCaretXY({6, 1});
    e.SetSelectedText("x\r\ny\nz");
    EXPECT_EQ(e.Text(), (Lines{"abc  x", "y", "z", "def"}));
    EXPECT_EQ(e.CaretXY(), P(2, 3));

    e.Load({"abc", "def"});
    e.SetCaretXY({2, 2});
    e.SetSelectionMode(smLine);
    e.SetSelectedText("one\r\ntwo\r\n");  // the setter always inserts normally
    EXPECT_EQ(e.Text(), (Lines{"abc", "done", "two", "ef"}));
}

TEST(CoreSelection, WordPositions) {
    TTestEdit e({"hello world", "  next line", "x"});
    e.SetCaretXY({1, 1});
    EXPECT_EQ(e.NextWordPos(), P(7, 1));
    e.SetCaretXY({11, 1});
    EXPECT_EQ(e.NextWordPos(), P(12, 1));
    e.SetCaretXY({12, 1});
    EXPECT_EQ(e.NextWordPos(), P(3, 2));
    e.SetCaretXY({3, 2});
    EXPECT_EQ(e.PrevWordPos(), P(12, 1));
    e.SetCaretXY({5, 2});  // inside the first word: its start, not the line above
    EXPECT_EQ(e.PrevWordPos(), P(3, 2));
    e.SetCaretXY({9, 1});
    EXPECT_EQ(e.PrevWordPos(), P(7, 1));
    e.SetCaretXY({1, 1});
    EXPECT_EQ(e.PrevWordPos(), P(1, 1));
}

TEST(CoreSelection, SelectWordAtUsesClassesWithoutHighlighter) {
    TTestEdit e({"pl\xE1\x9Aov\xFD k\xF9\xF2, a+b"});  // Czech letters are word characters
    e.SelectWordAt({3, 1});
    EXPECT_EQ(e.SelectedText(), "pl\xE1\x9Aov\xFD");
    EXPECT_EQ(e.CaretXY(), P(8, 1));
    e.SelectWordAt({12, 1});  // a comma is a symbol: nothing selected
    EXPECT_FALSE(e.HasSelection());
    e.SelectWordAt({20, 1});  // past the end: caret at the end, nothing selected
    EXPECT_EQ(e.CaretXY(), P(17, 1));
    EXPECT_FALSE(e.HasSelection());
}

TEST(CoreSelection, PointInSelection) {
    TTestEdit e({"abcdef", "abcdef", "abcdef"});
    e.Select({3, 1}, {3, 3});
    EXPECT_FALSE(e.IsPointInSelection({2, 1}));
    EXPECT_TRUE(e.IsPointInSelection({3, 1}));
    EXPECT_TRUE(e.IsPointInSelection({1, 2}));
    EXPECT_FALSE(e.IsPointInSelection({3, 3}));
    e.Select({2, 1}, {4, 3}, smColumn);
    EXPECT_TRUE(e.IsPointInSelection({3, 2}));
    EXPECT_FALSE(e.IsPointInSelection({4, 2}));
    e.SetSelectionMode(smLine);
    EXPECT_TRUE(e.IsPointInSelection({9, 2}));
}

TEST(CoreSelection, StatusChangesWaitForThePaintLock) {
    TTestEdit e({"abc", "def"});
    e.SetWindowSize(20, 80);
    std::vector<TBedStatusChanges> reports;
    e.OnStatusChange = [&](TCustomBedEdit&, TBedStatusChanges c) { reports.push_back(c); };
    e.IncPaintLock();
    e.SetCaretXY({2, 2});
    e.SetInsertMode(false);
    EXPECT_TRUE(reports.empty());
    e.DecPaintLock();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], scCaretX | scCaretY | scInsertMode);
}

TEST(CoreOptions, StoredBitOrderAndDefaultSets) {
    // Settings store the set as a number: the bit order must not move.
    EXPECT_EQ(TBedEditorOptions{eoAltSetsColumnMode}.Bits(), 1);
    EXPECT_EQ(TBedEditorOptions{eoTrimTrailingSpaces}.Bits(), 1 << 14);
    EXPECT_EQ(kBedDefaultEditorOptions.Bits(), 31750);
    EXPECT_EQ(kBedMainEditorOptions.Bits(), 31758);
    TTestEdit e;
    EXPECT_EQ(e.Options(), kBedDefaultEditorOptions);
    EXPECT_EQ(e.MaxLeftChar(), 1024);
    EXPECT_EQ(e.TabWidth(), 8);
    e.SetTabWidth(0);
    EXPECT_EQ(e.TabWidth(), 1);
    e.SetMaxLeftChar(99999);
    EXPECT_EQ(e.MaxLeftChar(), 32767);
}
