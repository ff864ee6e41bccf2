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
#include "FileChecksum.h"

#include <QAction>
#include <QDateTime>
#include <QLocale>
#include <QTimer>

#include <cstdlib>

namespace {

// How often the caret and the document's state go to the journal, when they changed; the edits
// themselves go as they happen.
constexpr int kJournalNoteMs = 400;

std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return AbsolutePath(path);
    std::string resolved = real;
    std::free(real);
    return resolved;
}

QString SizeText(size_t bytes) {
    return QLocale(QLocale::Czech).formattedDataSize(qint64(bytes), 1, QLocale::DataSizeTraditionalFormat);
}

}  // namespace

void TForm1::StartJournal() {
    unsaved_ = std::make_unique<TBedUnsavedJournal>(Memo1->Lines());
    // A command's changes are whole once the event loop has them back.
    unsaved_->OnUnsettled = [this] { QTimer::singleShot(0, this, [this] { unsaved_->Settle(); }); };
    BeginJournal({});
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { NoteJournal(); });
    timer->start(kJournalNoteMs);
}

void TForm1::EndJournal() {
    unsaved_->End();
    unsaved_->Pause();
}

void TForm1::BeginJournal(const TBedJournalBase& base) { unsaved_->Begin(base); }

TBedJournalBase TForm1::FileJournalBase(const std::string& fileName, const TBedFileIdentity& identity,
                                        const TBedLoadSettings& settings) {
    return {true, RealPath(fileName), identity, EncodeLoadSettings(settings)};
}

void TForm1::JournalAfterSave(const std::string& fileName, const TBedWrittenFile& written) {
    // The file as written is where the journal starts from, when loading it gives these lines.
    TBedLoadSettings settings{currentCodePage, t602Leave, false, 0, written.emptyLastLine};
    BeginJournal(FileJournalBase(fileName, written.identity, settings));
    if (written.reloadsExactly) return;
    // Else the journal holds the whole text, as long as that is cheap.
    size_t size = 0;
    for (int i = 0; i < Memo1->Lines().Count() && size <= size_t(kJournalSnapshotLimit); ++i)
        size += Memo1->Lines().GetView(i).size() + 1;
    if (size <= size_t(kJournalSnapshotLimit))
        unsaved_->RecordWholeText();
    else
        EndJournal();
}

TBedDocumentState TForm1::DocumentState() const {
    return {currentCodePage, unixLineEnds, int(t602.Mode()), Memo1->ReadOnly(), byteOrderMark};
}

void TForm1::NoteJournal() {
    if (unsaved_->Active()) unsaved_->Note(DocumentState(), Memo1->CaretX(), Memo1->CaretY());
}

