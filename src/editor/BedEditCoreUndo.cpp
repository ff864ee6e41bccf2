// Undoing and redoing change records, a whole group at a time.
#include "BedEditCoreInternal.h"

#include <algorithm>

using namespace bededit;

namespace {

// Pins the receiving list's group so that moved records keep theirs; restored on any exit.
class TGroupPin {
public:
    TGroupPin(TBedEditUndoList& list, int32_t group) : list_(list), saved_(list.CurrentGroup()) {
        list_.SetCurrentGroup(group);
    }
    ~TGroupPin() { list_.SetCurrentGroup(saved_); }

private:
    TBedEditUndoList& list_;
    int32_t saved_;
};

class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~TFlagGuard() { flag_ = saved_; }

private:
    bool& flag_;
    bool saved_;
};

std::vector<int> PieceLengths(const std::string& text) {
    std::vector<int> lengths;
    for (const auto& piece : SplitPieces(text)) lengths.push_back(int(piece.size()));
    return lengths;
}

int LastIndentedLine(const TBedEditUndoItem& item) { return item.End.X == 1 ? item.End.Y - 1 : item.End.Y; }

}  // namespace

void TCustomBedEdit::Undo() {
    if (readOnly_) return;
    RunGroup(undoList_, redoList_, &TCustomBedEdit::UndoItem);
}

void TCustomBedEdit::Redo() {
    if (readOnly_) return;
    RunGroup(redoList_, undoList_, &TCustomBedEdit::RedoItem);
}

void TCustomBedEdit::RunGroup(TBedEditUndoList& from, TBedEditUndoList& to, void (TCustomBedEdit::*one)()) {
    const TBedEditUndoItem* top = from.Peek();
    if (!top) return;
    const int32_t group = top->Group;
    TBedPaintLock lock(*this);
    TGroupPin pin(to, group);
    TFlagGuard inProgress(undoRedoInProgress_);
    do {
        (this->*one)();
    } while (from.Peek() && from.Peek()->Group == group);
}

void TCustomBedEdit::UndoItem() {
    TBedEditUndoItem item;
    if (!undoList_.Pop(item)) return;
    TBedPaintLock lock(*this);
    TModeSwitch mode(*this, item.SelMode);
    TScrollPastEol pastEol(*this);
    switch (item.Reason) {
        case crInsert:
        case crPaste:
        case crDragDropInsert: UndoInsertion(item); break;
        case crLineBreak: UndoLineBreak(item); break;
        case crIndent: UndoIndent(item); break;
        case crUnindent: UndoUnindent(item); break;
        case crDelete:
        case crSelDelete:
        case crDeleteBefore:
        case crDeleteAfter: UndoDeletion(item); break;
        case crReplace: SwapReplacement(item, redoList_, true); break;
        case crLineEdits:
            redoList_.AddItem(item);
            item.LineEdits->Undo(lines_);
            SetCaretXY(item.Start);
            break;
    }
}

void TCustomBedEdit::RedoItem() {
    TBedEditUndoItem item;
    if (!redoList_.Pop(item)) return;
    TBedPaintLock lock(*this);
    TModeSwitch mode(*this, item.SelMode);
    TScrollPastEol pastEol(*this);
    switch (item.Reason) {
        case crInsert:
        case crPaste:
        case crDragDropInsert: RedoInsertion(item); break;
        case crLineBreak:
            SetCaretXY(item.Start);
            SetSelFrom(caret_);
            CommandProcessor(ecLineBreak, '\r', nullptr);
            break;
        case crIndent: RedoIndent(item); break;
        case crUnindent: RedoUnindent(item); break;
        case crDelete:
        case crSelDelete:
        case crDeleteBefore:
        case crDeleteAfter: RedoDeletion(item); break;
        case crReplace: SwapReplacement(item, undoList_, false); break;
        case crLineEdits:
            item.LineEdits->Redo(lines_);
            undoList_.AddItem(item);
            SetCaretXY(item.End);
            break;
    }
}

void TCustomBedEdit::PadLineTo(TBedPoint p) {
    if (p.Y > lines_.Count()) return;
    const std::string& line = lines_.Get(p.Y - 1);
    if (int(line.size()) >= p.X - 1) return;
    std::string padded = line;
    padded.resize(size_t(p.X - 1), ' ');
    lines_.Put(p.Y - 1, std::move(padded));
}

// ---- Undo ---------------------------------------------------------------------------------

