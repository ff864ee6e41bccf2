#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

const Lines kText{"abcdef", "ghijkl", "mnopqr", "stuvwx"};

}  // namespace

TEST(CoreClipboard, CopyAndCutCarryTheMode) {
    TTestEdit e(kText);
    e.Select({2, 1}, {4, 2}, smColumn);
    e.Cmd(ecCopy);
    auto c = e.clipboard.GetText();
    ASSERT_TRUE(c && c->mode);
    EXPECT_EQ(*c->mode, smColumn);
    EXPECT_EQ(c->text, "bc\r\nhi");
    e.Cmd(ecCut);
    EXPECT_EQ(e.Text(), (Lines{"adef", "gjkl", "mnopqr", "stuvwx"}));
    e.Undo();
    EXPECT_EQ(e.Text(), kText);
}

// Every kind of block goes into every kind of selection, and undo takes it out again.
TEST(CoreClipboard, PasteEachBlockTypeIntoEachSelectionMode) {
    struct Case {
        std::optional<TBedSelectionMode> block;
        const char* text;
        TBedSelectionMode selection;
        Lines expected;
    };
    const std::vector<Case> cases = {
        {smNormal, "X\r\nY", smNormal, {"aX", "Ydef", "ghijkl", "mnopqr", "stuvwx"}},
        {smNormal, "X\r\nY", smColumn, {"adef", "gX", "Yjkl", "mnopqr", "stuvwx"}},
        {smNormal, "X\r\nY", smLine, {"X", "Ymnopqr", "stuvwx"}},
        {smLine, "L1\r\nL2\r\n", smNormal, {"L1", "L2", "adef", "ghijkl", "mnopqr", "stuvwx"}},
        {smLine, "L1\r\nL2\r\n", smColumn, {"adef", "L1", "L2", "gjkl", "mnopqr", "stuvwx"}},
        {smLine, "L1\r\nL2\r\n", smLine, {"L1", "L2", "mnopqr", "stuvwx"}},
        {smColumn, "12\r\n34", smNormal, {"a12def", "g34hijkl", "mnopqr", "stuvwx"}},
        {smColumn, "12\r\n34", smColumn, {"adef", "g12jkl", "m34nopqr", "stuvwx"}},
        {smColumn, "12\r\n34", smLine, {"12mnopqr", "34stuvwx"}},
        {std::nullopt, "P\r\nQ", smNormal, {"aP", "Qdef", "ghijkl", "mnopqr", "stuvwx"}},
    };
    for (const auto& c : cases) {
        TTestEdit e(kText);
        if (c.block)
            e.clipboard.SetText(c.text, *c.block);
        else
            e.clipboard.SetPlainText(c.text);
        // Normal: "bc" of line 1; column: columns 2..3 of lines 1..2 (a column deletion
        // leaves the caret on the line where the selection ended); line: lines 1..2.
        if (c.selection == smNormal) e.Select({2, 1}, {4, 1});
        if (c.selection == smColumn) e.Select({2, 1}, {4, 2}, smColumn);
        if (c.selection == smLine) e.Select({1, 1}, {1, 2}, smLine);
        e.Cmd(ecPaste);
        EXPECT_EQ(e.Text(), c.expected) << c.text << " into mode " << int(c.selection);
        e.Undo();
        EXPECT_EQ(e.Text(), kText) << c.text << " into mode " << int(c.selection);
        e.Redo();
        EXPECT_EQ(e.Text(), c.expected) << "redo of " << c.text << " into " << int(c.selection);
    }
}

TEST(CoreClipboard, LinePasteGoesBeforeTheCaretLineAndColumnBelowTheEnd) {
    TTestEdit e({"1", "2", "3", "4", "5", "6"});
    e.clipboard.SetText("a\r\nb\r\n", smLine);
    e.SetCaretXY({1, 5});
    e.SetCaretX(1);
    e.Cmd(ecPaste);
    EXPECT_EQ(e.Text(), (Lines{"1", "2", "3", "4", "a", "b", "5", "6"}));
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"1", "2", "3", "4", "5", "6"}));

    e.Load({"ab"});
    e.clipboard.SetText("x\r\ny\r\nz", smColumn);
    e.SetCaretXY({2, 1});
    e.Cmd(ecPaste);
    EXPECT_EQ(e.Text(), (Lines{"axb", " y", " z"}));
    EXPECT_EQ(e.CaretXY(), P(2, 3));  // below the block, clamped to the last line
    e.Undo();
    EXPECT_EQ(e.Text(), (Lines{"ab"}));
}

