#pragma once
// The tool panel: buttons at fixed places from the left; those the window is too narrow for
// leave the row for the menu of a "»" button at its right end.
#include <QWidget>

#include <vector>

class QToolButton;

class TToolPanel : public QWidget {
    Q_OBJECT
public:
    explicit TToolPanel(QWidget* parent);
    // The button goes to x = left; its click runs what the overflow menu's item runs.
    void AddButton(QToolButton* button, int left);
    QToolButton* OverflowButton() const { return overflow_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Arrange();
    struct Place {
        QToolButton* button;
        int left;
    };
    std::vector<Place> places_;
    QToolButton* overflow_;
};
