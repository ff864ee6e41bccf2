// Navigation, selection and counts in the main window, through their keys and menus.
#include "FormFixture.h"
#include "QtUiServices.h"

#include "BedEditKeyStrokes.h"
#include "FontColorDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFontDialog>
#include <QMessageBox>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

#include <set>

namespace {

using Text = std::vector<std::string>;

class TNavigation : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Start();
        ShowFocused();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->Memo1, key, modifiers);
    }
    TBedEditClipboard& Clipboard() { return form->Memo1->Clipboard(); }
    std::string ClipboardText() {
        const auto text = Clipboard().GetText();
        return text ? text->text : "<none>";
    }
};

}  // namespace

TEST_F(TNavigation, CountsShowTheirMessages) {
    SetText({"Ahoj sv\xECte ", "", "a\tb"});
    form->Action("Poetdkvtextu1")->trigger();
    form->Action("Poetznakvtextu1")->trigger();
    form->Action("pocetslov")->trigger();
    EXPECT_EQ(ui.shown, (QStringList{QString::fromUtf8("information: V textu je 3 řádků."),
                                     QString::fromUtf8("information: V textu je 14 znaků."),
                                     QString::fromUtf8("information: V textu je 5 slov.")}));
}

TEST_F(TNavigation, AppendingAddsTheSelectionAfterTheClipboardsText) {
    SetText({"abc def", " ghi  "});
    Clipboard().SetText("abc", smNormal);
    form->Memo1->SetCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    Key(Qt::Key_Insert, Qt::AltModifier);
    EXPECT_EQ(ClipboardText(), "abcdef");
    // Without a selection nothing changes (the old text is not doubled).
    form->Memo1->SetSelFrom({1, 1});
    Key(Qt::Key_Insert, Qt::AltModifier);
    EXPECT_EQ(ClipboardText(), "abcdef");
    // A line block comes after the old text as it was selected, blanks and all.
    Clipboard().SetText("old ", smNormal);
    form->Action("RadkoveBloky")->trigger();
    form->Memo1->SetCaretAndSelection({2, 2}, {1, 2}, {2, 2});
    Key(Qt::Key_Insert, Qt::AltModifier);
    EXPECT_EQ(ClipboardText(), "old  ghi  ");
    EXPECT_EQ(Lines(), (Text{"abc def", " ghi  "}));
}

TEST_F(TNavigation, ClipboardKeysUndoAndSelectAll) {
    SetText({"one two"});
    form->Memo1->SetCaretAndSelection({4, 1}, {1, 1}, {4, 1});
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "one");
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Lines(), Text{" two"});
    form->Memo1->SetCaretXY({5, 1});
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Lines(), Text{" twooneone"});
    Key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Lines(), Text{" twoone"});
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->SelectedText(), " twoone");
}

TEST_F(TNavigation, DisabledClipboardItemsSwallowTheirKeysUntilTheMenuOpensAgain) {
    SetText({"abc"});
    Clipboard().SetText("clip", smNormal);
    form->UpravyClick();  // the Úpravy menu opened with nothing selected
    EXPECT_FALSE(form->Action("Kopiruj")->isEnabled());
    EXPECT_FALSE(form->Action("Vystrihni")->isEnabled());
    EXPECT_FALSE(form->Action("pridej")->isEnabled());
    EXPECT_TRUE(form->Action("Prilep")->isEnabled());
    form->Memo1->SetCaretAndSelection({3, 1}, {1, 1}, {3, 1});
    Key(Qt::Key_Insert, Qt::ControlModifier);  // not to the component's own copy either
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(ClipboardText(), "clip");
    EXPECT_EQ(Lines(), Text{"abc"});
    Key(Qt::Key_C, Qt::ControlModifier);  // the component's own key still works
    EXPECT_EQ(ClipboardText(), "ab");
    form->Memo1->SetCaretAndSelection({2, 1}, {1, 1}, {2, 1});
    form->findChild<QToolButton*>("SpeedButton4")->click();  // so does the tool button
    EXPECT_EQ(ClipboardText(), "a");
    form->UpravyClick();
    EXPECT_TRUE(form->Action("Kopiruj")->isEnabled());

    form->Memo1->SetSelFrom({1, 1});
    form->PopupMenu1Popup();
    EXPECT_FALSE(form->Action("Kopruj1")->isEnabled());
    EXPECT_FALSE(form->Action("Vystihni1")->isEnabled());
    EXPECT_FALSE(form->Action("Pidej1")->isEnabled());
    EXPECT_TRUE(form->Action("Pilep1")->isEnabled());
}

