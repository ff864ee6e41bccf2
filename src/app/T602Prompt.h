#pragma once
// The T602 prompt "Soubor je v T602".
#include "PromptTexts.h"

#include <QDialog>

class Ttesestka : public QDialog {
    Q_OBJECT
public:
    explicit Ttesestka(QWidget* parent);
    // The chosen T602 mode 0..2; 3 when the dialog was closed by its frame.
    int Ask();

private:
    int mode_ = 3;
};
