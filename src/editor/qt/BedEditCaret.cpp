#include "BedEditCaret.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

TBedCaret::TBedCaret(QWidget* target) : QObject(target), target_(target) {
    connect(&blink_, &QTimer::timeout, this, [this] { Blink(); });
}

void TBedCaret::Place(const QRect& rect) {
    if (rect != rect_) {
        Repaint(rect_);
        rect_ = rect;
    }
    shownPhase_ = true;
    Repaint(rect_);
    const int flash = QApplication::cursorFlashTime();
    if (active_ && !rect_.isEmpty() && flash > 0)
        blink_.start(flash / 2);
    else
        blink_.stop();
}

void TBedCaret::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    Place(rect_);
}

void TBedCaret::Paint(QPainter& p, const QRect& clip) const {
    if (!active_ || !shownPhase_ || rect_.isEmpty() || !clip.intersects(rect_)) return;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.fillRect(rect_, Qt::white);
    p.restore();
}

void TBedCaret::PixelsScrolled(int dx, int dy) {
    if (active_ && shownPhase_) Repaint(rect_.translated(dx, dy));
}

void TBedCaret::Blink() {
    shownPhase_ = !shownPhase_;
    Repaint(rect_);
}

void TBedCaret::Repaint(const QRect& r) {
    if (!r.isEmpty()) target_->update(r);
}
