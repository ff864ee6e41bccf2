#include "ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Qt::white);
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

void Draw(QPainter& p, TToolGlyph g, bool enabled) {
    const QColor ink = enabled ? QColor(30, 30, 30) : QColor(150, 150, 150);
    const QColor accent = enabled ? QColor(20, 90, 180) : QColor(170, 170, 170);
    p.setPen(QPen(ink, 1));
    const QRectF page(4.5, 2.5, 11, 15);
    switch (g) {
        case TToolGlyph::New: Page(p, page); break;
        case TToolGlyph::Open:
            p.setBrush(enabled ? QColor(240, 200, 90) : QColor(220, 220, 220));
            p.drawRect(QRectF(2.5, 6.5, 15, 10));
            p.drawRect(QRectF(2.5, 4.5, 6, 2));
            break;
        case TToolGlyph::Save:
            p.setBrush(accent);
            p.drawRect(QRectF(3.5, 3.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6.5, 3.5, 7, 5));
            break;
        case TToolGlyph::Reload:
            p.setPen(QPen(accent, 2));
            p.drawArc(QRectF(4, 4, 12, 12), 60 * 16, 280 * 16);
            Arrow(p, QPointF(15, 6), QPointF(16, 3));
            break;
        case TToolGlyph::Print:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6.5, 2.5, 7, 6));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(2.5, 8.5, 15, 6));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6.5, 12.5, 7, 5));
            break;
        case TToolGlyph::Options:
            p.setPen(QPen(ink, 1.5));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(3, 5 + i * 5), QPointF(17, 5 + i * 5));
            p.setBrush(accent);
            for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(6 + i * 4, 5 + i * 5), 2, 2);
            break;
        case TToolGlyph::Copy:
            Page(p, QRectF(2.5, 2.5, 9, 11));
            Page(p, QRectF(8.5, 6.5, 9, 11));
            break;
        case TToolGlyph::Cut:
            p.drawLine(QPointF(6, 3), QPointF(13, 13));
            p.drawLine(QPointF(14, 3), QPointF(7, 13));
            p.drawEllipse(QPointF(6, 15), 2.5, 2.5);
            p.drawEllipse(QPointF(14, 15), 2.5, 2.5);
            break;
        case TToolGlyph::Paste:
            p.setBrush(QColor(190, 150, 90));
            p.drawRect(QRectF(3.5, 3.5, 11, 14));
            Page(p, QRectF(8.5, 7.5, 9, 10));
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
            Page(p, page);
            Lines(p, page, 3);
            p.setPen(QPen(accent, 1.5));
            Arrow(p, QPointF(1, 11), QPointF(8, 11));
            break;
        case TToolGlyph::Help: {
            p.setBrush(accent);
            p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
            p.setPen(Qt::white);
            QFont f("Arial");
            f.setPixelSize(12);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, "?");
            break;
        }
        case TToolGlyph::Exit:
            p.setPen(QPen(enabled ? QColor(180, 30, 30) : QColor(170, 170, 170), 2.5));
            p.drawLine(QPointF(5, 5), QPointF(15, 15));
            p.drawLine(QPointF(15, 5), QPointF(5, 15));
            break;
    }
}

QPixmap Render(TToolGlyph g, bool enabled) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p, g, enabled);
    return pixmap;
}

QIcon Drawn(TToolGlyph glyph) {
    QIcon icon;
    icon.addPixmap(Render(glyph, true), QIcon::Normal);
    icon.addPixmap(Render(glyph, false), QIcon::Disabled);
    return icon;
}

// Draws the glyph when the icon is first shown: a run that never shows the panel (without a
// display) does not pay for drawing 32 pixmaps.
class LazyToolIcon : public QIconEngine {
public:
    explicit LazyToolIcon(TToolGlyph glyph) : glyph_(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new LazyToolIcon(glyph_); }

private:
    const QIcon& Icon() {
        if (icon_.isNull()) icon_ = Drawn(glyph_);
        return icon_;
    }

    TToolGlyph glyph_;
    QIcon icon_;
};

}  // namespace

QIcon ToolIcon(TToolGlyph glyph) { return QIcon(new LazyToolIcon(glyph)); }
