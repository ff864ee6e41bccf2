// Caret, selection, selected text and the three selection modes.
#include "BedEditCoreInternal.h"
#include "BedTextLetters.h"

#include <algorithm>

namespace bededit {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string result;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) result += kLineBreak;
        result += lines[i];
    }
    return result;
}

TBedPoint PointAfter(TBedPoint p, const std::string& text) {
    const auto pieces = SplitPieces(text);
    if (pieces.size() == 1) return {p.X + int(pieces[0].size()), p.Y};
    return {int(pieces.back().size()) + 1, p.Y + int(pieces.size()) - 1};
}

}  // namespace bededit

using namespace bededit;

namespace {

std::string Substr(const std::string& s, int from, int count) {
    if (from >= int(s.size()) || count <= 0) return {};
    return s.substr(size_t(std::max(0, from)), size_t(count));
}

// Classes for word selection without a highlighter: runs of one class form a word; symbols
// form none.
enum TCharClass { ccBlank, ccWord, ccSymbol };
TCharClass ClassOf(unsigned char c) {
    if (BedIsAlphaNumeric(c) || c == '_') return ccWord;
    if (c <= ' ' || c == 0xA0) return ccBlank;
    return ccSymbol;
}

}  // namespace

// ---- Caret --------------------------------------------------------------------------------

int TCustomBedEdit::MaxCaretX(int y) const {
    const int end = lines_.Count() == 0 ? 1 : int(lines_.GetView(y - 1).size()) + 1;
    // A line longer than MaxLeftChar stays reachable to its end and a window past it.
    return options_.Contains(eoScrollPastEol) ? std::max(maxLeftChar_, end + RoomPastEnd()) : end;
}

void TCustomBedEdit::SetCaretX(int x) {
    SetCaretXY({x, caret_.Y});
    lastCaretX_ = caret_.X;
}

void TCustomBedEdit::SetCaretY(int y) {
    if (!options_.Contains(eoKeepCaretX)) lastCaretX_ = caret_.X;
    SetCaretXY({lastCaretX_, y});
}

void TCustomBedEdit::SetCaretXY(TBedPoint p) {
    TBedPaintLock lock(*this);
    p.Y = std::clamp(p.Y, 1, std::max(1, lines_.Count()));
    p.X = std::clamp(p.X, 1, MaxCaretX(p.Y));
    if (p == caret_) return;
    const TBedStatusChanges changes = (p.X != caret_.X ? scCaretX : 0) | (p.Y != caret_.Y ? scCaretY : 0);
    caret_ = p;
    StatusChanged(changes);
    ScrollCaretIntoView();
    RequestCaretUpdate();
    RequestScrollBarUpdate();
}

// ---- Selection ----------------------------------------------------------------------------

TBedPoint TCustomBedEdit::SelFrom() const { return selection_.From(); }

TBedPoint TCustomBedEdit::SelTo() const { return selection_.To(); }

bool TCustomBedEdit::HasSelection() const { return selection_.HasBlock(); }

bool TCustomBedEdit::HasColumnCarets() const { return selection_.ColumnCarets(); }

TBedPoint TCustomBedEdit::ClampBlockPoint(TBedPoint p) const {
    p.Y = std::clamp(p.Y, 1, std::max(1, lines_.Count()));
    p.X = std::clamp(p.X, 1, std::max(maxLeftChar_, MaxCaretX(p.Y)));
    if (selection_.mode == smNormal) {
        const int len = p.Y <= lines_.Count() ? int(lines_.GetView(p.Y - 1).size()) : 0;
        p.X = std::min(p.X, len + 1);
    }
    return p;
}

void TCustomBedEdit::SetSelFrom(TBedPoint p) {
    p = ClampBlockPoint(p);
    if (HasSelection()) {
        InvalidateTextLines(std::min({selection_.begin.Y, selection_.end.Y, p.Y}),
                            std::max({selection_.begin.Y, selection_.end.Y, p.Y}));
        selection_.begin = selection_.end = p;
        StatusChanged(scSelection);
        return;
    }
    const bool changed = !(selection_.begin == p && selection_.end == p);
    selection_.begin = selection_.end = p;
    if (changed) StatusChanged(scSelection);
}

