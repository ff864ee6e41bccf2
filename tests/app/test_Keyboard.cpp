// Typing into the main window's editor through real key events, and which keys the menus take.
#include "FormFixture.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using TKeyboard = FormTest;

TEST_F(TKeyboard, TypingEditsTheDocumentAndMarksItModified) {
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, QString::fromUtf8("Žluťoučký"));
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    TypeKeys(form->Memo1, "kun");
    QTest::keyClick(form->Memo1, Qt::Key_Backspace);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\x8Elu\x9Dou\xE8k\xFD", "ku"}));
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->PanelText(0), "modifikace");
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier);  // the component's undo
    EXPECT_EQ(Lines().back(), "kun");
}

TEST_F(TKeyboard, MenuShortcutsComeBeforeTheComponentsKeys) {
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "text");
    ui.savePromptAnswers.push_back(TModalResult::No);
    // Ctrl+N is the component's ecInsertLine, but the menu's "Nový" takes it.
    QTest::keyClick(form->Memo1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.shown, QStringList{"savePrompt"});
    EXPECT_EQ(form->Memo1->Lines().Count(), 0);
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(TKeyboard, EscapeClosesTheWindowWhenEscQuits) {
    Start();
    ShowFocused();
    QTest::keyClick(form->Memo1, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}
