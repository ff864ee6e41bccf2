// Keyboard and input method of TBedEdit: keys become the component's virtual-key strokes,
// typed and composed text becomes CP 1250 characters.
#include "BedEdit.h"
#include "BedEditDrag.h"
#include "BedEditKeyCmds.h"
#include "Cp1250.h"
#if __has_include("VirtualKeys.h")
#include "VirtualKeys.h"
#else
static uint16_t QtKeyToVirtualKey(int key, Qt::KeyboardModifiers) {
    switch (key) {
        case Qt::Key_Left: return 0x25;
        case Qt::Key_Up: return 0x26;
        case Qt::Key_Right: return 0x27;
        case Qt::Key_Down: return 0x28;
        case Qt::Key_Return: case Qt::Key_Enter: return 0x0D;
        case Qt::Key_Backspace: return 0x08;
        case Qt::Key_Tab: case Qt::Key_Backtab: return 0x09;
        case Qt::Key_PageUp: return 0x21;
        case Qt::Key_PageDown: return 0x22;
        case Qt::Key_Home: return 0x24;
        case Qt::Key_End: return 0x23;
        case Qt::Key_Delete: return 0x2E;
        case Qt::Key_Insert: return 0x2D;
        default: return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) ? uint16_t(key) : 0;
    }
}
static TBedShiftState ShiftStateOf(Qt::KeyboardModifiers m) {
    return TBedShiftState((m & Qt::ShiftModifier ? ssShift : 0) | (m & Qt::AltModifier ? ssAlt : 0) |
                          (m & Qt::ControlModifier ? ssCtrl : 0));
}
#endif

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

bool TBedEdit::event(QEvent* e) {
    // Ctrl+Tab (and Tab without WantTabs) belongs to the window, not to the text.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && WantsTabKey(k->modifiers() & Qt::ControlModifier)) {
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
    uint16_t vk = QtKeyToVirtualKey(e->key(), e->modifiers());
    if (vk) KeyDown(vk, ShiftStateOf(e->modifiers()));
    const QString text = e->text();
    if (text.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ==
                              Qt::ControlModifier) {
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
    if (!e->commitString().isEmpty()) {
        std::string text;
        if (UnicodeToCp1250Text(e->commitString(), text))
            ImeString(text);
        else
            QApplication::beep();
    }
    e->accept();
}

QVariant TBedEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImCursorRectangle: {
            const QPoint cell = PositionToPixels(CaretXY());
            return QRect(cell, QSize(metrics_.charWidth, metrics_.lineHeight))
                .translated(viewport()->pos());
        }
        case Qt::ImFont:
            return grid_.BaseFont();
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}
