#pragma once
// A panel of the status bar: its width as long as the window has room, narrower (down to four
// letters) when it hasn't; a text that no longer fits ends in "…" and shows whole as a tip.
#include <QLabel>

class TStatusPanel : public QLabel {
    Q_OBJECT
public:
    TStatusPanel(int width, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    static constexpr int kWholeLetters = 4;
    static constexpr int kMargin = 2;  // between the frame and the text
    int width_;
};
