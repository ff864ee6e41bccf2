// The Czech text tools, the y/z swap and the other keyboard in the main window, through its
// menu items, real key events and the command line.
#include "FormFixture.h"

#include "BedTextCp1250.h"

#include <QAction>
#include <QInputMethodEvent>

using TCzechTools = FormTest;

namespace {

std::string Cp(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) bytes += static_cast<char>(UnicodeToCp1250(c));
    return bytes;
}

void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w, key, modifiers);
}

}  // namespace

TEST_F(TCzechTools, EveryItemHasItsCaptionKeyAndCommand) {
    Start();
    const struct {
        const char* name;
        const char* caption;
        QKeySequence key;
    } items[] = {
        {"Velka", "Velká písmena", {}},
        {"Mala", "Malá písmena", {}},
        {"Prohozen1", "Prohození", {}},
        {"odstran_diakritiku", "&Odstraň diakritiku", {}},
        {"YxZ", "&Přehodit \"y\" a \"z\"", Qt::CTRL | Qt::ALT | Qt::Key_P},
        {"Vloz_uu", "&Vlož Ů (velké U s kroužkem)", Qt::CTRL | Qt::ALT | Qt::Key_U},
        {"Dalznakjinouklvesnic1", "&Další znak druhou klávesnicí", Qt::CTRL | Qt::Key_D},
    };
    for (const auto& item : items) {
        QAction* a = form->Action(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(a->shortcut(), item.key) << item.name;
        EXPECT_TRUE(a->isEnabled()) << item.name;
    }
    EXPECT_TRUE(form->Action("YxZ")->isCheckable());
    EXPECT_FALSE(form->Action("YxZ")->isChecked());
}

TEST_F(TCzechTools, CaseCommandsKeepTheBlockSelectedInEachMode) {
    Start();
    form->Memo1->Lines().SetText(Cp(U"ten čeřen tam\nabcdef\nabcdef"));
    form->Memo1->SetCaretXY({10, 1});
    form->Memo1->SetSelFrom({5, 1});
    form->Memo1->SetSelTo({10, 1});
    form->Action("Velka")->trigger();
    EXPECT_EQ(Lines()[0], Cp(U"ten ČEŘEN tam"));
    EXPECT_EQ(form->Memo1->SelectedText(), Cp(U"ČEŘEN"));
    form->Action("Prohozen1")->trigger();
    EXPECT_EQ(Lines()[0], Cp(U"ten čeřen tam"));
    // A column block dragged leftwards, from (5, 2) to (2, 3).
    form->Memo1->SetSelectionMode(smColumn);
    form->Memo1->SetCaretXY({2, 3});
    form->Memo1->SetSelFrom({5, 2});
    form->Memo1->SetSelTo({2, 3});
    form->Action("Velka")->trigger();
    EXPECT_EQ(Lines()[1], "aBCDef");
    EXPECT_EQ(Lines()[2], "aBCDef");
    EXPECT_EQ(form->Memo1->BlockBegin(), (TBedPoint{5, 2}));
    EXPECT_EQ(form->Memo1->BlockEnd(), (TBedPoint{2, 3}));
    form->Memo1->SetSelectionMode(smLine);
    form->Memo1->SetCaretXY({4, 3});
    form->Memo1->SetSelFrom({2, 2});
    form->Memo1->SetSelTo({4, 3});
    form->Action("Mala")->trigger();  // whole lines
    EXPECT_EQ(Lines()[1], "abcdef");
    EXPECT_EQ(Lines()[2], "abcdef");
}

TEST_F(TCzechTools, DiacriticsLeaveTheWholeDocumentPlainWithoutASelection) {
    Start();
    form->Memo1->Lines().SetText(Cp(U"Příliš žluťoučký kůň\nĎÁBELSKÉ ÓDY, Ľ ä ô ö"));
    form->Memo1->SetCaretXY({3, 2});
    form->Memo1->SetSelFrom({1, 1});
    form->Memo1->SetSelTo({3, 2});
    form->Action("odstran_diakritiku")->trigger();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Prilis zlutoucky kun", "DABELSKE ODY, L a o o"}));
    EXPECT_FALSE(form->Memo1->HasSelection());
    EXPECT_EQ(form->Memo1->CaretXY(), (TBedPoint{3, 2}));
}

// Typing, then a tool, then undo: each step comes back in turn, down to the saved text.
TEST_F(TCzechTools, AToolIsUndoneInTurnAndClosingAfterItAsks) {
    WriteFile("a.txt", "abc\r\nxyz\r\n");
    Start({QString::fromStdString(Path("a.txt"))});
    ShowFocused();
    form->Memo1->SetCaretXY({1, 2});
    TypeKeys(form->Memo1, "new ");
    form->Memo1->SelectAll();
    form->Action("Velka")->trigger();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ABC", "NEW XYZ"}));
    EXPECT_EQ(form->PanelText(0), "modifikace");
    Key(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc", "new xyz"}));
    while (form->Memo1->CanUndo()) Key(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc", "xyz"}));
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(form->PanelText(0), "");

    // Saved, then changed by a tool only: leaving asks about the changes.
    form->UlozitClick();
    form->Action("odstran_diakritiku")->trigger();
    EXPECT_FALSE(form->Document().Modified());  // nothing to take away
    form->Memo1->SelectAll();
    form->Action("Velka")->trigger();
    EXPECT_TRUE(form->Document().Modified());
    ui.savePromptAnswers.push_back(TModalResult::Cancel);
    Key(form->Memo1, Qt::Key_F10);
    EXPECT_EQ(ui.shown, QStringList{"savePrompt"});
    EXPECT_TRUE(form->isVisible());
}

TEST_F(TCzechTools, AReadOnlyDocumentIsLeftAlone) {
    Start();
    form->Memo1->Lines().SetText(Cp(U"čeřen"));
    form->Action("readonly")->trigger();
    form->Memo1->SelectAll();
    for (const char* tool : {"Velka", "Mala", "Prohozen1", "odstran_diakritiku", "Vloz_uu"})
        form->Action(tool)->trigger();
    EXPECT_EQ(Lines(), std::vector<std::string>{Cp(U"čeřen")});
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(TCzechTools, TheYZSwapChangesTypedLettersOnly) {
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "yz");
    Key(form->Memo1, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(form->Action("YxZ")->isChecked());
    EXPECT_EQ(form->PanelText(1), "Y <--> Z");
    TypeKeys(form->Memo1, "Yzyx");
    EXPECT_EQ(Lines(), std::vector<std::string>{"yzZyzx"});
    Key(form->Memo1, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(form->PanelText(1), "");
    TypeKeys(form->Memo1, "y");
    EXPECT_EQ(Lines(), std::vector<std::string>{"yzZyzxy"});
}

TEST_F(TCzechTools, TheNextCharacterComesFromTheOtherKeyboard) {
    Start();
    ShowFocused();
    auto otherKeyboard = [&] { Key(form->Memo1, Qt::Key_D, Qt::ControlModifier); };
    otherKeyboard();
    TypeKeys(form->Memo1, "22");
    otherKeyboard();
    TypeKeys(form->Memo1, QString::fromUtf8("ř"));
    otherKeyboard();
    TypeKeys(form->Memo1, "11");
    otherKeyboard();
    otherKeyboard();  // not a counter
    TypeKeys(form->Memo1, "33");
    otherKeyboard();
    TypeKeys(form->Memo1, "'/(");
    EXPECT_EQ(Lines(), std::vector<std::string>{Cp(U"ě2%11š3§/(")});
    // Enter and Backspace use it up too.
    otherKeyboard();
    Key(form->Memo1, Qt::Key_Return);
    TypeKeys(form->Memo1, "2");
    otherKeyboard();
    Key(form->Memo1, Qt::Key_Backspace);
    TypeKeys(form->Memo1, "2");
    EXPECT_EQ(Lines().back(), "2");
    // The swap comes after the table.
    Key(form->Memo1, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    otherKeyboard();
    TypeKeys(form->Memo1, "y");
    EXPECT_EQ(Lines().back(), "2z");
}

TEST_F(TCzechTools, InputMethodCharactersGoThroughTheSameMapping) {
    Start();
    ShowFocused();
    Key(form->Memo1, Qt::Key_D, Qt::ControlModifier);
    Key(form->Memo1, Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    for (const char* commit : {"2", "y", "yz"}) {
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(form->Memo1, &event);
    }
    EXPECT_EQ(Lines(), std::vector<std::string>{Cp(U"ězyz")});  // longer text is left as it is
}

TEST_F(TCzechTools, TheCapitalURingIsTypedAndUndoable) {
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "ab");
    form->Memo1->SetCaretX(2);
    Key(form->Memo1, Qt::Key_D, Qt::ControlModifier);
    Key(form->Memo1, Qt::Key_U, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Lines(), std::vector<std::string>{"a\xD9"
                                                "b"});
    EXPECT_TRUE(form->Document().Modified());
    TypeKeys(form->Memo1, "2");  // the other keyboard was used up by Ů
    EXPECT_EQ(Lines(), std::vector<std::string>{"a\xD9"
                                                "2b"});
    Key(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    Key(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines(), std::vector<std::string>{"ab"});
}

TEST_F(TCzechTools, CommandLineRemovesDiacriticsAndTogglesTheSwap) {
    WriteFile("a.txt", Cp(U"Příliš žluťoučký kůň\r\n"));
    Start({QString::fromStdString(Path("a.txt")), "C=O", "c=y", "C=Q"});
    EXPECT_EQ(ReadFile("a.txt"), "Prilis zlutoucky kun\r\n");
    EXPECT_TRUE(form->Terminated());
    EXPECT_TRUE(form->Action("YxZ")->isChecked());
    EXPECT_EQ(form->PanelText(1), "Y <--> Z");
}