void TCustomBedEdit::SetSelTo(TBedPoint p) {
    if (options_.Contains(eoNoSelection)) return;
    p = ClampBlockPoint(p);
    if (p == selection_.end) return;
    // A column block is shown on all its lines, also when it has no width.
    if (selection_.mode != smColumn)
        InvalidateTextLines(selection_.end.Y, p.Y);
    else
        InvalidateTextLines(std::min({selection_.begin.Y, selection_.end.Y, p.Y}),
                            std::max({selection_.begin.Y, selection_.end.Y, p.Y}));
    selection_.end = p;
    StatusChanged(scSelection);
}

void TCustomBedEdit::SetCaretAndSelection(TBedPoint caret, TBedPoint begin, TBedPoint end) {
    TBedPaintLock lock(*this);
    SetCaretXY(caret);
    SetSelFrom(begin);
    SetSelTo(end);
}

void TCustomBedEdit::SelectLines(int anchorLine, int line) {
    const int count = std::max(1, lines_.Count());
    anchorLine = std::clamp(anchorLine, 1, count);
    line = std::clamp(line, 1, count);
    const int top = std::min(anchorLine, line), bottom = std::max(anchorLine, line);
    TBedPoint from{1, top}, to{1, bottom};
    if (selection_.mode == smColumn) {
        int longest = 0;
        for (int y = top; y <= bottom; ++y) longest = std::max(longest, int(lines_.GetView(y - 1).size()));
        to.X = longest + 1;
    } else if (selection_.mode == smNormal) {
        // Through the break after the lower line; the last line has none.
        to = bottom < count ? TBedPoint{1, bottom + 1} : TBedPoint{int(lines_.GetView(bottom - 1).size()) + 1, bottom};
    }
    if (line < anchorLine) std::swap(from, to);
    SetCaretAndSelection(to, from, to);
}

void TCustomBedEdit::SetSelectionMode(TBedSelectionMode mode) {
    if (mode == selection_.mode) return;
    selection_.mode = mode;
    // Ends set in another mode may lie past their lines; a normal selection stops at the
    // line ends, and its deletion and undo record must agree on where that is.
    if (mode == smNormal) {
        selection_.begin = ClampBlockPoint(selection_.begin);
        selection_.end = ClampBlockPoint(selection_.end);
    }
    if (HasSelection()) InvalidateLines(-1, -1);
    StatusChanged(scSelection);
}

std::string TCustomBedEdit::SelectedText() const { return SelectedText(true); }

std::string TCustomBedEdit::SelectedText(bool padColumns) const {
    if (!HasSelection()) return {};
    const TBedPoint b = SelFrom(), e = SelTo();
    std::string result;
    switch (selection_.mode) {
        case smNormal:
            if (b.Y == e.Y) return Substr(lines_.Get(b.Y - 1), b.X - 1, e.X - b.X);
            result = Substr(lines_.Get(b.Y - 1), b.X - 1, INT32_MAX);
            for (int y = b.Y + 1; y < e.Y; ++y) result += kLineBreak + lines_.Get(y - 1);
            return result + kLineBreak + Substr(lines_.Get(e.Y - 1), 0, e.X - 1);
        case smLine:
            for (int y = b.Y; y <= e.Y; ++y) {
                result += lines_.Get(y - 1);
                if (y < lines_.Count()) result += kLineBreak;
            }
            return result;
        case smColumn: {
            const int left = std::min(b.X, e.X), right = std::max(b.X, e.X);
            for (int y = b.Y; y <= e.Y; ++y) {
                std::string part = Substr(lines_.Get(y - 1), left - 1, right - left);
                if (padColumns) part.resize(size_t(right - left), ' ');
                if (y > b.Y) result += kLineBreak;
                result += part;
            }
            return result;
        }
    }
    return result;
}

