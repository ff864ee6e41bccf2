#include "StatusPanel.h"

#include <QPainter>
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
    return {std::min(width_, fontMetrics().horizontalAdvance(kept) + 2 * frameWidth() + 4),
            QLabel::minimumSizeHint().height()};
}

void TStatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QRect area = contentsRect().adjusted(2, 0, -2, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
    const QString tip = shown == text() ? QString() : text();
    if (toolTip() != tip) const_cast<TStatusPanel*>(this)->setToolTip(tip);
}
