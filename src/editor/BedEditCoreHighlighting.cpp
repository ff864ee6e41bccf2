// Driving the attached highlighter: per-line start states and word characters.
#include "BedEditCoreInternal.h"
#include "BedHighlighter.h"

#include <climits>

void TCustomBedEdit::SetHighlighter(TBedCustomHighlighter* highlighter) {
    if (highlighter == highlighter_) return;
    const auto handler = TBedNotifyEvent::Of<&TCustomBedEdit::HighlighterChanged>(this);
    if (highlighter_) {
        highlighter_->RemoveChangeHandler(handler);
        highlighter_->RemoveFreeNotification(this);
    }
    highlighter_ = highlighter;
    checkpoints_.Clear();
    if (highlighter_) {
        highlighter_->AddChangeHandler(handler);
        highlighter_->AddFreeNotification(this, [this] { HighlighterFreed(); });
    }
    UpdateWordChars();
    {
        TBedLinesUpdate update(lines_);
        RescanAll();
    }
    HighlighterMetricsChanged();
    InvalidateLines(-1, -1);
}

void TCustomBedEdit::HighlighterChanged(void*) { HighlighterMetricsChanged(); }

void TCustomBedEdit::HighlighterFreed() {
    highlighter_ = nullptr;
    checkpoints_.Clear();
    UpdateWordChars();
    HighlighterMetricsChanged();
    InvalidateLines(-1, -1);
}

void TCustomBedEdit::UpdateWordChars() {
    wordChars_ = highlighter_ ? highlighter_->WordCharacters() : BedNonBlankCharacters();
}

void TCustomBedEdit::RescanAll() {
    if (!highlighter_ || lines_.Count() == 0) return;
    highlighter_->ClearRange();
    for (int i = 0; i < lines_.Count(); ++i) {
        lines_.PutRange(i, highlighter_->CurrentRange());
        ScanLine(i);
    }
}

// Scans line i to its end from its stored start state. A long line without tabs (where the
// offsets are those painting uses) goes on from its last checkpoint and leaves new ones.
void TCustomBedEdit::ScanLine(int i) {
    const std::string_view text = lines_.GetView(i);
    if (text.size() <= 2 * size_t(TBedLineCheckpoints::kSpacing) || lines_.HasTabs(i)) {
        highlighter_->StartLine(text, i);
        highlighter_->ScanToLineEnd();
        return;
    }
    checkpoints_.Start(*highlighter_, text, i, lines_.GetRange(i), INT_MAX);
    for (; !highlighter_->AtLineEnd(); highlighter_->NextToken()) checkpoints_.Passed(*highlighter_);
}

// After lines were inserted, added or deleted at index.
int TCustomBedEdit::RescanFrom(int index) {
    if (!highlighter_ || lines_.Count() == 0) return index;
    if (index <= 0) {
        highlighter_->ClearRange();
        lines_.PutRange(0, highlighter_->CurrentRange());
        return lines_.Count() > 1 ? ScanFrom(0) : 0;
    }
    highlighter_->RestoreRange(lines_.GetRange(index - 1));
    return ScanFrom(index - 1);
}

// Scans line s from the state already set and the following lines until one starts in the
// state stored for it, but at least through line `through`. Returns the last line scanned.
int TCustomBedEdit::ScanFrom(int s, int through) {
    const int count = lines_.Count();
    if (s >= count - 1) return s;
    ScanLine(s);
    int t = s + 1;
    for (; t < count; ++t) {
        const TBedRange range = highlighter_->CurrentRange();
        if (t > through && range == lines_.GetRange(t)) break;
        lines_.PutRange(t, range);
        ScanLine(t);
    }
    return t - 1;
}
