#include "AboutBox.h"

#include "AppIcon.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const char* family, int pixels) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(family);
    font.setPixelSize(pixels);
    label->setFont(font);
    return label;
}

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName("Form2");
    setWindowTitle(kAboutBoxCaption);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(BedAppPicture());
    auto* texts = new QVBoxLayout;
    texts->addWidget(AddLabel(this, "Label1", "Brousek editor", "Comic Sans MS", 21));
    texts->addWidget(AddLabel(this, "Label2", QString::fromUtf8("Textový editor pro práci"), "Arial", 19));
    texts->addWidget(AddLabel(this, "Label3", QString::fromUtf8("s čistým textem"), "Arial", 19));
    texts->addSpacing(8);
    texts->addWidget(AddLabel(
        this, "Label4", QString::fromUtf8("verze %1 pro Linux, Qt %2").arg(BED_VERSION, qVersion()), "Arial", 12));
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setHorizontalSpacing(20);
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(ok, 1, 0, 1, 2, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

void TForm2::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
