#include "OptionsDialog.h"

#include "CodePages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The combo box lists the code pages in the order of the Čeština menu.
int ComboIndexToCodePage(int index) {
    return index >= 0 && index < int(kCodePages.size()) ? kCodePages[index].codePage : cpCP1250;
}

int CodePageToComboIndex(int codePage) {
    for (int i = 0; i < int(kCodePages.size()); ++i)
        if (kCodePages[i].codePage == codePage) return i;
    return 0;
}

}  // namespace

TForm10::TForm10(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Volby Brousek Editoru");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    ComboKod = new QComboBox(this);
    for (const TBedCodePageRow& row : kCodePages)
        ComboKod->addItem(QString::fromUtf8(row.optionName.data(), int(row.optionName.size())));
    form->addRow("Implicitní kódování:", ComboKod);
    layout->addLayout(form);
    auto check = [&](const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        layout->addWidget(box);
        return box;
    };
    EscUkoncujeEditor = check("ESC ukončuje editor");
    AutoKodPrip = check("Autormatická změna kódování podle přípony");
    SyntPrip = check("Určovat zvýraznění syntaxe podle přípony");
    NalevoLista = check("Zobrazovat nalevo pomocnou lištu");
    TiskZvyrSynt = check("Tisknout i se zvýrazněním syntaxe");
    Zalam = check("&Automaticky provádět řádkový zlom při nahrávání");
    LamatPriPsani = check("Lámat řádky při psaní (Alt+L)");
    PanelTlacitka = check("Zobrazovat panel s tlačítky");
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Zrušit", QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TForm10::Edit(TOptionsValues& v) {
    ComboKod->setCurrentIndex(CodePageToComboIndex(v.defaultCodePage));
    EscUkoncujeEditor->setChecked(v.escQuits);
    AutoKodPrip->setChecked(v.autoCodePage);
    SyntPrip->setChecked(v.highlighterByExtension);
    NalevoLista->setChecked(v.gutterVisible);
    TiskZvyrSynt->setChecked(v.printHighlighted);
    Zalam->setChecked(v.wrapOnLoad);
    LamatPriPsani->setChecked(v.wrapWhileTyping);
    PanelTlacitka->setChecked(v.toolPanelVisible);
    if (exec() != QDialog::Accepted) return false;
    v.defaultCodePage = ComboIndexToCodePage(ComboKod->currentIndex());
    v.escQuits = EscUkoncujeEditor->isChecked();
    v.autoCodePage = AutoKodPrip->isChecked();
    v.highlighterByExtension = SyntPrip->isChecked();
    v.gutterVisible = NalevoLista->isChecked();
    v.printHighlighted = TiskZvyrSynt->isChecked();
    v.wrapOnLoad = Zalam->isChecked();
    v.wrapWhileTyping = LamatPriPsani->isChecked();
    v.toolPanelVisible = PanelTlacitka->isChecked();
    return true;
}
