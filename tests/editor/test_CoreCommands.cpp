#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(CoreTyping, InsertAndOverwriteRecordWhatTheyReplace) {
    TTestEdit e({"abc"});
    e.SetCaretXY({2, 1});
    e.Type("X");
    EXPECT_EQ(e.Text(), (Lines{"aXbc"}));
    EXPECT_EQ(e.CaretXY(), P(3, 1));
    const TBedEditUndoItem* r = e.UndoList().Peek();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Reason, crInsert);
    EXPECT_EQ(r->Start, P(2, 1));
    EXPECT_EQ(r->End, P(3, 1));
    EXPECT_EQ(r->Text, "");

    e.SetInsertMode(false);
    e.Type("YZW");
    EXPECT_EQ(e.Text(), (Lines{"aXYZW"}));
    EXPECT_EQ(e.UndoList().Peek()->Text, "");  // past the old end nothing was replaced
    e.Undo();
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"aXYc"}));
    EXPECT_EQ(e.UndoList().Peek()->Text, "b");
}

TEST(CoreTyping, PastTheEndPadsAndTrailingSpaceIsTrimmed) {
    TTestEdit e({"abc"});
    e.SetCaretXY({6, 1});
    e.Type("x");
    EXPECT_EQ(e.Text(), (Lines{"abc  x"}));
    e.SetCaretXY({7, 1});
    e.Type(" ");
    EXPECT_EQ(e.Text(), (Lines{"abc  x"}));
    EXPECT_EQ(e.CaretXY(), P(8, 1));
    e.Cmd(ecChar, '\t');  // control characters are not typed
    e.Cmd(ecChar, char(127));
    EXPECT_EQ(e.Text(), (Lines{"abc  x"}));

    // Without trimming the padding stays in the text, and undo takes it away with the typing.
    e.SetOptions(e.Options().With(eoTrimTrailingSpaces, false));
    e.Load({"ab"});
    e.SetCaretXY({5, 1});
    e.Type("x");
    EXPECT_EQ(e.Text(), (Lines{"ab  x"}));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"ab"}));
    e.Redo();
    EXPECT_EQ(e.Text(), (Lines{"ab  x"}));
}

TEST(CoreTyping, OverSelectionIsOneUndoStep) {
    TTestEdit e({"hello world"});
    e.Select({1, 1}, {6, 1});
    e.Type("J");
    EXPECT_EQ(e.Text(), (Lines{"J world"}));
    ASSERT_EQ(e.UndoList().Count(), 2);
    EXPECT_EQ(e.UndoList().Item(0).Reason, crSelDelete);
    EXPECT_EQ(e.UndoList().Item(0).Group, e.UndoList().Item(1).Group);
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"hello world"}));
    EXPECT_EQ(e.SelectedText(), "hello");
}

TEST(CoreTyping, ImeStringReplacesAsManyCharactersInOverwrite) {
    TTestEdit e({"abcdef"});
    e.SetCaretXY({2, 1});
    e.SetInsertMode(false);
    std::string s = "XY";
    e.Cmd(ecImeStr, 0, &s);
    EXPECT_EQ(e.Text(), (Lines{"aXYdef"}));
    EXPECT_EQ(e.UndoList().Peek()->Text, "bc");
    EXPECT_EQ(e.CaretXY(), P(4, 1));
}

TEST(CoreDeleting, BackspaceCases) {
    TTestEdit e({"ab", "cd"});
    e.SetCaretXY({1, 1});
    e.Cmd(ecDeleteLastChar);
    EXPECT_EQ(e.UndoList().Count(), 0);
    e.SetCaretXY({1, 2});
    e.Cmd(ecDeleteLastChar);
    EXPECT_EQ(e.Text(), (Lines{"abcd"}));
    EXPECT_EQ(e.CaretXY(), P(3, 1));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"ab", "cd"}));
    EXPECT_EQ(e.CaretXY(), P(3, 1));
    e.SetCaretXY({9, 1});  // far past the end: only the caret moves
    e.Cmd(ecDeleteLastChar);
    EXPECT_EQ(e.CaretXY(), P(8, 1));
    EXPECT_EQ(e.Text(), (Lines{"ab", "cd"}));
}

