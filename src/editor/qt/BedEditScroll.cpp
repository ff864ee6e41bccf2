// Scrolling of TBedEdit: scroll bars, the scroll hint, the wheel and moving pixels.
#include "BedEdit.h"

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

void SetBar(QScrollBar* bar, const TBedScrollRange& r, int value) {
    bar->setRange(r.minimum, r.maximum);
    bar->setPageStep(r.page);
    bar->setSingleStep(1);
    bar->setValue(value);
}

}  // namespace

int TBedEdit::PageLines() const { return std::max(1, LinesInWindow() - (HasOption(eoScrollByOneLess) ? 1 : 0)); }

void TBedEdit::UpdateScrollBars() {
    // Bars nobody sees wait for the showing: a run without a window never measures the lines.
    if (scrollBars_ == TBedScrollStyle::ssNone || !isVisible()) return;
    settingScrollBars_ = true;
    SetBar(horizontalScrollBar(), ScrollRange(WidestColumn(), CharsInWindow()), FirstVisibleChar());
    // Qt's ranges are 32-bit: every line has its own thumb position, no scaling needed.
    int total = Lines().Count();
    if (HasOption(eoScrollPastEof)) total += LinesInWindow() - 1;
    SetBar(verticalScrollBar(), ScrollRange(total, LinesInWindow()), FirstVisibleLine());
    settingScrollBars_ = false;
}

void TBedEdit::showEvent(QShowEvent* e) {
    QAbstractScrollArea::showEvent(e);
    UpdateScrollBars();
}

void TBedEdit::scrollContentsBy(int, int) {
    // The component moves its pixels itself when FirstVisibleLine changes.
}

void TBedEdit::ScrollBarAction(Qt::Orientation o, int action) {
    QScrollBar* bar = o == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const int page =
        o == Qt::Horizontal ? std::max(1, CharsInWindow() - (HasOption(eoScrollByOneLess) ? 1 : 0)) : PageLines();
    const int current = o == Qt::Horizontal ? FirstVisibleChar() : FirstVisibleLine();
    switch (action) {
        case QAbstractSlider::SliderPageStepAdd: bar->setSliderPosition(current + page); break;
        case QAbstractSlider::SliderPageStepSub: bar->setSliderPosition(current - page); break;
        case QAbstractSlider::SliderToMaximum:
            bar->setSliderPosition(o == Qt::Horizontal ? WidestColumn() : Lines().Count());
            break;
        case QAbstractSlider::SliderMove:
            if (o == Qt::Vertical) ShowScrollHint(true);
            break;
        default: break;
    }
}

void TBedEdit::ScrollBarValueChanged(Qt::Orientation o, int value) {
    if (settingScrollBars_) return;
    if (o == Qt::Horizontal)
        SetFirstVisibleChar(value);
    else
        SetFirstVisibleLine(value);
    if (o == Qt::Vertical && verticalScrollBar()->isSliderDown()) ShowScrollHint(true);
}

void TBedEdit::ShowScrollHint(bool show) {
    if (!show || !HasOption(eoShowScrollHint)) {
        if (scrollHint_) scrollHint_->hide();
        return;
    }
    if (!scrollHint_) {
        scrollHint_ = new QLabel(this, Qt::ToolTip);
        scrollHint_->setAutoFillBackground(true);
        QPalette pal = scrollHint_->palette();
        pal.setColor(QPalette::Window, ToQColor(clInfoBk));
        pal.setColor(QPalette::WindowText, ToQColor(clInfoText));
        scrollHint_->setPalette(pal);
        scrollHint_->setFrameStyle(QFrame::Box | QFrame::Plain);
        scrollHint_->setMargin(2);
    }
    scrollHint_->setText(QStringLiteral("Top Line: %1").arg(FirstVisibleLine()));
    scrollHint_->resize(scrollHint_->sizeHint());
    scrollHint_->move(mapToGlobal(QPoint(width() - scrollHint_->width() - 4, 10)));
    scrollHint_->show();
    scrollHint_->raise();
}

void TBedEdit::TopLineChanged(int oldTopLine) {
    const int newTop = FirstVisibleLine();
    metrics_.firstVisibleLine = newTop;
    const int distance = oldTopLine - newTop;
    if (std::abs(distance) < LinesInWindow() && distance != 0) {
        const int dy = distance * metrics_.lineHeight;
        viewport()->scroll(0, dy);
        caret_.PixelsScrolled(0, dy);
    } else {
        viewport()->update();
    }
    UpdateScrollBars();
    UpdateCaret();
}

void TBedEdit::LeftCharChanged() {
    metrics_.firstVisibleChar = FirstVisibleChar();
    viewport()->update(TextAreaRect());
    UpdateScrollBars();
    UpdateCaret();
}

void TBedEdit::wheelEvent(QWheelEvent* e) {
    const QPoint delta = e->angleDelta();
    if (delta.y() != 0) {
        const int page = std::max(1, LinesInWindow());
        int step = 3;
        if (e->modifiers() & Qt::ControlModifier) step = HasOption(eoHalfPageScroll) ? std::max(1, page / 2) : page;
        step = std::min(step, page);
        const int notches = wheel_.Add(delta.y());
        if (notches) SetFirstVisibleLine(FirstVisibleLine() - notches * step);
    }
    if (delta.x() != 0) {
        const int notches = wheelX_.Add(delta.x());
        if (notches) SetFirstVisibleChar(FirstVisibleChar() - notches * 3);
    }
    e->accept();
}
