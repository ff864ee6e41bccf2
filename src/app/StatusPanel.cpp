#include "StatusPanel.h"

#include <QPainter>

#include <cmath>
#include <QStyle>

TStatusPanel::TStatusPanel(int width, QWidget* parent) : QLabel(parent), width_(width) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize TStatusPanel::sizeHint() const { return {width_, QLabel::sizeHint().height()}; }

QSize TStatusPanel::minimumSizeHint() const {
    // Short texts ("RW", "UNIX", "LÁM", a line number) stay whole; longer ones give way first.
    const QString kept = text().size() > kWholeLetters ? text().left(kWholeLetters - 1) + "…" : text();
    // Rounded up: a text the width of its room must not be shortened by a fraction of a pixel.
    const int room = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(kept))) + 1;
    return {std::min(width_, room + 2 * frameWidth() + 2 * kMargin), QLabel::minimumSizeHint().height()};
}

void TStatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QRect area = contentsRect().adjusted(kMargin, 0, -kMargin, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
    const QString tip = shown == text() ? QString() : text();
    if (toolTip() != tip) const_cast<TStatusPanel*>(this)->setToolTip(tip);
}
