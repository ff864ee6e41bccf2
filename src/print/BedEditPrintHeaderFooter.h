#pragma once
// The header and footer of printed pages: rows of text items (left, right or centred) with
// page, title, date and time macros, in a block above or below the body with an optional rule,
// box or shaded background.
#include "BedEditPrintCanvas.h"
#include "BedEditPrintMacros.h"
#include "BedEditPrintMargins.h"

#include <string>
#include <vector>

enum TBedFrameType : uint8_t { ftLine = 1, ftBox = 2, ftShaded = 4 };
using TBedFrameTypes = uint8_t;

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

struct THeaderFooterItem {
    std::string Text;  // UTF-8
    TBedPrintFont Font;
    TAlignment Alignment = taLeftJustify;
    int LineNumber = 1;  // the row inside the block, from 1, rows numbered without gaps
};

// One row of a block.
struct TLineInfo {
    int LineHeight = 0;   // the tallest "W" of the row's fonts
    int MaxBaseline = 0;  // the largest distance from the row's top to a baseline
};

class THeaderFooter {
public:
    explicit THeaderFooter(bool isHeader) : isHeader_(isHeader) {}
    virtual ~THeaderFooter() = default;

    TBedFrameTypes FrameTypes = ftLine;
    TColor ShadedColor = clSilver;
    TColor LineColor = clBlack;
    TBedPrintFont DefaultFont;  // Arial 10 points, black
    bool RomanNumbers = false;
    bool MirrorPosition = false;  // left and right alignment change places on even pages

    bool IsHeader() const { return isHeader_; }
    // Adds an item in its own copy of font, or in DefaultFont when font is null; the index.
    int Add(std::string text, const TBedPrintFont* font, TAlignment alignment, int lineNumber);
    void Clear();
    int Count() const { return int(items_.size()); }
    const THeaderFooterItem& Item(int index) const { return items_[size_t(index)]; }
    void Assign(const THeaderFooter& source);

    // Before a print run: row metrics and block height in the printer's measure (internal
    // margin in pixels), and the values of the page-count, title, date and time macros.
    void InitPrint(TBedPrintCanvas& canvas, int internalMargin, const TBedPrintMacroValues& values);
    // Pixels, including the internal margin above and below; -1 without items.
    int Height() const { return height_; }
    const std::vector<TLineInfo>& Rows() const { return rows_; }
    // The block of page `pageNumber` (the number shown) on a page of geometry g.
    void Print(TBedPrintCanvas& canvas, int pageNumber, const TBedPageGeometry& g);

private:
    void DrawFrame(TBedPrintCanvas& canvas, const TBedPageGeometry& g);

    bool isHeader_;
    std::vector<THeaderFooterItem> items_;  // in the order added
    // Set by InitPrint: the items by row (stable), the row index of each, the rows.
    std::vector<size_t> order_;
    std::vector<size_t> rowOf_;
    std::vector<TLineInfo> rows_;
    int height_ = -1;
    TBedPrintMacroValues macros_;
};

class THeader : public THeaderFooter {
public:
    THeader() : THeaderFooter(true) {}
};

class TFooter : public THeaderFooter {
public:
    TFooter() : THeaderFooter(false) {}
};
