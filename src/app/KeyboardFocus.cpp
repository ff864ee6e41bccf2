#include "KeyboardFocus.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches every dialog of the program close.
class TDialogCloseWatch : public QObject {
public:
    explicit TDialogCloseWatch(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && qobject_cast<QDialog*>(watched))
            // Once the dialog is gone; a dialog still open over the window keeps the keyboard.
            QTimer::singleShot(0, window_, [window = window_] {
                if (window->isVisible() && !QApplication::activeModalWidget()) window->activateWindow();
            });
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void KeepKeyboardWithWindow(QWidget* window) {
    window->activateWindow();
    qApp->installEventFilter(new TDialogCloseWatch(window));
}
