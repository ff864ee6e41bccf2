// The mouse in TBedEdit: placing the caret, selecting, auto-scrolling while dragging outside
// the text, double-click words, gutter clicks and dragging a selection to move or copy it.
#include "BedEdit.h"
#include "BedEditDrag.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>

void TBedEdit::UpdateMouseCursor(const QPoint& p) {
    if (p.x() < metrics_.gutterWidth)
        viewport()->setCursor(gutter_.Cursor());
    else if (HasOption(eoDragDropEditing) && IsPointInSelection(PixelsToPosition(p.x(), p.y())))
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->setCursor(Qt::IBeamCursor);
}

void TBedEdit::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::RightButton && HasSelection()) return;  // kept for the popup menu
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    mouseDownPos_ = lastMousePos_ = pos;
    PressAt(pos, e->button() == Qt::LeftButton, e->modifiers());
    setFocus(Qt::MouseFocusReason);
}

void TBedEdit::PressAt(const QPoint& pos, bool left, Qt::KeyboardModifiers modifiers) {
    const bool hadSelection = HasSelection();
    const TBedPoint target = PixelsToPosition(pos.x(), pos.y());
    const bool insideSelection = IsPointInSelection(target);
    TBedPaintLock lock(*this);
    SetCaretXY(target);
    if (!left) {
        SetSelFrom(CaretXY());
        return;
    }
    leftButtonDown_ = true;
    gutterClick_ = pos.x() < metrics_.gutterWidth;
    gutterLine_ = PixelToRow(metrics_, pos.y(), viewport()->height());
    gutterDrag_ = false;
    if (hadSelection && HasOption(eoDragDropEditing) && InTextArea(pos) && SelectionMode() == smNormal &&
        insideSelection) {
        waitForDragging_ = true;
    } else if (modifiers & Qt::ShiftModifier) {
        SetSelTo(CaretXY());
    } else {
        SetSelFrom(CaretXY());
        if (HasOption(eoAltSetsColumnMode) && SelectionMode() != smLine)
            SetSelectionMode(modifiers & Qt::AltModifier ? smColumn : smNormal);
    }
}

void TBedEdit::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    lastMousePos_ = pos;
    UpdateMouseCursor(pos);
    if (!leftButtonDown_ || !(e->buttons() & Qt::LeftButton)) return;
    if (waitForDragging_) {
        if ((pos - mouseDownPos_).manhattanLength() >= QApplication::startDragDistance()) {
            waitForDragging_ = false;
            leftButtonDown_ = false;
            StartBlockDrag();
        }
        return;
    }
    if (doubleClicked_) return;
    const int textRight = metrics_.gutterWidth + CharsInWindow() * metrics_.charWidth;
    const int textBottom = LinesInWindow() * metrics_.lineHeight;
    const bool inside = pos.y() >= 0 && pos.y() <= textBottom && pos.x() <= textRight;
    if (gutterClick_) {
        // From the gutter the drag selects whole lines, once it leaves the pressed line's cell.
        const int line = PixelToRow(metrics_, pos.y(), viewport()->height());
        if (line != gutterLine_ || pos.x() >= metrics_.gutterWidth) gutterDrag_ = true;
        if (gutterDrag_ && inside) SelectLines(gutterLine_, line);
    } else if (inside && pos.x() >= metrics_.gutterWidth) {
        TBedPaintLock lock(*this);
        SetCaretXY(PixelsToPosition(pos.x(), pos.y()));
        SetSelTo(CaretXY());
    }
    autoScrollX_ = gutterClick_ ? 0 : AutoScrollAmount(pos.x(), metrics_.gutterWidth, textRight, metrics_.charWidth);
    autoScrollY_ = AutoScrollAmount(pos.y(), 0, textBottom, metrics_.lineHeight);
    if (autoScrollX_ || autoScrollY_) {
        if (!autoScrollTimer_.isActive()) autoScrollTimer_.start();
    } else {
        autoScrollTimer_.stop();
    }
}

void TBedEdit::AutoScrollTick() {
    TBedPaintLock lock(*this);
    const QPoint pos = lastMousePos_;
    if (autoScrollX_) {
        SetFirstVisibleChar(FirstVisibleChar() + autoScrollX_);
        const int x = autoScrollX_ < 0 ? FirstVisibleChar() : FirstVisibleChar() + CharsInWindow();
        SetCaretXY({x, PixelToRow(metrics_, pos.y(), viewport()->height())});
    }
    if (autoScrollY_) {
        const bool pages = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        SetFirstVisibleLine(FirstVisibleLine() + autoScrollY_ * (pages ? LinesInWindow() : 1));
        const int line = autoScrollY_ < 0 ? FirstVisibleLine() : FirstVisibleLine() + std::max(1, LinesInWindow()) - 1;
        metrics_.firstVisibleLine = FirstVisibleLine();
        metrics_.firstVisibleChar = FirstVisibleChar();
        SetCaretXY({Lines().CharPosAtColumns(line - 1, PixelToColumnCount(metrics_, pos.x())), line});
    }
    if (gutterClick_) {
        gutterDrag_ = true;
        SelectLines(gutterLine_, CaretY());
    } else {
        SetSelTo(CaretXY());
    }
}

