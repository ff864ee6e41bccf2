#pragma once
// Colour values (BedTextColors.h) turned into what Qt paints with; Qt sees them only here.
#include "BedTextColors.h"

#include <QColor>
#include <QPalette>

// The colour to paint with; system colours come from the palette. clNone gives an invalid
// QColor, which callers replace by their own colour.
QColor BedColorToQColor(TColor color, const QPalette& palette);
// The plain RGB value of a colour to paint with.
TColor QColorToBedColor(const QColor& color);
