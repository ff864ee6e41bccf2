// The Formát menu's block and line commands through their keys, and the add-to-lines dialog.
#include "AddToLinesDialog.h"
#include "FormFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace {

using Text = std::vector<std::string>;

class TFormatting : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Start();
        ShowFocused();
    }
    void SetUnmodifiedText(const Text& lines) {
        SetText(lines);
        form->Document().SetModified(false);
    }
    void Select(TBedPoint from, TBedPoint to) { form->Memo1->SetCaretAndSelection(to, from, to); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(form->Memo1, key, modifiers); }
    // Answers the add-to-lines dialog when it shows: the place, the text and the button.
    void AnswerForm6(std::function<void(TForm6&)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<TForm6*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
};

constexpr auto kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;

}  // namespace

TEST_F(TFormatting, ShiftingTheBlockKeepsTheSelectedColumnsAndMarksTheDocument) {
    SetUnmodifiedText({"  a", "b", "", "cx"});
    Select({2, 1}, {1, 3});  // ends in column 1 of line 3: that line belongs to the block
    Key(Qt::Key_Left, kCtrlAlt);
    EXPECT_EQ(Lines(), (Text{" a", "b", "", "cx"}));
    EXPECT_EQ(form->Memo1->BlockBegin(), (TBedPoint{2, 1}));
    EXPECT_EQ(form->Memo1->BlockEnd(), (TBedPoint{1, 3}));
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->PanelText(0), "modifikace");
    Key(Qt::Key_Right, kCtrlAlt);
    Key(Qt::Key_Right, kCtrlAlt);
    EXPECT_EQ(Lines(), (Text{"   a", "  b", "  ", "cx"}));
    Key(Qt::Key_Left, kCtrlAlt);
    Key(Qt::Key_Left, kCtrlAlt);
    EXPECT_EQ(Lines(), (Text{" a", "b", "", "cx"}));
}

// Each run of a tool is one undo step and one redo step; undoing back to the saved text
// clears the modified mark.
TEST_F(TFormatting, EveryTextToolIsOneUndoAndOneRedoStep) {
    const Text saved = {"jedna dva tri ctyri pet sest", "  \x8Elu\x9Dou\xE8k\xFD", "tri"};  // Žluťoučký
    SetUnmodifiedText(saved);
    form->Settings().hraniceZlomu = 10;
    const auto undoAndRedo = [&](const char* tool) {
        const Text after = Lines();
        EXPECT_NE(after, saved) << tool;
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Lines(), saved) << tool;
        EXPECT_FALSE(form->Document().Modified()) << tool;
        Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Lines(), after) << tool;
        EXPECT_TRUE(form->Document().Modified()) << tool;
        Key(Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(Lines(), saved) << tool;
    };
    for (const char* tool : {"Velka", "Mala", "odstran_diakritiku", "Provedkovzlom1"}) {
        Select({1, 1}, {3, 3});
        form->Action(tool)->trigger();
        undoAndRedo(tool);
    }
    Select({1, 1}, {3, 3});
    Key(Qt::Key_Right, kCtrlAlt);
    undoAndRedo("odsadblok");
    Key(Qt::Key_Delete, Qt::AltModifier);
    undoAndRedo("smazradek");
    AnswerForm6([](TForm6& d) {
        d.Edit1->setText("// ");
        d.Button1->click();
    });
    form->Action("zackonradku")->trigger();
    undoAndRedo("zackonradku");
}

TEST_F(TFormatting, AligningAndDeletingLines) {
    SetUnmodifiedText({"a", "  b", "    c", "d"});
    Select({1, 1}, {2, 3});
    Key(Qt::Key_S, kCtrlAlt);
    EXPECT_EQ(Lines(), (Text{"     a", "     b", "     c", "d"}));
    EXPECT_FALSE(form->Memo1->HasSelection());
    form->Memo1->SetCaretXY({1, 4});
    Key(Qt::Key_Delete, Qt::AltModifier);  // the caret's line, the last one
    EXPECT_EQ(Lines(), (Text{"     a", "     b", "     c"}));
}

TEST_F(TFormatting, DeletingALineOfAnEmptyDocumentDoesNothing) {
    ASSERT_EQ(form->Memo1->Lines().Count(), 0);
    Key(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->Lines().Count(), 0);
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_TRUE(ui.shown.isEmpty());  // no error box
}

TEST_F(TFormatting, TheHtmlSkeletonGoesAtTheEndWhereverTheCaretIs) {
    SetUnmodifiedText({"", "x"});
    form->Memo1->SetCaretXY({1, 1});
    Key(Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(form->Memo1->Lines().Count(), 10);
    EXPECT_EQ(Lines()[2], "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">");
    EXPECT_EQ(Lines()[9], "</HTML>");
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(TFormatting, ReadOnlyRefusesTheFormatCommands) {
    SetUnmodifiedText({"a"});
    Key(Qt::Key_R, kCtrlAlt);
    Key(Qt::Key_Right, kCtrlAlt);
    Key(Qt::Key_H, Qt::ControlModifier);
    Key(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(Lines(), Text{"a"});
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(TFormatting, TheLineEndToggleMarksTheDocumentSoClosingAsks) {
    WriteFile("dos.txt", "a\r\nb\r\n");
    ui.openAnswers.push_back(QString::fromStdString(Path("dos.txt")));
    form->OtevritClick();
    ShowFocused();
    Key(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(form->PanelText(4), "UNIX");
    EXPECT_TRUE(form->Document().Modified());
    Key(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(form->PanelText(4), "DOS");
    Key(Qt::Key_U, Qt::AltModifier);
    ui.savePromptAnswers.push_back(TModalResult::Yes);
    Key(Qt::Key_F10, Qt::NoModifier);
    EXPECT_EQ(ui.shown.last(), "savePrompt");
    EXPECT_EQ(ReadFile("dos.txt"), "a\nb\n");
}

TEST_F(TFormatting, AddToLinesDialogOnTheWholeTextAndOnTheBlock) {
    SetUnmodifiedText({"a", "b", "c"});
    AnswerForm6([](TForm6& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Přidat na začátek či konec každého řádku"));
        EXPECT_TRUE(d.zacatek->isChecked());
        EXPECT_TRUE(d.Button1->isDefault());
        d.Edit1->setText("//");
        QTest::keyClick(d.Edit1, Qt::Key_Return);  // the default button: the whole text
    });
    form->Action("zackonradku")->trigger();
    EXPECT_EQ(Lines(), (Text{"//a", "//b", "//c"}));
    EXPECT_TRUE(form->Document().Modified());

    Select({1, 2}, {2, 3});
    AnswerForm6([](TForm6& d) {
        EXPECT_EQ(d.Edit1->text(), "//");  // the dialog kept its text
        d.konec->setChecked(true);
        d.Edit1->setText(QString::fromUtf8(" ž"));
        d.Button3->click();
    });
    form->Action("zackonradku")->trigger();
    EXPECT_EQ(Lines(), (Text{"//a", "//b \x9E", "//c \x9E"}));

    AnswerForm6([](TForm6& d) {
        EXPECT_TRUE(d.konec->isChecked());  // and its choice
        QTest::keyClick(d.Edit1, Qt::Key_Escape);
    });
    form->Action("zackonradku")->trigger();
    AnswerForm6([](TForm6& d) { d.Button2->click(); });
    form->Action("zackonradku")->trigger();
    EXPECT_EQ(Lines(), (Text{"//a", "//b \x9E", "//c \x9E"}));
}