TEST(CoreDeleting, BackspaceUnindentsToThePreviousLevel) {
    TTestEdit e({"    a", "        b"});
    e.SetCaretXY({9, 2});
    e.Cmd(ecDeleteLastChar);
    EXPECT_EQ(e.Text(), (Lines{"    a", "    b"}));
    EXPECT_EQ(e.CaretXY(), P(5, 2));
    e.Cmd(ecDeleteLastChar);  // no less indented line above: all of it
    EXPECT_EQ(e.Text(), (Lines{"    a", "b"}));
}

TEST(CoreDeleting, DeleteJoinsAndWordAndLineDeletions) {
    TTestEdit e({"ab", "cd"});
    e.SetCaretXY({5, 1});
    e.Cmd(ecDeleteChar);
    EXPECT_EQ(e.Text(), (Lines{"ab  cd"}));
    e.Cmd(ecDeleteChar);
    EXPECT_EQ(e.Text(), (Lines{"ab  d"}));

    e.Load({"one two three"});
    e.SetCaretXY({5, 1});
    e.Cmd(ecDeleteWord);
    EXPECT_EQ(e.Text(), (Lines{"one three"}));
    e.Cmd(ecDeleteLastWord);
    EXPECT_EQ(e.Text(), (Lines{"three"}));
    e.SetCaretXY({3, 1});
    e.Cmd(ecDeleteEOL);
    EXPECT_EQ(e.Text(), (Lines{"th"}));
    e.Cmd(ecDeleteBOL);
    EXPECT_EQ(e.Text(), (Lines{""}));
    e.UndoAll();
    EXPECT_EQ(e.Text(), (Lines{"one two three"}));
}

TEST(CoreDeleting, DeleteLineAndItsUndoAnywhere) {
    TTestEdit e({"only"});
    e.SetCaretXY({3, 1});
    e.Cmd(ecDeleteLine);
    EXPECT_EQ(e.Text(), (Lines{""}));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"only"}));
    e.Redo();
    EXPECT_EQ(e.Text(), (Lines{""}));

    e.Load({"a", "b", "c"});
    e.SetCaretXY({1, 3});
    e.Cmd(ecDeleteLine);
    EXPECT_EQ(e.Text(), (Lines{"a", "b"}));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"a", "b", "c"}));
    e.SetCaretXY({1, 2});
    e.Cmd(ecDeleteLine);
    EXPECT_EQ(e.Text(), (Lines{"a", "c"}));
    EXPECT_EQ(e.CaretXY(), P(1, 2));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"a", "b", "c"}));
}

TEST(CoreLineBreak, SplitsWithAutoIndent) {
    TTestEdit e({"    abc"});
    e.SetCaretXY({6, 1});
    e.Cmd(ecLineBreak);
    EXPECT_EQ(e.Text(), (Lines{"    a", "    bc"}));
    EXPECT_EQ(e.CaretXY(), P(5, 2));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"    abc"}));

    e.SetCaretXY({6, 1});
    e.Cmd(ecInsertLine);
    EXPECT_EQ(e.Text(), (Lines{"    a", "    bc"}));
    EXPECT_EQ(e.CaretXY(), P(6, 1));

    e.Load({"  x", ""});
    e.SetCaretXY({1, 2});
    e.Cmd(ecLineBreak);  // empty line: indentation of the nearest text above
    EXPECT_EQ(e.Text(), (Lines{"  x", "", ""}));
    EXPECT_EQ(e.CaretXY(), P(3, 3));

    e.Load({"abc"});
    e.SetCaretXY({1, 1});
    e.Cmd(ecLineBreak);
    EXPECT_EQ(e.Text(), (Lines{"", "abc"}));
    EXPECT_EQ(e.CaretXY(), P(1, 2));
}

TEST(CoreLineBreak, UndoRestoresBlanksTrimmedBeforeTheBreak) {
    TTestEdit e({"ab  cd", "    abc"});
    e.SetCaretXY({5, 1});
    e.Cmd(ecLineBreak);
    EXPECT_EQ(e.Text()[0], "ab");
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"ab  cd", "    abc"}));
    e.SetCaretXY({3, 2});  // inside the indentation
    e.Cmd(ecLineBreak);
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"ab  cd", "    abc"}));
}