TEST_F(TNavigation, TheContextMenuHoldsItsItemsInOrder) {
    QStringList items;
    for (QAction* a : form->PopupMenu1->actions()) items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, (QStringList{QString::fromUtf8("Kopírovat"), "Vyjmout", QString::fromUtf8("Přidat"),
                                  QString::fromUtf8("Vložit"), "-", QString::fromUtf8("Zpět"), "-",
                                  QString::fromUtf8("Konec s uložením"), QString::fromUtf8("Konec bez uložení")}));
    EXPECT_EQ(form->Memo1->PopupMenu(), form->PopupMenu1);
}

TEST_F(TNavigation, NoTwoEnabledItemsShareAKeySoReloadKeepsShiftCtrlR) {
    std::set<QKeySequence> keys;
    for (QAction* a : form->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty() || !a->isEnabled()) continue;
        EXPECT_TRUE(keys.insert(a->shortcut()).second) << a->objectName().toStdString();
    }
    EXPECT_TRUE(form->Action("RadkoveBloky")->text().endsWith("\tShift+Ctrl+R"));
    WriteFile("r.txt", "first\n");
    ui.openAnswers.push_back(QString::fromStdString(Path("r.txt")));
    form->OtevritClick();
    WriteFile("r.txt", "second\n");
    ShowFocused();
    Key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Lines(), Text{"second"});
    EXPECT_EQ(form->Memo1->SelectionMode(), smNormal);
}

TEST_F(TNavigation, SuperSelectionMarks) {
    SetText({"l1", "line 2", "line 3", "l4", "l5", "l6", "line 7", "l8"});
    form->Memo1->SetCaretXY({3, 3});
    Key(Qt::Key_B, Qt::ControlModifier);  // before any end: from the caret back to the start
    EXPECT_EQ(form->Memo1->SelFrom(), (TBedPoint{1, 1}));
    EXPECT_EQ(form->Memo1->SelTo(), (TBedPoint{3, 3}));
    form->Memo1->SetCaretXY({5, 7});
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->SelFrom(), (TBedPoint{3, 3}));
    EXPECT_EQ(form->Memo1->SelTo(), (TBedPoint{5, 7}));
    form->Memo1->SetCaretAndSelection({1, 8}, {1, 8}, {1, 8});
    form->Memo1->SetSelectedText("typed ");
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->SelFrom(), (TBedPoint{3, 3}));
    EXPECT_EQ(form->Memo1->SelTo(), (TBedPoint{5, 7}));
}

TEST_F(TNavigation, SelectionModeItemsExcludeEachOther) {
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(form->Action("Sloupcovbloky1")->isChecked());
    EXPECT_EQ(form->Memo1->SelectionMode(), smColumn);
    form->Action("RadkoveBloky")->trigger();
    EXPECT_FALSE(form->Action("Sloupcovbloky1")->isChecked());
    EXPECT_TRUE(form->Action("RadkoveBloky")->isChecked());
    EXPECT_EQ(form->Memo1->SelectionMode(), smLine);
    form->Action("RadkoveBloky")->trigger();
    EXPECT_EQ(form->Memo1->SelectionMode(), smNormal);
}

// A column block of no width still spans its lines: extending it keeps them, typing and
// deleting go into each, and copy, cut and shifting act on all of them.
TEST_F(TNavigation, AColumnBlockKeepsItsLinesWhileItHasNoWidth) {
    SetText({"abcd", "efgh", "ijkl"});
    form->Memo1->SetCaretXY({2, 1});
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "b\r\nf\r\nj");
    Key(Qt::Key_Left, Qt::ShiftModifier);
    TypeKeys(form->Memo1, "xy");
    EXPECT_EQ(Lines(), (Text{"axybcd", "exyfgh", "ixyjkl"}));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Lines(), (Text{"axcd", "exgh", "ixkl"}));
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(Lines(), (Text{" axcd", " exgh", " ixkl"}));
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(ClipboardText(), "x\r\nx\r\nx");
    EXPECT_EQ(Lines(), (Text{" acd", " egh", " ikl"}));
}

