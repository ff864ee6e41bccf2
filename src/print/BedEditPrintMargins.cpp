#include "BedEditPrintMargins.h"

namespace {

// Millimetres per unit.
double UnitSize(TUnitSystem unit) {
    switch (unit) {
        case usCM: return 10;
        case usInch: return 25.4;
        case muThousandthsOfInches: return 25.4 / 1000;
        case usMM: break;
    }
    return 1;
}

}  // namespace

double TBedEditPrintMargins::Get(TDistance d) const { return mm_[d] / UnitSize(UnitSystem); }

void TBedEditPrintMargins::Set(TDistance d, double value) { mm_[d] = value * UnitSize(UnitSystem); }

TBedPageGeometry TBedEditPrintMargins::Geometry(int page, const TBedEditPrinterInfo& info, int lineNumberIndent) const {
    const bool mirrored = MirrorMargins && page % 2 == 0 && page > 1;
    const int bound = info.PixelsX(mm_[dLeft] + mm_[dGutter]);  // the binding side
    const int open = info.PixelsX(mm_[dRight]);
    TBedPageGeometry g;
    g.Left = (mirrored ? open : bound) - info.LeftOffset + lineNumberIndent;
    g.Right = info.PrintableWidth - ((mirrored ? bound : open) - info.RightOffset);
    g.Top = info.PixelsY(mm_[dTop]) - info.TopOffset;
    g.Bottom = info.PrintableHeight - (info.PixelsY(mm_[dBottom]) - info.BottomOffset);
    g.HeaderLine = info.PixelsY(mm_[dHeader]) - info.TopOffset;
    g.FooterLine = info.PrintableHeight - (info.PixelsY(mm_[dFooter]) - info.BottomOffset);
    g.InternalMargin = info.PixelsY(mm_[dHFInternalMargin]);
    g.Gutter = info.PixelsX(mm_[dGutter]);
    g.LeftHFText = g.Left + info.PixelsX(mm_[dLeftHFTextIndent]);
    g.RightHFText = g.Right - info.PixelsX(mm_[dRightHFTextIndent]);
    return g;
}
