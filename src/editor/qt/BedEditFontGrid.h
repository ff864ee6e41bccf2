#pragma once
// The fixed character grid of the editor: one base font in sixteen styles (bold 1, italic 2,
// underline 4, strike-out 8), each made once and shared by every editor with the same base
// font, with a CP 1250 byte -> glyph table so a run of text becomes a glyph run without shaping.
#include "BedTextFontStyles.h"

#include <QFont>
#include <QRawFont>

#include <array>
#include <memory>

struct TBedStyledFont {
    QFont font;
    QRawFont raw;
    // Glyph of each CP 1250 byte in raw; 0 where the face has none (drawn through QPainter's
    // font fallback instead) and for control bytes (drawn as a box).
    std::array<quint32, 256> glyphs{};
};

class TBedFontStock {
public:
    static std::shared_ptr<TBedFontStock> For(const QFont& base);
    explicit TBedFontStock(const QFont& base);
    const TBedStyledFont& Style(int style);

private:
    QFont base_;
    std::array<std::unique_ptr<TBedStyledFont>, 16> styles_;
};

// A control byte (C0, DEL, the undefined C1 slots) has no picture of its own.
bool IsControlByte(unsigned char byte);

class TBedFontGrid {
public:
    TBedFontGrid();
    // The font must be fixed-pitch (see FixedPitchFont).
    void SetBaseFont(const QFont& font);
    const QFont& BaseFont() const { return base_; }
    // Bold widens, italic may heighten the cell: measure with them when any token uses them.
    void Measure(bool anyBold, bool anyItalic);

    int CharWidth() const { return charWidth_; }
    int CharHeight() const { return charHeight_; }
    // The baseline inside a cell, common to all styles so that runs line up.
    int Ascent() const { return ascent_; }
    const TBedStyledFont& Style(int style) { return stock_->Style(style & 15); }

private:
    QFont base_;
    std::shared_ptr<TBedFontStock> stock_;
    int charWidth_ = 8;
    int charHeight_ = 16;
    int ascent_ = 12;
};

// The font's own style as the style bits of highlighted tokens.
TFontStyles FontStylesOf(const QFont& font);

bool IsFixedPitch(const QFont& font);
// The font the editor takes when asked for `requested`: itself when fixed-pitch, otherwise
// the current family with the requested size and style.
QFont FixedPitchFont(const QFont& requested, const QFont& current);
// The editor's initial font.
QFont DefaultEditorFont();
