#include "BedEditTextPainter.h"

#include "BedTextCp1250.h"

#include <QGlyphRun>

#include <algorithm>

namespace {

bool OnlySpaces(std::string_view text, int start, int end) {
    for (int c = start; c < end; ++c)
        if (c - 1 < int(text.size()) && text[c - 1] != ' ') return false;
    return true;
}

}  // namespace

TBedTextPainter::TBedTextPainter(QPainter& painter, TBedFontGrid& grid, const TBedGridMetrics& g, int firstColumn,
                                 int lastColumn)
    : p_(painter), grid_(grid), g_(g), firstColumn_(firstColumn), lastColumn_(lastColumn) {}

TBedTextPainter::~TBedTextPainter() { Flush(); }

TBedTextPainter::GlyphBatch& TBedTextPainter::Batch(int style, const QColor& color) {
    const QRgb rgb = color.rgba();
    for (GlyphBatch& b : batches_)
        if (b.style == style && b.color == rgb) return b;
    batches_.push_back({style, rgb, {}, {}});
    return batches_.back();
}

void TBedTextPainter::Flush() {
    for (GlyphBatch& b : batches_) {
        if (b.glyphs.empty()) continue;
        QGlyphRun run;
        run.setRawFont(grid_.Style(b.style).raw);
        run.setRawData(b.glyphs.data(), b.positions.data(), int(b.glyphs.size()));
        p_.setPen(QColor::fromRgba(b.color));
        p_.drawGlyphRun(QPointF(0, 0), run);
        b.glyphs.clear();
        b.positions.clear();
    }
}

void TBedTextPainter::PaintLine(int top, std::string_view text, const std::vector<TBedPaintToken>& tokens,
                                const TBedLineSelection& selection, const TBedLineColors& colors, int fontStyle) {
    top_ = top;
    // One fill for the row; parts in other colours paint over it. A transparent row (paper
    // that is already white) needs none.
    rowBackground_ = colors.background;
    if (rowBackground_.alpha() > 0)
        p_.fillRect(g_.ColumnX(firstColumn_), top_, (lastColumn_ - firstColumn_ + 1) * g_.charWidth, g_.lineHeight,
                    rowBackground_);
    const int textEnd = int(text.size()) + 1;  // first column after the text
    if (tokens.empty()) {
        if (textEnd > 1)
            PaintRun({1, textEnd, colors.foreground, colors.background, fontStyle}, text, selection, colors);
    } else {
        Run run{0, 0, {}, {}, 0};
        bool open = false;
        for (const TBedPaintToken& t : tokens) {
            const int end = std::min(t.start + t.length, textEnd);
            if (end <= t.start || end <= firstColumn_) continue;
            if (t.start > lastColumn_) break;
            if (open) {
                const bool blank = OnlySpaces(text, t.start, end);
                const bool sameStyle = run.style == t.style || (blank && !((run.style | t.style) & fsUnderline));
                const bool sameColors =
                    selection.full || (run.background == t.background && (run.foreground == t.foreground || blank));
                if (sameStyle && sameColors && t.start == run.end) {
                    run.end = end;
                    continue;
                }
                PaintRun(run, text, selection, colors);
            }
            run = {t.start, end, t.foreground, t.background, t.style};
            open = true;
        }
        if (open) PaintRun(run, text, selection, colors);
    }
    // The rest of the row: selected columns past the text stay visible.
    const int restStart = std::max(textEnd, firstColumn_);
    if (restStart <= lastColumn_) {
        std::array<TBedRunPart, 3> parts;
        const int n = SplitRunAtSelection(restStart, lastColumn_ + 1, selection, parts);
        for (int i = 0; i < n; ++i)
            if (parts[i].selected)
                p_.fillRect(g_.ColumnX(parts[i].start), top_, (parts[i].end - parts[i].start) * g_.charWidth,
                            g_.lineHeight, colors.selectedBackground);
    }
}

void TBedTextPainter::PaintRun(const Run& run, std::string_view text, const TBedLineSelection& selection,
                               const TBedLineColors& colors) {
    const int start = std::max(run.start, firstColumn_);
    const int end = std::min(run.end, lastColumn_ + 1);
    std::array<TBedRunPart, 3> parts;
    const int n = SplitRunAtSelection(start, end, selection, parts);
    for (int i = 0; i < n; ++i) {
        if (parts[i].selected)
            PaintPart(parts[i].start, parts[i].end, text, colors.selectedForeground, colors.selectedBackground,
                      run.style);
        else
            PaintPart(parts[i].start, parts[i].end, text, run.foreground, run.background, run.style);
    }
}

void TBedTextPainter::PaintPart(int start, int end, std::string_view text, const QColor& fg, const QColor& bg,
                                int style) {
    const int cw = g_.charWidth;
    const int x0 = g_.ColumnX(start);
    if (bg != rowBackground_) p_.fillRect(x0, top_, (end - start) * cw, g_.lineHeight, bg);
    const TBedStyledFont& font = grid_.Style(style);
    const qreal baseline = top_ + grid_.Ascent();
    GlyphBatch* batch = nullptr;
    bool fallback = false;
    for (int c = start; c < end && c - 1 < int(text.size()); ++c) {
        const unsigned char byte = uchar(text[c - 1]);
        if (byte == ' ') continue;
        const int x = x0 + (c - start) * cw;
        if (const quint32 glyph = font.glyphs[byte]) {
            if (!batch) batch = &Batch(style, fg);
            batch->glyphs.push_back(glyph);
            batch->positions.emplace_back(x, baseline);
        } else if (IsControlByte(byte)) {
            PaintControlByte(x, fg);
        } else {
            fallback = true;
        }
    }
    if (style & (fsUnderline | fsStrikeOut)) {
        // Decorations span the whole part, blanks included.
        const QFontMetrics fm(font.font);
        const int w = (end - start) * cw;
        const int thickness = std::max(1, fm.lineWidth());
        if (style & fsUnderline) p_.fillRect(x0, int(baseline) + fm.underlinePos(), w, thickness, fg);
        if (style & fsStrikeOut) p_.fillRect(x0, int(baseline) - fm.strikeOutPos(), w, thickness, fg);
    }
    if (fallback) {
        // A character the face lacks: let Qt's font fallback find it, still one per cell.
        p_.setPen(fg);
        p_.setFont(font.font);
        for (int c = start; c < end && c - 1 < int(text.size()); ++c) {
            const unsigned char byte = uchar(text[c - 1]);
            if (byte == ' ' || font.glyphs[byte] || IsControlByte(byte)) continue;
            p_.drawText(QRect(x0 + (c - start) * cw, top_, cw, g_.lineHeight), Qt::AlignCenter | Qt::TextDontClip,
                        QString(QChar(Cp1250ToUnicode(byte))));
        }
    }
}

void TBedTextPainter::PaintControlByte(int x, const QColor& fg) {
    // NUL and other control bytes are kept in the text; show that something is there.
    QColor dim = fg;
    dim.setAlphaF(0.45f);
    const int cw = g_.charWidth;
    const int h = std::max(3, grid_.Ascent() * 2 / 3);
    const int y = top_ + grid_.Ascent() - h;
    p_.fillRect(x + 1, y, std::max(1, cw - 2), h, dim);
}
