#include "TextToolEdit.h"

TBedTextToolEdit::TBedTextToolEdit(TCustomBedEdit& editor)
    : editor_(editor), refused_(editor.ReadOnly()), caretBefore_(editor.CaretXY()) {
    if (!refused_) update_.emplace(editor_.Lines());
}

TBedTextToolEdit::~TBedTextToolEdit() {
    update_.reset();
    if (edits_->Empty()) return;
    TBedEditUndoItem item;
    item.Reason = crLineEdits;
    item.Start = caretBefore_;
    item.End = editor_.CaretXY();
    item.LineEdits = std::move(edits_);
    editor_.UndoList().AddItem(std::move(item));
}

bool TBedTextToolEdit::Put(int index, std::string text) {
    if (refused_) return false;
    const std::string_view view = editor_.Lines().GetView(index);
    if (view == text) return false;
    std::string old(view);
    // Recorded once written: a write that throws leaves nothing to undo.
    editor_.Lines().Put(index, std::move(text));
    edits_->Put(index, std::move(old));
    return true;
}

void TBedTextToolEdit::Insert(int index, std::string text) {
    if (refused_) return;
    editor_.Lines().Insert(index, std::move(text));
    edits_->Insert(index);
}

void TBedTextToolEdit::Add(std::string text) { Insert(Count(), std::move(text)); }

void TBedTextToolEdit::Delete(int index) {
    if (refused_) return;
    std::string old(editor_.Lines().GetView(index));
    editor_.Lines().Delete(index);
    edits_->Delete(index, std::move(old));
}
