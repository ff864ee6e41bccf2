#include "BedEditCoreInternal.h"
#include "BedHighlighter.h"

#include <algorithm>

namespace {

TBedEditMemoryClipboard memoryClipboard;
TBedEditClipboard* defaultClipboard = &memoryClipboard;

}  // namespace

TCustomBedEdit::TCustomBedEdit() {
    keystrokes_.ResetDefaults();
    undoList_.OnAdded = [this](TBedEditUndoList& list) { UndoRecordAdded(list); };
    redoList_.OnAdded = undoList_.OnAdded;
    marks_.OnChange = [this] { InvalidateGutterLines(-1, -1); };
    marks_.OnMarkMoved = [this](int oldLine, int newLine) {
        InvalidateGutterLines(oldLine, oldLine);
        InvalidateGutterLines(newLine, newLine);
    };
    lines_.SetTabWidth(tabWidth_);
    UpdateWordChars();
    HookLineBuffer();
}

TCustomBedEdit::~TCustomBedEdit() {
    lines_.OnChanged = nullptr;
    lines_.OnChanging = nullptr;
    lines_.OnLinesChange = nullptr;
    SetHighlighter(nullptr);
}

// ---- Properties ---------------------------------------------------------------------------

void TCustomBedEdit::SetOptions(TBedEditorOptions options) {
    if (options == options_) return;
    const TBedEditorOptions old = options_;
    options_ = options;
    if (old.Contains(eoScrollPastEol) && !options.Contains(eoScrollPastEol)) SetCaretXY(caret_);
    if (old.Contains(eoScrollPastEof) != options.Contains(eoScrollPastEof)) {
        SetFirstVisibleLine(topLine_);
        RequestScrollBarUpdate();
    }
    OptionsChanged(old);
}

void TCustomBedEdit::SetModified(bool value) {
    savedState_ = value ? kNoSavedState : UndoState();
    UpdateModified();
}

int64_t TCustomBedEdit::UndoState() const {
    if (const TBedEditUndoItem* top = undoList_.Peek()) return int64_t(uint32_t(top->Group));
    return undoList_.RecordsDropped() ? -1 : 0;
}

void TCustomBedEdit::UpdateModified() {
    const bool value = UndoState() != savedState_;
    if (value == modified_) return;
    modified_ = value;
    StatusChanged(scModified);
}

void TCustomBedEdit::SetReadOnly(bool value) {
    if (value == readOnly_) return;
    readOnly_ = value;
    StatusChanged(scReadOnly);
}

void TCustomBedEdit::SetInsertMode(bool value) {
    if (value == insertMode_) return;
    insertMode_ = value;
    CaretShapeChanged();
    StatusChanged(scInsertMode);
}

void TCustomBedEdit::SetTabWidth(int value) {
    value = std::clamp(value, 1, 256);
    if (value == tabWidth_) return;
    tabWidth_ = value;
    lines_.SetTabWidth(value);
    checkpoints_.Clear();
    InvalidateLines(-1, -1);
}

void TCustomBedEdit::SetMaxLeftChar(int value) {
    value = std::clamp(value, 1, 32767);
    if (value == maxLeftChar_) return;
    maxLeftChar_ = value;
    InvalidateLines(-1, -1);
    RequestScrollBarUpdate();
    SetFirstVisibleChar(leftChar_);
    SetCaretXY(caret_);
}

void TCustomBedEdit::SetRightEdge(int value) {
    if (value == rightEdge_) return;
    rightEdge_ = value;
    InvalidateLines(-1, -1);
}

void TCustomBedEdit::SetMaxUndo(int value) {
    if (value < 0) return;
    undoList_.SetMaxUndo(value);
    redoList_.SetMaxUndo(value);
}

TBedEditClipboard& TCustomBedEdit::Clipboard() const { return clipboard_ ? *clipboard_ : *defaultClipboard; }

