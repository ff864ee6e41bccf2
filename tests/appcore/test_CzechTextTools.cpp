#include "BedTextLetters.h"
#include "CzechTextTools.h"
#include "EditorTestHelpers.h"
#include "KeyboardLayout.h"
#include "TextToolEdit.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct CzechToolsTest : ::testing::Test {
    TCustomBedEdit editor;
    bool marked = false;

    void Case(TBedPoint from, TBedPoint to, TBedSelectionMode mode, TBedCaseChange change) {
        Run([&](TBedTextToolEdit& edit) { ChangeCaseOfBlock(edit, from, to, mode, change); });
    }
    void Plain() {
        Run([](TBedTextToolEdit& edit) { RemoveDiacritics(edit); });
    }
    template <class Tool>
    void Run(Tool tool) {
        TBedTextToolEdit edit(editor);
        tool(edit);
        marked = edit.Changed();
    }
};

}  // namespace

TEST_F(CzechToolsTest, UpperCaseOfOneLineChangesExactlyTheSelectedCharacters) {
    Fill(editor, {Cp(U"ten čeřen tam")});
    Case({5, 1}, {10, 1}, smNormal, TBedCaseChange::Upper);
    EXPECT_EQ(TextOf(editor), Lines{Cp(U"ten ČEŘEN tam")});
    EXPECT_TRUE(marked);
}

TEST_F(CzechToolsTest, ANormalSelectionOverSeveralLinesChangesTheSelectedTextWholeLineMode) {
    const std::string line(70, 'a');
    Fill(editor, {line, line, line, line});
    Case({60, 1}, {3, 3}, smNormal, TBedCaseChange::Upper);  // the end column left of the start
    EXPECT_EQ(TextOf(editor), (Lines{std::string(59, 'a') + std::string(11, 'A'), std::string(70, 'A'),
                                     "AA" + std::string(68, 'a'), line}));
    // Line mode takes the lines whole, whatever the columns.
    Case({5, 3}, {2, 4}, smLine, TBedCaseChange::Upper);
    EXPECT_EQ(TextOf(editor)[2], std::string(70, 'A'));
    EXPECT_EQ(TextOf(editor)[3], std::string(70, 'A'));
}

TEST_F(CzechToolsTest, AColumnBlockConvertsItsRectangleWhicheverWayItWasDragged) {
    Fill(editor, {"abcdef", "ab", "abcdef"});
    Case({2, 1}, {5, 3}, smColumn, TBedCaseChange::Upper);
    // The short line changes up to its end and keeps its length.
    EXPECT_EQ(TextOf(editor), (Lines{"aBCDef", "aB", "aBCDef"}));
    Fill(editor, {"abcdef", "abcdef"});
    Case({5, 1}, {2, 2}, smColumn, TBedCaseChange::Upper);  // anchor right of the end
    EXPECT_EQ(TextOf(editor), (Lines{"aBCDef", "aBCDef"}));
}

TEST_F(CzechToolsTest, SwappedCaseFollowsTheCodePagesPairs) {
    Fill(editor, {Cp(U"aBč1ßµ ŠťŽľĽ")});
    Case({1, 1}, {13, 1}, smNormal, TBedCaseChange::Swap);
    EXPECT_EQ(TextOf(editor), Lines{Cp(U"AbČ1ßµ šŤžĽľ")});
    EXPECT_EQ(BedCp1250SwapCase(0xF7), 0xF7);  // ÷ is a sign
    EXPECT_EQ(BedCp1250SwapCase(0xD7), 0xD7);  // × too
}

TEST_F(CzechToolsTest, NoSelectionChangesNothing) {
    Fill(editor, {"abc"});
    Case({2, 1}, {2, 1}, smNormal, TBedCaseChange::Upper);
    EXPECT_EQ(TextOf(editor), Lines{"abc"});
    EXPECT_FALSE(marked);
}

TEST_F(CzechToolsTest, DiacriticsGoFromTheWholeDocument) {
    Fill(editor, {Cp(U"Příliš žluťoučký kůň"), "", Cp(U"ĎÁBELSKÉ ÓDY"), Cp(U"Ľudo, äô ö")});
    Plain();
    EXPECT_EQ(TextOf(editor), (Lines{"Prilis zlutoucky kun", "", "DABELSKE ODY", "Ludo, ao o"}));
    EXPECT_TRUE(marked);
    marked = false;
    Plain();  // nothing left to change
    EXPECT_FALSE(marked);
}

TEST_F(CzechToolsTest, ToolsLeaveAReadOnlyDocumentAlone) {
    Fill(editor, {Cp(U"čeřen")});
    editor.SetReadOnly(true);
    Plain();
    Case({1, 1}, {6, 1}, smNormal, TBedCaseChange::Upper);
    EXPECT_EQ(TextOf(editor), Lines{Cp(U"čeřen")});
    EXPECT_FALSE(marked);
}

TEST(KeyboardLayout, TheOtherKeyboardMapsEachKeyOnce) {
    const std::string english = "234567890;['";
    const std::string czech = Cp(U"ěščřžýáíéůú§");
    for (size_t i = 0; i < english.size(); ++i) EXPECT_EQ(OtherKeyboardChar(english[i]), czech[i]);
    const std::string czechKeys = Cp(U"ěščřžýáíéůú");
    const std::string signs = "@#$%^&*();[";
    for (size_t i = 0; i < czechKeys.size(); ++i) EXPECT_EQ(OtherKeyboardChar(czechKeys[i]), signs[i]);
    EXPECT_EQ(OtherKeyboardChar('('), '}');
    EXPECT_EQ(OtherKeyboardChar(')'), ']');
    EXPECT_EQ(OtherKeyboardChar('/'), '{');
    for (char c : std::string("1aZy\r\b \xA7@")) EXPECT_EQ(OtherKeyboardChar(c), c) << int(c);
}

TEST(KeyboardLayout, TheRequestIsUsedUpByAnyCharacterAndTheSwapComesAfter) {
    bool next = true;
    EXPECT_EQ(TypedChar('1', next, false), '1');
    EXPECT_FALSE(next);
    EXPECT_EQ(TypedChar('2', next, false), '2');
    next = true;
    EXPECT_EQ(TypedChar('\r', next, false), '\r');
    EXPECT_FALSE(next);
    next = true;
    EXPECT_EQ(TypedChar('y', next, true), 'z');  // the table leaves y, the swap changes it
    EXPECT_EQ(TypedChar('Y', next, true), 'Z');
    EXPECT_EQ(TypedChar('Z', next, true), 'Y');
    EXPECT_EQ(TypedChar('x', next, true), 'x');
}
