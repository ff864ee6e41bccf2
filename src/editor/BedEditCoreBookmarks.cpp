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

void TCustomBedEdit::MarksLinesDeleted(int line, int count) {
    if (count <= 0) return;
    for (int i = 0; i < marks_.Count(); ++i) {
        TBedEditMark& m = marks_.Items(i);
        if (m.Line() >= line + count)
            m.SetLine(m.Line() - count);
        else if (m.Line() > line)
            m.SetLine(line);
    }
}

void TCustomBedEdit::MarksLinesInserted(int afterLine, int count) {
    if (count <= 0) return;
    for (int i = 0; i < marks_.Count(); ++i) {
        TBedEditMark& m = marks_.Items(i);
        if (m.Line() > afterLine) m.SetLine(m.Line() + count);
    }
}
