// Painting of TBedEdit: only the lines and columns of the clip rectangle.
#include "BedEdit.h"
#include "BedEditTextPainter.h"

#include "BedHighlighter.h"

#include <QPainterPath>
#include <QPaintEvent>

namespace {

// The selection in display columns, or inactive when nothing is to be shown.
TBedSelectionColumns SelectionColumns(const TCustomBedEdit& e, bool show) {
    TBedSelectionColumns s;
    if (!show || !e.HasSelection()) return s;
    const TBedPoint from = e.SelFrom();
    const TBedPoint to = e.SelTo();
    s.mode = e.SelectionMode();
    s.fromLine = from.Y;
    s.toLine = to.Y;
    s.fromColumn = e.Lines().DisplayColumn(from.Y - 1, from.X);
    s.toColumn = e.Lines().DisplayColumn(to.Y - 1, to.X);
    s.active = true;
    return s;
}

// A red wave along the bottom of each rectangle, two pixels up and down.
void PaintWaves(QPainter& p, const std::vector<QRect>& waves) {
    if (waves.empty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 0, 0), 1));
    for (const QRect& r : waves) {
        QPainterPath path;
        const qreal bottom = r.bottom() - 0.5, top = bottom - 2;
        path.moveTo(r.left(), bottom);
        int x = r.left() + 2;
        for (bool up = true; x <= r.right(); x += 2, up = !up) path.lineTo(x, up ? top : bottom);
        path.lineTo(r.right(), (x - r.left()) % 4 ? top : bottom);
        p.drawPath(path);
    }
    p.restore();
}

}  // namespace

void TBedEdit::CollectUnderlines(int line, int top, std::string_view text, std::vector<QRect>& waves) {
    underlines_.clear();
    OnUnderlines(line, text, lineTokens_, underlines_);
    for (const TBedTextSpan& u : underlines_) {
        const int left = metrics_.ColumnX(u.start + 1);
        waves.emplace_back(left, top, u.length * metrics_.charWidth, metrics_.lineHeight);
    }
}

int TBedEdit::FontStyle() const { return FontStylesOf(grid_.BaseFont()); }

TBedTokenColors TBedEdit::AttributeColors(TColor foreground, TColor background, const QColor& editorForeground,
                                          const QColor& editorBackground) {
    // Resolved here, so that system colours follow the palette like the editor's own.
    const TColor fg = foreground == clNone ? clNone : QColorToBedColor(ToQColor(foreground));
    const TColor bg = background == clNone ? clNone : QColorToBedColor(ToQColor(background));
    const TColor editorFg = QColorToBedColor(editorForeground);
    const TColor editorBg = QColorToBedColor(editorBackground);
    // The editor's colours are part of every answer: a change of them starts the memory anew.
    if (attributeColorsOn_.foreground != editorFg || attributeColorsOn_.background != editorBg) {
        attributeColors_.clear();
        attributeColorsOn_ = {editorFg, editorBg};
    }
    const uint64_t key = uint64_t(uint32_t(fg)) << 32 | uint32_t(bg);
    auto it = attributeColors_.find(key);
    if (it == attributeColors_.end())
        it = attributeColors_.emplace(key, BedReadableTokenColors(fg, bg, editorFg, editorBg)).first;
    return it->second;
}

QColor TBedEdit::Background() const {
    const QColor own = ToQColor(color_);
    if (TBedCustomHighlighter* hl = Highlighter())
        if (TBedHighlighterAttributes* space = hl->StandardAttribute(4))
            if (space->Background() != clNone)
                return BedColorToQColor(const_cast<TBedEdit*>(this)
                                            ->AttributeColors(clNone, space->Background(), ToQColor(fontColor_), own)
                                            .background,
                                        palette());
    return own;
}

void TBedEdit::paintEvent(QPaintEvent* e) {
    metrics_.firstVisibleLine = FirstVisibleLine();
    metrics_.firstVisibleChar = FirstVisibleChar();
    QPainter p(viewport());
    const QRect clip = e->rect();
    if (clip.left() < metrics_.gutterWidth) PaintGutterArea(p, clip);
    if (clip.right() >= metrics_.gutterWidth) PaintText(p, clip);
    PaintPreedit(p);
    if (OnPaint) {
        p.save();
        p.setFont(grid_.BaseFont());
        OnPaint(p);
        p.restore();
    }
    caret_.Paint(p, clip);
}

void TBedEdit::PaintGutterArea(QPainter& p, const QRect& clip) {
    TBedGutterPaint paint;
    paint.gutter = &gutter_;
    paint.metrics = metrics_;
    paint.firstLine = 1;
    paint.lastLine = Lines().Count();
    paint.fontStyle = FontStyle();
    paint.fontColor = ToQColor(fontColor_);
    paint.palette = palette();
    paint.marks = GutterMarks();
    paint.layout = GutterMarkLayout();
    PaintGutter(p, grid_, paint, clip.intersected(QRect(0, 0, metrics_.gutterWidth, viewport()->height())));
}

