// The ten bookmarks, and marks following the lines they stand on.
#include "BedEditCoreInternal.h"

#include <algorithm>

void TCustomBedEdit::PlaceBookmark(int n, int x, int y) {
    if (n < 0 || n > 9 || y < 1 || y > std::max(1, lines_.Count())) return;
    auto mark = std::make_unique<TBedEditMark>();
    mark->line_ = y;
    mark->Char = x;
    mark->ImageIndex = n;
    mark->BookmarkNumber = n;
    mark->Visible = true;
    mark->InternalImage = !bookMarkOptions_.BookmarkImagesAssigned;
    if (OnPlaceBookmark) OnPlaceBookmark(*this, mark);
    if (!mark) return;
    // One bookmark per line.
    for (int i = 0; i < 10; ++i)
        if (bookmarks_[size_t(i)] && bookmarks_[size_t(i)]->Line() == y) RemoveBookmark(i);
    RemoveBookmark(n);
    bookmarks_[size_t(n)] = marks_.Add(std::move(mark));
}

void TCustomBedEdit::RemoveBookmark(int n) {
    if (n < 0 || n > 9 || !bookmarks_[size_t(n)]) return;
    TBedEditMark* mark = bookmarks_[size_t(n)];
    if (OnClearBookmark) OnClearBookmark(*this, *mark);
    bookmarks_[size_t(n)] = nullptr;
    marks_.Remove(mark);
}

bool TCustomBedEdit::GetBookmark(int n, int& x, int& y) const {
    if (n < 0 || n > 9 || !bookmarks_[size_t(n)]) return false;
    x = bookmarks_[size_t(n)]->Char;
    y = bookmarks_[size_t(n)]->Line();
    return true;
}

void TCustomBedEdit::JumpToBookmark(int n) {
    int x, y;
    if (!GetBookmark(n, x, y) || y > lines_.Count()) return;
    TBedPaintLock lock(*this);
    SetCaretXY({x, y});
    SetSelFrom(caret_);
    ScrollCaretIntoView();
}

// Lines inserted above a mark push it down; lines appended below the text move none (a mark
// past the end keeps its number).
void TCustomBedEdit::MarksFollowInsertion(int index, int count) {
    if (index + count == lines_.Count()) return;
    for (int i = 0; i < marks_.Count(); ++i) {
        TBedEditMark& m = marks_.Items(i);
        if (m.Line() > index) m.SetLine(m.Line() + count);
    }
}

// A mark on a deleted line goes to the line above them (the first line when there is none);
// marks below move up.
void TCustomBedEdit::MarksFollowDeletion(int index, int count) {
    for (int i = 0; i < marks_.Count(); ++i) {
        TBedEditMark& m = marks_.Items(i);
        if (m.Line() > index + count)
            m.SetLine(m.Line() - count);
        else if (m.Line() > index)
            m.SetLine(std::max(index, 1));
    }
}