void TCustomBedEdit::SetDefaultClipboard(TBedEditClipboard* clipboard) {
    defaultClipboard = clipboard ? clipboard : &memoryClipboard;
}

// ---- Paint lock and status ----------------------------------------------------------------

void TCustomBedEdit::IncPaintLock() { updates_.Lock(); }

void TCustomBedEdit::DecPaintLock() {
    if (!updates_.Unlock()) return;
    if (updates_.TakeScrollBars()) UpdateScrollBars();
    if (updates_.TakeCaret()) UpdateCaret();
    StatusChanged(0);
}

void TCustomBedEdit::RequestScrollBarUpdate() {
    if (!updates_.DeferScrollBars()) UpdateScrollBars();
}

void TCustomBedEdit::RequestCaretUpdate() {
    if (!updates_.DeferCaret()) UpdateCaret();
}

void TCustomBedEdit::StatusChanged(TBedStatusChanges changes) {
    updates_.AddStatus(changes);
    if (!OnStatusChange) return;
    if (const TBedStatusChanges pending = updates_.TakeStatus()) OnStatusChange(*this, pending);
}

// ---- Scrolling ----------------------------------------------------------------------------

void TCustomBedEdit::SetWindowSize(int linesInWindow, int charsInWindow) {
    linesInWindow_ = std::max(0, linesInWindow);
    charsInWindow_ = std::max(0, charsInWindow);
    RequestScrollBarUpdate();
    SetFirstVisibleChar(leftChar_);
    SetFirstVisibleLine(topLine_);
}

void TCustomBedEdit::SetFirstVisibleLine(int value) {
    const int count = lines_.Count();
    const int last = options_.Contains(eoScrollPastEof) ? count : count - linesInWindow_ + 1;
    value = std::clamp(value, 1, std::max(1, last));
    if (value == topLine_) return;
    const int old = topLine_;
    topLine_ = value;
    RequestScrollBarUpdate();
    TopLineChanged(old);
    StatusChanged(scTopLine);
}

int TCustomBedEdit::RoomPastEnd() const { return std::max(1, charsInWindow_); }

int TCustomBedEdit::WidestColumn() {
    const int longest = lines_.LongestLineLength();
    // Room past the ends of lines, never less than the longest line needs.
    return options_.Contains(eoScrollPastEol) ? std::max(maxLeftChar_, longest + RoomPastEnd()) : longest;
}

void TCustomBedEdit::SetFirstVisibleChar(int value) {
    // Only a column right of the first asks for the widest line, which takes a walk over every
    // line of a text just loaded.
    value = value > 1 ? std::clamp(value, 1, std::max(1, WidestColumn() - charsInWindow_ + 1)) : 1;
    if (value == leftChar_) return;
    leftChar_ = value;
    RequestScrollBarUpdate();
    LeftCharChanged();
    StatusChanged(scLeftChar);
}

void TCustomBedEdit::ScrollCaretIntoView() {
    TBedPaintLock lock(*this);
    if (caret_.X < leftChar_)
        SetFirstVisibleChar(caret_.X);
    else if (caret_.X > leftChar_ + charsInWindow_)
        SetFirstVisibleChar(caret_.X - charsInWindow_ + 1);
    else
        SetFirstVisibleChar(leftChar_);
    // The caret's line has to be one of the whole lines shown.
    const int rows = std::max(1, linesInWindow_);
    if (caret_.Y < topLine_)
        SetFirstVisibleLine(caret_.Y);
    else if (caret_.Y > topLine_ + rows - 1)
        SetFirstVisibleLine(caret_.Y - rows + 1);
    else
        SetFirstVisibleLine(topLine_);
}

// ---- Reacting to the line buffer ----------------------------------------------------------

void TCustomBedEdit::HookLineBuffer() {
    lines_.OnChanging = [this] { LinesChanging(); };
    lines_.OnChanged = [this] { LinesChanged(); };
    lines_.OnLinesChange = [this](const TBedLinesChange& change) { LinesChange(change); };
}

