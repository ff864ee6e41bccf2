#include "BedEditAccessible.h"

#include "BedEdit.h"
#include "BedEditDrag.h"
#include "BedEditTextOffsets.h"

TBedEditAccessible::TBedEditAccessible(TBedEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

TBedEdit& TBedEditAccessible::Edit() const { return *static_cast<TBedEdit*>(widget()); }

void* TBedEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TBedEditAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !Edit().ReadOnly();
    s.readOnly = Edit().ReadOnly();
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

QString TBedEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return text(0, characterCount());
    if (t == QAccessible::Name && QAccessibleWidget::text(t).isEmpty()) return QString::fromUtf8("Text dokumentu");
    return QAccessibleWidget::text(t);
}

void TBedEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit().HasSelection()) return;
    *startOffset = int(BedOffsetOf(Edit().Lines(), Edit().SelFrom()));
    *endOffset = int(BedOffsetOf(Edit().Lines(), Edit().SelTo()));
}

int TBedEditAccessible::selectionCount() const { return Edit().HasSelection() ? 1 : 0; }

void TBedEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TBedEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) Edit().SetSelFrom(Edit().CaretXY());
}

void TBedEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const TBedPoint begin = BedPointAt(Edit().Lines(), startOffset);
    const TBedPoint end = BedPointAt(Edit().Lines(), endOffset);
    Edit().SetCaretAndSelection(end, begin, end);
}

int TBedEditAccessible::cursorPosition() const { return int(BedOffsetOf(Edit().Lines(), Edit().CaretXY())); }

void TBedEditAccessible::setCursorPosition(int position) {
    Edit().SetCaretXY(BedPointAt(Edit().Lines(), position));
    Edit().SetSelFrom(Edit().CaretXY());
}

QString TBedEditAccessible::text(int startOffset, int endOffset) const {
    return Cp1250TextToUnicode(BedTextBetween(Edit().Lines(), startOffset, endOffset));
}

QString TBedEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    const TBedEditStringList& lines = Edit().Lines();
    if (offset == -2) offset = cursorPosition();  // the caret, as the bridge asks for it
    const TBedPoint p = BedPointAt(lines, offset);
    *startOffset = int(BedOffsetOf(lines, {1, p.Y}));
    const std::string_view line = lines.GetView(p.Y - 1);
    *endOffset = *startOffset + int(line.size()) + (p.Y < lines.Count() ? 1 : 0);
    return text(*startOffset, *endOffset);
}

int TBedEditAccessible::characterCount() const { return int(BedTextLength(Edit().Lines())); }

QRect TBedEditAccessible::characterRect(int offset) const {
    const TBedEdit& e = Edit();
    const QPoint cell = e.PositionToPixels(BedPointAt(e.Lines(), offset));
    const QRect local(cell, QSize(e.CharWidth(), e.LineHeight()));
    return QRect(e.viewport()->mapToGlobal(local.topLeft()), local.size());
}

int TBedEditAccessible::offsetAtPoint(const QPoint& point) const {
    const TBedEdit& e = Edit();
    const QPoint local = e.viewport()->mapFromGlobal(point);
    if (!e.viewport()->rect().contains(local)) return -1;
    return int(BedOffsetOf(e.Lines(), e.PixelsToPosition(local.x(), local.y())));
}

void TBedEditAccessible::scrollToSubstring(int startIndex, int) {
    Edit().SetCaretXY(BedPointAt(Edit().Lines(), startIndex));
    Edit().ScrollCaretIntoView();
}

QString TBedEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

QAccessibleInterface* BedEditAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TBedEdit") && object && object->isWidgetType())
        return new TBedEditAccessible(static_cast<TBedEdit*>(object));
    return nullptr;
}
