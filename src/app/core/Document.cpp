// The document's state, and the ways a file becomes it: open, reload, the history, insert, new.
#include "Document.h"

#include "BedEditCore.h"
#include "CodePageRecognition.h"
#include "CodePages.h"
#include "FileAccess.h"
#include "LineWrap.h"
#include "Settings.h"
#include "TextToolEdit.h"

TBedDocument::TBedDocument(TCustomBedEdit& editor, const TBedSettings& settings, TBedDocumentPrompts& prompts)
    : editor_(editor),
      settings_(settings),
      prompts_(prompts),
      codePage_(cpCP1250),
      textCodePage_(cpCP1250),
      journal_(editor.Lines()) {
    journal_.Begin({});
}

TBedDocument::~TBedDocument() = default;

void TBedDocument::Changed() {
    if (OnChange) OnChange();
}

void TBedDocument::SetFileName(std::string name) {
    fileName_ = std::move(name);
    Changed();
}

void TBedDocument::SetCodePage(int codePage) {
    if (!IsCodePage(codePage)) return;
    codePage_ = codePage;
    Changed();
}

void TBedDocument::ToggleLineEnds() {
    unixLineEnds_ = !unixLineEnds_;
    // Every line takes the chosen break, also those that had another in the file.
    editor_.Lines().ForgetLineBreaks();
    // The next save writes other bytes: closing without asking would lose the change.
    SetModified(true);
}

bool TBedDocument::ReadOnly() const { return editor_.ReadOnly(); }

void TBedDocument::SetReadOnly(bool readOnly) {
    editor_.SetReadOnly(readOnly);
    Changed();
}

bool TBedDocument::Modified() const { return editor_.Modified(); }

void TBedDocument::SetModified(bool modified) {
    editor_.SetModified(modified);
    Changed();
}

int TBedDocument::ChosenCodePage(const TBedDocumentFile& file) const {
    if (!settings_.autokodovani) return codePage_;
    if (const auto named = CodePageNamedBy(file.fileName)) return *named;
    if (!settings_.rozpoznatKodovani || keepCodePage_) return codePage_;
    const TBedEditBlock& bytes = file.contents.bytes;
    return RecogniseCodePage(std::string_view(bytes.bytes.get(), bytes.size), TBedCodePage(codePage_))
        .value_or(TBedCodePage(codePage_));
}

std::optional<TBedDocumentFile> TBedDocument::ReadOrTell(const std::string& fileName) {
    try {
        return ReadDocumentFile(fileName);
    } catch (const EBedFileError& e) {
        if (e.kind() != EBedFileError::Open) throw;
        prompts_.Error(
            "Soubor není možné otevřít. Zkontrolujte zejména není-li již otevřen v jiném programu "
            "nebo není-li špatně sdílen přes síť.");
        return std::nullopt;
    }
}

T602Session::AskUser TBedDocument::AskT602(TBedT602Mode& answer) {
    answer = t602_.Mode();
    return [this, &answer] { return answer = prompts_.AskT602(); };
}

int TBedDocument::WrapOnLoadWidth() const { return settings_.zalamovani ? settings_.hraniceZlomu : 0; }

void TBedDocument::WrapLoadedLines(int width) {
    if (width <= 0) return;
    TBedTextToolEdit edit(editor_);
    WrapLines(edit, width);
}

void TBedDocument::Fill(TBedDocumentFile file, int codePage, int wrapWidth) {
    if (OnLoading) OnLoading(file.fileName);
    std::string fileName = file.fileName;
    const TBedFileIdentity identity = file.contents.identity;
    const bool unixLineEnds = file.unixLineEnds;
    // The mode the load goes by: the session's, or the user's answer when asked.
    TBedT602Mode t602Mode;
    TBedLoadOutcome outcome;
    {
        TBedLinesUpdate update(editor_.Lines());
        journal_.Pause();
        try {
            outcome = LoadDocument(std::move(file), codePage, t602_, AskT602(t602Mode), editor_.Lines());
        } catch (...) {
            // A load that fails leaves the document as it was, under its own name.
            journal_.Resume();
            throw;
        }
        // From here on the document is that file's, whatever fails later.
        EndJournal();
        fileName_ = std::move(fileName);
        diskFile_ = TDiskFile{fileName_, identity};
        codePage_ = textCodePage_ = codePage;
        unixLineEnds_ = unixLineEnds;
        WrapLoadedLines(wrapWidth);
        // The loaded, wrapped text is what the edits from now on start from.
        BeginFileJournal(
            identity, {codePage, t602Mode, wrapWidth > 0, wrapWidth > 0 ? wrapWidth : settings_.hraniceZlomu, false});
    }
    byteOrderMark_ = outcome.byteOrderMark;
    misfitView_ = bool(outcome.misfit);
    if (outcome.misfit) {
        SetLoadReason("Jen pro čtení: znaky, které CP 1250 nemá, jsou nahrazeny značkou.");
        prompts_.Error(Utf8MisfitMessage(*outcome.misfit));
    } else if (const auto why = WhyNotWritable(fileName_)) {
        SetLoadReason("Jen pro čtení: soubor " + *why + '.');
    } else {
        SetLoadReason({});
    }
    editor_.SetCaretY(1);
}

