// Movement, scrolling, mode, bracket and bookmark commands: none of them changes the text.
#include "BedEditCoreInternal.h"

#include <algorithm>

void TCustomBedEdit::MoveCaretAndSelection(TBedPoint from, TBedPoint to, bool selecting) {
    TBedPaintLock lock(*this);
    if (selecting && !options_.Contains(eoNoSelection)) {
        if (!HasSelection()) SetSelFrom(from);
        SetCaretXY(to);
        SetSelTo(caret_);
    } else {
        SetCaretXY(to);
        SetSelFrom(caret_);
    }
}

void TCustomBedEdit::MoveCaretHorz(int delta, bool selecting) {
    TBedPoint to = caret_;
    const int len = int(lines_.GetView(caret_.Y - 1).size());
    if (options_.Contains(eoScrollPastEol)) {
        to.X = std::max(1, to.X + delta);
    } else if (delta < 0 && to.X == 1 && to.Y >= 2) {
        to = {int(lines_.GetView(to.Y - 2).size()) + 1, to.Y - 1};
    } else if (delta > 0 && to.X > len && to.Y < lines_.Count()) {
        to = {1, to.Y + 1};
    } else {
        to.X = std::max(1, to.X + delta);
        if (delta > 0) to.X = std::min(to.X, len + 1);
    }
    MoveCaretAndSelection(caret_, to, selecting);
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::MoveCaretVert(int delta, bool selecting) {
    TBedPoint to = caret_;
    to.Y = std::clamp(to.Y + delta, 1, std::max(1, lines_.Count()));
    if (to.Y != caret_.Y && options_.Contains(eoKeepCaretX)) to.X = lastCaretX_;
    MoveCaretAndSelection(caret_, to, selecting);
}

int TCustomBedEdit::PageLines() const {
    int p = linesInWindow_;
    if (options_.Contains(eoHalfPageScroll)) p /= 2;
    if (options_.Contains(eoScrollByOneLess)) --p;
    return std::max(1, p);
}

void TCustomBedEdit::CmdLeftRight(const TCommandArgs& a) {
    MoveCaretHorz(a.command % 100 == ecLeft ? -1 : 1, a.selecting);
}

void TCustomBedEdit::CmdUpDown(const TCommandArgs& a) { MoveCaretVert(a.command % 100 == ecUp ? -1 : 1, a.selecting); }

void TCustomBedEdit::CmdWord(const TCommandArgs& a) {
    MoveCaretAndSelection(caret_, a.command % 100 == ecWordLeft ? PrevWordPos() : NextWordPos(), a.selecting);
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::CmdLineStartEnd(const TCommandArgs& a) {
    const int x = a.command % 100 == ecLineStart ? 1 : int(lines_.GetView(caret_.Y - 1).size()) + 1;
    MoveCaretAndSelection(caret_, {x, caret_.Y}, a.selecting);
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::CmdPageUpDown(const TCommandArgs& a) {
    const int p = a.command % 100 == ecPageUp ? -PageLines() : PageLines();
    TBedPaintLock lock(*this);
    SetFirstVisibleLine(topLine_ + p);
    MoveCaretVert(p, a.selecting);
}

void TCustomBedEdit::CmdPageLeftRight(const TCommandArgs& a) {
    const int cols = std::max(1, charsInWindow_);
    MoveCaretHorz(a.command % 100 == ecPageLeft ? -cols : cols, a.selecting);
}

void TCustomBedEdit::CmdPageTopBottom(const TCommandArgs& a) {
    const int y = a.command % 100 == ecPageTop ? topLine_ : topLine_ + linesInWindow_ - 1;
    MoveCaretAndSelection(caret_, {caret_.X, y}, a.selecting);
}

void TCustomBedEdit::CmdEditorTopBottom(const TCommandArgs& a) {
    TBedPoint to{1, 1};
    if (a.command % 100 == ecEditorBottom && lines_.Count() > 0)
        to = {int(lines_.GetView(lines_.Count() - 1).size()) + 1, lines_.Count()};
    MoveCaretAndSelection(caret_, to, a.selecting);
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::CmdGotoXY(const TCommandArgs& a) {
    if (!a.data) return;
    MoveCaretAndSelection(caret_, *static_cast<const TBedPoint*>(a.data), a.selecting);
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::CmdSelectAll(const TCommandArgs&) { SelectAll(); }

void TCustomBedEdit::SelectAll() {
    TBedPaintLock lock(*this);
    TBedPoint end{1, 1};
    if (lines_.Count() > 0) end = {int(lines_.GetView(lines_.Count() - 1).size()) + 1, lines_.Count()};
    SetCaretAndSelection(end, {1, 1}, end);
    StatusChanged(scSelection);
}

void TCustomBedEdit::CmdScroll(const TCommandArgs& a) {
    switch (a.command) {
        case ecScrollUp:
            SetFirstVisibleLine(topLine_ - 1);
            if (caret_.Y > topLine_ + linesInWindow_ - 1) SetCaretY(topLine_ + linesInWindow_ - 1);
            break;
        case ecScrollDown:
            SetFirstVisibleLine(topLine_ + 1);
            if (caret_.Y < topLine_) SetCaretY(topLine_);
            break;
        case ecScrollLeft:
            SetFirstVisibleChar(leftChar_ - 1);
            if (caret_.X > leftChar_ + charsInWindow_) SetCaretX(leftChar_ + charsInWindow_);
            break;
        case ecScrollRight:
            SetFirstVisibleChar(leftChar_ + 1);
            if (caret_.X < leftChar_) SetCaretX(leftChar_);
            break;
    }
}

void TCustomBedEdit::CmdInsertMode(const TCommandArgs& a) {
    switch (a.command) {
        case ecInsertMode: SetInsertMode(true); break;
        case ecOverwriteMode: SetInsertMode(false); break;
        case ecToggleMode: SetInsertMode(!insertMode_); break;
    }
}

void TCustomBedEdit::CmdSelectionMode(const TCommandArgs& a) {
    switch (a.command) {
        case ecNormalSelect: SetSelectionMode(smNormal); break;
        case ecColumnSelect: SetSelectionMode(smColumn); break;
        case ecLineSelect: SetSelectionMode(smLine); break;
    }
}

bool TCustomBedEdit::FindMatchingBracket(TBedPoint& result) const {
    static constexpr char kOpen[] = "([{", kClose[] = ")]}";
    const std::string& line = lines_.Get(caret_.Y - 1);
    if (caret_.X > int(line.size())) return false;
    const char c = line[size_t(caret_.X - 1)];
    const char* open = std::find(kOpen, kOpen + 3, c);
    const char* close = std::find(kClose, kClose + 3, c);
    if (open == kOpen + 3 && close == kClose + 3) return false;
    const bool forward = open != kOpen + 3;
    const char self = c;
    const char partner = forward ? kClose[open - kOpen] : kOpen[close - kClose];
    int depth = 0;
    int x = caret_.X - 1;  // 0-based index in line y
    for (int y = caret_.Y; y >= 1 && y <= lines_.Count();) {
        const std::string& text = lines_.Get(y - 1);
        for (; x >= 0 && x < int(text.size()); x += forward ? 1 : -1) {
            if (text[size_t(x)] == self) {
                ++depth;
            } else if (text[size_t(x)] == partner && --depth == 0) {
                result = {x + 1, y};
                return true;
            }
        }
        y += forward ? 1 : -1;
        x = forward ? 0 : int(lines_.GetView(y - 1).size()) - 1;
    }
    return false;
}

void TCustomBedEdit::CmdMatchBracket(const TCommandArgs&) {
    TBedPoint p;
    if (!FindMatchingBracket(p)) return;
    MoveCaretAndSelection(caret_, p, false);
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::CmdMarker(const TCommandArgs& a) {
    if (!bookMarkOptions_.EnableKeys) return;
    if (a.command >= ecGotoMarker0 && a.command <= ecGotoMarker9) {
        JumpToBookmark(a.command - ecGotoMarker0);
        return;
    }
    const int n = a.command - ecSetMarker0;
    int x, y;
    if (GetBookmark(n, x, y) && y == caret_.Y)
        RemoveBookmark(n);
    else
        PlaceBookmark(n, caret_.X, caret_.Y);
}
