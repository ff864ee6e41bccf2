// Driving the attached highlighter: per-line start states and word characters.
#include "BedEditCoreInternal.h"

void TCustomBedEdit::SetHighlighter(TBedCustomHighlighter* highlighter) {
    highlighter_ = highlighter;
    UpdateWordChars();
}

void TCustomBedEdit::UpdateWordChars() {
    wordChars_.reset();
    for (int c = 33; c < 256; ++c) wordChars_.set(size_t(c));
}

int TCustomBedEdit::RescanFrom(int index) { return index; }
int TCustomBedEdit::ScanFrom(int index) { return index; }
