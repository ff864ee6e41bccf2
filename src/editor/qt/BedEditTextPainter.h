#pragma once
// Paints tab-expanded CP 1250 lines onto the fixed grid: tokens joined into runs, each run cut
// at the selection, every character in exactly one cell, control bytes as small boxes.
// Painter-agnostic: the widget, an offscreen image or a printer page.
#include "BedEditGeometry.h"
#include "BedEditFontGrid.h"

#include <QColor>
#include <QPainter>

#include <string_view>
#include <vector>

// A token in display columns (1-based start), with its colours already resolved.
struct TBedPaintToken {
    int start = 1;
    int length = 0;
    QColor foreground;
    QColor background;
    int style = 0;
};

struct TBedLineColors {
    QColor foreground;
    QColor background;
    QColor selectedForeground;
    QColor selectedBackground;
};

// Backgrounds are painted at once; glyphs are collected by font and colour and drawn together
// by Flush (or the destructor), a few glyph runs per paint instead of one per token.
class TBedTextPainter {
public:
    // Paints columns firstColumn..lastColumn of the grid g.
    TBedTextPainter(QPainter& painter, TBedFontGrid& grid, const TBedGridMetrics& g, int firstColumn, int lastColumn);
    ~TBedTextPainter();
    TBedTextPainter(const TBedTextPainter&) = delete;
    TBedTextPainter& operator=(const TBedTextPainter&) = delete;

    // One line at pixel row top. Without tokens the whole text is one run in the normal
    // colours and fontStyle.
    void PaintLine(int top, std::string_view text, const std::vector<TBedPaintToken>& tokens,
                   const TBedLineSelection& selection, const TBedLineColors& colors, int fontStyle);
    // Draws the collected glyphs.
    void Flush();

private:
    struct GlyphBatch {
        int style;
        QRgb color;
        std::vector<quint32> glyphs;
        std::vector<QPointF> positions;
    };
    GlyphBatch& Batch(int style, const QColor& color);
    struct Run {
        int start, end;
        QColor foreground, background;
        int style;
    };
    void PaintRun(const Run& run, std::string_view text, const TBedLineSelection& selection,
                  const TBedLineColors& colors);
    void PaintPart(int start, int end, std::string_view text, const QColor& fg, const QColor& bg, int style);
    void PaintControlByte(int x, const QColor& fg);

    QPainter& p_;
    TBedFontGrid& grid_;
    const TBedGridMetrics& g_;
    int firstColumn_;
    int lastColumn_;
    int top_ = 0;
    QColor rowBackground_;
    std::vector<GlyphBatch> batches_;
};
