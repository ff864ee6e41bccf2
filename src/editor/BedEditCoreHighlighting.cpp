// Driving the attached highlighter: per-line start states and word characters.
#include "BedEditCoreInternal.h"
#include "BedHighlighter.h"

void TCustomBedEdit::SetHighlighter(TBedCustomHighlighter* highlighter) {
    if (highlighter == highlighter_) return;
    const auto handler = TBedNotifyEvent::Of<&TCustomBedEdit::HighlighterChanged>(this);
    if (highlighter_) {
        highlighter_->RemoveChangeHandler(handler);
        highlighter_->RemoveFreeNotification(this);
    }
    highlighter_ = highlighter;
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
        highlighter_->StartLine(lines_.GetView(i), i);
        highlighter_->ScanToLineEnd();
    }
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
    highlighter_->StartLine(lines_.GetView(s), s);
    highlighter_->ScanToLineEnd();
    int t = s + 1;
    for (; t < count; ++t) {
        const TBedRange range = highlighter_->CurrentRange();
        if (t > through && range == lines_.GetRange(t)) break;
        lines_.PutRange(t, range);
        highlighter_->StartLine(lines_.GetView(t), t);
        highlighter_->ScanToLineEnd();
    }
    return t - 1;
}
