#pragma once
// The document the window shows: which file it is (its name, the file as it was read or last
// written), how its bytes are read and written (code page, line ends, byte-order mark, T602
// mode), whether it may be changed (read-only, and why) and whether it was, the files opened
// before it, and the journal of its unsaved edits. Opening, saving, reloading, inserting a file,
// stepping through the history and switching the code page or the line ends all go through it;
// the text itself is the editing component's. Qt-free: a run without a window can open,
// convert, replace and save through it.
#include "DocumentLoader.h"
#include "DocumentPrompts.h"
#include "DocumentWriter.h"
#include "FileHistory.h"
#include "T602Session.h"
#include "UnsavedJournal.h"

#include <functional>
#include <optional>
#include <string>

class TCustomBedEdit;
struct TBedOrphanJournal;
struct TBedSettings;

enum class TBedSaveResult {
    Saved,
    NotSaved,       // refused, cancelled or reloaded instead; told where it was not the user's choice
    SaveElsewhere,  // the file may not be written: the user chose "Uložit jako"
};

class TBedDocument {
public:
    static constexpr const char* kUntitled = "UNTITLED.TXT";

    // The settings decide the automatic code page, wrapping on load and the default code page.
    TBedDocument(TCustomBedEdit& editor, const TBedSettings& settings, TBedDocumentPrompts& prompts);
    ~TBedDocument();
    TBedDocument(const TBedDocument&) = delete;
    TBedDocument& operator=(const TBedDocument&) = delete;

    TCustomBedEdit& Editor() { return editor_; }

    // ---- What it is (the window shows it) --------------------------------------------------
    // The bytes of the name; kUntitled until a file or a name is given.
    const std::string& FileName() const { return fileName_; }
    bool Untitled() const { return fileName_ == kUntitled; }
    // Names the document, nothing read (N=, and a save under a name the user gave).
    void SetFileName(std::string name);
    // The code page the next load and save use; choosing it leaves the text as it is.
    int CodePage() const { return codePage_; }
    void SetCodePage(int codePage);
    // The code page the text was read in: saved in another, it is converted.
    int TextCodePage() const { return textCodePage_; }
    // While on (K= chose the code page of the files after it), a file's content doesn't choose it.
    void KeepCodePage(bool keep) { keepCodePage_ = keep; }
    bool UnixLineEnds() const { return unixLineEnds_; }
    // "Dos <---> Unix": every line takes the other break, a change the next save writes.
    void ToggleLineEnds();
    bool ByteOrderMark() const { return byteOrderMark_; }
    T602Session& T602() { return t602_; }
    const T602Session& T602() const { return t602_; }
    // The component's read-only state; set by the user, or by the file loaded (then with a reason).
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    // Why the file loaded made the document read-only (UTF-8); empty when it did not.
    const std::string& ReadOnlyReason() const { return readOnlyReason_; }
    bool Modified() const;
    // The component knows the saved text from then on: undoing back to it clears the flag.
    void SetModified(bool modified);
    const TFileHistory& History() const { return history_; }

    // Any of the above changed (the modified flag also changes by editing: the component says so).
    std::function<void()> OnChange;
    // A file's lines are about to become the text or to be inserted into it (the window
    // chooses the highlighter for the name).
    std::function<void(const std::string& fileName)> OnLoading;

