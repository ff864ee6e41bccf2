#pragma once
// Small types shared by the page layout and the print engine. Qt-free: fonts are described,
// not created; the canvas that draws turns them into real fonts at the printer's resolution.
#include "BedHighlighter.h"

#include <stdexcept>
#include <string>
#include <vector>

// A font by name, size in points, style bits (fsBold…) and colour (0x00BBGGRR).
struct TBedPrintFont {
    std::string Name = "Arial";
    double Size = 10;
    TFontStyles Style = 0;
    TColor Color = clBlack;
    friend bool operator==(const TBedPrintFont&, const TBedPrintFont&) = default;
};

// Device pixels; right and bottom are exclusive.
struct TBedPrintRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TBedPrintRect&, const TBedPrintRect&) = default;
};

// One wrap position: the 1-based index of the character after which a printed row ends.
using TWrapPos = int;
using TWrapPositions = std::vector<TWrapPos>;

// A print that cannot be made (no room for text, a job the printer refused); the message is
// for the user.
class EBedPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
