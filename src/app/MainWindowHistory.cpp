// The recent files of the Soubor menu and the previous/next file history.
#include "MainWindow.h"
#include "FilePathText.h"

#include "BedEdit.h"

#include <QAction>

void TForm1::BuildRecentMenu() {
    for (int k = 1; k <= 5; ++k) {
        const TSouborMenu& r = recentFiles[k - 1];
        if (r.name.empty()) continue;
        QAction* item = Action(QString("SM%1").arg(k));
        item->setText(PathText(r.name));
        item->setVisible(true);
        item->setEnabled(true);
    }
    if (!recentFiles[0].name.empty()) Action("OddCara")->setVisible(true);
}

void TForm1::PushRecentFile() {
    for (int k = 4; k >= 1; --k) recentFiles[k] = recentFiles[k - 1];
    recentFiles[0] = {PathBytes(FileName()), Memo1->CaretX(), Memo1->CaretY()};
    BuildRecentMenu();
}

void TForm1::UpdateRecentCaret() {
    const std::string name = PathBytes(FileName());
    for (TSouborMenu& r : recentFiles) {
        if (r.name != name) continue;
        r.x = Memo1->CaretX();
        r.y = Memo1->CaretY();
    }
}

void TForm1::OpenRecentFile(int k) {
    UpdateRecentCaret();
    // Unsaved work is asked about, as by every other open.
    if (!SavePrompt()) return;
    const TSouborMenu record = recentFiles[k - 1];
    TBedDocumentFile file = ReadDocument(record.name);
    ChooseCodePageForFile(file);
    Load(std::move(file), *Memo1, currentCodePage);
    SetFileName(PathText(record.name));
    SetModified(false);
    SetTitles();
    AddToHistory(record.name);
    Memo1->setFocus();
    Memo1->SetSelFrom(Memo1->CaretXY());
    Memo1->SetCaretX(record.x);
    Memo1->SetCaretY(record.y);
    OfferUnsavedWork(record.name);
}

void TForm1::RefreshHistoryMenu() {
    Action("PredchoziSoubor")->setEnabled(history_.CanGoBack());
    Action("DalsiSoubor")->setEnabled(history_.CanGoForward());
    history_.Refresh();
}

void TForm1::AddToHistory(const std::string& fileName) {
    if (history_.Add(fileName, currentCodePage, unixLineEnds)) RefreshHistoryMenu();
}

void TForm1::StoreHistoryCodePage() {
    if (history_.Position() > 0) history_.Current().codePage = currentCodePage;
}

void TForm1::StepHistory(int direction) {
    if (!SavePrompt()) return;
    const int former = history_.Position();
    const int formerCodePage = currentCodePage;
    const bool formerUnixLineEnds = unixLineEnds;
    history_.Step(direction);
    RefreshHistoryMenu();
    const TFileHistoryEntry entry = history_.Current();
    unixLineEnds = entry.unixLineEnds;
    ShowLineEndMode();
    SelectCodePage(entry.codePage);
    if (!Load(entry.name, *Memo1, currentCodePage)) {
        // The document stays: so do the encoding and line ends its next save writes.
        history_.Step(former - history_.Position());
        RefreshHistoryMenu();
        unixLineEnds = formerUnixLineEnds;
        ShowLineEndMode();
        SelectCodePage(formerCodePage);
        return;
    }
    SetFileName(PathText(entry.name));
    SetTitles();
    SetModified(false);
}

void TForm1::PredchoziSouborClick() { StepHistory(-1); }

void TForm1::DalsiSouborClick() { StepHistory(+1); }
