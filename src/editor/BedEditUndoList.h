#pragma once
// The change records of the editing component and the list that holds them. The component
// keeps two lists of this class: one to undo, one to redo. Qt-free.
#include "BedEditLineEdits.h"
#include "BedEditTypes.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

// Values are stored in the records; keep them stable.
enum TBedChangeReason : uint8_t {
    crInsert = 0,  // typed text, IME string, tab, insertion half of a replacement
    crPaste = 1,
    crDragDropInsert = 2,  // drop inside the same component
    crDelete = 3,          // deleted line, or a backwards selection deleted by a key
    crSelDelete = 4,       // deleted selection (any mode)
    crLineBreak = 5,
    crIndent = 6,
    crUnindent = 7,
    crDeleteBefore = 8,  // deleted left of the caret
    crDeleteAfter = 9,   // deleted right of the caret
    crReplace = 10,      // a match replaced by search and replace: Text is the old match
    crLineEdits = 11,    // a text tool's run: LineEdits; Start the caret before, End after
};

struct TBedEditUndoItem {
    TBedChangeReason Reason = crInsert;
    TBedSelectionMode SelMode = smNormal;
    TBedPoint Start;
    TBedPoint End;
    std::string Text;  // what undoing has to put back
    int32_t Group = 0;
    // Redo records of insertions only: the text the undo put back in place of the inserted
    // one (the characters an overwrite replaced), so that redo overwrites them again.
    std::string Restored;
    // crLineEdits only; shared, as the record moves between the lists (undo and redo swap the
    // texts it keeps).
    std::shared_ptr<TBedEditLineEdits> LineEdits;
};

class TBedEditUndoList {
public:
    static constexpr int kDefaultMaxUndo = 1024;

    // Ignored while suspended. Fires OnAdded after the record is in (and the limit enforced).
    void Add(TBedChangeReason reason, TBedPoint start, TBedPoint end, std::string text, TBedSelectionMode mode);
    // Appends a record as it is apart from its group number, which follows the grouping rules.
    void AddItem(TBedEditUndoItem item);

    void BeginGroup();
    void EndGroup();
    int32_t CurrentGroup() const { return currentGroup_; }
    // Undo and redo pin the other list's group so that moved records keep their group.
    void SetCurrentGroup(int32_t group) { currentGroup_ = group; }

    void Suspend() { ++suspended_; }
    void Resume() {
        if (suspended_ > 0) --suspended_;
    }
    bool Suspended() const { return suspended_ > 0; }

    // The newest record; Pop on an empty list returns false and leaves `item` alone.
    bool Pop(TBedEditUndoItem& item);
    const TBedEditUndoItem* Peek() const { return items_.empty() ? nullptr : &items_.back(); }
    bool CanUndo() const { return !items_.empty(); }
    int Count() const { return int(items_.size()); }
    const TBedEditUndoItem& Item(int index) const { return items_[size_t(index)]; }
    void Clear();

    int MaxUndo() const { return maxUndo_; }
    void SetMaxUndo(int value);
    bool RecordsDropped() const { return recordsDropped_; }

    std::function<void(TBedEditUndoList&)> OnAdded;

private:
    void AdvanceNextGroup();
    void Trim();

    std::deque<TBedEditUndoItem> items_;
    int nesting_ = 0;
    int32_t currentGroup_ = 0;
    int32_t nextGroup_ = 1;
    int suspended_ = 0;
    int maxUndo_ = kDefaultMaxUndo;
    bool recordsDropped_ = false;
};

// Keeps a compound edit together as one undo step, also when the edit throws.
using TBedUndoGroup = TBedScope<TBedEditUndoList, &TBedEditUndoList::BeginGroup, &TBedEditUndoList::EndGroup>;
