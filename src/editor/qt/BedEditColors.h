#pragma once
// Colours are stored as 32-bit values 0x00BBGGRR, with the system-colour encoding (high byte
// 0x80 or 0xFF + a system colour index) and a "none" value meaning "use the editor's own".
// Qt sees them only here.
#include <QColor>
#include <QPalette>

#include <cstdint>

namespace bedcolor {
constexpr int32_t None = 0x1FFFFFFF;
constexpr int32_t Silver = 0xC0C0C0;
constexpr int32_t System = int32_t(0x80000000u);
constexpr int32_t Window = System | 5;
constexpr int32_t WindowText = System | 8;
constexpr int32_t Highlight = System | 13;
constexpr int32_t HighlightText = System | 14;
constexpr int32_t BtnFace = System | 15;
constexpr int32_t BtnShadow = System | 16;
constexpr int32_t BtnHighlight = System | 20;
constexpr int32_t InfoText = System | 23;
constexpr int32_t InfoBk = System | 24;
}  // namespace bedcolor

inline bool BedColorIsNone(int32_t color) { return color == bedcolor::None; }

// The colour to paint with; system colours come from the palette. "None" gives an invalid
// QColor, which callers replace by their own colour.
QColor BedColorToQColor(int32_t color, const QPalette& palette);