void TCustomBedEdit::SetSelectedText(const std::string& text) {
    TBedPaintLock lock(*this);
    TBedUndoGroup group(undoList_);
    if (HasSelection()) DeleteSelectionRecorded();
    if (!text.empty()) PadLineRecorded(caret_);
    TBedPoint at;
    {
        TUndoSuspension suspension(*this);
        at = ReplaceSelectionRaw(smNormal, text);
    }
    if (!text.empty()) undoList_.Add(crInsert, at, caret_, {}, smNormal);
}

TBedPoint TCustomBedEdit::DeleteSelectionRecorded(bool backwardsAsDelete) {
    if (!HasSelection()) return caret_;
    const bool backwards = PointBefore(selection_.end, selection_.begin);
    // Undo puts back what was there: short lines of a column get no padding.
    std::string text = SelectedText(false);
    if (backwardsAsDelete)
        undoList_.Add(backwards ? crDelete : crSelDelete, SelFrom(), SelTo(), std::move(text), selection_.mode);
    else
        undoList_.Add(crSelDelete, selection_.begin, selection_.end, std::move(text), selection_.mode);
    TUndoSuspension suspension(*this);
    return ReplaceSelectionRaw(selection_.mode, {});
}

// ---- The replacement primitive ------------------------------------------------------------

std::string TCustomBedEdit::Trimmed(std::string line) const {
    if (options_.Contains(eoTrimTrailingSpaces)) {
        const size_t end = line.find_last_not_of(' ');
        line.erase(end == std::string::npos ? 0 : end + 1);
    }
    return line;
}

int TCustomBedEdit::SpliceLine(int y, int at, int count, std::string_view text, bool trim) {
    TBedLinesUpdate update(lines_);
    const int length = int(lines_.GetView(y - 1).size());
    const int pad = std::max(0, at - length);
    at = std::min(at, length);
    if (pad > 0)
        lines_.Splice(y - 1, at, 0, std::string(size_t(pad), ' ').append(text));
    else
        lines_.Splice(y - 1, at, count, text);
    const int end = at + pad + int(text.size());
    if (trim && options_.Contains(eoTrimTrailingSpaces)) {
        const std::string_view line = lines_.GetView(y - 1);
        const size_t kept = line.find_last_not_of(' ') + 1;  // npos + 1 == 0: all blanks
        if (kept < line.size()) lines_.Splice(y - 1, int(kept), int(line.size() - kept), {});
        return std::min(end, int(kept));
    }
    return end;
}

// Without trimming, the blanks that fill a line up to a caret past its end stay in the text;
// they are recorded as an insertion of their own so that undo takes them away again.
void TCustomBedEdit::PadLineRecorded(TBedPoint p) {
    if (options_.Contains(eoTrimTrailingSpaces) || p.Y > lines_.Count()) return;
    const int len = int(lines_.GetView(p.Y - 1).size());
    if (len >= p.X - 1) return;
    PadLineTo(p);
    undoList_.Add(crInsert, {len + 1, p.Y}, p, {}, smNormal);
}

TBedPoint TCustomBedEdit::ReplaceSelectionRaw(TBedSelectionMode mode, const std::string& text) {
    TBedPaintLock lock(*this);
    TBedPoint at;
    {
        TBedLinesUpdate update(lines_);
        if (HasSelection()) DeleteSelectionRaw();
        at = caret_;
        if (!text.empty()) InsertTextRaw(mode, text);
        lastCaretX_ = caret_.X;
    }
    return at;
}

