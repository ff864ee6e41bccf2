#include "EditorTestHelpers.h"
#include "TextToolEdit.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct TextToolEditTest : ::testing::Test {
    TCustomBedEdit editor;
    int marked = 0;
    TBedTextToolEdit Edit() { return TBedTextToolEdit(editor, [this] { ++marked; }); }

    void TypeAbc() {
        Fill(editor, {"", "second"});
        for (char c : std::string("abc")) editor.CommandProcessor(ecChar, c, nullptr);
        ASSERT_TRUE(editor.CanUndo());
    }
};

}  // namespace

TEST_F(TextToolEditTest, AChangedLineFlagsTheDocumentAndDropsTheUndoRecords) {
    TypeAbc();
    editor.Undo();
    ASSERT_TRUE(editor.CanRedo());
    editor.SetModified(false);
    {
        TBedTextToolEdit edit = Edit();
        EXPECT_FALSE(edit.Refused());
        EXPECT_TRUE(edit.Put(1, "SECOND"));
        EXPECT_EQ(marked, 0);  // once, at the end of the run
    }
    EXPECT_EQ(marked, 1);
    EXPECT_TRUE(editor.Modified());
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.CanRedo());
    // Undo can no longer take the moved positions of old records to the text.
    editor.Undo();
    EXPECT_EQ(TextOf(editor), (std::vector<std::string>{"ab", "SECOND"}));
}

TEST_F(TextToolEditTest, ARunThatChangesNothingLeavesUndoAndTheFlagAlone) {
    TypeAbc();
    editor.SetModified(false);
    {
        TBedTextToolEdit edit = Edit();
        EXPECT_FALSE(edit.Put(1, "second"));  // the same text is no change
        EXPECT_FALSE(edit.Changed());
    }
    EXPECT_EQ(marked, 0);
    EXPECT_FALSE(editor.Modified());
    EXPECT_TRUE(editor.CanUndo());
}

TEST_F(TextToolEditTest, InsertsAndDeletesCountAsChanges) {
    Fill(editor, {"a", "b"});
    {
        TBedTextToolEdit edit = Edit();
        edit.Insert(1, "between");
        edit.Add("end");
        edit.Delete(0);
    }
    EXPECT_EQ(TextOf(editor), (std::vector<std::string>{"between", "b", "end"}));
    EXPECT_EQ(marked, 1);
}

TEST_F(TextToolEditTest, AReadOnlyDocumentIsRefusedAndStaysAsItIs) {
    TypeAbc();
    editor.SetReadOnly(true);
    {
        TBedTextToolEdit edit = Edit();
        EXPECT_TRUE(edit.Refused());
        EXPECT_FALSE(edit.Put(0, "changed"));
        edit.Insert(0, "x");
        edit.Add("y");
        edit.Delete(0);
    }
    EXPECT_EQ(TextOf(editor), (std::vector<std::string>{"abc", "second"}));
    EXPECT_EQ(marked, 0);
    EXPECT_TRUE(editor.CanUndo());
}

TEST_F(TextToolEditTest, ARunLeftByAnErrorStillFlagsWhatItChanged) {
    Fill(editor, {"a"});
    EXPECT_THROW(
        {
            TBedTextToolEdit edit = Edit();
            edit.Put(0, "b");
            edit.Put(5, "no such line");
        },
        std::runtime_error);
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(TextOf(editor), std::vector<std::string>{"b"});
}

TEST_F(TextToolEditTest, TheSelectionCollapsesAtTheCaretOnceTheRunEnds) {
    Fill(editor, {"one", "two"});
    editor.SetCaretXY({2, 2});
    editor.SetSelFrom({1, 1});
    editor.SetSelTo({2, 2});
    {
        TBedTextToolEdit edit = Edit();
        edit.Put(0, "ONE");
    }
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.CaretXY(), (TBedPoint{2, 2}));
}