TEST(CoreClipboard, LossyPasteIsReportedOncePerPaste) {
    TTestEdit e({""});
    int told = 0;
    e.OnPasteUnrepresentable = [&](TCustomBedEdit&) { ++told; };
    e.clipboard.SetPlainText("a?b?", true);
    e.Cmd(ecPaste);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(e.Text()[0], "a?b?");
    e.clipboard.SetPlainText("ok");
    e.Cmd(ecPaste);
    EXPECT_EQ(told, 1);
}

TEST(CoreClipboard, FailingClipboardLeavesTextAndUndoAlone) {
    struct TBroken : TBedEditClipboard {
        void SetText(const std::string&, TBedSelectionMode) override {
            throw EBedEditError("Clipboard copy operation failed");
        }
        std::optional<TBedClipboardText> GetText() override {
            throw EBedEditError("Clipboard paste operation failed.");
        }
    } broken;
    TTestEdit e(kText);
    e.SetClipboard(&broken);
    e.Select({2, 1}, {4, 1});
    EXPECT_THROW(e.Cmd(ecCut), EBedEditError);
    EXPECT_THROW(e.Cmd(ecPaste), EBedEditError);
    EXPECT_EQ(e.Text(), kText);
    EXPECT_FALSE(e.CanUndo());
    EXPECT_EQ(e.PaintLockCount(), 0);
}

TEST(CoreDragDrop, MoveCopyAndDropFromAnotherEditor) {
    TTestEdit e({"hello world"});
    e.Select({1, 1}, {6, 1});
    e.DropSelection(e, {3, 1}, false, false);  // inside the selection: nothing
    EXPECT_EQ(e.Text()[0], "hello world");
    e.DropSelection(e, {12, 1}, false, false);
    EXPECT_EQ(e.Text()[0], " worldhello");
    EXPECT_EQ(e.SelectedText(), "hello");
    EXPECT_EQ(e.CaretXY(), P(7, 1));
    e.Undo();
    EXPECT_EQ(e.Text()[0], "hello world");
    e.Select({1, 1}, {6, 1});
    e.DropSelection(e, {12, 1}, true, false);  // Ctrl copies
    EXPECT_EQ(e.Text()[0], "hello worldhello");

    TTestEdit source({"from here"});
    source.Select({6, 1}, {10, 1});
    e.DropSelection(source, {1, 1}, false, true);  // Shift moves from the other editor
    EXPECT_EQ(e.Text()[0], "herehello worldhello");
    EXPECT_EQ(source.Text()[0], "from");
    source.Undo();
    EXPECT_EQ(source.Text()[0], "from here");
}

TEST(CoreClipboard, SystemClipboardConversions) {
    const auto block = bedclip::DecodeBlock(bedclip::EncodeBlock("a\r\nb", smColumn));
    EXPECT_EQ(block.mode, smColumn);
    EXPECT_EQ(block.text, "a\r\nb");
    EXPECT_THROW(bedclip::DecodeBlock(""), EBedEditError);
    EXPECT_THROW(bedclip::DecodeBlock("\x07x"), EBedEditError);

    bool lossy = true;
    EXPECT_EQ(bedclip::FromUnicode(U"\u010Dap\u20AC", lossy),
              "\xE8"
              "ap\x80");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(bedclip::FromUnicode(U"a\u6F22b\U0001F600", lossy), "a?b?");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(bedclip::ToUnicode("\x8A\xE8"), U"\u0160\u010D");
}

TEST(CoreClipboard, EditorsWithoutTheirOwnShareTheDefault) {
    TBedEditMemoryClipboard system;
    TCustomBedEdit::SetDefaultClipboard(&system);
    TCustomBedEdit a, b;
    a.Lines().Add("shared");
    b.Lines().Add("");
    a.SelectAll();
    a.CopySelectionToClipboard();
    b.PasteClipboardText();
    EXPECT_EQ(b.Lines().Get(0), "shared");
    EXPECT_EQ(system.GetText()->text, "shared");
    TCustomBedEdit::SetDefaultClipboard(nullptr);
}
