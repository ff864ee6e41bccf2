// Editing commands: typing, deleting, line breaks, tabs and block indentation.
#include "BedEditCoreInternal.h"

#include <algorithm>

using namespace bededit;

namespace {

std::string Padded(std::string line, int length) {
    if (int(line.size()) < length) line.resize(size_t(length), ' ');
    return line;
}

}  // namespace

int TCustomBedEdit::LeadingBlanks(std::string_view line) const {
    int n = 0;
    while (n < int(line.size()) && static_cast<unsigned char>(line[size_t(n)]) - 1u < 32u) ++n;
    return n;
}

void TCustomBedEdit::ScrollRightAfterTyping() {
    if (charsInWindow_ > 1 && caret_.X >= leftChar_ + charsInWindow_)
        SetFirstVisibleChar(leftChar_ + std::min(25, charsInWindow_ - 1));
}

// ---- Typing -------------------------------------------------------------------------------

void TCustomBedEdit::CmdChar(const TCommandArgs& a) {
    const auto c = static_cast<unsigned char>(a.ch);
    if (c < 32 || c == 127) return;
    TypeText(std::string(1, a.ch));
}

void TCustomBedEdit::CmdImeStr(const TCommandArgs& a) {
    if (!a.data) return;
    const auto& text = *static_cast<const std::string*>(a.data);
    if (!text.empty()) TypeText(text);
}

void TCustomBedEdit::TypeText(const std::string& text) {
    if (HasColumnCarets()) {
        TypeIntoColumn(text);
        return;
    }
    if (HasSelection()) {
        SetSelectedText(text);
        return;
    }
    TScrollPastEol pastEol(*this);
    TBedUndoGroup group(undoList_);
    const TBedPoint old = caret_;
    if (lines_.Count() == 0) lines_.Add({});
    PadLineRecorded(old);
    std::string replaced;
    int n = 0;
    if (!insertMode_) {
        // Only characters that were there before are given back by undo, not the padding.
        const std::string_view line = lines_.GetView(old.Y - 1);
        n = std::min(int(text.size()), std::max(0, int(line.size()) - (old.X - 1)));
        if (n > 0) replaced = line.substr(size_t(old.X - 1), size_t(n));
    }
    SpliceLine(old.Y, old.X - 1, n, text, true);
    SetCaretX(old.X + int(text.size()));
    undoList_.Add(crInsert, old, caret_, std::move(replaced), smNormal);
    ScrollRightAfterTyping();
}

void TCustomBedEdit::TypeIntoColumn(const std::string& text) {
    const TBedPoint anchor = selection_.begin, end = selection_.end;
    const int top = std::min(anchor.Y, end.Y), bottom = std::max(anchor.Y, end.Y);
    std::string block = text;
    for (int y = top; y < bottom; ++y) block.append(kLineBreak).append(text);
    TScrollPastEol pastEol(*this);
    TBedUndoGroup group(undoList_);
    SetCaretXY({anchor.X, top});
    SetSelFrom(caret_);
    for (int y = top; y <= bottom; ++y) PadLineRecorded({anchor.X, y});
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(smColumn, block);
    }
    const int x = anchor.X + int(text.size());
    undoList_.Add(crInsert, {anchor.X, top}, {x, bottom}, {}, smColumn);
    SetCaretAndSelection({x, end.Y}, {x, anchor.Y}, {x, end.Y});
    ScrollRightAfterTyping();
}

void TCustomBedEdit::DeleteBesideColumn(bool before) {
    const TBedPoint anchor = selection_.begin, end = selection_.end;
    const int left = before ? anchor.X - 1 : anchor.X;
    if (left < 1) return;
    bool reached = false;
    for (int y = std::min(anchor.Y, end.Y); y <= std::max(anchor.Y, end.Y); ++y)
        reached = reached || int(lines_.GetView(y - 1).size()) >= left;
    if (!reached) {
        // Nothing stands there to delete; Backspace still moves the carets left.
        if (before) SetCaretAndSelection({left, end.Y}, {left, anchor.Y}, {left, end.Y});
        return;
    }
    TBedPaintLock lock(*this);
    SetSelFrom({left, anchor.Y});
    SetSelTo({left + 1, end.Y});
    DeleteSelectionRecorded(true);
    SetCaretAndSelection({left, end.Y}, {left, anchor.Y}, {left, end.Y});
}