TEST_F(TNavigation, ReadOnlyTogglesPanelThree) {
    SetText({"a"});
    Key(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(form->PanelText(3), "RO");
    EXPECT_TRUE(form->Action("readonly")->isChecked());
    Key(Qt::Key_X);
    EXPECT_EQ(Lines(), Text{"a"});
    Key(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(form->PanelText(3), "RW");
}

TEST_F(TNavigation, JumpsGoToTheVeryStartAndEndAndTheLineBoxClamps) {
    SetText({"abcdef", "abcdef", "abc"});
    form->Memo1->SetCaretXY({4, 2});
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->CaretXY(), (TBedPoint{1, 1}));
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_X);
    EXPECT_EQ(Lines(), (Text{"abcdef", "abcdef", "abcx"}));
    ui.inputAnswers = {"2", "0", "99999999999", "abc", ""};
    Key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(ui.shown.last(), "input: Zadej číslo:");
    EXPECT_EQ(form->Memo1->CaretY(), 2);
    Key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->CaretY(), 1);
    Key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->CaretY(), 3);
    Key(Qt::Key_R, Qt::AltModifier);
    Key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(form->Memo1->CaretY(), 3);
    EXPECT_TRUE(ui.inputAnswers.empty());
}

TEST_F(TNavigation, MatchingBracketAndKeypadBookmarks) {
    Text text(12, "x");
    text[0] = "f(a, (b))";
    SetText(text);
    form->Memo1->SetCaretXY({2, 1});
    Key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(form->Memo1->CaretXY(), (TBedPoint{9, 1}));
    form->Memo1->SetCaretXY({1, 10});
    QTest::keyClick(form->Memo1, Qt::Key_3, Qt::AltModifier | Qt::KeypadModifier);
    form->Memo1->SetCaretXY({1, 2});
    QTest::keyClick(form->Memo1, Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(form->Memo1->CaretY(), 10);
}

TEST_F(TNavigation, TheStatusBarShowsTheCaretLine) {
    SetText(Text(70000, "x"));
    form->Memo1->SetCaretXY({1, 66000});
    form->Timer1Timer();
    EXPECT_EQ(form->PanelText(5), "66000");
    EXPECT_NE(form->findChild<QTimer*>("Timer1"), nullptr);
}

TEST_F(TNavigation, TheFontDialogOffersTheTextColour) {
    QFont chosen("DejaVu Sans Mono", 14);
    ui.fontAnswers = {chosen, std::nullopt};
    ui.fontColorAnswers = {QColor(0x12, 0x34, 0x56)};
    form->Action("Font1")->trigger();
    EXPECT_EQ(ui.shown.last(), "font: fixed");
    EXPECT_EQ(ui.lastFontShown.family(), "Courier New");
    EXPECT_EQ(ui.lastFontColorShown, form->Memo1->palette().color(QPalette::Text));
    EXPECT_EQ(form->Memo1->font().pointSize(), 14);
    EXPECT_EQ(form->Memo1->FontColor(), 0x563412);
    // The real dialog has the colour beside the font's buttons.
    TFontColorDialog dialog(chosen, Qt::red, true, form.get());
    EXPECT_TRUE(dialog.findChild<QDialogButtonBox*>()->buttons().contains(dialog.ColorButton()));
    EXPECT_EQ(dialog.ColorButton()->text(), "&Barva textu...");
    EXPECT_TRUE(dialog.testOption(QFontDialog::MonospacedFonts));
    EXPECT_EQ(dialog.TextColor(), QColor(Qt::red));
    form->Memo1->setFont(QFont("Courier New", 9));
    form->Action("Font1")->trigger();  // cancelled: the font stays
    EXPECT_EQ(ui.lastFontShown.pointSize(), 9);
    EXPECT_EQ(form->Memo1->font().pointSize(), 9);
}

TEST_F(TNavigation, AShortMessageIsWideEnoughForItsTitle) {
    QtUiServices qt(form.get());
    int width = 0, title = 0;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            width = box->width();
            title = box->fontMetrics().horizontalAdvance(box->windowTitle());
            box->accept();
        }
    });
    qt.MessageBox("Text nenalezen", QString::fromUtf8("Nahrazování"), false);
    EXPECT_GT(title, 0);
    EXPECT_GE(width, title + 150);
}

TEST_F(TNavigation, TheFontDialogOpensWithTheEditorsFontAndOkAloneKeepsItUpright) {
    ui.fontAnswers = {std::nullopt};
    form->Action("Font1")->trigger();
    EXPECT_EQ(ui.lastFontShown, form->Memo1->font());
    // The real dialog, confirmed untouched.
    QtUiServices qt(form.get());
    QFont font = form->Memo1->font();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) dialog->accept();
    });
    QColor color = Qt::black;
    ASSERT_TRUE(qt.FontDialog(font, color, true));
    const QFontInfo before(form->Memo1->font()), after(font);
    EXPECT_EQ(after.family(), before.family());
    EXPECT_EQ(after.style(), QFont::StyleNormal);
    EXPECT_EQ(after.weight(), before.weight());
    EXPECT_NEAR(after.pixelSize(), before.pixelSize(), 1);
}
