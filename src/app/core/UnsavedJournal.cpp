#include "UnsavedJournal.h"

#include "BedEditStringList.h"
#include "UnsavedJournals.h"

#include <cstdio>

using namespace journal;

namespace {

// Small "key=value" lines: readable in a journal, and a later version may add keys.
std::string Field(const char* key, int value) { return std::string(key) + "=" + std::to_string(value) + "\n"; }

bool ReadField(const std::string& text, const char* key, int& value) {
    const std::string prefix = "\n" + std::string(key) + "=";
    const size_t at = ("\n" + text).find(prefix);
    return at != std::string::npos && std::sscanf(text.c_str() + at + prefix.size() - 1, "%d", &value) == 1;
}

}  // namespace

std::string EncodeLoadSettings(const TBedLoadSettings& s) {
    return Field("codePage", s.codePage) + Field("t602", s.t602Mode) + Field("wrapOnLoad", s.wrapOnLoad) +
           Field("wrapWidth", s.wrapWidth) + Field("emptyLastLine", s.emptyLastLine);
}

bool DecodeLoadSettings(const std::string& text, TBedLoadSettings& s) {
    int wrap = 0, empty = 0;
    const bool ok = ReadField(text, "codePage", s.codePage) && ReadField(text, "t602", s.t602Mode) &&
                    ReadField(text, "wrapOnLoad", wrap) && ReadField(text, "wrapWidth", s.wrapWidth) &&
                    ReadField(text, "emptyLastLine", empty);
    s.wrapOnLoad = wrap != 0;
    s.emptyLastLine = empty != 0;
    return ok;
}

std::string EncodeDocumentState(const TBedDocumentState& s) {
    return Field("codePage", s.codePage) + Field("unix", s.unixLineEnds) + Field("t602", s.t602Mode) +
           Field("readOnly", s.readOnly) + Field("bom", s.byteOrderMark);
}

bool DecodeDocumentState(const std::string& text, TBedDocumentState& s) {
    int unixEnds = 0, readOnly = 0, bom = 0;
    const bool ok = ReadField(text, "codePage", s.codePage) && ReadField(text, "unix", unixEnds) &&
                    ReadField(text, "t602", s.t602Mode) && ReadField(text, "readOnly", readOnly) &&
                    ReadField(text, "bom", bom);
    s.unixLineEnds = unixEnds != 0;
    s.readOnly = readOnly != 0;
    s.byteOrderMark = bom != 0;
    return ok;
}

TBedUnsavedJournal::TBedUnsavedJournal(TBedEditStringList& lines) : lines_(lines) {
    lines_.OnJournal = [this](const TBedLinesChange& change) { Record(change); };
}

TBedUnsavedJournal::~TBedUnsavedJournal() { lines_.OnJournal = nullptr; }

void TBedUnsavedJournal::Begin(const TBedJournalBase& base) {
    End();
    base_ = base;
    recording_ = true;
}

void TBedUnsavedJournal::Continue(std::unique_ptr<TBedJournalWriter> writer) {
    writer_ = std::move(writer);
    recording_ = true;
}

void TBedUnsavedJournal::End() {
    if (writer_) writer_->End();
    writer_.reset();
    lastState_.clear();
    lastCaret_ = {-1, -1};
}

void TBedUnsavedJournal::Note(const TBedDocumentState& state, int caretX, int caretY) {
    if (!writer_) return;
    std::string encoded = EncodeDocumentState(state);
    if (encoded != lastState_) {
        writer_->Append(kState, encoded);
        lastState_ = std::move(encoded);
    }
    if (lastCaret_ != std::pair{caretX, caretY}) {
        writer_->Append(kCaret, CaretPayload(caretX, caretY));
        lastCaret_ = {caretX, caretY};
    }
    Settle();
}

void TBedUnsavedJournal::Record(const TBedLinesChange& change) {
    if (!recording_) return;
    if (!writer_) {
        // The first change since the document was loaded, saved or made: the journal begins.
        TBedPrivateDirectory dir = OpenUnsavedJournalDirectory(true);
        if (!dir.fd) return;
        writer_ = std::make_unique<TBedJournalWriter>(dir, base_);
    }
    if (!unsettled_) {
        unsettled_ = true;
        if (OnUnsettled) OnUnsettled();
    }
    switch (change.kind) {
        case TBedLinesChangeKind::Cleared: writer_->Append(kEdit, ClearPayload()); break;
        case TBedLinesChangeKind::Joined:
            writer_->Append(kEdit,
                            JoinPayload(uint32_t(change.first), uint32_t(change.count), lines_.GetView(change.first)));
            break;
        case TBedLinesChangeKind::Deleted:
            writer_->Append(kEdit, DeletePayload(uint32_t(change.first), uint32_t(change.count)));
            break;
        case TBedLinesChangeKind::Inserted: {
            std::vector<std::string_view> added;
            added.reserve(size_t(change.count));
            for (int i = change.first; i < change.first + change.count; ++i) added.push_back(lines_.GetView(i));
            writer_->Append(kEdit, InsertPayload(uint32_t(change.first), added));
            break;
        }
        case TBedLinesChangeKind::Replaced:
            for (int i = change.first; i < change.first + change.count; ++i) {
                const std::string_view line = lines_.GetView(i);
                const size_t from = std::min(line.size(), size_t(change.from));
                const size_t kept = std::min(line.size() - from, size_t(change.kept));
                writer_->Append(kEdit, ReplacePayload(uint32_t(i), uint32_t(from), uint32_t(kept),
                                                      line.substr(from, line.size() - from - kept)));
            }
            break;
    }
}

void TBedUnsavedJournal::RecordWholeText() {
    Record({TBedLinesChangeKind::Cleared, 0, 0});
    if (lines_.Count() > 0) Record({TBedLinesChangeKind::Inserted, 0, lines_.Count()});
}

bool ReplayJournal(const TBedJournalContents& journal, TBedEditStringList& lines) {
    TBedLinesUpdate update(lines);
    for (const TBedJournalEdit& edit : journal.edits) {
        const size_t count = size_t(lines.Count());
        switch (edit.kind) {
            case TBedJournalEdit::Clear: lines.Clear(); break;
            case TBedJournalEdit::Delete:
                if (size_t(edit.first) + edit.count > count || edit.count == 0) return false;
                lines.DeleteLines(int(edit.first), int(edit.count));
                break;
            case TBedJournalEdit::Insert:
                if (edit.first > count || edit.lines.size() > size_t(INT32_MAX) - count) return false;
                for (size_t i = 0; i < edit.lines.size(); ++i) lines.Insert(int(edit.first + i), edit.lines[i]);
                break;
            case TBedJournalEdit::Join:
                if (edit.first >= count || edit.count == 0 || size_t(edit.first) + edit.count >= count) return false;
                lines.JoinLines(int(edit.first), int(edit.count), edit.lines[0]);
                break;
            case TBedJournalEdit::Replace: {
                if (edit.first >= count) return false;
                const size_t length = lines.GetView(int(edit.first)).size();
                if (size_t(edit.from) + edit.kept > length) return false;
                lines.Splice(int(edit.first), int(edit.from), int(length - edit.from - edit.kept), edit.lines[0]);
                break;
            }
        }
    }
    return true;
}
