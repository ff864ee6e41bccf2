#include "HelpJokeDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Theeee::Theeee(QWidget* parent) : QDialog(parent) {
    setObjectName("heeee");
    setWindowTitle(kHelpJokeCaption);
    auto* label = new QLabel(kHelpJokeText, this);
    label->setObjectName("Label1");
    auto* button = new QPushButton("aha!", this);
    button->setObjectName("Button1");
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(label);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}
