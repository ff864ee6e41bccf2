// What a screen reader gets from the widget through Qt's accessibility interfaces (what it is
// told of changes is tested with the text offsets).
#include "BedEdit.h"

#include <QAccessible>

#include <gtest/gtest.h>

TEST(Accessible, TextCaretSelectionAndLines) {
    TBedEdit edit;
    edit.resize(300, 200);
    edit.Lines().Add("Dobr\xFD den");  // ý
    edit.Lines().Add(
        "druh\xFD \xF8\xE1"
        "dek");  // ř á
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().multiLine);
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->characterCount(), 21);
    EXPECT_EQ(text->text(0, 21), QString::fromUtf8("Dobrý den\ndruhý řádek"));
    edit.SetCaretXY({3, 2});
    EXPECT_EQ(text->cursorPosition(), 12);
    int start = 0, end = 0;
    EXPECT_EQ(text->textAtOffset(12, QAccessible::LineBoundary, &start, &end), QString::fromUtf8("druhý řádek"));
    EXPECT_EQ(start, 10);
    EXPECT_EQ(end, 21);
    EXPECT_EQ(text->textAtOffset(3, QAccessible::LineBoundary, &start, &end), QString::fromUtf8("Dobrý den\n"));
    EXPECT_EQ(text->textAtOffset(12, QAccessible::CharBoundary, &start, &end), "u");
    edit.SetCaretAndSelection({4, 1}, {1, 1}, {4, 1});
    EXPECT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 3));
    text->setSelection(0, 10, 15);
    EXPECT_EQ(edit.SelectedText(), "druh\xFD");
    text->setCursorPosition(4);
    EXPECT_EQ(edit.CaretXY(), (TBedPoint{5, 1}));
    EXPECT_FALSE(edit.HasSelection());
}