void TCustomBedEdit::DeleteSelectionRaw() {
    const TBedPoint b = SelFrom(), e = SelTo();
    switch (selection_.mode) {
        case smNormal: {
            if (lines_.Count() == 0) break;
            if (b.Y == e.Y) {
                const int length = int(lines_.GetView(b.Y - 1).size());
                const int from = std::min(b.X - 1, length);
                SpliceLine(b.Y, from, std::min(e.X - 1, length) - from, {}, options_.Contains(eoScrollPastEol));
                break;
            }
            const std::string& last = lines_.Get(e.Y - 1);
            std::string joined = Substr(lines_.Get(b.Y - 1), 0, b.X - 1) + Substr(last, e.X - 1, INT32_MAX);
            if (options_.Contains(eoScrollPastEol)) joined = Trimmed(std::move(joined));
            JoinWithLinesBelow(b.Y - 1, e.Y - b.Y, std::move(joined));
            break;
        }
        case smLine: {
            if (lines_.Count() == 0) break;
            int last = e.Y;
            if (last >= lines_.Count()) {
                // The buffer keeps its last line, emptied.
                lines_.Put(lines_.Count() - 1, {});
                last = lines_.Count() - 1;
            }
            if (last >= b.Y) lines_.DeleteLines(b.Y - 1, last - b.Y + 1);
            SetCaretXY({1, b.Y});
            return;
        }
        case smColumn: {
            const int left = std::min(b.X, e.X), right = std::max(b.X, e.X);
            for (int y = b.Y; y <= e.Y; ++y) {
                std::string line = lines_.Get(y - 1);
                if (left - 1 >= int(line.size())) continue;
                line.erase(size_t(left - 1), size_t(right - left));
                lines_.Put(y - 1, Trimmed(std::move(line)));
            }
            SetCaretXY({left, selection_.end.Y});
            return;
        }
    }
    SetCaretXY(b);
}

void TCustomBedEdit::InsertTextRaw(TBedSelectionMode mode, const std::string& text) {
    const auto pieces = SplitPieces(text);
    switch (mode) {
        case smNormal: InsertNormal(pieces); break;
        case smLine: InsertLineMode(pieces); break;
        case smColumn: InsertColumn(pieces); break;
    }
}

void TCustomBedEdit::InsertNormal(const std::vector<std::string>& pieces) {
    const int y = caret_.Y;
    if (lines_.Count() == 0) lines_.Add({});
    if (pieces.size() == 1) {
        SetCaretXY({SpliceLine(y, caret_.X - 1, 0, pieces[0], true) + 1, y});
        return;
    }
    const std::string& line = lines_.Get(y - 1);
    std::string head = Substr(line, 0, caret_.X - 1);
    head.resize(size_t(caret_.X - 1), ' ');
    const std::string tail = Substr(line, caret_.X - 1, INT32_MAX);
    const int breaks = int(pieces.size()) - 1;
    int lastY = y;
    std::string last;
    if (breaks == 0) {
        last = head + pieces[0];
    } else {
        lines_.Put(y - 1, Trimmed(head + pieces[0]));
        lines_.InsertEmptyLines(y, breaks);
        for (int i = 1; i < breaks; ++i) lines_.Put(y - 1 + i, Trimmed(pieces[size_t(i)]));
        last = pieces.back();
        lastY = y + breaks;
    }
    const int insertedEnd = int(last.size());
    std::string written = Trimmed(last + tail);
    const int x = std::min(insertedEnd, int(written.size())) + 1;
    lines_.Put(lastY - 1, std::move(written));
    SetCaretXY({x, lastY});
}

void TCustomBedEdit::InsertLineMode(const std::vector<std::string>& pieces) {
    int y = caret_.Y;
    const int breaks = int(pieces.size()) - 1;
    if (breaks > 0) {
        const int at = std::min(y - 1, lines_.Count());
        lines_.InsertEmptyLines(at, breaks);
        for (int i = 0; i < breaks; ++i) lines_.Put(at + i, Trimmed(pieces[size_t(i)]));
        y = at + 1 + breaks;
    }
    const std::string& last = pieces.back();
    if (y > lines_.Count())
        lines_.Add(Trimmed(last));
    else if (!last.empty())
        lines_.Put(y - 1, Trimmed(last + lines_.Get(y - 1)));
    SetCaretXY({int(last.size()) + 1, y});
}

