#pragma once
// A document's unsaved edits kept in a journal: the lines' changes are recorded as they happen,
// and played back onto the document's starting text after a crash. Qt-free.
#include "EditJournalReader.h"
#include "EditJournalWriter.h"

#include <functional>
#include <memory>
#include <string>

class TBedEditStringList;

// How the document's file was loaded, so that loading it again gives the same lines.
struct TBedLoadSettings {
    int codePage = 0;
    int t602Mode = 0;  // the T602 mode the load used
    bool wrapOnLoad = false;
    int wrapWidth = 0;
    bool emptyLastLine = false;  // an empty line follows the loaded ones
};
std::string EncodeLoadSettings(const TBedLoadSettings& settings);
bool DecodeLoadSettings(const std::string& text, TBedLoadSettings& settings);

// What the document is besides its text, restored with it.
struct TBedDocumentState {
    int codePage = 0;
    bool unixLineEnds = false;
    int t602Mode = 0;
    bool readOnly = false;
    bool byteOrderMark = false;
    friend bool operator==(const TBedDocumentState&, const TBedDocumentState&) = default;
};
std::string EncodeDocumentState(const TBedDocumentState& state);
bool DecodeDocumentState(const std::string& text, TBedDocumentState& state);

// Records every change of the lines into a journal, which it starts with the first change after
// Begin; End removes the journal (the document was saved or dropped).
class TBedUnsavedJournal {
public:
    explicit TBedUnsavedJournal(TBedEditStringList& lines);
    ~TBedUnsavedJournal();  // the journal stays for the next start, as after a crash
    TBedUnsavedJournal(const TBedUnsavedJournal&) = delete;
    TBedUnsavedJournal& operator=(const TBedUnsavedJournal&) = delete;

    // The lines now are `base`: changes from here on are journalled.
    void Begin(const TBedJournalBase& base);
    // Goes on with an orphaned journal whose edits were played back onto the lines.
    void Continue(std::unique_ptr<TBedJournalWriter> writer);
    // The document was saved or dropped: no journal until the next Begin.
    void End();
    // Changes made from now on are not journalled (the document is being loaded), until Resume
    // (the load failed: the document stays) or Begin.
    void Pause() { recording_ = false; }
    void Resume() { recording_ = true; }
    // Journals the whole text as it is now, so that the journal does not depend on its base.
    void RecordWholeText();

    bool Active() const { return bool(writer_); }
    // The commands that changed the lines so far have ended: their records may go to disk.
    // Until then a crash keeps the text as it was before them.
    void Settle() {
        if (writer_) writer_->Settle();
        unsettled_ = false;
    }
    // Called at the first change after a Settle, so that the owner settles once the command ends.
    std::function<void()> OnUnsettled;
    // Records the state and the caret when they changed since they were last recorded.
    void Note(const TBedDocumentState& state, int caretX, int caretY);
    TBedJournalWriter* Writer() const { return writer_.get(); }

private:
    void Record(const struct TBedLinesChange& change);

    TBedEditStringList& lines_;
    bool recording_ = false;
    TBedJournalBase base_;
    std::unique_ptr<TBedJournalWriter> writer_;
    std::string lastState_;
    std::pair<int, int> lastCaret_{-1, -1};
    bool unsettled_ = false;
};

// Plays the journal's edits back onto the lines, in order, up to the first that does not fit
// them (a line beyond the text, a part beyond a line): false then, with the edits before it
// applied. The lines change without any undo record.
bool ReplayJournal(const TBedJournalContents& journal, TBedEditStringList& lines);
