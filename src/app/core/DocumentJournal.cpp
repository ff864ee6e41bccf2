// The journal of the document's unsaved edits: where it starts from, what it records besides the
// edits, and the document a crash left, restored from it.
#include "Document.h"

#include "BedEditCore.h"
#include "CodePages.h"
#include "FileChecksum.h"
#include "FilePaths.h"
#include "Settings.h"
#include "UnsavedJournals.h"

#include <algorithm>

void TBedDocument::EndJournal() {
    journal_.End();
    journal_.Pause();
}

void TBedDocument::BeginFileJournal(const TBedFileIdentity& identity, const TBedLoadSettings& settings) {
    journal_.Begin({true, RealPath(fileName_), identity, EncodeLoadSettings(settings)});
}

void TBedDocument::JournalAfterSave(const TBedWrittenFile& written) {
    // The file as written is where the journal starts from, when loading it gives these lines.
    BeginFileJournal(written.identity, {codePage_, t602Leave, false, 0, written.emptyLastLine});
    if (written.reloadsExactly) return;
    // Else the journal holds the whole text, as long as that is cheap.
    const TBedEditStringList& lines = editor_.Lines();
    const auto whole = lines.UnchangedLoadedText();
    size_t size = whole ? whole->size() : 0;
    for (int i = 0; !whole && i < lines.Count() && size <= size_t(kJournalSnapshotLimit); ++i)
        size += lines.GetView(i).size() + 1;
    if (size <= size_t(kJournalSnapshotLimit))
        journal_.RecordWholeText();
    else
        EndJournal();
}

TBedDocumentState TBedDocument::State() const {
    return {codePage_, unixLineEnds_, int(t602_.Mode()), editor_.ReadOnly(), byteOrderMark_};
}

void TBedDocument::NoteJournal() {
    if (journal_.Active()) journal_.Note(State(), editor_.CaretX(), editor_.CaretY());
}

void TBedDocument::TakeState(const TBedDocumentState& state) {
    if (IsCodePage(state.codePage)) codePage_ = state.codePage;
    unixLineEnds_ = state.unixLineEnds;
    if (state.t602Mode >= t602Leave && state.t602Mode <= t602Ask) t602_.SetMode(TBedT602Mode(state.t602Mode));
    editor_.SetReadOnly(state.readOnly);
    byteOrderMark_ = state.byteOrderMark;
}

bool TBedDocument::Restore(TBedOrphanJournal& journal) {
    const TBedJournalContents& c = journal.contents;
    TBedLoadSettings settings;
    const bool settingsKnown = DecodeLoadSettings(c.base.settings, settings);
    // The base is the file as it was loaded, when it still is: else its copy in the journal.
    const std::optional<TBedFileIdentity> now = c.base.fromFile ? FileIdentityOnDisk(c.base.path) : std::nullopt;
    bool fileMatches = c.base.fromFile && settingsKnown && now && *now == c.base.identity;
    std::optional<TBedDocumentFile> file;
    if (fileMatches) {
        file = ReadDocumentFile(c.base.path);
        if (c.checksum &&
            ChecksumOf(std::string_view(file->contents.bytes.bytes.get(), file->contents.bytes.size)) != *c.checksum)
            fileMatches = false;
    }
    const bool fromClear = !c.edits.empty() && c.edits.front().kind == TBedJournalEdit::Clear;
    if (c.base.fromFile && !fileMatches) {
        if (c.snapshot && settingsKnown) {
            TBedEditBlock bytes{std::make_unique_for_overwrite<char[]>(c.snapshot->size()), c.snapshot->size()};
            std::copy(c.snapshot->begin(), c.snapshot->end(), bytes.bytes.get());
            file = TBedDocumentFile{c.base.path, {std::move(bytes), c.base.identity}, false};
        } else if (!fromClear) {
            prompts_.Error("Neuložené změny souboru " + c.base.path +
                           " nelze obnovit: soubor se mezitím změnil nebo zmizel a jeho původní obsah záznam "
                           "nemá (soubor je větší než 64 MB, nebo program skončil dřív, než ho stihl přečíst). "
                           "Záznam zůstává v " +
                           journal.path + ".");
            return false;
        }
    }
    EndJournal();
    editor_.Lines().Clear();
    if (file) {
        // Loaded as it was then: the same code page, T602 mode and wrapping.
        const TBedT602Mode t602Mode = t602_.Mode();
        t602_.SetMode(TBedT602Mode(settings.t602Mode));
        file->unixLineEnds =
            DetectUnixLineEnds(std::string_view(file->contents.bytes.bytes.get(), file->contents.bytes.size));
        const int wrapWidth = !settings.wrapOnLoad     ? 0
                              : settings.wrapWidth > 0 ? settings.wrapWidth
                                                       : settings_.hraniceZlomu;
        try {
            Fill(std::move(*file), IsCodePage(settings.codePage) ? settings.codePage : codePage_, wrapWidth);
        } catch (...) {
            t602_.SetMode(t602Mode);
            throw;
        }
        if (settings.emptyLastLine) editor_.Lines().Add("");
        t602_.SetMode(t602Mode);
        EndJournal();
    } else {
        // Typed into an untitled document: nothing of the document shown before holds for it.
        textCodePage_ = cpCP1250;
        misfitView_ = false;
        SetLoadReason({});
    }
    const bool complete = ReplayJournal(c, editor_.Lines()) && c.complete;
    // Undo starts from the recovered text.
    editor_.UndoList().Clear();
    editor_.RedoList().Clear();
    TBedDocumentState state;
    if (DecodeDocumentState(c.state, state)) TakeState(state);
    if (fileMatches) {
        fileName_ = c.base.path;
        history_.Add(fileName_, codePage_, unixLineEnds_);
    } else {
        fileName_ = kUntitled;
        diskFile_.reset();
    }
    editor_.SetModified(true);
    if (c.caret) {
        editor_.SetCaretY(c.caret->second);
        editor_.SetCaretX(c.caret->first);
    }
    // The journal goes on from here, with what was played back.
    journal_.Continue(std::make_unique<TBedJournalWriter>(std::move(journal.fd), journal.path, c.validLength));
    Changed();
    if (c.base.fromFile && !fileMatches)
        prompts_.Information("Soubor " + c.base.path +
                             " se od neuložených změn změnil nebo zmizel: obnovený text je otevřen jako nový "
                             "dokument bez jména.");
    if (!complete)
        prompts_.Information("Záznam neuložených změn byl na konci poškozený: obnovilo se vše do poškozeného místa.");
    return true;
}
