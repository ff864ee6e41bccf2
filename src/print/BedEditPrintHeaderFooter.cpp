#include "BedEditPrintHeaderFooter.h"

#include <algorithm>
#include <numeric>

int THeaderFooter::Add(std::string text, const TBedPrintFont* font, TAlignment alignment, int lineNumber) {
    items_.push_back({std::move(text), font ? *font : DefaultFont, alignment, lineNumber});
    return Count() - 1;
}

void THeaderFooter::Clear() { items_.clear(); }

void THeaderFooter::Assign(const THeaderFooter& source) {
    isHeader_ = source.isHeader_;
    FrameTypes = source.FrameTypes;
    ShadedColor = source.ShadedColor;
    LineColor = source.LineColor;
    DefaultFont = source.DefaultFont;
    RomanNumbers = source.RomanNumbers;
    MirrorPosition = source.MirrorPosition;
    items_ = source.items_;
}

void THeaderFooter::InitPrint(TBedPrintCanvas& canvas, int internalMargin, const TBedPrintMacroValues& values) {
    macros_ = values;
    macros_.RomanNumbers = RomanNumbers;
    order_.resize(items_.size());
    std::iota(order_.begin(), order_.end(), size_t(0));
    std::stable_sort(order_.begin(), order_.end(),
                     [this](size_t a, size_t b) { return items_[a].LineNumber < items_[b].LineNumber; });
    rows_.clear();
    rowOf_.clear();
    height_ = -1;
    if (items_.empty()) return;
    height_ = 0;
    int rowTop = 0;
    for (size_t k = 0; k < order_.size(); ++k) {
        const THeaderFooterItem& item = items_[order_[k]];
        if (k == 0 || item.LineNumber != items_[order_[k - 1]].LineNumber) {
            rows_.emplace_back();
            rowTop = height_;  // a row begins where the block has reached
        }
        rowOf_.push_back(rows_.size() - 1);
        const TBedPrintFontMetrics m = canvas.Metrics(item.Font);
        TLineInfo& row = rows_.back();
        row.LineHeight = std::max(row.LineHeight, m.Height);
        row.MaxBaseline = std::max(row.MaxBaseline, m.Ascent());
        height_ = std::max(height_, rowTop + m.Height);
    }
    height_ += 2 * internalMargin;
}

void THeaderFooter::DrawFrame(TBedPrintCanvas& canvas, const TBedPageGeometry& g) {
    if (FrameTypes & (ftBox | ftShaded)) {
        const TBedPrintRect r = isHeader_ ? TBedPrintRect{g.Left, g.HeaderLine - height_, g.Right, g.HeaderLine}
                                          : TBedPrintRect{g.Left, g.FooterLine, g.Right, g.FooterLine + height_};
        if (FrameTypes & ftShaded) canvas.FillRect(r, ShadedColor);
        if (FrameTypes & ftBox) canvas.FrameRect(r, LineColor);
    }
    // The rule lies on the edge of the block that faces the body.
    if (FrameTypes & ftLine) canvas.HorizontalLine(g.Left, g.Right, isHeader_ ? g.HeaderLine : g.FooterLine, LineColor);
}

void THeaderFooter::Print(TBedPrintCanvas& canvas, int pageNumber, const TBedPageGeometry& g) {
    if (height_ <= 0 || order_.size() != items_.size()) return;
    DrawFrame(canvas, g);
    TBedPrintMacroValues values = macros_;
    values.PageNumber = pageNumber;
    const bool swap = MirrorPosition && pageNumber % 2 == 0;
    int y = (isHeader_ ? g.HeaderLine - height_ : g.FooterLine) + g.InternalMargin;
    size_t currentRow = 0;
    for (size_t k = 0; k < order_.size(); ++k) {
        const THeaderFooterItem& item = items_[order_[k]];
        if (rowOf_[k] != currentRow) {
            y += rows_[currentRow].LineHeight;
            currentRow = rowOf_[k];
        }
        const std::string text = ExpandMacros(item.Text, values);
        if (text.empty()) continue;
        TAlignment alignment = item.Alignment;
        if (swap && alignment != taCenter) alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
        const int width = canvas.TextWidth(item.Font, text);
        const int x = alignment == taLeftJustify    ? g.LeftHFText
                      : alignment == taRightJustify ? g.RightHFText - width
                                                    : (g.LeftHFText + g.RightHFText - width) / 2;
        canvas.DrawText(item.Font, x, y + rows_[currentRow].MaxBaseline, text);
    }
}
