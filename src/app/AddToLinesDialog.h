#pragma once
// "Přidat na začátek či konec každého řádku": the text and where it goes. Made once and kept
// for the run, so the choice and the text stay as the user left them.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    // Where the text goes: the answer of Ask.
    enum class TScope { None, WholeText, Block };

    explicit TForm6(QWidget* parent);
    TScope Ask();
    bool AtStart() const;
    QString Text() const;

    QLabel* Label1;
    QRadioButton* zacatek;
    QRadioButton* konec;
    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;

private:
    TScope scope_ = TScope::None;
};
