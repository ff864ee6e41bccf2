#pragma once
// "Asociuj" (TForm7): makes the editor the program that opens files of chosen extensions and puts
// shortcuts to it in the application menu, on the desktop and under "Open With". Not modal.
#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    // program is the executable's full path; programDir ends with "/". onError shows a message.
    TForm7(QWidget* parent, std::string program, std::string programDir, std::function<void(const QString&)> onError);

    QCheckBox* vlastni = nullptr;
    QLineEdit* vlprip = nullptr;
    QCheckBox* zmenSendto = nullptr;
    QCheckBox* nastart = nullptr;
    QCheckBox* naplochu = nullptr;

    // Runs the ticked actions and closes; stays open when the own extension is not acceptable.
    void OKClick();

private:
    std::vector<QCheckBox*> extensions_;  // in the dialog's order, captioned with the extension
    std::string program_;
    std::string programDir_;
    std::function<void(const QString&)> onError_;
};
