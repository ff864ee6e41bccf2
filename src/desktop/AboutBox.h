#pragma once
// "BROUSEK EDITOR" (TForm2): the about box.
#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
