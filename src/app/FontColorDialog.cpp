#include "FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPixmap>
#include <QPushButton>

TFontColorDialog::TFontColorDialog(const QFont& font, const QColor& color, bool fixedPitchOnly, QWidget* parent)
    : QFontDialog(parent) {
    // Qt's own dialog, so that the colour button has a place beside the font's buttons. The
    // options filter the families, so they come before the font is looked up among them.
    setOption(QFontDialog::DontUseNativeDialog);
    setOption(QFontDialog::MonospacedFonts, fixedPitchOnly);
    // A family the system only stands in for (Courier New) is shown as the face and style that
    // draw it, so that the dialog finds them and OK alone changes nothing.
    QFont shown = font;
    const QFontInfo drawn(font);
    shown.setFamily(drawn.family());
    shown.setStyleName(drawn.styleName());
    setCurrentFont(shown);
    colorButton_ = new QPushButton(QString::fromUtf8("&Barva textu..."), this);
    colorButton_->setObjectName("BarvaTextu");
    if (auto* buttons = findChild<QDialogButtonBox*>()) buttons->addButton(colorButton_, QDialogButtonBox::ActionRole);
    connect(colorButton_, &QPushButton::clicked, this, &TFontColorDialog::ChooseColor);
    SetTextColor(color);
}

void TFontColorDialog::SetTextColor(const QColor& color) {
    color_ = color;
    QPixmap swatch(16, 16);
    swatch.fill(color);
    colorButton_->setIcon(QIcon(swatch));
}

void TFontColorDialog::ChooseColor() {
    const QColor chosen = QColorDialog::getColor(color_, this, QString::fromUtf8("Barva textu"));
    if (chosen.isValid()) SetTextColor(chosen);
}

bool ChooseFontAndColor(QWidget* parent, QFont& font, QColor& color, bool fixedPitchOnly) {
    TFontColorDialog dialog(font, color, fixedPitchOnly, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    font = dialog.selectedFont();
    color = dialog.TextColor();
    return true;
}
