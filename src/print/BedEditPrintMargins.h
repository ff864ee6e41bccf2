#pragma once
// The page margins of a print, kept in millimetres and read and written in a chosen unit, and
// the device-pixel edges they give on each page.
#include "BedEditPrinterInfo.h"

#include <array>
#include <cstdint>

enum TUnitSystem : uint8_t { usMM, usCM, usInch, muThousandthsOfInches };

// Edges of one page in device pixels, relative to the printable area.
struct TBedPageGeometry {
    int Left = 0, Right = 0, Top = 0, Bottom = 0;  // the text edges
    int HeaderLine = 0;                            // lower edge of the header block
    int FooterLine = 0;                            // upper edge of the footer block
    int InternalMargin = 0;                        // inside a header or footer block, above and below its text
    int Gutter = 0;
    int LeftHFText = 0;   // where left-aligned header and footer text starts
    int RightHFText = 0;  // where right-aligned header and footer text ends
    friend bool operator==(const TBedPageGeometry&, const TBedPageGeometry&) = default;
};

class TBedEditPrintMargins {
public:
    enum TDistance : uint8_t {
        dLeft,
        dRight,
        dTop,
        dBottom,
        dHeader,
        dFooter,
        dLeftHFTextIndent,
        dRightHFTextIndent,
        dHFInternalMargin,
        dGutter,
        dCount
    };

    TUnitSystem UnitSystem = usMM;
    // Left and right (with the gutter) change places on even pages; page 1 never changes.
    bool MirrorMargins = false;

    // A distance in UnitSystem.
    double Get(TDistance d) const;
    void Set(TDistance d, double value);
    double Millimetres(TDistance d) const { return mm_[d]; }

    double Left() const { return Get(dLeft); }
    void SetLeft(double v) { Set(dLeft, v); }
    double Right() const { return Get(dRight); }
    void SetRight(double v) { Set(dRight, v); }
    double Top() const { return Get(dTop); }
    void SetTop(double v) { Set(dTop, v); }
    double Bottom() const { return Get(dBottom); }
    void SetBottom(double v) { Set(dBottom, v); }
    double Header() const { return Get(dHeader); }
    void SetHeader(double v) { Set(dHeader, v); }
    double Footer() const { return Get(dFooter); }
    void SetFooter(double v) { Set(dFooter, v); }
    double LeftHFTextIndent() const { return Get(dLeftHFTextIndent); }
    void SetLeftHFTextIndent(double v) { Set(dLeftHFTextIndent, v); }
    double RightHFTextIndent() const { return Get(dRightHFTextIndent); }
    void SetRightHFTextIndent(double v) { Set(dRightHFTextIndent, v); }
    double HFInternalMargin() const { return Get(dHFInternalMargin); }
    void SetHFInternalMargin(double v) { Set(dHFInternalMargin, v); }
    double Gutter() const { return Get(dGutter); }
    void SetGutter(double v) { Set(dGutter, v); }

    // The edges of page `page`; lineNumberIndent (pixels) moves the left text edge right to
    // make room for line numbers printed outside the margin.
    TBedPageGeometry Geometry(int page, const TBedEditPrinterInfo& info, int lineNumberIndent = 0) const;

private:
    std::array<double, dCount> mm_{25, 15, 25, 25, 15, 15, 2, 2, 0.5, 0};
};
