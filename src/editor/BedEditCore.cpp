#include "BedEditCore.h"

#include <algorithm>

TCustomBedEdit::TCustomBedEdit() {
    lines_.OnChanged = [this] {
        blockBegin_ = blockEnd_ = caret_;
        InvalidateLines(-1, -1);
    };
}

TCustomBedEdit::~TCustomBedEdit() {
    lines_.OnChanged = nullptr;
}

void TCustomBedEdit::SetCaretX(int x) { SetCaretXY({x, caret_.Y}); }
void TCustomBedEdit::SetCaretY(int y) { SetCaretXY({caret_.X, y}); }

void TCustomBedEdit::SetCaretXY(TBedPoint p) {
    p.Y = std::clamp(p.Y, 1, std::max(1, lines_.Count()));
    p.X = std::clamp(p.X, 1, 32767);
    caret_ = p;
}

TBedPoint TCustomBedEdit::SelFrom() const {
    return PointBefore(blockEnd_, blockBegin_) ? blockEnd_ : blockBegin_;
}

TBedPoint TCustomBedEdit::SelTo() const {
    return PointBefore(blockEnd_, blockBegin_) ? blockBegin_ : blockEnd_;
}

void TCustomBedEdit::SetSelFrom(TBedPoint p) {
    p.Y = std::clamp(p.Y, 1, std::max(1, lines_.Count()));
    p.X = std::clamp(p.X, 1, int(lines_.Get(p.Y - 1).size()) + 1);
    blockBegin_ = blockEnd_ = p;
}

void TCustomBedEdit::SetSelTo(TBedPoint p) {
    p.Y = std::clamp(p.Y, 1, std::max(1, lines_.Count()));
    p.X = std::clamp(p.X, 1, int(lines_.Get(p.Y - 1).size()) + 1);
    blockEnd_ = p;
}

bool TCustomBedEdit::HasSelection() const { return !(blockBegin_ == blockEnd_); }

void TCustomBedEdit::SetModified(bool value) { modified_ = value; }