void TCustomBedEdit::UndoInsertion(const TBedEditUndoItem& item) {
    // Blanks before an inserted break were trimmed away; they come back with the join.
    if (item.SelMode == smNormal && item.End.Y > item.Start.Y) PadLineTo(item.Start);
    SetCaretXY(item.Start);
    SetSelFrom(item.Start);
    SetSelTo(item.End);
    TBedEditUndoItem redo = item;
    redo.Text = SelectedText(false);
    redo.Restored = item.Text;
    redoList_.AddItem(std::move(redo));
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(item.SelMode, item.Text);
    }
    SetCaretXY(item.Start);
}

void TCustomBedEdit::UndoLineBreak(const TBedEditUndoItem& item) {
    SetCaretXY(item.Start);
    SetSelFrom(caret_);
    redoList_.AddItem(item);
    std::string line = lines_.Get(caret_.Y - 1);
    // Blanks trimmed from before the break come back before the rejoined text.
    if (!item.Text.empty() && int(line.size()) < caret_.X - 1) line.resize(size_t(caret_.X - 1), ' ');
    JoinWithLinesBelow(caret_.Y - 1, item.End.Y < lines_.Count() ? 1 : 0, line + item.Text);
    SetCaretXY(item.Start);
}

void TCustomBedEdit::UndoIndent(const TBedEditUndoItem& item) {
    SetCaretXY({1, item.Start.Y});
    SetSelFrom({1, item.Start.Y});
    SetSelTo({tabWidth_ + 1, LastIndentedLine(item)});
    TBedEditUndoItem redo = item;
    redo.Text = SelectedText();
    redoList_.AddItem(std::move(redo));
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(smColumn, {});
    }
    SetCaretAndSelection(item.End, item.Start, item.End);
}

void TCustomBedEdit::UndoUnindent(const TBedEditUndoItem& item) {
    redoList_.AddItem(item);
    SetCaretXY({1, item.Start.Y});
    SetSelFrom(caret_);
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(smColumn, item.Text);
    }
    SetCaretAndSelection(item.End, item.Start, item.End);
}

void TCustomBedEdit::UndoDeletion(const TBedEditUndoItem& item) {
    TBedPoint at = PointBefore(item.End, item.Start) ? item.End : item.Start;
    if (item.SelMode == smColumn) at = {std::min(item.Start.X, item.End.X), std::min(item.Start.Y, item.End.Y)};
    SetCaretXY(at);
    SetSelFrom(at);
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(item.SelMode, item.Text);
    }
    if (item.Reason == crDelete || item.Reason == crSelDelete)
        SetCaretAndSelection(at, item.Start, item.End);
    else
        SetCaretXY(at);
    TBedEditUndoItem redo = item;
    redo.Text.clear();
    redoList_.AddItem(std::move(redo));
    ScrollCaretIntoView();
}

// ---- Redo ---------------------------------------------------------------------------------

void TCustomBedEdit::RedoDeletion(const TBedEditUndoItem& item) {
    // A deletion that began past the end of a line had padded it first.
    if (item.SelMode == smNormal) PadLineTo(PointBefore(item.End, item.Start) ? item.End : item.Start);
    SetSelFrom(item.Start);
    SetSelTo(item.End);
    undoList_.Add(item.Reason, item.Start, item.End, SelectedText(false), item.SelMode);
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(item.SelMode, item.Text);
    }
    SetCaretXY(item.Start);
}

void TCustomBedEdit::RedoInsertion(const TBedEditUndoItem& item) {
    SetCaretXY(item.Start);
    {
        // An overwrite replaces again what the undo put back.
        TModeSwitch mode(*this, smNormal);
        SetSelFrom(item.Start);
        if (!item.Restored.empty()) SetSelTo(PointAfter(item.Start, item.Restored));
    }
    {
        TUndoSuspension suspension(*this);
        ReplaceSelectionRaw(item.SelMode, item.Text);
    }
    SetCaretXY(item.End);
    undoList_.Add(item.Reason, item.Start, item.End, item.Restored, item.SelMode);
    if (item.Reason == crDragDropInsert) SetCaretAndSelection(item.Start, item.Start, item.End);
}

void TCustomBedEdit::RedoIndent(const TBedEditUndoItem& item) {
    InsertIndentColumn(item.Start.Y, LastIndentedLine(item));
    undoList_.AddItem(item);
    SetSelFrom({item.Start.X + tabWidth_, item.Start.Y});
    SetSelTo({item.End.X == 1 ? 1 : item.End.X + tabWidth_, item.End.Y});
}

void TCustomBedEdit::RedoUnindent(const TBedEditUndoItem& item) {
    const std::vector<int> counts = PieceLengths(item.Text);
    RemoveLeadingSpaces(item.Start.Y, counts);
    undoList_.AddItem(item);
    const int lastRemoved = item.End.X == 1 ? 0 : counts.back();
    SetSelFrom({item.Start.X - counts.front(), item.Start.Y});
    SetSelTo({item.End.X - lastRemoved, item.End.Y});
}
