#pragma once
// The font dialog with the text colour beside the font: a button "Barva textu..." opens the
// standard colour dialog, and the button shows the colour chosen.
#include <QColor>
#include <QFontDialog>

class QPushButton;

class TFontColorDialog : public QFontDialog {
public:
    TFontColorDialog(const QFont& font, const QColor& color, bool fixedPitchOnly, QWidget* parent);

    QColor TextColor() const { return color_; }
    void SetTextColor(const QColor& color);
    QPushButton* ColorButton() const { return colorButton_; }

private:
    void ChooseColor();

    QColor color_;
    QPushButton* colorButton_ = nullptr;
};

// Runs the dialog; on OK font and color hold the choice.
bool ChooseFontAndColor(QWidget* parent, QFont& font, QColor& color, bool fixedPitchOnly);
