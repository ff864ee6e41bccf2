#include "ToolIcons.h"

#include "BedEditColors.h"
#include "BedTextContrast.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The colours of a glyph, from the palette it is shown in: ink and paper follow a light or
// dark desktop, the accents keep their hue and are shaded to stand out from the buttons.
struct Inks {
    QColor ink, paper, accent, folder, board, tray, stop;
};

QColor Shade(QColor colour, const QColor& against, bool enabled) {
    if (!enabled) return against.lightnessF() < 0.5 ? against.lighter(180) : against.darker(140);
    return BedColorToQColor(BedReadableOn(QColorToBedColor(colour), QColorToBedColor(against), 3.0), {});
}

Inks InksOf(const QPalette& palette, bool enabled) {
    const QColor button = palette.color(QPalette::Button);
    const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
    return {palette.color(group, QPalette::ButtonText),
            palette.color(QPalette::Base),
            Shade(QColor(20, 90, 180), button, enabled),
            Shade(QColor(240, 200, 90), palette.color(QPalette::Base), enabled),
            Shade(QColor(190, 150, 90), button, enabled),
            palette.color(QPalette::Midlight),
            Shade(QColor(180, 30, 30), button, enabled)};
}

void Page(QPainter& p, QRectF r, const QColor& paper) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(paper);
    p.drawPath(path);
}

void Lines(QPainter& p, QRectF r, int count) {
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 5 + i * 3;
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    QPolygonF head({to, to - d * 4 + n * 3, to - d * 4 - n * 3});
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
}

void Draw(QPainter& p, TToolGlyph g, const QPalette& palette, bool enabled) {
    const Inks colours = InksOf(palette, enabled);
    const QColor ink = colours.ink;
    const QColor accent = colours.accent;
    p.setPen(QPen(ink, 1));
    const QRectF page(4.5, 2.5, 11, 15);
    switch (g) {
        case TToolGlyph::New: Page(p, page, colours.paper); break;
        case TToolGlyph::Open:
            p.setBrush(colours.folder);
            p.drawRect(QRectF(2.5, 6.5, 15, 10));
            p.drawRect(QRectF(2.5, 4.5, 6, 2));
            break;
        case TToolGlyph::Save:
            p.setBrush(accent);
            p.drawRect(QRectF(3.5, 3.5, 13, 13));
            p.setBrush(colours.paper);
            p.drawRect(QRectF(6.5, 3.5, 7, 5));
            break;
        case TToolGlyph::Reload:
            p.setPen(QPen(accent, 2));
            p.drawArc(QRectF(4, 4, 12, 12), 60 * 16, 280 * 16);
            Arrow(p, QPointF(15, 6), QPointF(16, 3));
            break;
        case TToolGlyph::Print:
            p.setBrush(colours.paper);
            p.drawRect(QRectF(6.5, 2.5, 7, 6));
            p.setBrush(colours.tray);
            p.drawRect(QRectF(2.5, 8.5, 15, 6));
            p.setBrush(colours.paper);
            p.drawRect(QRectF(6.5, 12.5, 7, 5));
            break;
        case TToolGlyph::Options:
            p.setPen(QPen(ink, 1.5));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(3, 5 + i * 5), QPointF(17, 5 + i * 5));
            p.setBrush(accent);
            for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(6 + i * 4, 5 + i * 5), 2, 2);
            break;
        case TToolGlyph::Copy:
            Page(p, QRectF(2.5, 2.5, 9, 11), colours.paper);
            Page(p, QRectF(8.5, 6.5, 9, 11), colours.paper);
            break;
        case TToolGlyph::Cut:
            p.drawLine(QPointF(6, 3), QPointF(13, 13));
            p.drawLine(QPointF(14, 3), QPointF(7, 13));
            p.drawEllipse(QPointF(6, 15), 2.5, 2.5);
            p.drawEllipse(QPointF(14, 15), 2.5, 2.5);
            break;
        case TToolGlyph::Paste:
            p.setBrush(colours.board);
            p.drawRect(QRectF(3.5, 3.5, 11, 14));
            Page(p, QRectF(8.5, 7.5, 9, 10), colours.paper);
            break;
        case TToolGlyph::Find:
        case TToolGlyph::Replace:
            p.setPen(QPen(ink, 1.5));
            p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
            p.drawLine(QPointF(11, 11), QPointF(16, 16));
            if (g == TToolGlyph::Replace) {
                p.setPen(QPen(accent, 1.5));
                Arrow(p, QPointF(12, 3), QPointF(17, 3));
            }
            break;
        case TToolGlyph::Top:
            p.drawLine(QPointF(3, 3.5), QPointF(17, 3.5));
            Arrow(p, QPointF(10, 17), QPointF(10, 6));
            break;
        case TToolGlyph::Bottom:
            p.drawLine(QPointF(3, 16.5), QPointF(17, 16.5));
            Arrow(p, QPointF(10, 3), QPointF(10, 14));
            break;
        case TToolGlyph::Line:
            Page(p, page, colours.paper);
            Lines(p, page, 3);
            p.setPen(QPen(accent, 1.5));
            Arrow(p, QPointF(1, 11), QPointF(8, 11));
            break;
        case TToolGlyph::Help: {
            p.setBrush(accent);
            p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
            p.setPen(colours.paper);
            QFont f("Arial");
            f.setPixelSize(12);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, "?");
            break;
        }
        case TToolGlyph::Exit:
            p.setPen(QPen(colours.stop, 2.5));
            p.drawLine(QPointF(5, 5), QPointF(15, 15));
            p.drawLine(QPointF(15, 5), QPointF(5, 15));
            break;
    }
}

// Drawn at the size and scale asked for, in the application's palette of the moment: crisp on
// a screen of any scale, and in step with a light or dark desktop. A run without a display
// never draws one.
class DrawnToolIcon : public QIconEngine {
public:
    explicit DrawnToolIcon(TToolGlyph glyph) : glyph_(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 20.0, rect.height() / 20.0);
        Draw(*painter, glyph_, QGuiApplication::palette(), mode != QIcon::Disabled);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // `size` counts the screen's pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            paint(&p, QRect(QPoint(), size), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new DrawnToolIcon(glyph_); }

private:
    TToolGlyph glyph_;
};

}  // namespace

QIcon ToolIcon(TToolGlyph glyph) { return QIcon(new DrawnToolIcon(glyph)); }
