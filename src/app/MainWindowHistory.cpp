// The recent files of the Soubor menu and the previous/next file history.
#include "MainWindow.h"
#include "FilePathText.h"

#include "BedEdit.h"

#include <QAction>

void TForm1::BuildRecentMenu() {
    for (int k = 1; k <= 5; ++k) {
        const TSouborMenu& r = settings_.recent[k - 1];
        if (r.name.empty()) continue;
        QAction* item = Action(QString("SM%1").arg(k));
        item->setText(PathText(r.name));
        item->setVisible(true);
        item->setEnabled(true);
    }
    if (!settings_.recent[0].name.empty()) Action("OddCara")->setVisible(true);
}

void TForm1::PushRecentFile() {
    for (int k = 4; k >= 1; --k) settings_.recent[k] = settings_.recent[k - 1];
    settings_.recent[0] = {document_->FileName(), Memo1->CaretX(), Memo1->CaretY()};
    BuildRecentMenu();
}

void TForm1::UpdateRecentCaret() {
    const std::string& name = document_->FileName();
    for (TSouborMenu& r : settings_.recent) {
        if (r.name != name) continue;
        r.x = Memo1->CaretX();
        r.y = Memo1->CaretY();
    }
}

void TForm1::OpenRecentFile(int k) {
    UpdateRecentCaret();
    // Unsaved work is asked about, as by every other open.
    if (!SavePrompt()) return;
    const TSouborMenu record = settings_.recent[k - 1];
    document_->Open(record.name);
    SetTitles();
    Memo1->setFocus();
    Memo1->SetSelFrom(Memo1->CaretXY());
    Memo1->SetCaretX(record.x);
    Memo1->SetCaretY(record.y);
    OfferUnsavedWork(record.name);
}

void TForm1::StepHistory(int direction) {
    if (!SavePrompt()) return;
    if (!document_->StepHistory(direction)) return;
    SetTitles();
    Memo1->setFocus();
}

void TForm1::PredchoziSouborClick() { StepHistory(-1); }

void TForm1::DalsiSouborClick() { StepHistory(+1); }
