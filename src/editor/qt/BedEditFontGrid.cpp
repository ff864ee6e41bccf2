#include "BedEditFontGrid.h"

#include "BedTextCp1250.h"

#include <QFontMetrics>
#include <QHash>

#include <cmath>

namespace {

QFont StyledFont(const QFont& base, int style) {
    QFont f(base);
    f.setBold(style & fsBold);
    f.setItalic(style & fsItalic);
    f.setUnderline(style & fsUnderline);
    f.setStrikeOut(style & fsStrikeOut);
    return f;
}

}  // namespace

bool IsControlByte(unsigned char byte) {
    const char16_t u = Cp1250ToUnicode(byte);
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

std::shared_ptr<TBedFontStock> TBedFontStock::For(const QFont& base) {
    // Editors with the same base font share its styles; the stock lives while one uses it.
    static QHash<QString, std::weak_ptr<TBedFontStock>> stocks;
    const QString key = base.key();
    if (auto existing = stocks.value(key).lock()) return existing;
    auto stock = std::make_shared<TBedFontStock>(base);
    stocks.insert(key, stock);
    return stock;
}

TBedFontStock::TBedFontStock(const QFont& base) : base_(base) {}

const TBedStyledFont& TBedFontStock::Style(int style) {
    auto& slot = styles_[style & 15];
    if (slot) return *slot;
    slot = std::make_unique<TBedStyledFont>();
    slot->font = StyledFont(base_, style);
    slot->raw = QRawFont::fromFont(slot->font);
    QString all;
    for (int b = 0; b < 256; ++b) all += QChar(Cp1250ToUnicode(uchar(b)));
    const QList<quint32> glyphs = slot->raw.isValid() ? slot->raw.glyphIndexesForString(all) : QList<quint32>();
    for (int b = 0; b < 256 && b < glyphs.size(); ++b) slot->glyphs[b] = IsControlByte(uchar(b)) ? 0 : glyphs[b];
    return *slot;
}

TBedFontGrid::TBedFontGrid() { SetBaseFont(DefaultEditorFont()); }

void TBedFontGrid::SetBaseFont(const QFont& font) {
    base_ = font;
    stock_ = TBedFontStock::For(StyledFont(font, 0));
    Measure(false, false);
}

void TBedFontGrid::Measure(bool anyBold, bool anyItalic) {
    const QFontMetricsF wide(Style(anyBold ? fsBold : 0).font);
    const QFontMetrics tall(Style(anyItalic ? fsItalic : 0).font);
    charWidth_ = std::max(1, int(std::lround(wide.horizontalAdvance(QLatin1Char('M')))));
    charHeight_ = std::max(1, tall.height());
    ascent_ = tall.ascent();
}

bool IsFixedPitch(const QFont& font) {
    const QFontMetricsF fm(font);
    return fm.horizontalAdvance(QLatin1Char('i')) == fm.horizontalAdvance(QLatin1Char('M')) &&
           fm.horizontalAdvance(QLatin1Char('.')) == fm.horizontalAdvance(QLatin1Char('W'));
}

QFont FixedPitchFont(const QFont& requested, const QFont& current) {
    if (IsFixedPitch(requested)) return requested;
    QFont f(current);
    if (requested.pixelSize() > 0)
        f.setPixelSize(requested.pixelSize());
    else
        f.setPointSizeF(requested.pointSizeF());
    f.setBold(requested.bold());
    f.setItalic(requested.italic());
    f.setUnderline(requested.underline());
    f.setStrikeOut(requested.strikeOut());
    f.setFixedPitch(true);
    return f;
}

QFont DefaultEditorFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setPointSize(10);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

TFontStyles FontStylesOf(const QFont& font) {
    return TFontStyles((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                       (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
}
