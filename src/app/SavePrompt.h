#pragma once
// The save prompt "Chcete uložit změny?".
#include "UiServices.h"

#include <QDialog>

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent);
    TModalResult Ask();

private:
    TModalResult result_ = TModalResult::Cancel;
};
