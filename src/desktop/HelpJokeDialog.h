#pragma once
// "he?" (Theeee): shown to a user who asks for help inside the help window.
#include <QDialog>

class Theeee : public QDialog {
    Q_OBJECT
public:
    explicit Theeee(QWidget* parent = nullptr);
};