void TBedDocument::SetLoadReason(std::string reason) {
    if (reason.empty()) {
        if (readOnlyByLoad_ && editor_.ReadOnly()) editor_.SetReadOnly(false);
        readOnlyByLoad_ = false;
    } else if (!editor_.ReadOnly()) {
        editor_.SetReadOnly(true);
        readOnlyByLoad_ = true;
    }
    readOnlyReason_ = std::move(reason);
    Changed();
}

void TBedDocument::Open(const std::string& fileName) {
    TBedDocumentFile file = ReadDocumentFile(fileName);
    const int codePage = ChosenCodePage(file);
    Fill(std::move(file), codePage, WrapOnLoadWidth());
    editor_.SetModified(false);
    history_.Add(fileName_, codePage_, unixLineEnds_);
    Changed();
}

void TBedDocument::Reload() {
    Fill(ReadDocumentFile(fileName_), codePage_, WrapOnLoadWidth());
    editor_.SetModified(false);
    if (history_.Position() > 0) history_.Current().codePage = codePage_;
    editor_.SetSelFrom({1, 1});
    Changed();
}

bool TBedDocument::StepHistory(int direction) {
    const int position = history_.Position() + direction;
    if (position < 1 || position > history_.Count()) return false;
    const TFileHistoryEntry entry = history_.Entry(position);
    std::optional<TBedDocumentFile> file = ReadOrTell(entry.name);
    if (!file) return false;
    // Neither the name nor the content chooses: the file comes back as it was read then.
    file->unixLineEnds = entry.unixLineEnds;
    Fill(std::move(*file), entry.codePage, WrapOnLoadWidth());
    history_.Step(position - history_.Position());
    history_.Refresh();
    editor_.SetModified(false);
    Changed();
    return true;
}

void TBedDocument::New() {
    EndJournal();
    editor_.Lines().Clear();
    journal_.Begin({});
    diskFile_.reset();
    byteOrderMark_ = false;
    // A new document starts in the default code page rather than in the one a refused file came
    // in, and writable.
    if (misfitView_) codePage_ = settings_.implicitniKodovani;
    misfitView_ = false;
    SetLoadReason({});
    textCodePage_ = cpCP1250;  // typed text
    fileName_ = kUntitled;
    history_.Refresh();
    editor_.SetModified(false);
    Changed();
}

bool TBedDocument::InsertFile(const std::string& fileName) {
    std::optional<TBedDocumentFile> file = ReadOrTell(fileName);
    if (!file) return false;
    if (OnLoading) OnLoading(fileName);
    TBedEditStringList lines;
    TBedT602Mode t602Mode;
    const TBedLoadOutcome outcome = LoadDocument(std::move(*file), codePage_, t602_, AskT602(t602Mode), lines);
    if (outcome.misfit) {
        prompts_.Error(Utf8MisfitReason(*outcome.misfit) + " Soubor se nevložil.");
        return false;
    }
    // As after any load, the document is wrapped when wrapping on load is on.
    WrapLoadedLines(WrapOnLoadWidth());
    std::string text = lines.Text();
    // An empty file inserts nothing, and leaves the clipboard alone.
    if (text.size() <= 2) return true;
    text.resize(text.size() - 2);  // no break after the last line
    editor_.Clipboard().SetText(text, smNormal);
    editor_.PasteClipboardText();
    return true;
}

void TBedDocument::Rename(std::string name) {
    const TBedCodePage chosen = CodePageForFileName(name, TBedCodePage(codePage_), settings_.autokodovani);
    fileName_ = std::move(name);
    codePage_ = chosen;
    Changed();
}
