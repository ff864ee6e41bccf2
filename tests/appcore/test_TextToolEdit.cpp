#include "EditorTestHelpers.h"
#include "TextToolEdit.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Lines = std::vector<std::string>;

struct TextToolEditTest : ::testing::Test {
    TCustomBedEdit editor;
    int changes = 0;

    void SetUp() override {
        editor.OnChange = [this] { ++changes; };
    }
    void TypeAbc() {
        Fill(editor, {"", "second"});
        for (char c : std::string("abc")) editor.CommandProcessor(ecChar, c, nullptr);
        ASSERT_TRUE(editor.CanUndo());
        changes = 0;
    }
};

}  // namespace

TEST_F(TextToolEditTest, ARunIsOneUndoStepAndOneRedoStepBackToTheSavedText) {
    TypeAbc();
    editor.SetModified(false);
    editor.SetCaretXY({2, 2});
    {
        TBedTextToolEdit edit(editor);
        EXPECT_FALSE(edit.Refused());
        EXPECT_TRUE(edit.Put(1, "SECOND"));
        edit.Insert(1, "between");
        edit.Add("end");
        edit.Delete(0);
        EXPECT_EQ(changes, 0);  // once, at the end of the run
        editor.SetCaretXY({1, 3});
    }
    const Lines after = {"between", "SECOND", "end"};
    EXPECT_EQ(TextOf(editor), after);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(editor.Modified());
    editor.Undo();
    EXPECT_EQ(TextOf(editor), (Lines{"abc", "second"}));
    EXPECT_EQ(editor.CaretXY(), (TBedPoint{2, 2}));
    EXPECT_FALSE(editor.Modified());
    editor.Redo();
    EXPECT_EQ(TextOf(editor), after);
    EXPECT_EQ(editor.CaretXY(), (TBedPoint{1, 3}));
    EXPECT_TRUE(editor.Modified());
    // The typing before the run is still there to undo, on the text it was typed into.
    while (editor.CanUndo()) editor.Undo();
    EXPECT_EQ(TextOf(editor), (Lines{"", "second"}));
    EXPECT_TRUE(editor.Modified());
}

TEST_F(TextToolEditTest, ARunThatChangesNothingRecordsNothing) {
    TypeAbc();
    editor.SetModified(false);
    {
        TBedTextToolEdit edit(editor);
        EXPECT_FALSE(edit.Put(1, "second"));  // the same text is no change
        EXPECT_FALSE(edit.Changed());
    }
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(editor.UndoList().Count(), 3);
}

TEST_F(TextToolEditTest, AReadOnlyDocumentIsRefusedAndStaysAsItIs) {
    TypeAbc();
    editor.SetReadOnly(true);
    {
        TBedTextToolEdit edit(editor);
        EXPECT_TRUE(edit.Refused());
        EXPECT_FALSE(edit.Put(0, "changed"));
        edit.Insert(0, "x");
        edit.Add("y");
        edit.Delete(0);
    }
    EXPECT_EQ(TextOf(editor), (Lines{"abc", "second"}));
    EXPECT_EQ(changes, 0);
}

TEST_F(TextToolEditTest, ARunLeftByAnErrorStillRecordsWhatItChanged) {
    Fill(editor, {"a"});
    EXPECT_THROW(
        {
            TBedTextToolEdit edit(editor);
            edit.Put(0, "b");
            edit.Put(5, "no such line");
        },
        std::runtime_error);
    EXPECT_EQ(TextOf(editor), Lines{"b"});
    editor.Undo();
    EXPECT_EQ(TextOf(editor), Lines{"a"});
}

TEST_F(TextToolEditTest, TheSelectionCollapsesAtTheCaretOnceTheRunEnds) {
    Fill(editor, {"one", "two"});
    editor.SetCaretXY({2, 2});
    editor.SetSelFrom({1, 1});
    editor.SetSelTo({2, 2});
    {
        TBedTextToolEdit edit(editor);
        edit.Put(0, "ONE");
    }
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.CaretXY(), (TBedPoint{2, 2}));
}
