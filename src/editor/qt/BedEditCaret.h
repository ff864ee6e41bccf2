#pragma once
// The text caret: a rectangle inverted over the text, blinking at the desktop's rate while its
// widget has the focus.
#include <QObject>
#include <QRect>
#include <QTimer>

class QPainter;
class QWidget;

class TBedCaret : public QObject {
public:
    // target is repainted where the caret appears and disappears.
    explicit TBedCaret(QWidget* target);

    // An empty rectangle hides the caret. A move restarts the blink in the shown phase.
    void Place(const QRect& rect);
    // Shown only while active (the widget has the focus).
    void SetActive(bool active);
    bool Active() const { return active_; }
    // Where the caret stands, whatever the blink phase; empty when hidden.
    QRect Rect() const { return active_ ? rect_ : QRect(); }
    // Paints the caret when it is in its shown phase and meets the clip.
    void Paint(QPainter& p, const QRect& clip) const;
    // The widget moved its pixels by dy: the drawn caret moved with them.
    void PixelsScrolled(int dx, int dy);

private:
    void Blink();
    void Repaint(const QRect& r);

    QWidget* target_;
    QTimer blink_;
    QRect rect_;
    bool active_ = false;
    bool shownPhase_ = true;
};
