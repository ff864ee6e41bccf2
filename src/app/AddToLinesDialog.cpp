#include "AddToLinesDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setObjectName("Form6");
    setWindowTitle("Přidat na začátek či konec každého řádku");
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel("Přidat na.", this);
    zacatek = new QRadioButton("začátek řádku", this);
    zacatek->setObjectName("zacatek");
    zacatek->setChecked(true);
    konec = new QRadioButton("konec řádku", this);
    konec->setObjectName("konec");
    auto* where = new QHBoxLayout;
    where->addWidget(Label1);
    where->addWidget(zacatek);
    where->addWidget(konec);
    where->addStretch();
    layout->addLayout(where);
    auto* textRow = new QHBoxLayout;
    Label2 = new QLabel("text:", this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMinimumWidth(280);
    Label2->setBuddy(Edit1);
    textRow->addWidget(Label2);
    textRow->addWidget(Edit1, 1);
    layout->addLayout(textRow);
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton("V &celém textu", this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);  // Enter
    Button3 = new QPushButton("V &bloku", this);
    Button3->setObjectName("Button3");
    Button2 = new QPushButton("&Zrušit", this);  // Esc rejects the dialog as well
    Button2->setObjectName("Button2");
    buttons->addWidget(Button1);
    buttons->addWidget(Button3);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Button1, &QPushButton::clicked, this, [this] {
        scope_ = TScope::WholeText;
        accept();
    });
    connect(Button3, &QPushButton::clicked, this, [this] {
        scope_ = TScope::Block;
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm6::TScope TForm6::Ask() {
    scope_ = TScope::None;  // closing by the frame or Esc changes nothing
    Edit1->setFocus();
    exec();
    return scope_;
}

bool TForm6::AtStart() const { return zacatek->isChecked(); }

QString TForm6::Text() const { return Edit1->text(); }
