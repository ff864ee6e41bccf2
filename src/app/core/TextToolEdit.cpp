#include "TextToolEdit.h"

TBedTextToolEdit::TBedTextToolEdit(TCustomBedEdit& editor, std::function<void()> markModified)
    : editor_(editor), markModified_(std::move(markModified)), refused_(editor.ReadOnly()) {
    if (!refused_) update_.emplace(editor_.Lines());
}

TBedTextToolEdit::~TBedTextToolEdit() {
    update_.reset();
    if (!changed_) return;
    editor_.UndoList().Clear();
    editor_.RedoList().Clear();
    editor_.SetModified(true);
    if (markModified_) markModified_();
}

bool TBedTextToolEdit::Put(int index, std::string text) {
    if (refused_ || editor_.Lines().GetView(index) == text) return false;
    editor_.Lines().Put(index, std::move(text));
    changed_ = true;
    return true;
}

void TBedTextToolEdit::Insert(int index, std::string text) {
    if (refused_) return;
    editor_.Lines().Insert(index, std::move(text));
    changed_ = true;
}

void TBedTextToolEdit::Add(std::string text) {
    if (refused_) return;
    editor_.Lines().Add(std::move(text));
    changed_ = true;
}

void TBedTextToolEdit::Delete(int index) {
    if (refused_) return;
    editor_.Lines().Delete(index);
    changed_ = true;
}
