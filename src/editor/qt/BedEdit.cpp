#include "BedEdit.h"

#include "Cp1250.h"

#include <QFontDatabase>
#include <QPainter>

TBedEdit::TBedEdit(QWidget* parent) : QAbstractScrollArea(parent) {
    QFont font("Courier New");
    font.setPixelSize(13);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
}

void TBedEdit::InvalidateLines(int, int) { viewport()->update(); }

void TBedEdit::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    const int h = fontMetrics().height();
    const int n = std::min(Lines().Count(), viewport()->height() / h + 1);
    for (int i = 0; i < n; ++i) {
        QString s;
        for (unsigned char c : Lines().ExpandedLine(i)) s += QChar(Cp1250ToUnicode(c));
        p.drawText(2, i * h + fontMetrics().ascent(), s);
    }
}
