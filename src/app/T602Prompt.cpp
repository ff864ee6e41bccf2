#include "T602Prompt.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Ttesestka::Ttesestka(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kT602PromptCaption);
    auto* layout = new QVBoxLayout(this);
    for (const char* line : kT602PromptQuestion) layout->addWidget(new QLabel(line, this));
    const struct {
        const char* name;
        const char* caption;
        int mode;
    } kButtons[] = {{"dohtml", "Konvertovat do HTML", 2},
                    {"dotextu", "Konvertovat do čistého textu", 1},
                    {"nechat", "otevřít tak, jak je na disku ", 0}};
    for (const auto& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(b.name);
        const int mode = b.mode;
        connect(button, &QPushButton::clicked, this, [this, mode] {
            mode_ = mode;
            accept();
        });
        if (mode == 1) button->setDefault(true);
        layout->addWidget(button);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int Ttesestka::Ask() {
    mode_ = 3;
    exec();
    return mode_;
}