// Whoever made the change, the component itself or a caller writing through Lines: bookmarks,
// highlighter states and the picture follow it here.
void TCustomBedEdit::LinesChange(const TBedLinesChange& change) {
    if (change.kind != TBedLinesChangeKind::Replaced)
        checkpoints_.Clear();
    else
        for (int i = change.first; i < change.first + change.count; ++i) {
            // Checkpoints count in expanded columns: after a tab the kept end moves unevenly.
            const int length = int(lines_.GetView(i).size());
            if (lines_.HasTabs(i))
                checkpoints_.LineChanged(i, lines_.DisplayColumn(i, change.from + 1) - 1, 0,
                                         lines_.DisplayColumn(i, length + 1) - 1);
            else
                checkpoints_.LineChanged(i, change.from, change.kept, length);
        }
    switch (change.kind) {
        case TBedLinesChangeKind::Cleared: LinesCleared(); break;
        case TBedLinesChangeKind::Inserted:
            MarksFollowInsertion(change.first, change.count);
            LinesInserted(change.first, change.count);
            break;
        case TBedLinesChangeKind::Deleted:
            MarksFollowDeletion(change.first, change.count);
            if (lines_.Count() > 0) RescanFrom(change.first);
            InvalidateAllLines(change.first + 1, topLine_ + linesInWindow_);
            break;
        case TBedLinesChangeKind::Replaced: LinesReplaced(change.first, change.count); break;
        case TBedLinesChangeKind::Joined: break;  // the owner hears of it as Replaced and Deleted
    }
}

void TCustomBedEdit::InvalidateTextLines(int first, int last) {
    if (!updates_.DeferLines(first, last)) InvalidateLines(first, last);
}

void TCustomBedEdit::InvalidateAllLines(int first, int last) {
    InvalidateGutterLines(first, last);
    InvalidateTextLines(first, last);
}

void TCustomBedEdit::LinesChanging() { updates_.BeginLinesChange(); }

void TCustomBedEdit::LinesChanged() {
    updates_.EndLinesChange();
    TBedPaintLock lock(*this);
    // Direct changes through Lines may have removed the caret's line.
    if (caret_.Y > std::max(1, lines_.Count())) SetCaretY(lines_.Count());
    RequestScrollBarUpdate();
    SetSelFrom(caret_);
    if (const auto pending = updates_.TakeLines()) InvalidateLines(pending->first, pending->second);
    if (!options_.Contains(eoScrollPastEof)) SetFirstVisibleLine(topLine_);
}

void TCustomBedEdit::LinesCleared() {
    undoList_.Clear();
    redoList_.Clear();
    updates_.TakeLines();
    InvalidateLines(-1, -1);
    InvalidateGutterLines(-1, -1);
    TBedPaintLock lock(*this);
    caret_ = selection_.begin = selection_.end = TBedPoint{1, 1};
    lastCaretX_ = 1;
    RequestCaretUpdate();
    SetFirstVisibleLine(1);
    SetFirstVisibleChar(1);
    StatusChanged(scAll);
}

void TCustomBedEdit::LinesInserted(int index, int count) {
    RescanFrom(index);
    // Lines inserted above others push those down to the window's bottom; appended ones don't.
    const bool appended = index + count == lines_.Count();
    InvalidateAllLines(index + 1, appended ? lines_.Count() : topLine_ + linesInWindow_);
}

void TCustomBedEdit::LinesReplaced(int index, int count) {
    int last = index + count - 1;
    if (highlighter_) {
        highlighter_->RestoreRange(lines_.GetRange(index));
        last = ScanFrom(index, last);
    }
    InvalidateTextLines(index + 1, last + 1);
}

void TCustomBedEdit::UndoRecordAdded(TBedEditUndoList& list) {
    if (&list == &undoList_ && !undoRedoInProgress_) redoList_.Clear();
    UpdateModified();
    if (OnChange) OnChange();
}
