#pragma once
// The gutter left of the text: line numbers, the two edge lines and bookmark glyphs.
#include "BedEditColors.h"
#include "BedEditGeometry.h"

#include <QPainter>

#include <algorithm>
#include <functional>
#include <vector>

class TBedFontGrid;

class TBedGutter {
public:
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { Set(autoSize_, v); }
    int32_t Color() const { return color_; }
    void SetColor(int32_t v) { Set(color_, v); }
    Qt::CursorShape Cursor() const { return cursor_; }
    void SetCursor(Qt::CursorShape v) { Set(cursor_, v); }
    int DigitCount() const { return digitCount_; }
    void SetDigitCount(int v);
    bool LeadingZeros() const { return leadingZeros_; }
    void SetLeadingZeros(bool v) { Set(leadingZeros_, v); }
    int LeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int v) { Set(leftOffset_, std::max(0, v)); }
    int RightOffset() const { return rightOffset_; }
    void SetRightOffset(int v) { Set(rightOffset_, std::max(0, v)); }
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool v) { Set(showLineNumbers_, v); }
    bool UseFontStyle() const { return useFontStyle_; }
    void SetUseFontStyle(bool v) { Set(useFontStyle_, v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Set(visible_, v); }
    int Width() const { return width_; }
    void SetWidth(int v) { Set(width_, std::max(0, v)); }
    bool ZeroStart() const { return zeroStart_; }
    void SetZeroStart(bool v) { Set(zeroStart_, v); }

    // Fired after every effective change, after the editor has adapted its sizes.
    std::function<void()> OnChange;

    // The digits in use: DigitCount, or more with AutoSize once the text needs them.
    int CurrentDigits() const { return autoSize_ ? std::max(digitCount_, neededDigits_) : digitCount_; }
    // Adapts the digits to a text of lineCount lines; true when the width changed.
    bool AutoSizeDigits(int lineCount);
    int RealWidth(int charWidth) const;

private:
    friend class TBedEdit;
    template <class T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() {
        if (editorHook_) editorHook_();
        if (OnChange) OnChange();
    }

    std::function<void()> editorHook_;

    bool autoSize_ = false;
    TColor color_ = clBtnFace;
    Qt::CursorShape cursor_ = Qt::ArrowCursor;
    int digitCount_ = 4;
    int neededDigits_ = 0;  // what the text's line count asks for
    bool leadingZeros_ = false;
    int leftOffset_ = 16;
    int rightOffset_ = 2;
    bool showLineNumbers_ = false;
    bool useFontStyle_ = false;
    bool visible_ = true;
    int width_ = 30;
    bool zeroStart_ = false;
};

class TBedEditMark;

// A mark as the gutter shows it.
struct TBedGutterMark {
    int line = 0;
    int imageIndex = 0;
    bool isBookmark = true;
    TBedEditMark* mark = nullptr;  // the component's mark it shows
};

struct TBedGutterMarkLayout {
    int leftMargin = 2;
    int xOffset = 12;
    bool drawBookmarksFirst = true;
    bool glyphsVisible = true;
};

struct TBedGutterPaint {
    const TBedGutter* gutter = nullptr;
    TBedGridMetrics metrics;
    int firstLine = 1;
    int lastLine = 0;  // the last existing line to number
    int fontStyle = 0;
    QColor fontColor;
    QPalette palette;
    std::vector<TBedGutterMark> marks;
    TBedGutterMarkLayout layout;
};

// Calls place(mark, left) for every mark on the lines first..last with the x the gutter draws it
// at: the marks of one line stand side by side, one kind before the other.
void PlaceGutterMarks(const std::vector<TBedGutterMark>& marks, const TBedGutterMarkLayout& layout, int first, int last,
                      const std::function<void(const TBedGutterMark&, int)>& place);
// The mark drawn under x on the line, or none.
TBedEditMark* GutterMarkAt(const std::vector<TBedGutterMark>& marks, const TBedGutterMarkLayout& layout, int line,
                           int x);

// Paints the gutter's part of the clip rectangle.
void PaintGutter(QPainter& p, TBedFontGrid& grid, const TBedGutterPaint& paint, const QRect& clip);

// One bookmark glyph (0..9) inside a cell of the given size; vector-drawn, so it stays sharp at
// any font size.
void PaintBookmarkGlyph(QPainter& p, const QRect& cell, int index, int maxWidth);
