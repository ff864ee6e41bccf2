#pragma once
// "BROUSEK EDITOR" (TForm2): the about box.
#include <QDialog>

inline constexpr const char* kAboutBoxCaption = "BROUSEK EDITOR";

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
