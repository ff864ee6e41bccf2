// Line wrapping in the main window: the command, the width dialog, the switches, wrap on load
// and wrap while typing, through menu items, keys, bed.ini and the command line.
#include "FormFixture.h"

#include "BedEditClipboard.h"
#include "BedTextColors.h"

#include <QAction>

using TWrapping = FormTest;

namespace {
using Text = std::vector<std::string>;
}

TEST_F(TWrapping, ItemsAndSwitches) {
    Start();
    EXPECT_EQ(form->Action("Provedkovzlom1")->text(), "Proveď řádkový zlom (respektující slova)");
    EXPECT_EQ(form->Action("Provedkovzlom1")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    EXPECT_EQ(form->Action("Dlkadkupidkovmzlomu1")->text(), "Délka řádku při řádkovém zlomu...");
    EXPECT_EQ(form->Action("AutoZalam")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_L));
    for (const char* name : {"Provedkovzlom1", "Dlkadkupidkovmzlomu1", "uhz1", "AutoZalam", "Zalamovani"})
        EXPECT_TRUE(form->Action(name)->isEnabled()) << name;
    EXPECT_EQ(form->PanelText(6), "LÁM");
    ShowFocused();
    QTest::keyClick(form->Memo1, Qt::Key_L, Qt::AltModifier);
    EXPECT_FALSE(form->Action("AutoZalam")->isChecked());
    EXPECT_EQ(form->PanelText(6), "");
    form->Action("uhz1")->trigger();
    EXPECT_EQ(form->Memo1->RightEdgeColor(), clSilver);
    form->Action("uhz1")->trigger();
    EXPECT_EQ(form->Memo1->RightEdgeColor(), clWindow);
}

TEST_F(TWrapping, CtrlAltZWrapsTheDocumentAndFlagsIt) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=10\n");
    Start();
    ShowFocused();
    QTest::keyClick(form->Memo1, Qt::Key_X);
    form->Memo1->Lines().SetText("aaa bbb ccc ddd\neee");
    form->Memo1->SetCaretXY({1, 2});
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Lines(), (Text{"aaa bbb ", "ccc ddd ", "eee"}));
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->PanelText(0), "modifikace");
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines(), (Text{"aaa bbb ccc ddd", "eee"}));
}

TEST_F(TWrapping, ASelectionWrapsOnlyItsLines) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=8\n");
    Start();
    form->Memo1->Lines().SetText("aaa bbb ccc\nddd eee fff\nggg hhh iii");
    form->Memo1->SetCaretXY({1, 3});
    form->Memo1->SetSelFrom({2, 2});
    form->Memo1->SetSelTo({1, 3});  // ends at the start of line 3, which stays out
    form->Action("Provedkovzlom1")->trigger();
    EXPECT_EQ(Lines(), (Text{"aaa bbb ccc", "ddd eee ", "fff", "ggg hhh iii"}));
}

TEST_F(TWrapping, TheWidthDialogAcceptsOnlyWidths) {
    Start();
    ui.expectErrors = true;
    ui.inputAnswers = {"80", "60", "abc", "0", "-3", "40000"};  // the first as if cancelled
    for (int i = 0; i < 6; ++i) form->Action("Dlkadkupidkovmzlomu1")->trigger();
    EXPECT_EQ(form->Settings().hraniceZlomu, 60);
    EXPECT_EQ(form->Memo1->RightEdge(), 60);
    EXPECT_EQ(ui.shown, (QStringList{"input: zadejte počet znaků", "input: zadejte počet znaků",
                                     "input: zadejte počet znaků", "error: Hodnota 'abc' není celé číslo.",
                                     "input: zadejte počet znaků", "error: Hodnota '0' není celé číslo.",
                                     "input: zadejte počet znaků", "error: Hodnota '-3' není celé číslo.",
                                     "input: zadejte počet znaků", "error: Hodnota '40000' není celé číslo."}));
    form->close();
    EXPECT_NE(ReadFile("bed.ini").find("hraniceZlomu=60"), std::string::npos);
}

TEST_F(TWrapping, AWidthInBedIniThatNoWrapCanUseIsTheDefault) {
    for (const char* value : {"0", "-1", "40000", "x"}) {
        WriteFile("bed.ini", std::string("[bed]\nhraniceZlomu=") + value + "\n");
        Start();
        EXPECT_EQ(form->Settings().hraniceZlomu, 80) << value;
        form.reset();
    }
}

