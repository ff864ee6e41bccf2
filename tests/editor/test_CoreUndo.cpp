// Each kind of change record: what undo gives back (text, caret, selection) and what redo
// does again.
#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

struct TRoundTrip {
    Lines before, after;
};

// Runs `edit`, checks the record it left, undoes and redoes it.
TRoundTrip RoundTrip(TTestEdit& e, TBedChangeReason reason, const std::function<void()>& edit) {
    TRoundTrip r{e.Text(), {}};
    edit();
    r.after = e.Text();
    EXPECT_TRUE(e.CanUndo());
    if (e.CanUndo()) {
        EXPECT_EQ(e.UndoList().Peek()->Reason, reason);
    }
    e.Undo();
    EXPECT_EQ(e.Text(), r.before);
    return r;
}

void ExpectRedo(TTestEdit& e, const TRoundTrip& r) {
    e.Redo();
    EXPECT_EQ(e.Text(), r.after);
    e.Undo();
    EXPECT_EQ(e.Text(), r.before);
}

}  // namespace

TEST(CoreUndo, InsertionsPutTheCaretAtTheirStart) {
    TTestEdit e({"abcd", "efgh"});
    e.SetCaretXY({3, 1});
    auto r = RoundTrip(e, crInsert, [&] { e.Type("x"); });
    EXPECT_EQ(e.CaretXY(), P(3, 1));
    EXPECT_FALSE(e.HasSelection());
    ExpectRedo(e, r);

    e.clipboard.SetText("P\r\nQ", smNormal);
    e.SetCaretXY({2, 2});
    r = RoundTrip(e, crPaste, [&] { e.Cmd(ecPaste); });
    EXPECT_EQ(e.CaretXY(), P(2, 2));
    ExpectRedo(e, r);

    e.Select({1, 1}, {3, 1});
    r = RoundTrip(e, crDragDropInsert, [&] { e.DropSelection(e, {5, 2}, true, false); });
    ExpectRedo(e, r);
    EXPECT_EQ(e.SelectedText(), "");
}

TEST(CoreUndo, RedoOfOverwriteOverwritesAgain) {
    TTestEdit e({"abcdef"});
    e.SetInsertMode(false);
    e.SetCaretXY({2, 1});
    e.Type("XY");
    EXPECT_EQ(e.Text()[0], "aXYdef");
    e.UndoAll();
    EXPECT_EQ(e.Text()[0], "abcdef");
    e.RedoAll();
    EXPECT_EQ(e.Text()[0], "aXYdef");
    e.UndoAll();
    EXPECT_EQ(e.Text()[0], "abcdef");
}

TEST(CoreUndo, DeletedSelectionsComeBackSelected) {
    TTestEdit e({"abcdef", "ghijkl"});
    e.Select({5, 2}, {2, 1});  // backwards: Backspace records it as a deletion (3)
    auto r = RoundTrip(e, crDelete, [&] { e.Cmd(ecDeleteLastChar); });
    EXPECT_EQ(e.SelectedText(), "bcdef\r\nghij");
    EXPECT_EQ(e.CaretXY(), P(2, 1));
    ExpectRedo(e, r);

    e.Select({2, 1}, {4, 2}, smColumn);
    r = RoundTrip(e, crSelDelete, [&] { e.Cmd(ecDeleteChar); });
    EXPECT_EQ(e.SelectionMode(), smColumn);  // the mode the user had comes back
    EXPECT_EQ(e.SelectedText(), "bc\r\nhi");
    ExpectRedo(e, r);

    e.Select({1, 1}, {1, 2}, smLine);
    r = RoundTrip(e, crSelDelete, [&] { e.Cmd(ecDeleteLastChar); });
    EXPECT_EQ(e.SelectedText(), "abcdef\r\nghijkl");
    ExpectRedo(e, r);
}

TEST(CoreUndo, DeletionsAroundTheCaretPutItBack) {
    TTestEdit e({"abcdef"});
    e.SetSelectionMode(smNormal);
    e.SetCaretXY({4, 1});
    auto r = RoundTrip(e, crDeleteBefore, [&] { e.Cmd(ecDeleteLastChar); });
    EXPECT_EQ(e.CaretXY(), P(3, 1));
    EXPECT_FALSE(e.HasSelection());
    ExpectRedo(e, r);

    e.SetCaretXY({4, 1});
    r = RoundTrip(e, crDeleteAfter, [&] { e.Cmd(ecDeleteChar); });
    EXPECT_EQ(e.CaretXY(), P(4, 1));
    ExpectRedo(e, r);
}

TEST(CoreUndo, LineBreakAndBlockIndentation) {
    TTestEdit e({"abcdef", "  ghi", "jkl"});
    e.SetCaretXY({4, 1});
    auto r = RoundTrip(e, crLineBreak, [&] { e.Cmd(ecLineBreak); });
    EXPECT_EQ(e.CaretXY(), P(4, 1));
    ExpectRedo(e, r);

    e.Select({2, 1}, {3, 3});
    r = RoundTrip(e, crIndent, [&] { e.Cmd(ecBlockIndent); });
    EXPECT_EQ(e.SelFrom(), P(2, 1));
    EXPECT_EQ(e.SelTo(), P(3, 3));
    ExpectRedo(e, r);

    e.Select({1, 2}, {4, 2});
    r = RoundTrip(e, crUnindent, [&] { e.Cmd(ecBlockUnindent); });
    EXPECT_EQ(e.Text()[1], "  ghi");  // the removed spaces are back as a column
    ExpectRedo(e, r);
}

TEST(CoreUndo, GroupsUndoTogetherAndReadOnlyRefusesUndo) {
    TTestEdit e({"one two"});
    e.Select({1, 1}, {4, 1});
    e.Type("1");
    e.Type("2");
    e.Undo();
    EXPECT_EQ(e.Text()[0], "1 two");
    e.Undo();  // deletion and insertion of one keystroke go together
    EXPECT_EQ(e.Text()[0], "one two");
    e.SetReadOnly(true);
    e.Redo();
    EXPECT_EQ(e.Text()[0], "one two");
    e.SetReadOnly(false);
    e.Redo();
    EXPECT_EQ(e.Text()[0], "1 two");
    // The groups survive the trip through the redo list.
    e.Undo();
    EXPECT_EQ(e.Text()[0], "one two");
}

TEST(CoreUndo, ClearingTheBufferForgetsHistory) {
    TTestEdit e({"abc"});
    e.Type("x");
    e.Cmd(ecClearAll);
    EXPECT_FALSE(e.CanUndo());
    EXPECT_FALSE(e.CanRedo());
    EXPECT_EQ(e.CaretXY(), P(1, 1));
    EXPECT_EQ(e.Lines().Count(), 0);
}
