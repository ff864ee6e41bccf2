// Find and replace through real keys and the dialogs, and the command-line options F and R.
#include "FormFixture.h"

#include "SearchDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

class TSearch : public FormTest {
protected:
    // The offscreen platform does not give the activation back when a dialog closes, as a
    // window manager does; window shortcuts need it.
    void BackToTheWindow() { ShowFocused(); }
};

namespace {

TBedPoint P(int x, int y) { return {x, y}; }

// Acts on the dialog that the next key opens, once it is up and modal.
void WhenDialogShown(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

QWidget* Focused(QDialog* dialog) {
    QWidget* w = dialog->focusWidget();
    return w ? w : dialog;
}

void Key(QDialog* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(dialog), key, modifiers);
}

}  // namespace

TEST_F(TSearch, DialogsHoldTheirControlsInTabOrder) {
    Start();
    TForm9& replace = form->Form9();
    EXPECT_EQ(replace.windowTitle(), QString::fromUtf8("Nahraď"));
    EXPECT_EQ(form->Form8().windowTitle(), QString::fromUtf8("Najít"));
    EXPECT_EQ(form->Form8().Label1->text(), QString::fromUtf8("Najít:"));
    EXPECT_EQ(replace.Label2->text(), "Nahradit:");
    EXPECT_EQ(form->Form8().Button1->text(), QString::fromUtf8("&Najít"));
    EXPECT_EQ(replace.Button1->text(), "&Nahradit");
    EXPECT_EQ(replace.Button2->text(), QString::fromUtf8("&Zrušit"));
    EXPECT_TRUE(replace.Button1->isDefault());
    const std::vector<std::pair<QCheckBox*, const char*>> checks = {
        {replace.kejs, "Rozlišovat malá a velká"},
        {replace.celaSlova, "Pouze celá slova"},
        {replace.Dozadu, "Dozadu"},
        {replace.ptatse, "Ptát se před nahrazením"},
        {replace.entireScope, "Celý text, ne jen od kurzoru"},
        {replace.vbloku, "Pouze v bloku"},
        {replace.vse, "Nahradit vše"},
    };
    for (const auto& [box, caption] : checks) {
        EXPECT_EQ(box->text(), QString::fromUtf8(caption));
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_TRUE(replace.Edit1->text().isEmpty());
    EXPECT_TRUE(replace.Edit2->text().isEmpty());
    auto chain = [](QWidget* from, int n) {
        QStringList names;
        for (QWidget* w = from; names.size() < n; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) names << w->objectName();
        return names;
    };
    EXPECT_EQ(chain(replace.Edit1, 11).join(' '),
              "Edit1 Edit2 kejs celaSlova Dozadu ptatse entireScope vbloku vse Button1 Button2");
    EXPECT_EQ(chain(form->Form8().Edit1, 8).join(' '),
              "Edit1 kejs celaSlova Dozadu entireScope vbloku Button1 Button2");
    for (const char* name : {"Hledej1", "HlDalsi", "Nahrad", "NahrDalsi", "Najit1", "Nahradit1"})
        EXPECT_TRUE(form->Action(name)->isEnabled()) << name;
    for (const char* name : {"SpeedButton8", "SpeedButton9"})
        EXPECT_TRUE(form->findChild<QToolButton*>(name)->isEnabled()) << name;
}

TEST_F(TSearch, FindThroughTheDialogAndFindNext) {
    WriteFile("a.txt", "abc x ABC\r\nabc\r\n");
    Start({QString::fromStdString(Path("a.txt"))});
    ShowFocused();
    // Before any search the text to find is empty.
    QTest::keyClick(form->Memo1, Qt::Key_F7, Qt::AltModifier);
    EXPECT_EQ(ui.shown, QStringList{"message: Text nenalezen"});
    EXPECT_EQ(ui.messageCaptions, QStringList{QString::fromUtf8("Hledání")});
    WhenDialogShown([](QDialog* d) {
        QTest::keyClicks(Focused(d), "abc");
        Key(d, Qt::Key_Return);
    });
    QTest::keyClick(form->Memo1, Qt::Key_F7);
    BackToTheWindow();
    EXPECT_EQ(form->Memo1->SelFrom(), P(1, 1));
    EXPECT_EQ(form->Memo1->SelTo(), P(4, 1));
    QTest::keyClick(form->Memo1, Qt::Key_F7, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->SelFrom(), P(7, 1));
    QTest::keyClick(form->Memo1, Qt::Key_F7, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->SelFrom(), P(1, 2));
    QTest::keyClick(form->Memo1, Qt::Key_F7, Qt::AltModifier);
    EXPECT_EQ(ui.shown.size(), 2);
    EXPECT_EQ(form->Memo1->SelFrom(), P(1, 2));  // the last one stays selected
    // Ctrl+F opens the same dialog with the text kept; Esc changes nothing.
    WhenDialogShown([](QDialog* d) {
        EXPECT_EQ(static_cast<TForm8*>(d)->Edit1->text(), "abc");
        EXPECT_EQ(static_cast<TForm8*>(d)->Edit1->selectedText(), "abc");
        Key(d, Qt::Key_Escape);
    });
    QTest::keyClick(form->Memo1, Qt::Key_F, Qt::ControlModifier);
    BackToTheWindow();
    EXPECT_EQ(form->Memo1->SelFrom(), P(1, 2));
    EXPECT_EQ(ui.shown.size(), 2);
    // Match case, ticked with the keyboard: Tab to the first check box, Space.
    WhenDialogShown([](QDialog* d) {
        QTest::keyClicks(Focused(d), "ABC");
        Key(d, Qt::Key_Tab);
        Key(d, Qt::Key_Space);
        Key(d, Qt::Key_Return);
    });
    form->Memo1->SetCaretXY(P(1, 1));
    form->findChild<QToolButton*>("SpeedButton8")->click();
    EXPECT_EQ(form->Memo1->SelFrom(), P(7, 1));
    EXPECT_TRUE(form->Form8().kejs->isChecked());
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(TSearch, ReplaceAllThroughTheDialogAndReplaceNext) {
    WriteFile("a.txt", "jedna dva jedna\r\njedna\r\n");
    Start({QString::fromStdString(Path("a.txt"))});
    ShowFocused();
    // One replacement per command without "Nahradit vše".
    WhenDialogShown([](QDialog* d) {
        QTest::keyClicks(Focused(d), "jedna");
        Key(d, Qt::Key_Tab);
        QTest::keyClicks(Focused(d), "1");
        Key(d, Qt::Key_Return);
    });
    QTest::keyClick(form->Memo1, Qt::Key_F7, Qt::ShiftModifier);
    BackToTheWindow();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1 dva jedna", "jedna"}));
    EXPECT_TRUE(form->Document().Modified());
    // The tab order leads from the replacement through seven boxes to "Nahradit vše".
    WhenDialogShown([](QDialog* d) {
        auto* dialog = static_cast<TForm9*>(d);
        EXPECT_EQ(dialog->Edit1->text(), "jedna");
        Key(d, Qt::Key_Tab);
        EXPECT_EQ(Focused(d), dialog->Edit2);
        QTest::keyClicks(Focused(d), "X");  // the replacement becomes "1X"
        for (int i = 0; i < 7; ++i) Key(d, Qt::Key_Tab);
        EXPECT_EQ(Focused(d), dialog->vse);
        Key(d, Qt::Key_Space);
        Key(d, Qt::Key_Return);
    });
    QTest::keyClick(form->Memo1, Qt::Key_R, Qt::ControlModifier);
    BackToTheWindow();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1 dva 1X", "1X"}));
    // Nothing left from the caret on; Shift+Alt+F7 says so with its own caption.
    QTest::keyClick(form->Memo1, Qt::Key_F7, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(ui.shown, QStringList{"message: Text nenalezen"});
    EXPECT_EQ(ui.messageCaptions, QStringList{QString::fromUtf8("Nahrazování")});
    // Replace-all is one undo step.
    form->Memo1->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1 dva jedna", "jedna"}));
}

// "Ptát se před nahrazením": each match is shown selected and in view, and the answer decides.
TEST_F(TSearch, AskingBeforeEachReplacement) {
    std::string text = "a\r\nb\r\n";
    for (int i = 0; i < 60; ++i) text += "x\r\n";
    text += "a a a a\r\n";
    WriteFile("a.txt", text);
    Start({QString::fromStdString(Path("a.txt"))});
    form->resize(500, 300);
    ShowFocused();
    form->Form9().Edit1->setText("a");
    form->Form9().Edit2->setText("Z");
    form->Form9().ptatse->setChecked(true);
    form->Form9().vse->setChecked(true);
    std::vector<std::pair<std::string, int>> seen;  // the selection and the top line at each question
    form->Memo1->OnReplaceText = [&, ask = form->Memo1->OnReplaceText](TCustomBedEdit& e, const std::string& f,
                                                                       const std::string& r, int line, int column) {
        seen.emplace_back(e.SelectedText() + "@" + std::to_string(e.CaretY()), e.FirstVisibleLine());
        return ask(e, f, r, line, column);
    };
    ui.replaceAnswers = {raSkip, raReplace, raReplaceAll};
    form->NahrDalsiClick();
    EXPECT_EQ(ui.shown.value(0), "replacePrompt: a -> Z");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (std::pair<std::string, int>{"a@1", 1}));
    EXPECT_EQ(seen[1].first, "a@63");
    EXPECT_GT(seen[1].second, 40);  // scrolled down to the match
    EXPECT_TRUE(
        form->Memo1->viewport()->rect().contains(form->Memo1->viewport()->mapFromGlobal(ui.lastReplaceMatch.center())));
    EXPECT_EQ(Lines().front(), "a");
    EXPECT_EQ(Lines().back(), "Z Z Z Z");
    // Zrušit stops at the match asked about.
    form->Memo1->SetCaretXY({1, 1});
    ui.replaceAnswers = {raCancel};
    form->NahrDalsiClick();
    EXPECT_EQ(Lines().front(), "a");
    EXPECT_EQ(form->Memo1->SelectedText(), "a");
}

TEST_F(TSearch, ReplaceLeavesAReadOnlyDocumentAlone) {
    WriteFile("a.txt", "abc\r\n");
    Start({QString::fromStdString(Path("a.txt")), "C=R"});
    form->Form9().Edit1->setText("abc");
    form->Form9().Edit2->setText("x");
    form->Form9().vse->setChecked(true);
    form->NahrDalsiClick();
    EXPECT_EQ(Lines(), std::vector<std::string>{"abc"});
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(form->Memo1->SelectedText(), "abc");
}

TEST_F(TSearch, CommandLineFindsAndReplaces) {
    WriteFile("a.txt", "x=1,y\nx=1,y x=1,y\n");
    // Commas and equals signs inside the value: the split falls on the last comma.
    Start({QString::fromStdString(Path("a.txt")), "R=x=1,y,a=b"});
    EXPECT_EQ(ReadFile("a.txt"), "a=b\na=b a=b\n");  // saved at once, LF kept
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(ui.shown, QStringList{});
    form.reset();

    WriteFile("b.txt", "one two one\r\n");
    Start({QString::fromStdString(Path("b.txt")), "F=one", "F=one"});
    EXPECT_EQ(form->Memo1->SelFrom(), P(9, 1));
    form->Memo1->SetCaretXY(P(1, 1));
    form.reset();

    // A value without a usable comma does nothing, not even a save.
    WriteFile("c.txt", "a,\r\n");
    Start({QString::fromStdString(Path("c.txt")), "R=a,", "C=U"});
    EXPECT_EQ(ReadFile("c.txt"), "a,\r\n");
}

TEST_F(TSearch, CommandLineReplacesInTheFilesCodePage) {
    // "Šála" in ISO-8859-2 (Š A9, á E1) and in Kamenický (Š 9B, á A0).
    WriteFile("i.txt", "\xA9\xE1la, \xA9\xE1LA\r\n");
    Start({"K=2", QString::fromStdString(Path("i.txt")), QString::fromUtf8("R=šála,čepice")});
    EXPECT_EQ(ReadFile("i.txt"),
              "\xE8"
              "epice, \xE8"
              "epice\r\n");
    form.reset();
    WriteFile("k.txt", "\x9B\xA0la\r\n");
    Start({"K=K", QString::fromStdString(Path("k.txt")), QString::fromUtf8("R=Šála,ŠÁLA")});
    EXPECT_EQ(ReadFile("k.txt"), "\x9B\x8FLA\r\n");
    form.reset();
    // A replacement the code page can't hold is refused with an error, the file untouched.
    WriteFile("u.txt", "abc\r\n");
    ui.expectErrors = true;
    Start({QString::fromStdString(Path("u.txt")), QString::fromUtf8("R=abc,€→")});
    EXPECT_EQ(ReadFile("u.txt"), "abc\r\n");
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].startsWith("error: "));
}
