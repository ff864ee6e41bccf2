// Copy, cut and paste through the clipboard, and dropping a dragged selection.
#include "BedEditCoreInternal.h"

#include <algorithm>

void TCustomBedEdit::CopySelectionToClipboard() {
    if (HasSelection()) Clipboard().SetText(SelectedText(), selection_.mode);
}

void TCustomBedEdit::CutSelectionToClipboard() {
    if (readOnly_ || !HasSelection()) return;
    TBedPaintLock lock(*this);
    // Copy first: a failing clipboard leaves text and undo list untouched.
    CopySelectionToClipboard();
    DeleteSelectionRecorded();
}

void TCustomBedEdit::PasteClipboardText() {
    if (readOnly_) return;
    const std::optional<TBedClipboardText> content = Clipboard().GetText();
    if (!content) return;
    TBedPaintLock lock(*this);
    TBedUndoGroup group(undoList_);
    if (content->lossy && OnPasteUnrepresentable) OnPasteUnrepresentable(*this);
    if (HasSelection()) DeleteSelectionRecorded();
    const TBedSelectionMode mode = content->mode.value_or(smNormal);
    if (mode == smColumn) {
        const auto pieces = SplitPieces(content->text);
        AppendLinesRecorded(caret_.Y + int(pieces.size()) - 1);
        for (size_t i = 0; i < pieces.size(); ++i)
            if (!pieces[i].empty()) PadLineRecorded({caret_.X, caret_.Y + int(i)});
    } else if (mode == smNormal && !content->text.empty()) {
        PadLineRecorded(caret_);
    }
    TBedPoint start;
    {
        TUndoSuspension suspension(*this);
        start = ReplaceSelectionRaw(mode, content->text);
    }
    if (content->text.empty()) {
        // Nothing went in: a record would span nothing or, in line mode, the line above.
    } else if (!content->mode || mode == smNormal) {
        undoList_.Add(crPaste, start, caret_, {}, smNormal);
    } else if (mode == smColumn) {
        // The block's far corner, wherever clamping has left the caret.
        const auto pieces = SplitPieces(content->text);
        const TBedPoint end{start.X + int(pieces.back().size()), start.Y + int(pieces.size()) - 1};
        undoList_.Add(crPaste, start, end, {}, smColumn);
        SetCaretXY({std::min(start.X, end.X), std::max(start.Y, end.Y) + 1});
    } else if (caret_.X == 1) {
        undoList_.Add(crPaste, {1, start.Y}, {charsInWindow_, caret_.Y - 1}, {}, smLine);
    } else {
        undoList_.Add(crPaste, {1, start.Y}, caret_, {}, smNormal);
    }
    ScrollCaretIntoView();
    StatusChanged(scSelection);
}

// A column block that reaches below the text needs lines to go into; they are added as an
// insertion of their own, so that undo removes them again.
void TCustomBedEdit::AppendLinesRecorded(int lastLine) {
    if (lines_.Count() == 0) lines_.Add({});
    const int count = lines_.Count();
    if (lastLine <= count) return;
    const TBedPoint caret = caret_;
    const TBedPoint from{int(lines_.GetView(count - 1).size()) + 1, count};
    {
        TBedLinesUpdate update(lines_);
        for (int i = count; i < lastLine; ++i) lines_.Add({});
    }
    undoList_.Add(crInsert, from, {1, lastLine}, {}, smNormal);
    SetCaretXY(caret);
}

void TCustomBedEdit::DropSelection(TCustomBedEdit& source, TBedPoint p, bool ctrl, bool shift) {
    if (readOnly_ || !source.HasSelection()) return;
    TBedPaintLock lock(*this);
    TBedUndoGroup group(undoList_);
    const bool same = &source == this;
    const std::string text = source.SelectedText();
    if (same) {
        const TBedPoint b = SelFrom(), e = SelTo();
        if (!PointBefore(p, b) && !PointBefore(e, p)) return;
        if (!ctrl) {
            DeleteSelectionRecorded();
            if (PointBefore(e, p)) {
                // The drop point moves with the text that followed the removed block.
                if (p.Y == e.Y) p.X = b.X + (p.X - e.X);
                p.Y -= e.Y - b.Y;
            }
        }
    } else if (shift && !source.ReadOnly()) {
        TBedPaintLock sourceLock(source);
        TBedUndoGroup sourceGroup(source.undoList_);
        source.DeleteSelectionRecorded();
    }
    TScrollPastEol pastEol(*this);
    SetCaretXY(p);
    SetSelFrom(caret_);
    PadLineRecorded(caret_);
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(smNormal, text);
    }
    const TBedPoint end = caret_;
    undoList_.Add(same ? crDragDropInsert : crInsert, p, end, {}, smNormal);
    SetCaretAndSelection(p, p, end);
}
