// Navigation, selection and counts: the clipboard commands and their enabling, the SuperVýběr,
// selection modes, jumps, the matching bracket, keypad bookmarks, the counts, the font, the
// caret line in the status bar and the context menu.
#include "MainWindow.h"

#include "BedEdit.h"
#include "BedEditColors.h"
#include "BedEditKeyStrokes.h"
#include "TextCounts.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <limits>

void TForm1::ConnectNavigation() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    const QKeySequence none;
    AddItem(PopupMenu1, "Kopruj1", "Kopírovat", none, &TForm1::KopirujClick);
    AddItem(PopupMenu1, "Vystihni1", "Vyjmout", none, &TForm1::VystrihniClick);
    AddItem(PopupMenu1, "Pidej1", "Přidat", none, &TForm1::pridejClick);
    AddItem(PopupMenu1, "Pilep1", "Vložit", none, &TForm1::PrilepClick);
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "Zpt1", "Zpět", none, &TForm1::ZptCtrlZ1Click);
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "Konecsuloenm2", "Konec s uložením", none, &TForm1::Konecsuloenm1Click);
    AddItem(PopupMenu1, "Konecbezuloen2", "Konec bez uložení", none, &TForm1::Konecbezuloen1Click);
    Memo1->SetPopupMenu(PopupMenu1);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { Guard([&] { PopupMenu1Popup(); }); });
    connect(menuBar()->findChild<QMenu*>("Upravy"), &QMenu::aboutToShow, this,
            [this] { Guard([&] { UpravyClick(); }); });

    // The component's key-down event serves the typing as well: the bookmarks go first.
    auto typing = std::move(Memo1->OnKeyDown);
    Memo1->OnKeyDown = [this, typing](TCustomBedEdit& editor, uint16_t& key, TBedShiftState shift) {
        KeypadBookmark(key, shift);
        if (typing) typing(editor, key, shift);
    };
    Memo1->installEventFilter(this);

    auto* timer = new QTimer(this);
    timer->setObjectName("Timer1");
    connect(timer, &QTimer::timeout, this, &TForm1::Timer1Timer);
    timer->start(300);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Qt lets the key of a disabled menu item through to the focused widget; here a key held
    // by a menu item never reaches the component, enabled or not.
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto* e = static_cast<QKeyEvent*>(event);
        const QKeySequence key(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
        for (const auto& [name, action] : actions_)
            if (!action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == key) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::KeypadBookmark(uint16_t key, TBedShiftState shift) {
    if (key < VK_NUMPAD0 || key > VK_NUMPAD0 + 9) return;
    const int n = key - VK_NUMPAD0;
    if (shift & ssAlt)
        Memo1->PlaceBookmark(n, Memo1->CaretX(), Memo1->CaretY());
    else if (shift & ssCtrl)
        Memo1->JumpToBookmark(n);
}

void TForm1::EnableClipboardItems(const char* copy, const char* cut, const char* append, const char* paste) {
    const bool selection = Memo1->HasSelection();
    Action(copy)->setEnabled(selection);
    Action(cut)->setEnabled(selection);
    Action(append)->setEnabled(selection);
    Action(paste)->setEnabled(Memo1->Clipboard().GetText().has_value());
}

void TForm1::UpravyClick() { EnableClipboardItems("Kopiruj", "Vystrihni", "pridej", "Prilep"); }

void TForm1::PopupMenu1Popup() { EnableClipboardItems("Kopruj1", "Vystihni1", "Pidej1", "Pilep1"); }

void TForm1::KopirujClick() { Memo1->CopySelectionToClipboard(); }

void TForm1::VystrihniClick() { Memo1->CutSelectionToClipboard(); }

void TForm1::PrilepClick() { Memo1->PasteClipboardText(); }

void TForm1::pridejClick() {
    if (!Memo1->HasSelection()) return;
    TBedEditClipboard& clipboard = Memo1->Clipboard();
    const std::optional<TBedClipboardText> old = clipboard.GetText();
    clipboard.SetText((old ? old->text : std::string()) + Memo1->SelectedText(), smNormal);
}

void TForm1::Sloupcovbloky1Click(bool on) {
    Action("RadkoveBloky")->setChecked(false);
    Memo1->SetSelectionMode(on ? smColumn : smNormal);
}

void TForm1::RadkoveBlokyClick(bool on) {
    Action("Sloupcovbloky1")->setChecked(false);
    Memo1->SetSelectionMode(on ? smLine : smNormal);
}

void TForm1::ZptCtrlZ1Click() { Memo1->Undo(); }

void TForm1::VybervseClick() { Memo1->SelectAll(); }

void TForm1::zacatekvyberuClick() {
    superStart_ = Memo1->CaretXY();
    VysvtitSuperVbr1Click();
}

void TForm1::konecvyberuClick() {
    superEnd_ = Memo1->CaretXY();
    VysvtitSuperVbr1Click();
}

void TForm1::VysvtitSuperVbr1Click() {
    Memo1->SetSelFrom(superStart_);
    Memo1->SetSelTo(superEnd_);
}

void TForm1::Kontrolujzvorky1Click() { Memo1->CommandProcessor(ecMatchBracket, 0, nullptr); }

// The very start and the very end of the text, whatever column the caret stood in.
void TForm1::Zateksouboru1Click() { Memo1->CommandProcessor(ecEditorTop, 0, nullptr); }

void TForm1::Konecsouboru1Click() { Memo1->CommandProcessor(ecEditorBottom, 0, nullptr); }

void TForm1::dekslo1Click() {
    bool ok = false;
    const qlonglong n = ui_.InputBox("Jdi na řádek číslo...", "Zadej číslo:", "").trimmed().toLongLong(&ok);
    if (!ok) return;
    // Lines beyond the range of a line number are as far past the end as any.
    Memo1->SetCaretY(int(std::clamp<qlonglong>(n, 0, std::numeric_limits<int>::max())));
}

void TForm1::ShowCount(int64_t count, const char* what) {
    ui_.InformationBox(QString("V textu je %L1 %2.").arg(count).arg(QString::fromUtf8(what)));
}

void TForm1::Poetdkvtextu1Click() { ShowCount(CountLines(Memo1->Lines()), "řádků"); }

void TForm1::pocetslovClick() { ShowCount(CountWords(Memo1->Lines()), "slov"); }

void TForm1::Poetznakvtextu1Click() { ShowCount(CountCharacters(Memo1->Lines()), "znaků"); }

void TForm1::Font1Click() {
    // The dialog opens with the editor's font exactly; the colour is the text's.
    QFont font = Memo1->font();
    const QColor current = BedColorToQColor(Memo1->FontColor(), Memo1->palette());
    QColor color = current;
    if (!ui_.FontDialog(font, color, true)) return;
    Memo1->setFont(font);
    // A colour left alone stays the desktop's text colour, following its theme.
    if (color != current) Memo1->SetFontColor(QColorToBedColor(color));
}

void TForm1::Timer1Timer() { SetPanel(5, QString::number(Memo1->CaretY())); }