// ---- Deleting -----------------------------------------------------------------------------

void TCustomBedEdit::CmdDeleteLastChar(const TCommandArgs&) {
    if (HasColumnCarets()) {
        DeleteBesideColumn(true);
        return;
    }
    if (HasSelection()) {
        DeleteSelectionRecorded(true);
        return;
    }
    const TBedPoint old = caret_;
    const std::string_view line = lines_.GetView(old.Y - 1);
    const int len = int(line.size());
    if (old.X > len + 1) {
        SetCaretX(old.X - 1);
        return;
    }
    if (old.X == 1) {
        if (old.Y == 1) return;
        std::string joined = lines_.Get(old.Y - 2);
        const TBedPoint joint{int(joined.size()) + 1, old.Y - 1};
        joined += Trimmed(std::string(line));
        JoinWithLinesBelow(old.Y - 2, 1, std::move(joined));
        SetCaretXY(joint);
        lastCaretX_ = caret_.X;
        undoList_.Add(crDeleteBefore, joint, old, kLineBreak, smNormal);
        return;
    }
    int remove = 1;
    const int blanks = LeadingBlanks(line);
    if (options_.Contains(eoAutoIndent) && blanks > 0 && old.X - 1 == blanks) {
        // Back to the indentation of the nearest less indented line above.
        int indent = 0;
        for (int y = old.Y - 1; y >= 1; --y) {
            const int above = LeadingBlanks(lines_.Get(y - 1));
            if (above < blanks) {
                indent = above;
                break;
            }
        }
        remove = blanks - indent;
    }
    // The blanks right before the caret go, so that undo puts back exactly these.
    const std::string removed(line.substr(size_t(old.X - 1 - remove), size_t(remove)));
    lines_.Splice(old.Y - 1, old.X - 1 - remove, remove, {});
    SetCaretX(old.X - remove);
    undoList_.Add(crDeleteBefore, caret_, old, removed, smNormal);
}

void TCustomBedEdit::CmdDeleteChar(const TCommandArgs&) {
    if (HasColumnCarets()) {
        DeleteBesideColumn(false);
        return;
    }
    if (HasSelection()) {
        DeleteSelectionRecorded(true);
        return;
    }
    const TBedPoint at = caret_;
    const std::string_view line = lines_.GetView(at.Y - 1);
    if (at.X > int(line.size())) {
        if (at.Y >= lines_.Count()) return;
        TBedUndoGroup group(undoList_);
        std::string joined = Padded(std::string(line), at.X - 1);
        PadLineRecorded(at);
        JoinWithLinesBelow(at.Y - 1, 1, std::move(joined) + lines_.Get(at.Y));
        SetCaretXY(at);
        undoList_.Add(crDeleteAfter, at, {1, at.Y + 1}, kLineBreak, smNormal);
        return;
    }
    const std::string removed(1, line[size_t(at.X - 1)]);
    lines_.Splice(at.Y - 1, at.X - 1, 1, {});
    undoList_.Add(crDeleteAfter, at, {at.X + 1, at.Y}, removed, smNormal);
}

void TCustomBedEdit::DeleteRangeRecorded(TBedPoint from, TBedPoint to, TBedChangeReason reason) {
    TModeSwitch mode(*this, smNormal);
    SetSelFrom(from);
    SetSelTo(to);
    undoList_.Add(reason, from, to, SelectedText(), smNormal);
    TUndoSuspension suspension(*this);
    ReplaceSelectionRaw(smNormal, {});
}

void TCustomBedEdit::CmdDeleteWordOrEol(const TCommandArgs& a) {
    const int len = int(lines_.GetView(caret_.Y - 1).size());
    if (a.command == ecDeleteWord && caret_.X > len + 1) SetCaretX(len + 1);
    const TBedPoint at = caret_;
    const TBedPoint end = a.command == ecDeleteWord ? NextWordPos() : TBedPoint{len + 1, at.Y};
    if (!PointBefore(at, end)) return;
    DeleteRangeRecorded(at, end, crDeleteAfter);
    SetCaretXY(at);
}

void TCustomBedEdit::CmdDeleteLastWordOrBol(const TCommandArgs& a) {
    const TBedPoint at = caret_;
    const TBedPoint start = a.command == ecDeleteLastWord ? PrevWordPos() : TBedPoint{1, at.Y};
    if (!PointBefore(start, at)) return;
    DeleteRangeRecorded(start, at, crDeleteBefore);
    SetCaretXY(start);
}