void TForm1::TakeDocumentState(const TBedDocumentState& state) {
    SelectCodePage(IsCodePage(state.codePage) ? state.codePage : currentCodePage);
    unixLineEnds = state.unixLineEnds;
    ShowLineEndMode();
    if (state.t602Mode >= t602Leave && state.t602Mode <= t602Ask) t602.SetMode(TBedT602Mode(state.t602Mode));
    Action("readonly")->setChecked(state.readOnly);
    readonlyClick();
    byteOrderMark = state.byteOrderMark;
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
            const TBedJournalContents& c = j.contents;
            entries.push_back({c.base.fromFile ? PathText(c.base.path) : QString::fromUtf8("dokument bez jména"),
                               QLocale(QLocale::Czech).toString(QDateTime::fromMSecsSinceEpoch(j.modifiedNs / 1000000),
                                                                QLocale::ShortFormat),
                               SizeText(c.editBytes), PathText(j.path)});
        }
        int chosen = 0;
        const TUnsavedWorkAnswer answer = ui_.UnsavedWorkPrompt(entries, chosen);
        if (answer == TUnsavedWorkAnswer::Later || chosen < 0 || chosen >= int(journals.size())) return;
        TBedOrphanJournal& journal = journals[size_t(chosen)];
        if (answer == TUnsavedWorkAnswer::Discard) {
            const QString question = QString::fromUtf8("Opravdu zahodit neuložené změny dokumentu %1? Vrátit to nepůjde.")
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
    const TBedJournalContents& c = journal.contents;
    TBedLoadSettings settings;
    const bool settingsKnown = DecodeLoadSettings(c.base.settings, settings);
    // The base is the file as it was loaded, when it still is: else its copy in the journal.
    const std::optional<TBedFileIdentity> now = c.base.fromFile ? FileIdentityOnDisk(c.base.path) : std::nullopt;
    bool fileMatches = c.base.fromFile && settingsKnown && now && *now == c.base.identity;
    std::optional<TBedDocumentFile> file;
    if (fileMatches) {
        file = ReadDocumentFile(c.base.path);
        if (c.checksum && ChecksumOf(std::string_view(file->contents.bytes.bytes.get(), file->contents.bytes.size)) !=
                              *c.checksum)
            fileMatches = false;
    }
    const bool fromClear = !c.edits.empty() && c.edits.front().kind == TBedJournalEdit::Clear;
    if (c.base.fromFile && !fileMatches) {
        if (c.snapshot && settingsKnown) {
            TBedEditBlock bytes{std::make_unique_for_overwrite<char[]>(c.snapshot->size()), c.snapshot->size()};
            std::copy(c.snapshot->begin(), c.snapshot->end(), bytes.bytes.get());
            file = TBedDocumentFile{c.base.path, {std::move(bytes), c.base.identity}, false};
        } else if (!fromClear) {
            ui_.ErrorBox(QString::fromUtf8("Neuložené změny souboru %1 nelze obnovit: soubor se mezitím změnil nebo "
                                           "zmizel a jeho původní obsah záznam nemá (soubor je větší než 64 MB, "
                                           "nebo program skončil dřív, než ho stihl přečíst). Záznam zůstává v %2.")
                             .arg(PathText(c.base.path), PathText(journal.path)));
            return;
        }
    }
    EndJournal();
    Memo1->Lines().Clear();
    if (file) {
        // Loaded as it was then: the same code page, T602 mode and wrapping.
        const TBedT602Mode t602Mode = t602.Mode();
        const bool wrap = Action("Zalamovani")->isChecked();
        const int width = rightEdge;
        t602.SetMode(TBedT602Mode(settings.t602Mode));
        Action("Zalamovani")->setChecked(settings.wrapOnLoad);
        rightEdge = settings.wrapWidth > 0 ? settings.wrapWidth : rightEdge;
        SelectCodePage(settings.codePage);
        file->unixLineEnds = DetectUnixLineEnds(std::string_view(file->contents.bytes.bytes.get(), file->contents.bytes.size));
        const std::string name = file->fileName;
        Load(std::move(*file), *Memo1, settings.codePage);
        if (settings.emptyLastLine) Memo1->Lines().Add("");
        t602.SetMode(t602Mode);
        Action("Zalamovani")->setChecked(wrap);
        rightEdge = width;
        EndJournal();
    }
    const bool complete = ReplayJournal(c, Memo1->Lines()) && c.complete;
    // Undo starts from the recovered text.
    Memo1->UndoList().Clear();
    Memo1->RedoList().Clear();
    TBedDocumentState state;
    if (DecodeDocumentState(c.state, state)) TakeDocumentState(state);
    if (fileMatches) {
        SetFileName(PathText(c.base.path));
        SetTitles();
        AddToHistory(c.base.path);
    } else {
        SetFileName(kUntitled);
        setWindowTitle(kCaption);
        diskFile_.reset();
    }
    SetModified(true);
    if (c.caret) {
        Memo1->SetCaretY(c.caret->second);
        Memo1->SetCaretX(c.caret->first);
    }
    // The journal goes on from here, with what was played back.
    unsaved_->Continue(std::make_unique<TBedJournalWriter>(std::move(journal.fd), journal.path, c.validLength));
    if (c.base.fromFile && !fileMatches)
        ui_.InformationBox(QString::fromUtf8("Soubor %1 se od neuložených změn změnil nebo zmizel: obnovený text je "
                                             "otevřen jako nový dokument bez jména.")
                               .arg(PathText(c.base.path)));
    if (!complete)
        ui_.InformationBox(QString::fromUtf8("Záznam neuložených změn byl na konci poškozený: obnovilo se vše do "
                                             "poškozeného místa."));
}
