#include "SavePrompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kSavePromptCaption);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kSavePromptText, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* buttons = new QHBoxLayout;
    const struct {
        const char* caption;
        TModalResult result;
    } kButtons[] = {{"&Ano", TModalResult::Yes}, {"&Ne", TModalResult::No}, {"&Zrušit", TModalResult::Cancel}};
    for (const auto& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        const TModalResult result = b.result;
        connect(button, &QPushButton::clicked, this, [this, result] {
            result_ = result;
            accept();
        });
        buttons->addWidget(button);
        if (result == TModalResult::Yes) button->setDefault(true);
    }
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TModalResult TForm5::Ask() {
    result_ = TModalResult::Cancel;  // closing by the frame or Esc cancels
    exec();
    return result_;
}
