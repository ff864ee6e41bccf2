#pragma once
// Font styles of highlighted tokens and of the editor's font, as bits.
#include <cstdint>

using TFontStyles = uint8_t;
enum : TFontStyles { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
