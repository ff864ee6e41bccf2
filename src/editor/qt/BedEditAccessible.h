#pragma once
// The editing widget as screen readers see it: a multi-line text field whose text, caret,
// selection and lines they can read, told when the text changes and the caret moves.
#include <QAccessibleWidget>

#include <cstdint>

class TBedEdit;

class TBedEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TBedEditAccessible(TBedEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    // Lines are answered from the line buffer, not by a search through the whole text.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TBedEdit& Edit() const;
};

// Gives TBedEdit its interface; installed once with QAccessible::installFactory.
QAccessibleInterface* BedEditAccessibleFactory(const QString& className, QObject* object);