void TCustomBedEdit::CmdDeleteLine(const TCommandArgs&) {
    const int count = lines_.Count();
    if (count == 0 || (count == 1 && lines_.Get(0).empty())) return;
    SetSelFrom(caret_);
    const int y = caret_.Y;
    const std::string line = lines_.Get(y - 1);
    if (count == 1) {
        undoList_.Add(crDelete, {1, y}, {int(line.size()) + 1, y}, line, smNormal);
        lines_.Put(0, {});
    } else if (y == count) {
        // The last line has no break after it: take the one before it.
        const TBedPoint from{int(lines_.GetView(y - 2).size()) + 1, y - 1};
        undoList_.Add(crDelete, from, {int(line.size()) + 1, y}, kLineBreak + line, smNormal);
        lines_.Delete(y - 1);
    } else {
        undoList_.Add(crDelete, {1, y}, {1, y + 1}, line + kLineBreak, smNormal);
        lines_.Delete(y - 1);
    }
    SetCaretXY({1, y});
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::CmdClearAll(const TCommandArgs&) { ClearAll(); }

void TCustomBedEdit::ClearAll() { lines_.Clear(); }

// A mark on any of the joined lines lands on the joined line, which ends with the break of the
// last of them.
void TCustomBedEdit::JoinWithLinesBelow(int index, int count, std::string text) {
    lines_.JoinLines(index, count, std::move(text));
}

// ---- Line breaks --------------------------------------------------------------------------

void TCustomBedEdit::CmdLineBreak(const TCommandArgs& a) {
    const bool moveCaret = a.command == ecLineBreak;
    TBedUndoGroup group(undoList_);
    if (HasSelection()) DeleteSelectionRecorded();
    const bool autoIndent = options_.Contains(eoAutoIndent);
    if (lines_.Count() == 0) lines_.Add({});
    const TBedPoint at = caret_;
    const std::string line = lines_.Get(at.Y - 1);
    TBedPoint caretAfter = at;
    if (line.empty()) {
        int indent = 0;
        for (int y = at.Y; y >= 1 && autoIndent; --y) {
            const std::string& above = lines_.Get(y - 1);
            if (!above.empty()) {
                indent = LeadingBlanks(above);
                break;
            }
        }
        undoList_.Add(crLineBreak, at, at, {}, smNormal);
        lines_.Insert(at.Y - 1, {});
        caretAfter = {indent + 1, at.Y + 1};
    } else if (at.X > int(line.size())) {
        const int indent = autoIndent ? LeadingBlanks(line) : 0;
        undoList_.Add(crLineBreak, at, at, {}, smNormal);
        lines_.Insert(at.Y, moveCaret ? std::string(size_t(indent), ' ') : std::string());
        caretAfter = {indent + 1, at.Y + 1};
    } else if (at.X == 1) {
        lines_.Insert(at.Y - 1, {});
        undoList_.Add(crLineBreak, at, at, line, smNormal);
        caretAfter = {1, at.Y + 1};
    } else {
        const int indent = autoIndent ? LeadingBlanks(line) : 0;
        const std::string rest = line.substr(size_t(at.X - 1));
        TBedLinesUpdate update(lines_);
        lines_.Put(at.Y - 1, Trimmed(line.substr(0, size_t(at.X - 1))));
        undoList_.Add(crLineBreak, at, at, rest, smNormal);
        lines_.Insert(at.Y, std::string(size_t(indent), ' ') + rest);
        caretAfter = {indent + 1, at.Y + 1};
    }
    SetCaretXY(moveCaret ? caretAfter : at);
    ScrollCaretIntoView();
    lastCaretX_ = caret_.X;
}

// ---- Tabs ---------------------------------------------------------------------------------

int TCustomBedEdit::SmartTabWidth() const {
    if (!options_.Contains(eoSmartTabs) || caret_.Y < 2 || caret_.Y > lines_.Count()) return 0;
    for (int y = caret_.Y - 1; y >= 1; --y) {
        const std::string& line = lines_.Get(y - 1);
        if (int(line.size()) < caret_.X) continue;
        size_t i = size_t(caret_.X - 1);
        while (i < line.size() && line[i] != ' ') ++i;
        while (i < line.size() && line[i] == ' ') ++i;
        return int(i) - (caret_.X - 1);
    }
    return 0;
}

int TCustomBedEdit::TabWidthAtCaret() const {
    const int width = SmartTabWidth();
    return width > 0 ? width : tabWidth_ - (caret_.X - 1) % tabWidth_;
}

void TCustomBedEdit::CmdTab(const TCommandArgs&) {
    if (HasColumnCarets()) {
        TypeIntoColumn(std::string(size_t(TabWidthAtCaret()), ' '));
        return;
    }
    TBedUndoGroup group(undoList_);
    if (HasSelection()) DeleteSelectionRecorded();
    const int width = TabWidthAtCaret();
    const TBedPoint old = caret_;
    if (lines_.Count() == 0) lines_.Add({});
    PadLineRecorded(old);
    std::string line = Padded(lines_.Get(old.Y - 1), old.X - 1);
    line.insert(size_t(old.X - 1), size_t(width), ' ');
    lines_.Put(old.Y - 1, Trimmed(std::move(line)));
    {
        TScrollPastEol pastEol(*this);
        SetCaretX(old.X + width);
    }
    undoList_.Add(crInsert, old, caret_, {}, smNormal);
    ScrollCaretIntoView();
}

// ---- Block indentation --------------------------------------------------------------------

void TCustomBedEdit::InsertIndentColumn(int firstLine, int lastLine) {
    if (lastLine < firstLine) return;
    std::vector<std::string> pieces(size_t(lastLine - firstLine + 1), std::string(size_t(tabWidth_), ' '));
    TModeSwitch mode(*this, smColumn);
    TUndoSuspension suspension(*this);
    SetSelFrom({1, firstLine});
    SetCaretXY({1, firstLine});
    ReplaceSelectionRaw(smColumn, JoinLines(pieces));
}

void TCustomBedEdit::RemoveLeadingSpaces(int firstLine, const std::vector<int>& counts) {
    TBedLinesUpdate update(lines_);
    for (size_t i = 0; i < counts.size(); ++i) {
        const int y = firstLine + int(i);
        const std::string& line = lines_.Get(y - 1);
        // A line of blanks only may have been trimmed since the counts were taken.
        int n = 0;
        while (n < counts[i] && n < int(line.size()) && line[size_t(n)] == ' ') ++n;
        if (n > 0) lines_.Put(y - 1, line.substr(size_t(n)));
    }
}

void TCustomBedEdit::BlockIndent() {
    if (readOnly_ || !HasSelection()) return;
    TBedPaintLock lock(*this);
    const TBedPoint b = SelFrom(), e = SelTo(), caret = caret_;
    const int lastLine = e.X == 1 ? e.Y - 1 : e.Y;
    InsertIndentColumn(b.Y, lastLine);
    undoList_.Add(crIndent, b, e, {}, smColumn);
    SetCaretXY(caret);
    SetSelFrom({b.X + tabWidth_, b.Y});
    SetSelTo({e.X == 1 ? 1 : e.X + tabWidth_, e.Y});
}

void TCustomBedEdit::BlockUnindent() {
    if (readOnly_ || !HasSelection()) return;
    TBedPaintLock lock(*this);
    const TBedPoint b = SelFrom(), e = SelTo(), caret = caret_;
    const int lastLine = e.X == 1 ? e.Y - 1 : e.Y;
    std::vector<int> counts;
    std::vector<std::string> removed;
    for (int y = b.Y; y <= lastLine; ++y) {
        const std::string& line = lines_.Get(y - 1);
        int n = 0;
        while (n < tabWidth_ && n < int(line.size()) && line[size_t(n)] == ' ') ++n;
        counts.push_back(n);
        removed.emplace_back(size_t(n), ' ');
    }
    if (std::all_of(counts.begin(), counts.end(), [](int n) { return n == 0; })) return;
    RemoveLeadingSpaces(b.Y, counts);
    undoList_.Add(crUnindent, b, e, JoinLines(removed), smColumn);
    const int lastRemoved = lastLine == e.Y ? counts.back() : 0;
    SetCaretXY(caret);
    SetSelFrom({b.X - counts.front(), b.Y});
    SetSelTo({e.X - lastRemoved, e.Y});
}