// Wrap on load with the width written in hexadecimal; line ends of both kinds survive.
TEST_F(TWrapping, WrapOnLoadKeepsTheFilesLineEnds) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=0x0A\nzalamovani=1\n");
    WriteFile("dos.txt", "aaa bbb ccc ddd\r\neee\r\n");
    WriteFile("unix.txt", "aaa bbb ccc ddd\neee\n");
    Start({QString::fromStdString(Path("dos.txt")), "C=Q"});
    EXPECT_EQ(ReadFile("dos.txt"), "aaa bbb \r\nccc ddd \r\neee\r\n");
    EXPECT_FALSE(form->Document().Modified());
    form.reset();
    Start({QString::fromStdString(Path("unix.txt")), "C=Q"});
    EXPECT_EQ(ReadFile("unix.txt"), "aaa bbb \nccc ddd \neee\n");
}

TEST_F(TWrapping, CommandLineTogglesWrapOnLoad) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=10\n");
    WriteFile("a.txt", "aaa bbb ccc ddd\r\n\teee\tfff\r\n");
    Start({"C=Z", QString::fromStdString(Path("a.txt")), "C=Q"});
    // Tabs never offer a break.
    EXPECT_EQ(ReadFile("a.txt"), "aaa bbb \r\nccc ddd \r\n\teee\tfff\r\n");
}

TEST_F(TWrapping, TypingAtTheEdgeBreaksTheLineAndOneUndoTakesBothBack) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=10\n");
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "hello world");
    EXPECT_EQ(Lines(), (Text{"hello ", "world"}));
    EXPECT_EQ(form->Memo1->CaretXY(), (TBedPoint{6, 2}));
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines(), Text{"hello worl"});
    // A line without a space to break at stays.
    form->Memo1->Lines().SetText("");
    TypeKeys(form->Memo1, "abcdefghijk");
    EXPECT_EQ(Lines(), Text{"abcdefghijk"});
    // Switched off, nothing breaks.
    QTest::keyClick(form->Memo1, Qt::Key_L, Qt::AltModifier);
    form->Memo1->Lines().SetText("");
    TypeKeys(form->Memo1, "hello world");
    EXPECT_EQ(Lines(), Text{"hello world"});
}

TEST_F(TWrapping, ASpaceTypedAtTheEdgeIsTheBreakAndJoinsNoWords) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=8\n");
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "Slovo ab cd ef");
    EXPECT_EQ(Lines(), (Text{"Slovo ab", "cd ef"}));
    // Typed between words, the space leaves what stood right of it at the start of the new line.
    SetText({"Slovo abcd"});
    form->Memo1->SetCaretXY({9, 1});
    TypeKeys(form->Memo1, " ");
    EXPECT_EQ(Lines(), (Text{"Slovo ab ", "cd"}));
    EXPECT_EQ(form->Memo1->CaretXY(), (TBedPoint{1, 2}));
    QTest::keyClick(form->Memo1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Lines(), Text{"Slovo abcd"});
}

TEST_F(TWrapping, PastingToTheEdgeDoesNotBreak) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=10\n");
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "hello worl");
    form->Memo1->Clipboard().SetText("d", smNormal);
    QTest::keyClick(form->Memo1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Lines(), Text{"hello world"});
    // Nor does redoing the typing of it.
    QTest::keyClick(form->Memo1, Qt::Key_L, Qt::AltModifier);
    form->Memo1->Lines().SetText("");
    TypeKeys(form->Memo1, "hello world");
    QTest::keyClick(form->Memo1, Qt::Key_L, Qt::AltModifier);
    form->Memo1->CommandProcessor(ecUndo, 0, nullptr);
    form->Memo1->CommandProcessor(ecRedo, 0, nullptr);
    EXPECT_EQ(Lines(), Text{"hello world"});
}

TEST_F(TWrapping, AReadOnlyDocumentIsNotWrapped) {
    WriteFile("bed.ini", "[bed]\nhraniceZlomu=10\n");
    Start();
    form->Memo1->Lines().SetText("aaa bbb ccc ddd");
    form->Action("readonly")->trigger();
    form->Action("Provedkovzlom1")->trigger();
    EXPECT_EQ(Lines(), Text{"aaa bbb ccc ddd"});
    EXPECT_FALSE(form->Document().Modified());
}
