#pragma once
// Gutter marks and the ten bookmarks built on them. Qt-free.
#include <functional>
#include <memory>
#include <vector>

class TBedEditMarkList;

class TBedEditMark {
public:
    int Line() const { return line_; }
    // Moving a visible mark tells its list, which repaints the gutter at both lines.
    void SetLine(int line);
    int Char = 1;
    int ImageIndex = 0;
    int BookmarkNumber = -1;  // -1: a plain mark
    bool Visible = true;
    bool InternalImage = true;  // no image list assigned: the component's own glyphs
    bool IsBookmark() const { return BookmarkNumber >= 0; }

private:
    friend class TBedEditMarkList;
    friend class TCustomBedEdit;
    TBedEditMarkList* owner_ = nullptr;
    int line_ = 1;
};

class TBedEditMarkList {
public:
    static constexpr int kMaxMarksPerLine = 16;

    TBedEditMark* Add(std::unique_ptr<TBedEditMark> mark);
    // Removes and frees the mark; nothing when it is not in the list.
    void Remove(const TBedEditMark* mark);
    void Clear();
    int Count() const { return int(marks_.size()); }
    TBedEditMark& Items(int index) const { return *marks_[size_t(index)]; }
    bool Contains(const TBedEditMark* mark) const;

    std::function<void()> OnChange;
    std::function<void(int oldLine, int newLine)> OnMarkMoved;

private:
    friend class TBedEditMark;
    std::vector<std::unique_ptr<TBedEditMark>> marks_;
};

struct TBedBookMarkOpt {
    bool EnableKeys = true;
    bool BookmarkImagesAssigned = false;  // the widget owns the image list itself
    bool DrawBookmarksFirst = true;
    bool GlyphsVisible = true;
    int LeftMargin = 2;
    int Xoffset = 12;
};