    // ---- Commands ---------------------------------------------------------------------------
    // The file becomes the document, in the code page its name or its content asks for while
    // the automatic code page is on, and goes into the history. Raises EBedFileError; then
    // nothing has changed.
    void Open(const std::string& fileName);
    // The document's file read again in the current code page, its changes dropped. Raises
    // EBedFileError.
    void Reload();
    // The previous (-1) or next (+1) file of the history, read in the code page and with the
    // line ends it had there. False, with the document as it was, when it can't be opened (told).
    bool StepHistory(int direction);
    // "Nový": an empty untitled document in the same code page and line ends (in the default
    // code page after a view with placeholders).
    void New();
    // Inserts the file's text at the caret in the current code page, through the clipboard,
    // which keeps it. False when it can't be opened or CP 1250 can't hold it (told).
    bool InsertFile(const std::string& fileName);
    // The name given for "Uložit jako": while the automatic code page is on, a name that tells its
    // code page (a.kam) chooses it.
    void Rename(std::string name);
    // Writes the document to its file. Refuses a view with placeholders; for a file the user may
    // not write offers "Uložit jako"; asks before overwriting a change another program made to
    // the file since it was read or written (and may reload it instead); asks before a
    // conversion that loses characters. Raises EBedFileError when the write fails: the file is
    // then as it was and the document still modified.
    TBedSaveResult Save();
    // Writes the document to another file, leaving the document as it is (drive A: of old).
    bool SaveCopy(const std::string& fileName);

    // ---- The journal of unsaved edits (DocumentJournal.cpp) --------------------------------
    // Begun whenever the document becomes a file's or a new one, ended when it is saved or dropped.
    TBedUnsavedJournal& Journal() { return journal_; }
    // Records the document's state and the caret, when they changed.
    void NoteJournal();
    // The document is dropped unsaved (or was saved): nothing is left to recover.
    void EndJournal();
    // What the document is besides its text, as the journal keeps it.
    TBedDocumentState State() const;
    // Opens what a crash left of a document: its file as it was loaded (or the journal's copy of
    // it), the edits played back, marked modified, undo starting there. When the file has
    // changed or is gone, the text becomes an untitled document (told). False when nothing could
    // be restored (told).
    bool Restore(TBedOrphanJournal& journal);

private:
    // The code page the automatic choice gives the file: by its name, else by its content.
    int ChosenCodePage(const TBedDocumentFile& file) const;
    // Reads the file; one that can't be opened is told, and nothing returned.
    std::optional<TBedDocumentFile> ReadOrTell(const std::string& fileName);
    // The file's lines become the text, in the code page, wrapped on load as asked (0: not
    // wrapped); from then on the document is that file's. Raises EBedFileError (the memory ran
    // out) with the document as it was.
    void Fill(TBedDocumentFile file, int codePage, int wrapWidth);
    // The width a load wraps at, 0 when wrapping on load is off.
    int WrapOnLoadWidth() const;
    void WrapLoadedLines(int width);
    T602Session::AskUser AskT602(TBedT602Mode& answer);
    // The read-only state a file loaded asks for: set with its reason, or (empty reason) back
    // as it was before a load set it.
    void SetLoadReason(std::string reason);
    // Saving a view with placeholders is refused, told: true then.
    bool RefuseMisfitView();
    // Before a text read in one code page is written in another: asks when that code page lacks
    // some of its characters; false when it is not to be written.
    bool ConfirmConversion();
    TBedWrittenFile Write(const std::string& fileName);
    void TellSaveRemarks(const std::string& fileName, const std::vector<std::string>& remarks);
    // The journal starts from the file as loaded, or as written.
    void BeginFileJournal(const TBedFileIdentity& identity, const TBedLoadSettings& settings);
    void JournalAfterSave(const TBedWrittenFile& written);
    void TakeState(const TBedDocumentState& state);
    void Changed();

    TCustomBedEdit& editor_;
    const TBedSettings& settings_;
    TBedDocumentPrompts& prompts_;
    std::string fileName_ = kUntitled;
    // The document's file as it was read or last written, to notice another program's change.
    struct TDiskFile {
        std::string name;
        TBedFileIdentity identity;
    };
    std::optional<TDiskFile> diskFile_;
    int codePage_;
    int textCodePage_;
    bool keepCodePage_ = false;
    bool unixLineEnds_ = false;
    bool byteOrderMark_ = false;  // the UTF-8 file began with one
    T602Session t602_;
    bool readOnlyByLoad_ = false;
    bool misfitView_ = false;  // the text holds placeholders for what CP 1250 lacks
    std::string readOnlyReason_;
    TFileHistory history_;
    TBedUnsavedJournal journal_;
};
