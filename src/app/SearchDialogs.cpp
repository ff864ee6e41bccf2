#include "SearchDialogs.h"

#include "BedEditDrag.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace {

// The text is searched in CP 1250: a character outside it could never be found.
class TCp1250Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        std::string ignored;
        return UnicodeToCp1250Text(input, ignored) ? Acceptable : Invalid;
    }
};

}  // namespace

TForm8::TForm8(QWidget* parent) : TForm8(parent, "Najít", "&Najít") {
    setObjectName("Form8");
    SetTabOrder({Edit1, kejs, celaSlova, Dozadu, entireScope, vbloku, Button1, Button2});
}

TForm8::TForm8(QWidget* parent, const char* caption, const char* buttonCaption) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(caption));
    auto* layout = new QVBoxLayout(this);
    texts_ = new QGridLayout;
    layout->addLayout(texts_);
    Edit1 = AddTextRow("Najít:", Label1);
    Edit1->setObjectName("Edit1");
    Label1->setObjectName("Label1");
    auto* options = new QHBoxLayout;
    left_ = new QVBoxLayout;
    right_ = new QVBoxLayout;
    // Each column ends in a stretch; check boxes go in above it.
    left_->addStretch();
    right_->addStretch();
    options->addLayout(left_);
    options->addSpacing(16);
    options->addLayout(right_);
    options->addStretch();
    layout->addLayout(options);
    kejs = AddCheck(left_, "Rozlišovat malá a velká");
    kejs->setObjectName("kejs");
    celaSlova = AddCheck(left_, "Pouze celá slova");
    celaSlova->setObjectName("celaSlova");
    Dozadu = AddCheck(left_, "Dozadu");
    Dozadu->setObjectName("Dozadu");
    entireScope = AddCheck(right_, "Celý text, ne jen od kurzoru");
    entireScope->setObjectName("entireScope");
    vbloku = AddCheck(right_, "Pouze v bloku");
    vbloku->setObjectName("vbloku");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Button1 = new QPushButton(QString::fromUtf8(buttonCaption), this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button2 = new QPushButton("&Zrušit", this);
    Button2->setObjectName("Button2");
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TForm8::AddTextRow(const char* label, QLabel*& labelWidget) {
    const int row = texts_->rowCount();
    auto* edit = new QLineEdit(this);
    edit->setMinimumWidth(280);
    edit->setValidator(new TCp1250Validator(edit));
    labelWidget = new QLabel(QString::fromUtf8(label), this);
    labelWidget->setBuddy(edit);
    texts_->addWidget(labelWidget, row, 0);
    texts_->addWidget(edit, row, 1);
    return edit;
}

QCheckBox* TForm8::AddCheck(QVBoxLayout* column, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    column->insertWidget(column->count() - 1, box);
    return box;
}

void TForm8::SetTabOrder(std::initializer_list<QWidget*> widgets) {
    const QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) setTabOrder(const_cast<QWidget*>(previous), w);
        previous = w;
    }
}

bool TForm8::Run() {
    Edit1->selectAll();
    Edit1->setFocus();
    return exec() == QDialog::Accepted;
}

std::string TForm8::SearchText() const {
    std::string text;
    UnicodeToCp1250Text(Edit1->text(), text);
    return text;
}

TBedSearchOptions TForm8::Options() const {
    TBedSearchOptions o = 0;
    if (kejs->isChecked()) o |= ssoMatchCase;
    if (celaSlova->isChecked()) o |= ssoWholeWord;
    if (Dozadu->isChecked()) o |= ssoBackwards;
    if (entireScope->isChecked()) o |= ssoEntireScope;
    if (vbloku->isChecked()) o |= ssoSelectedOnly;
    return o;
}

TForm9::TForm9(QWidget* parent) : TForm8(parent, "Nahraď", "&Nahradit") {
    setObjectName("Form9");
    Edit2 = AddTextRow("Nahradit:", Label2);
    Edit2->setObjectName("Edit2");
    Label2->setObjectName("Label2");
    ptatse = AddCheck(left_, "Ptát se před nahrazením");
    ptatse->setObjectName("ptatse");
    vse = AddCheck(right_, "Nahradit vše");
    vse->setObjectName("vse");
    SetTabOrder({Edit1, Edit2, kejs, celaSlova, Dozadu, ptatse, entireScope, vbloku, vse, Button1, Button2});
}

std::string TForm9::ReplaceText() const {
    std::string text;
    UnicodeToCp1250Text(Edit2->text(), text);
    return text;
}

TBedSearchOptions TForm9::Options() const {
    TBedSearchOptions o = TForm8::Options() | ssoReplace;
    if (vse->isChecked()) o |= ssoReplaceAll;
    if (ptatse->isChecked()) o |= ssoPrompt;
    return o;
}