void TCustomBedEdit::InsertColumn(const std::vector<std::string>& pieces) {
    const int x = caret_.X, y = caret_.Y;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        if (piece.empty()) continue;
        const int line = y + int(i);
        while (lines_.Count() < line - 1) lines_.Add({});
        if (line > lines_.Count()) {
            lines_.Add(Trimmed(std::string(size_t(x - 1), ' ') + piece));
            continue;
        }
        std::string text = lines_.Get(line - 1);
        if (int(text.size()) < x - 1) text.resize(size_t(x - 1), ' ');
        text.insert(size_t(x - 1), piece);
        lines_.Put(line - 1, Trimmed(std::move(text)));
    }
    SetCaretXY({x + int(pieces.back().size()), y + int(pieces.size()) - 1});
}

// ---- Words --------------------------------------------------------------------------------

TBedPoint TCustomBedEdit::NextWordPos() const {
    const std::string& line = lines_.Get(caret_.Y - 1);
    const int len = int(line.size());
    if (caret_.X <= len) {
        int i = caret_.X - 1;
        while (i < len && IsWordChar(line[size_t(i)])) ++i;
        while (i < len && !IsWordChar(line[size_t(i)])) ++i;
        return {i + 1, caret_.Y};
    }
    if (caret_.Y < lines_.Count()) {
        const std::string& next = lines_.Get(caret_.Y);
        const auto it = std::find_if(next.begin(), next.end(), [this](char c) { return IsWordChar(c); });
        return {it == next.end() ? 1 : int(it - next.begin()) + 1, caret_.Y + 1};
    }
    return caret_;
}

TBedPoint TCustomBedEdit::PrevWordPos() const {
    const std::string& line = lines_.Get(caret_.Y - 1);
    auto wordAt = [&](int x) { return IsWordChar(line[size_t(x - 1)]); };  // 1-based
    const int startX = std::min(caret_.X, int(line.size()) + 1);
    int x = startX;
    if (x > 1) {
        if (!wordAt(x - 1)) {
            int p = x - 1;
            while (p >= 1 && !wordAt(p)) --p;
            x = p;  // the word character before the caret, 0 when there is none
        }
        if (x > 0) {
            int p = x - 1;
            while (p >= 1 && wordAt(p)) --p;
            x = p + 1;
        }
    }
    // Only a caret that stood at the start of its line (or before every word of it) goes up.
    if ((x == 0 || startX <= 1) && caret_.Y > 1) return {int(lines_.GetView(caret_.Y - 2).size()) + 1, caret_.Y - 1};
    return {std::max(x, 1), caret_.Y};
}

void TCustomBedEdit::SelectWordAt(TBedPoint p) {
    TBedPaintLock lock(*this);
    p.Y = std::clamp(p.Y, 1, std::max(1, lines_.Count()));
    p.X = std::clamp(p.X, 1, std::max(maxLeftChar_, MaxCaretX(p.Y)));
    const std::string& line = lines_.Get(p.Y - 1);
    const int len = int(line.size());
    if (p.X > len) {
        SetCaretXY({len + 1, p.Y});
        SetSelFrom(caret_);
        return;
    }
    int start = p.X, end = p.X;  // 1-based: the word is start .. end - 1
    auto at = [&](int x) { return static_cast<unsigned char>(line[size_t(x - 1)]); };
    if (highlighter_) {
        while (end <= len && IsWordChar(at(end))) ++end;
        while (start > 1 && IsWordChar(at(start - 1))) --start;
    } else {
        const TCharClass cls = ClassOf(at(p.X));
        if (cls == ccSymbol) {
            SetCaretXY(p);
            SetSelFrom(caret_);
            return;
        }
        while (end <= len && ClassOf(at(end)) == cls) ++end;
        while (start > 1 && ClassOf(at(start - 1)) == cls) --start;
    }
    SetCaretAndSelection({end, p.Y}, {start, p.Y}, {end, p.Y});
    InvalidateTextLines(p.Y, p.Y);
    StatusChanged(scSelection);
}

bool TCustomBedEdit::IsPointInSelection(TBedPoint p) const { return selection_.Contains(p); }
