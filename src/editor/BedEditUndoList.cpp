#include "BedEditUndoList.h"

void TBedEditUndoList::Add(TBedChangeReason reason, TBedPoint start, TBedPoint end, std::string text,
                           TBedSelectionMode mode) {
    if (Suspended()) return;
    TBedEditUndoItem item;
    item.Reason = reason;
    item.SelMode = mode;
    item.Start = start;
    item.End = end;
    item.Text = std::move(text);
    AddItem(std::move(item));
}

void TBedEditUndoList::AddItem(TBedEditUndoItem item) {
    if (Suspended()) return;
    if (currentGroup_ != 0) {
        item.Group = currentGroup_;
    } else {
        item.Group = nextGroup_;
        AdvanceNextGroup();
    }
    items_.push_back(std::move(item));
    Trim();
    if (OnAdded) OnAdded(*this);
}

void TBedEditUndoList::AdvanceNextGroup() {
    // Numbers wrap like the unsigned 32-bit counter they are; 0 means "no group".
    nextGroup_ = int32_t(uint32_t(nextGroup_) + 1u);
    if (nextGroup_ == 0) nextGroup_ = 1;
}

void TBedEditUndoList::BeginGroup() {
    ++nesting_;
    currentGroup_ = nextGroup_;
}

void TBedEditUndoList::EndGroup() {
    if (nesting_ == 0) return;
    if (--nesting_ == 0) {
        currentGroup_ = 0;
        AdvanceNextGroup();
    }
}

bool TBedEditUndoList::Pop(TBedEditUndoItem& item) {
    if (items_.empty()) return false;
    item = std::move(items_.back());
    items_.pop_back();
    return true;
}

void TBedEditUndoList::Clear() {
    items_.clear();
    recordsDropped_ = false;
}

void TBedEditUndoList::SetMaxUndo(int value) {
    maxUndo_ = value < 0 ? 0 : value;
    Trim();
}

void TBedEditUndoList::Trim() {
    while (int(items_.size()) > maxUndo_) {
        items_.pop_front();
        recordsDropped_ = true;
    }
}
