#pragma once
// The options dialog "Volby Brousek Editoru".
#include "UiServices.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent);
    // Shows the values; on OK copies the controls back and returns true.
    bool Edit(TOptionsValues& values);

    QComboBox* ComboKod;
    QCheckBox* EscUkoncujeEditor;
    QCheckBox* AutoKodPrip;
    QCheckBox* SyntPrip;
    QCheckBox* NalevoLista;
    QCheckBox* TiskZvyrSynt;
    QCheckBox* Zalam;
    QCheckBox* LamatPriPsani;
    QCheckBox* PanelTlacitka;
};
