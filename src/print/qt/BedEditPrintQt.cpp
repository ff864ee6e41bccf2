#include "BedEditPrintQt.h"

#include "BedEdit.h"

#include <QDateTime>
#include <QFontInfo>
#include <QLocale>

TBedPrintFont PrintFontOf(const QFont& font, int32_t color) {
    TBedPrintFont f;
    f.Name = font.family().toStdString();
    f.Size = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    f.Style = FontStylesOf(font);
    const bool plainRgb = color != clNone && (uint32_t(color) & 0xFF000000u) == 0;
    f.Color = plainRgb ? color : clBlack;
    return f;
}

void LoadFromEditor(TBedEditPrint& engine, TBedEdit& editor) {
    engine.LoadFromEditor(editor);
    engine.SetFont(PrintFontOf(editor.font(), editor.FontColor()));
}

std::pair<std::string, std::string> LocaleDateTimeTexts() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return {locale.toString(now.date(), QLocale::ShortFormat).toStdString(),
            locale.toString(now.time(), QLocale::LongFormat).toStdString()};
}