void TBedEdit::CollectTokens(TBedCustomHighlighter& hl, int line, std::string_view text, int firstColumn,
                             int lastColumn, const TBedLineColors& colors, bool special,
                             std::vector<TBedPaintToken>& tokens) {
    const int fontStyle = FontStyle();
    // A long line is scanned from its last checkpoint before the window, not from its start.
    int scanned = 1 + Checkpoints().Start(hl, text, line - 1, Lines().GetRange(line - 1),
                                          firstColumn - 1);  // the first column not yet covered
    for (; !hl.AtLineEnd(); hl.NextToken()) {
        const int start = hl.TokenStart() + 1;
        if (start > lastColumn) return;
        const int length = hl.TokenLength();
        Checkpoints().Passed(hl);
        scanned = std::max(scanned, start + length);
        if (start + length <= firstColumn) continue;
        TBedPaintToken t{start, length, colors.foreground, colors.background, fontStyle};
        const TBedHighlighterAttributes* a = hl.TokenAttribute();
        if (OnUnderlines) lineTokens_.push_back({{start - 1, length}, a});
        if (a) {
            t.style = a->Style();
            if (!special && (a->Foreground() != clNone || a->Background() != clNone)) {
                const TBedTokenColors c =
                    AttributeColors(a->Foreground(), a->Background(), colors.foreground, colors.background);
                t.foreground = BedColorToQColor(c.foreground, palette());
                t.background = BedColorToQColor(c.background, palette());
            }
        }
        tokens.push_back(t);
    }
    // A scanner that stops early (at a NUL byte, say) must not hide the rest of the line.
    if (scanned <= int(text.size()))
        tokens.push_back({scanned, int(text.size()) - scanned + 1, colors.foreground, colors.background, fontStyle});
}

void TBedEdit::PaintText(QPainter& p, const QRect& clipRect) {
    const TBedGridMetrics& g = metrics_;
    const QRect clip = clipRect.intersected(TextAreaRect());
    if (clip.isEmpty()) return;
    const QColor background = Background();
    if (clip.left() < g.TextLeft()) p.fillRect(g.gutterWidth, clip.top(), 2, clip.height(), background);

    const int cw = g.charWidth;
    const int lh = g.lineHeight;
    const int firstColumn = g.firstVisibleChar + std::max(0, clip.left() - g.TextLeft()) / cw;
    const int lastColumn = std::max(firstColumn, g.firstVisibleChar + (clip.right() - g.TextLeft()) / cw);
    const int firstLine = g.firstVisibleLine + clip.top() / lh;
    const int lastLine = std::min(Lines().Count(), g.firstVisibleLine + clip.bottom() / lh);

    const TBedSelectionColumns selection = SelectionColumns(*this, !(hideSelection_ && !hasFocus()));
    const TBedLineColors normal{ToQColor(fontColor_), background, ToQColor(selectedColor_.Foreground),
                                ToQColor(selectedColor_.Background)};
    const int fontStyle = FontStyle();
    TBedCustomHighlighter* hl = Highlighter();
    TBedTextPainter painter(p, grid_, g, firstColumn, lastColumn);
    std::vector<TBedPaintToken> tokens;
    std::vector<QRect> waves;
    std::string expanded;
    for (int line = firstLine; line <= lastLine; ++line) {
        // Only the columns up to the window's right edge, unless the highlighter needs the
        // whole line to tell its tokens apart.
        const std::string_view text = Lines().ExpandedView(line - 1, hl ? INT_MAX : lastColumn, expanded);
        TBedLineColors colors = normal;
        int32_t specialFg = 0, specialBg = 0;
        const bool special = OnSpecialLineColors && OnSpecialLineColors(line, specialFg, specialBg);
        if (special) {
            colors.foreground = ToQColor(specialFg);
            colors.background = ToQColor(specialBg);
            colors.selectedForeground = colors.background;  // the selection shows them exchanged
            colors.selectedBackground = colors.foreground;
        }
        tokens.clear();
        lineTokens_.clear();
        if (hl) CollectTokens(*hl, line, text, firstColumn, lastColumn, colors, special, tokens);
        painter.PaintLine(g.LineTop(line), text, tokens, LineSelection(selection, line), colors, fontStyle);
        if (OnUnderlines) CollectUnderlines(line, g.LineTop(line), text, waves);
    }
    painter.Flush();
    if (selection.active && selection.mode == smColumn && selection.fromColumn == selection.toColumn) {
        // A column block of no width: a thin bar on each of its lines shows where typing goes.
        const int top = g.LineTop(std::max(selection.fromLine, firstLine));
        const int bottom = g.LineTop(std::min(selection.toLine, lastLine) + 1);
        if (top < bottom)
            p.fillRect(g.ColumnX(selection.fromColumn) - 1, top, 2, bottom - top, normal.selectedBackground);
    }
    PaintWaves(p, waves);
    const int belowTop = g.LineTop(std::max(lastLine, firstLine - 1) + 1);
    if (belowTop <= clip.bottom()) p.fillRect(QRect(QPoint(clip.left(), belowTop), clip.bottomRight()), background);

    if (RightEdge() > 0 && rightEdgeColor_ != clNone) {
        const int x = g.ColumnX(RightEdge() + 1);
        if (x >= clip.left() && x <= clip.right())
            p.fillRect(x, clip.top(), 1, clip.height(), ToQColor(rightEdgeColor_));
    }
}
