#include "AssociationDialog.h"

#include "Associations.h"
#include "Installation.h"
#include "QtAssociationHost.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

TForm7::TForm7(QWidget* parent, std::string program, std::string programDir,
               std::function<void(const QString&)> onError)
    : QDialog(parent), program_(std::move(program)), programDir_(std::move(programDir)), onError_(std::move(onError)) {
    setObjectName("Form7");
    setWindowTitle("Asociuj");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* label = new QLabel(QString::fromUtf8("Asociuj Brousek editor s příponami:"), this);
    label->setObjectName("Label1");
    layout->addWidget(label);
    static const struct {
        const char* name;
        const char* extension;
    } kExtensions[] = {
        {"txt", ".txt"}, {"nfo", ".nfo"}, {"me", ".me"},   {"asm1", ".asm"},
        {"diz", ".diz"}, {"il2", ".il2"}, {"asc", ".asc"}, {"log", ".log"},
    };
    auto* grid = new QGridLayout;
    for (const auto& e : kExtensions) {
        QCheckBox* box = AddCheckBox(this, e.name, e.extension);
        grid->addWidget(box, int(extensions_.size() % 4), int(extensions_.size() / 4));
        extensions_.push_back(box);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto* own = new QHBoxLayout;
    vlastni = AddCheckBox(this, "vlastni", "Asociuj Brousek Editor s vlastní příponou:");
    vlprip = new QLineEdit(this);
    vlprip->setObjectName("vlprip");
    vlprip->setPlaceholderText(QString::fromUtf8("např. .dopis"));
    vlprip->setMaximumWidth(100);
    // Typing an extension means wanting it: the box ticks itself, so that OK registers it or
    // says why it can't.
    connect(vlprip, &QLineEdit::textEdited, vlastni, [this](const QString& text) {
        if (!text.isEmpty()) vlastni->setChecked(true);
    });
    own->addWidget(vlastni);
    own->addWidget(vlprip);
    own->addStretch();
    layout->addLayout(own);

    auto* note = new QLabel(
        QString::fromUtf8("Asociace platí pro celý typ souboru: s příponou .txt se Brousek editor stane "
                          "výchozím programem pro všechny soubory s čistým textem, nejen pro soubory *.txt."),
        this);
    note->setObjectName("Poznamka");
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    zmenSendto = AddCheckBox(this, "zmenSendto", "Přidej položku do menu \"Odeslat\"");
    nastart = AddCheckBox(this, "nastart", "Přidej položku do menu Start");
    naplochu = AddCheckBox(this, "naplochu", "Přidej zástupce na Plochu");
    for (QCheckBox* box : {zmenSendto, nastart, naplochu}) layout->addWidget(box);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OK");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QString::fromUtf8("Zrušit"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("Zrusit");
    connect(ok, &QPushButton::clicked, this, &TForm7::OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

void TForm7::OKClick() {
    TAssociationRequest request;
    for (const QCheckBox* box : extensions_)
        if (box->isChecked()) request.extensions.push_back(box->text().toStdString());
    request.ownExtension = vlastni->isChecked();
    request.ownExtensionText = vlprip->text().toStdString();
    request.sendTo = zmenSendto->isChecked();
    request.startMenu = nastart->isChecked();
    request.desktop = naplochu->isChecked();
    const TAssociationTarget target{program_, programDir_, DesktopIconValue(programDir_),
                                    XdgDirsFromEnvironment([](const char* name) { return std::getenv(name); })};
    TQtAssociationHost host;
    const TAssociationOutcome outcome = RunAssociations(request, target, host);
    QStringList messages;
    for (const std::string& m : outcome.messages) messages << QString::fromStdString(m);
    if (!messages.isEmpty()) onError_(messages.join('\n'));
    if (outcome.refused) {
        vlprip->setFocus();
        return;
    }
    accept();
}
