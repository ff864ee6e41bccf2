#pragma once
// Readable colours on light and dark backgrounds: the contrast of two colours as WCAG counts
// it, and a highlighter's built-in colours brought to the editor's background. Colours here are
// plain RGB values (0x00BBGGRR); system colours are resolved before.
#include "BedTextColors.h"

// WCAG's minimum for text.
inline constexpr double kBedReadableContrast = 4.5;

double BedRelativeLuminance(TColor rgb);
// From 1 (equal) to 21 (black on white).
double BedContrastRatio(TColor a, TColor b);
bool BedIsDarkColor(TColor rgb);

// The colour itself where it has the contrast against the background, else the nearest
// lighter or darker shade of its hue that has it.
TColor BedReadableOn(TColor foreground, TColor background, double ratio = kBedReadableContrast);

struct TBedTokenColors {
    TColor foreground;
    TColor background;
};
// The colours a token of a highlighter's attribute is painted in, on the editor's colours:
// clNone takes the editor's; a fixed background is kept on a light editor and turned about as
// dark as it was light on a dark one; a fixed foreground is made readable on the result (the
// editor's own is left as it is).
TBedTokenColors BedReadableTokenColors(TColor foreground, TColor background, TColor editorForeground,
                                       TColor editorBackground);
