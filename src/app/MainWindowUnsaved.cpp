// The journal of the document's unsaved edits, and the offer of what a crash left of other
// sessions' documents: restore, discard, or keep for later.
#include "MainWindow.h"
#include "FilePathText.h"

#include "BedEdit.h"
#include "CodePages.h"
#include "FilePaths.h"
#include "UnsavedJournal.h"
#include "UnsavedJournals.h"
#include "UnsavedWorkDialog.h"
#include "UnsavedWorkText.h"
#include "FileChecksum.h"

#include <QAction>
#include <QTimer>

#include <cstdlib>

namespace {

// How often the caret and the document's state go to the journal, when they changed; the edits
// themselves go as they happen.
constexpr int kJournalNoteMs = 400;

}  // namespace

void TForm1::StartJournal() {
    TBedUnsavedJournal& journal = document_->Journal();
    // A command's changes are whole once the event loop has them back.
    journal.OnUnsettled = [this, &journal] { QTimer::singleShot(0, this, [&journal] { journal.Settle(); }); };
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { document_->NoteJournal(); });
    timer->start(kJournalNoteMs);
}

void TForm1::OfferUnsavedWork(const std::string& onlyFile) {
    std::vector<std::string> problems;
    std::vector<TBedOrphanJournal> journals = FindOrphanedJournals(problems);
    if (!onlyFile.empty()) {
        const std::string wanted = RealPath(onlyFile);
        std::erase_if(journals, [&](const TBedOrphanJournal& j) { return j.contents.base.path != wanted; });
        problems.clear();  // told at the start
    }
    for (const std::string& problem : problems) ui_.InformationBox(QString::fromStdString(problem));
    while (!journals.empty()) {
        std::vector<TUnsavedWorkEntry> entries;
        for (const TBedOrphanJournal& j : journals) {
            const TBedUnsavedWorkText t = UnsavedWorkText(j);
            entries.push_back({PathText(t.document), QString::fromStdString(t.lastChange),
                               QString::fromStdString(t.changes), PathText(t.journal)});
        }
        int chosen = 0;
        const TUnsavedWorkAnswer answer = ui_.UnsavedWorkPrompt(entries, chosen);
        if (answer == TUnsavedWorkAnswer::Later || chosen < 0 || chosen >= int(journals.size())) return;
        TBedOrphanJournal& journal = journals[size_t(chosen)];
        if (answer == TUnsavedWorkAnswer::Discard) {
            const QString question =
                QString::fromUtf8("Opravdu zahodit neuložené změny dokumentu %1? Vrátit to nepůjde.")
                    .arg(entries[size_t(chosen)].document);
            if (ui_.Question(QString::fromUtf8(kUnsavedWorkCaption), question, {"Zahodit", "Nechat"}) == 0) {
                DiscardJournal(journal);
                journals.erase(journals.begin() + chosen);
            }
            continue;
        }
        // One document per window: the others wait for another start or open.
        if (SavePrompt()) RestoreUnsavedWork(journal);
        return;
    }
}

void TForm1::RestoreUnsavedWork(TBedOrphanJournal& journal) {
    if (!document_->Restore(journal)) return;
    if (document_->Untitled())
        setWindowTitle(kCaption);
    else
        SetTitles();
    Memo1->setFocus();
}
