#include "BedEditGutter.h"

#include "BedEditFontGrid.h"
#include "BedEditMarkList.h"

#include <QPainterPath>

void TBedGutter::SetDigitCount(int v) { Set(digitCount_, std::clamp(v, 2, 12)); }

bool TBedGutter::AutoSizeDigits(int lineCount) {
    const int before = CurrentDigits();
    neededDigits_ = GutterDigitsFor(lineCount, 0, zeroStart_);
    return CurrentDigits() != before;
}

int TBedGutter::RealWidth(int charWidth) const {
    if (!visible_) return 0;
    if (showLineNumbers_) return leftOffset_ + rightOffset_ + charWidth * CurrentDigits() + 2;
    return width_;
}

void PaintGutter(QPainter& p, TBedFontGrid& grid, const TBedGutterPaint& paint, const QRect& clip) {
    const TBedGutter& gutter = *paint.gutter;
    const TBedGridMetrics& g = paint.metrics;
    const int width = g.gutterWidth;
    const QColor background = BedColorToQColor(gutter.Color(), paint.palette);
    p.fillRect(QRect(0, clip.top(), width, clip.height()), background);
    const int lh = g.lineHeight;
    const int first = std::max(paint.firstLine, g.firstVisibleLine + clip.top() / lh);
    const int last = std::min(paint.lastLine, g.firstVisibleLine + (clip.bottom() + lh) / lh);
    if (gutter.ShowLineNumbers() && first <= last) {
        const TBedStyledFont& font = grid.Style(gutter.UseFontStyle() ? paint.fontStyle : 0);
        p.save();
        p.setClipRect(QRect(0, 0, std::max(0, width - 2), clip.bottom() + 1), Qt::IntersectClip);
        p.setFont(font.font);
        p.setPen(paint.fontColor);
        for (int line = first; line <= last; ++line) {
            const std::string text =
                GutterNumberText(line, gutter.CurrentDigits(), gutter.ZeroStart(), gutter.LeadingZeros());
            p.drawText(gutter.LeftOffset(), g.LineTop(line) + grid.Ascent(),
                       QString::fromLatin1(text.data(), int(text.size())));
        }
        p.restore();
    }
    if (width >= 2 && clip.right() >= width - 2) {
        p.fillRect(width - 2, clip.top(), 1, clip.height(), BedColorToQColor(clBtnHighlight, paint.palette));
        p.fillRect(width - 1, clip.top(), 1, clip.height(), BedColorToQColor(clBtnShadow, paint.palette));
    }
    if (!paint.layout.glyphsVisible) return;
    PlaceGutterMarks(paint.marks, paint.layout, first, last, [&](const TBedGutterMark& m, int left) {
        if (m.imageIndex < 0 || m.imageIndex > 9) return;
        const QRect cell(left, g.LineTop(m.line), paint.layout.xOffset, lh);
        PaintBookmarkGlyph(p, cell, m.imageIndex, paint.layout.xOffset - 1);
    });
}

void PlaceGutterMarks(const std::vector<TBedGutterMark>& marks, const TBedGutterMarkLayout& layout, int first, int last,
                      const std::function<void(const TBedGutterMark&, int)>& place) {
    if (marks.empty() || first > last) return;
    // A line shows its first marks in list order, as many as it holds.
    std::vector<int> counts(size_t(last - first + 1), 0);
    std::vector<bool> shown(marks.size(), false);
    for (size_t i = 0; i < marks.size(); ++i)
        if (marks[i].line >= first && marks[i].line <= last)
            shown[i] = counts[size_t(marks[i].line - first)]++ < TBedEditMarkList::kMaxMarksPerLine;
    std::vector<int> offsets(counts.size(), 0);
    for (int pass = 0; pass < 2; ++pass) {
        const bool bookmarks = (pass == 0) == layout.drawBookmarksFirst;
        for (size_t i = 0; i < marks.size(); ++i) {
            const TBedGutterMark& m = marks[i];
            if (m.isBookmark != bookmarks || !shown[i]) continue;
            int& offset = offsets[size_t(m.line - first)];
            place(m, layout.leftMargin + offset);
            offset += layout.xOffset;
        }
    }
}

TBedEditMark* GutterMarkAt(const std::vector<TBedGutterMark>& marks, const TBedGutterMarkLayout& layout, int line,
                           int x) {
    TBedEditMark* found = nullptr;
    PlaceGutterMarks(marks, layout, line, line, [&](const TBedGutterMark& m, int left) {
        if (x >= left && x < left + layout.xOffset) found = m.mark;
    });
    return found;
}

void PaintBookmarkGlyph(QPainter& p, const QRect& cell, int index, int maxWidth) {
    // A small tag with the bookmark's digit: sized from the line, centred vertically.
    const int h = std::clamp(cell.height() - 2, 7, 16);
    const int w = std::clamp(h * 3 / 4 + 1, 6, std::max(6, maxWidth));
    const QRectF box(cell.left() + 0.5, cell.top() + (cell.height() - h) / 2 + 0.5, w - 1, h - 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    path.addRoundedRect(box, 2, 2);
    p.fillPath(path, QColor(0x20, 0x60, 0xC0));
    p.setPen(QPen(QColor(0x10, 0x30, 0x70), 1));
    p.drawPath(path);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(6, h - 3));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, QString::number(index));
    p.restore();
}