TEST(CoreTab, SmartAndPlainWidths) {
    TTestEdit e({"ab"});
    e.SetCaretXY({3, 1});
    e.Cmd(ecTab);
    EXPECT_EQ(e.CaretXY(), P(9, 1));     // to the next tab stop: 6 columns
    EXPECT_EQ(e.Text(), (Lines{"ab"}));  // trailing spaces trimmed
    e.Load({"int  value;", "x"});
    e.SetCaretXY({2, 2});
    e.Cmd(ecTab);  // under "nt  " of the line above: to the start of its next word
    EXPECT_EQ(e.CaretXY(), P(6, 2));
    e.Type("v");
    EXPECT_EQ(e.Text()[1], "x    v");
}

TEST(CoreBlockIndent, IndentAndUnindentKeepTheSelection) {
    TTestEdit e({"a", "  b", "c"});
    e.Select({1, 1}, {1, 3});
    e.Cmd(ecBlockIndent);
    EXPECT_EQ(e.Text(), (Lines{"        a", "          b", "c"}));
    EXPECT_EQ(e.SelFrom(), P(9, 1));
    EXPECT_EQ(e.SelTo(), P(1, 3));
    e.Cmd(ecBlockUnindent);
    e.Cmd(ecBlockUnindent);
    EXPECT_EQ(e.Text(), (Lines{"a", "b", "c"}));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"a", "  b", "c"}));
    e.Undo();
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"a", "  b", "c"}));
    e.RedoAll();
    EXPECT_EQ(e.Text(), (Lines{"a", "b", "c"}));
}

TEST(CoreMovement, SelectingTwinsExtendFromTheOldCaret) {
    TTestEdit e({"abc def", "ghi"});
    e.SetOptions(e.Options().With(eoScrollPastEol, false));
    e.SetCaretXY({2, 1});
    e.Cmd(ecSelWordRight);
    EXPECT_EQ(e.SelectedText(), "bc ");
    e.Cmd(ecSelDown);
    EXPECT_EQ(e.SelectedText(), "bc def\r\nghi");
    e.Cmd(ecUp);
    EXPECT_FALSE(e.HasSelection());
    EXPECT_EQ(e.CaretXY(), P(4, 1));
    e.Cmd(ecLineEnd);
    e.Cmd(ecRight);  // wraps to the next line without eoScrollPastEol
    EXPECT_EQ(e.CaretXY(), P(1, 2));
    e.Cmd(ecLeft);
    EXPECT_EQ(e.CaretXY(), P(8, 1));
    e.Cmd(ecSelEditorBottom);
    EXPECT_EQ(e.SelectedText(), "\r\nghi");
    e.Cmd(ecSelectAll);
    EXPECT_EQ(e.SelectedText(), "abc def\r\nghi");
    TBedPoint p{3, 1};
    e.Cmd(ecGotoXY, 0, &p);
    EXPECT_EQ(e.CaretXY(), p);
}

TEST(CoreMovement, PagesMoveTopLineAndCaret) {
    std::vector<std::string> text(100, "x");
    TTestEdit e(text);
    e.SetWindowSize(10, 40);
    e.Cmd(ecPageDown);
    EXPECT_EQ(e.FirstVisibleLine(), 11);
    EXPECT_EQ(e.CaretY(), 11);
    e.SetOptions(e.Options().With(eoHalfPageScroll));
    e.Cmd(ecPageDown);
    EXPECT_EQ(e.CaretY(), 16);
    e.Cmd(ecPageBottom);
    EXPECT_EQ(e.CaretY(), e.FirstVisibleLine() + 9);
    e.Cmd(ecScrollDown);
    e.Cmd(ecScrollUp);
    e.Cmd(ecScrollUp);
    EXPECT_LE(e.CaretY(), e.FirstVisibleLine() + 9);
    e.Cmd(ecEditorBottom);
    EXPECT_EQ(e.FirstVisibleLine(), 91);
}