void TBedEdit::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    autoScrollTimer_.stop();
    autoScrollX_ = autoScrollY_ = 0;
    if (e->button() == Qt::LeftButton) {
        const int line = PixelToRow(metrics_, pos.y(), viewport()->height());
        // Below the last line there is nothing to click on.
        if (gutterClick_ && !gutterDrag_ && pos.x() < metrics_.gutterWidth && line <= Lines().Count() && OnGutterClick)
            OnGutterClick(pos.x(), pos.y(), line, GutterMarkAt(GutterMarks(), GutterMarkLayout(), line, pos.x()));
        if (waitForDragging_ && !doubleClicked_) {
            TBedPaintLock lock(*this);
            SetCaretXY(PixelsToPosition(pos.x(), pos.y()));
            SetSelFrom(CaretXY());
        }
        waitForDragging_ = false;
        leftButtonDown_ = false;
        gutterClick_ = gutterDrag_ = false;
        doubleClicked_ = false;
    }
}

void TBedEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (e->button() != Qt::LeftButton) return;
    if (!InTextArea(pos) || HasOption(eoNoSelection)) return;
    SelectWordAt(CaretXY());
    doubleClicked_ = true;
    waitForDragging_ = false;
    leftButtonDown_ = false;
}

void TBedEdit::contextMenuEvent(QContextMenuEvent* e) {
    contextMenuPosition_ =
        e->reason() == QContextMenuEvent::Mouse ? PixelsToPosition(e->pos().x(), e->pos().y()) : CaretXY();
    if (popupMenu_)
        popupMenu_->popup(e->globalPos());
    else
        e->ignore();
}

void TBedEdit::StartBlockDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(BlockMimeData(SelectedText(), SelectionMode()));
    // Drops on an editor of this program move or copy through the component; other programs
    // only ever get a copy, so a document never loses text to a foreign window.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void TBedEdit::dragEnterEvent(QDragEnterEvent* e) {
    const QMimeData* m = e->mimeData();
    if ((m->hasUrls() && HasOption(eoDropFiles)) ||
        (!ReadOnly() && HasOption(eoDragDropEditing) && (m->hasFormat(kBedBlockMimeType) || m->hasText())))
        e->acceptProposedAction();
}

void TBedEdit::dragMoveEvent(QDragMoveEvent* e) {
    const QMimeData* m = e->mimeData();
    if (m->hasUrls() && HasOption(eoDropFiles)) {
        e->acceptProposedAction();
        return;
    }
    // The caret shows where the text will go.
    const QPoint pos = e->position().toPoint();
    const TBedPoint target = PixelsToPosition(pos.x(), pos.y());
    if (e->source() == this && IsPointInSelection(target)) {
        e->ignore();
        return;
    }
    SetCaretXY(target);
    const bool copy = e->source() != this || (e->modifiers() & Qt::ControlModifier);
    e->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    e->accept();
}

void TBedEdit::dropEvent(QDropEvent* e) {
    const QMimeData* m = e->mimeData();
    const QPoint pos = e->position().toPoint();
    if (m->hasUrls() && HasOption(eoDropFiles)) {
        std::vector<std::string> names;
        for (const QUrl& url : m->urls())
            if (url.isLocalFile()) names.push_back(url.toLocalFile().toStdString());
        if (!names.empty() && OnDropFiles) OnDropFiles(pos.x(), pos.y(), names);
        e->acceptProposedAction();
        return;
    }
    const TBedPoint target = PixelsToPosition(pos.x(), pos.y());
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (auto* source = qobject_cast<TBedEdit*>(e->source())) {
        // Between editors of this program the component moves or copies the selection.
        DropSelection(*source, target, ctrl, e->modifiers() & Qt::ShiftModifier);
        e->setDropAction(source == this && !ctrl ? Qt::MoveAction : Qt::CopyAction);
    } else {
        DropText(m, target);
        e->setDropAction(Qt::CopyAction);
    }
    e->accept();
    setFocus(Qt::MouseFocusReason);
}

void TBedEdit::DropText(const QMimeData* data, TBedPoint target) {
    TBedSelectionMode mode = smNormal;
    std::string text;
    if (!BlockFromMimeData(data, text, mode)) {
        QApplication::beep();  // text CP 1250 cannot hold is not dropped in part
        return;
    }
    TBedPaintLock lock(*this);
    SetCaretXY(target);
    SetSelFrom(CaretXY());
    SetSelectedText(text);
}
