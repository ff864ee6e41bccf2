#pragma once
// Pieces shared by the implementation files of TCustomBedEdit; not part of its interface.
#include "BedEditCore.h"
#include "BedTextLines.h"

#include <string>
#include <vector>

struct TCustomBedEdit::TCommandArgs {
    TBedEditorCommand command;
    char ch;
    void* data;
    bool selecting;  // the selecting twin of a movement command
};

// Switches eoScrollPastEol on for a scope (the caret may then stand past the end of a line).
class TCustomBedEdit::TScrollPastEol {
public:
    explicit TScrollPastEol(TCustomBedEdit& e) : e_(e), old_(e.options_) { e_.options_ = old_.With(eoScrollPastEol); }
    // Only the flag is restored: other options changed meanwhile stay.
    ~TScrollPastEol() { e_.options_ = e_.options_.With(eoScrollPastEol, old_.Contains(eoScrollPastEol)); }
    TScrollPastEol(const TScrollPastEol&) = delete;
    TScrollPastEol& operator=(const TScrollPastEol&) = delete;

private:
    TCustomBedEdit& e_;
    TBedEditorOptions old_;
};

// Uses another selection mode for a scope; the previous one comes back also after an error.
class TCustomBedEdit::TModeSwitch {
public:
    TModeSwitch(TCustomBedEdit& e, TBedSelectionMode mode) : e_(e), old_(e.selection_.mode) {
        e_.selection_.mode = mode;
    }
    ~TModeSwitch() { e_.selection_.mode = old_; }
    TModeSwitch(const TModeSwitch&) = delete;
    TModeSwitch& operator=(const TModeSwitch&) = delete;

private:
    TCustomBedEdit& e_;
    TBedSelectionMode old_;
};

// Suspends recording on both lists while the component records the change itself.
class TCustomBedEdit::TUndoSuspension {
public:
    explicit TUndoSuspension(TCustomBedEdit& e) : e_(e) {
        e_.undoList_.Suspend();
        e_.redoList_.Suspend();
    }
    ~TUndoSuspension() {
        e_.undoList_.Resume();
        e_.redoList_.Resume();
    }
    TUndoSuspension(const TUndoSuspension&) = delete;
    TUndoSuspension& operator=(const TUndoSuspension&) = delete;

private:
    TCustomBedEdit& e_;
};

namespace bededit {

std::string JoinLines(const std::vector<std::string>& lines);  // CR LF between
inline const std::string kLineBreak = "\r\n";
// Position right after inserting `text` (with breaks) at p.
TBedPoint PointAfter(TBedPoint p, const std::string& text);

}  // namespace bededit