TEST(CoreMatchBracket, AcrossLinesAndNesting) {
    TTestEdit e({"f(a(b)", "  [x] )", "}"});
    e.SetCaretXY({2, 1});
    e.Cmd(ecMatchBracket);
    EXPECT_EQ(e.CaretXY(), P(7, 2));
    e.Cmd(ecMatchBracket);
    EXPECT_EQ(e.CaretXY(), P(2, 1));
    e.SetCaretXY({1, 3});  // no partner
    e.Cmd(ecMatchBracket);
    EXPECT_EQ(e.CaretXY(), P(1, 3));
}

TEST(CoreModes, ModeCommandsAndReadOnly) {
    TTestEdit e({"abc"});
    e.Cmd(ecToggleMode);
    EXPECT_FALSE(e.InsertMode());
    e.Cmd(ecInsertMode);
    EXPECT_TRUE(e.InsertMode());
    e.Cmd(ecColumnSelect);
    EXPECT_EQ(e.SelectionMode(), smColumn);
    e.Cmd(ecLineSelect);
    EXPECT_EQ(e.SelectionMode(), smLine);
    e.SetReadOnly(true);
    e.Type("x");
    e.Cmd(ecDeleteLine);
    e.Cmd(ecClearAll);
    EXPECT_EQ(e.Text(), (Lines{"abc"}));
    e.Cmd(ecRight);
    EXPECT_EQ(e.CaretX(), 2);  // movement still works
}

TEST(CoreChange, OnChangeFiresForRecordsOnly) {
    TTestEdit e({"abc"});
    int changes = 0;
    e.OnChange = [&] { ++changes; };
    e.Lines().Add("direct");
    EXPECT_EQ(changes, 0);
    e.Type("x");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(e.Modified());
    e.Undo();
    EXPECT_EQ(changes, 2);  // the redo record
    EXPECT_FALSE(e.Modified());
    e.Redo();
    EXPECT_TRUE(e.CanUndo());
    e.Undo();
    e.Type("y");  // a new edit empties the redo list
    EXPECT_FALSE(e.CanRedo());
}

TEST(CoreChange, MaxUndoKeepsTheTextModified) {
    TTestEdit e({""});
    e.SetMaxUndo(2);
    e.Type("abc");
    e.UndoAll();
    EXPECT_EQ(e.Text(), (Lines{"a"}));
    EXPECT_TRUE(e.Modified());
    e.SetMaxUndo(-1);
    EXPECT_EQ(e.MaxUndo(), 2);
}

TEST(CoreBookmarks, ToggleOnePerLineAndFollowLines) {
    TTestEdit e({"a", "b", "c", "d"});
    e.SetCaretXY({1, 2});
    e.Cmd(ecSetMarker1);
    int x = 0, y = 0;
    ASSERT_TRUE(e.GetBookmark(1, x, y));
    e.Cmd(ecSetMarker1);
    EXPECT_FALSE(e.GetBookmark(1, x, y));
    e.Cmd(ecSetMarker1);
    e.Cmd(ecSetMarker2);  // same line: bookmark 1 goes
    EXPECT_FALSE(e.GetBookmark(1, x, y));
    EXPECT_EQ(e.Marks().Count(), 1);

    e.SetCaretXY({1, 1});
    e.Cmd(ecLineBreak);
    ASSERT_TRUE(e.GetBookmark(2, x, y));
    EXPECT_EQ(y, 3);
    e.SetCaretXY({1, 1});
    e.Cmd(ecDeleteLine);
    e.GetBookmark(2, x, y);
    EXPECT_EQ(y, 2);
    e.Select({1, 1}, {1, 3});
    e.SetSelectedText("");  // the marked line joins the first one
    e.GetBookmark(2, x, y);
    EXPECT_EQ(y, 1);
    e.SetCaretXY({1, 2});
    e.Cmd(ecGotoMarker2);
    EXPECT_EQ(e.CaretY(), 1);
    bool vetoed = false;
    e.OnPlaceBookmark = [&](TCustomBedEdit&, std::unique_ptr<TBedEditMark>& m) {
        vetoed = true;
        m.reset();
    };
    e.PlaceBookmark(5, 1, 1);
    EXPECT_TRUE(vetoed);
    EXPECT_FALSE(e.GetBookmark(5, x, y));
}
