// Keyboard and input method of TBedEdit: keys become the component's virtual-key strokes,
// typed and composed text becomes CP 1250 characters.
#include "BedEdit.h"
#include "BedEditDrag.h"
#include "BedEditKeyStrokes.h"
#include "BedTextCp1250.h"
#include "BedEditVirtualKeys.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

bool TBedEdit::event(QEvent* e) {
    // Ctrl+Tab (and Tab without WantTabs) belongs to the window, not to the text.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            WantsTabKey(k->modifiers() & Qt::ControlModifier)) {
            e->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

bool TBedEdit::focusNextPrevChild(bool next) {
    if (WantTabs()) return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TBedEdit::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) &&
        !WantsTabKey(e->modifiers() & Qt::ControlModifier)) {
        e->ignore();
        return;
    }
    TBedVirtualKey vk = VirtualKeyOf(*e);
    if (vk.key) KeyDown(vk.key, vk.shift);
    const QString text = e->text();
    if (text.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier) {
        e->accept();
        return;
    }
    for (const char32_t cp : text.toUcs4()) {
        const int b = UnicodeToCp1250(cp);
        if (b < 0) {
            QApplication::beep();  // no such character in CP 1250: insert nothing
            continue;
        }
        KeyPress(char(b));
    }
    e->accept();
}

void TBedEdit::inputMethodEvent(QInputMethodEvent* e) {
    const QPoint cell = PositionToPixels(CaretXY());
    const QRect row(0, cell.y(), viewport()->width(), metrics_.lineHeight);
    viewport()->update(row);
    preedit_ = e->preeditString();
    if (!e->commitString().isEmpty()) {
        std::string text;
        if (UnicodeToCp1250Text(e->commitString(), text))
            ImeString(text);
        else
            QApplication::beep();
    }
    e->accept();
}

void TBedEdit::PaintPreedit(QPainter& p) {
    if (preedit_.isEmpty()) return;
    const QPoint cell = PositionToPixels(CaretXY());
    const int cw = metrics_.charWidth;
    const QRect span(cell.x(), cell.y(), int(preedit_.size()) * cw, metrics_.lineHeight);
    p.fillRect(span, Background());
    p.setFont(grid_.BaseFont());
    p.setPen(ToQColor(FontColor()));
    for (qsizetype i = 0; i < preedit_.size(); ++i)
        p.drawText(QRect(cell.x() + int(i) * cw, cell.y(), cw, metrics_.lineHeight), Qt::AlignCenter | Qt::TextDontClip,
                   QString(preedit_[i]));
    p.fillRect(span.left(), cell.y() + grid_.Ascent() + 2, span.width(), 1, ToQColor(FontColor()));
}

QVariant TBedEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled: return true;
        case Qt::ImCursorRectangle: {
            const QPoint cell = PositionToPixels(CaretXY());
            return QRect(cell, QSize(metrics_.charWidth, metrics_.lineHeight)).translated(viewport()->pos());
        }
        case Qt::ImFont: return grid_.BaseFont();
        default: return QAbstractScrollArea::inputMethodQuery(query);
    }
}
