#include "BedEditPrintMargins.h"

#include <gtest/gtest.h>

TEST(Margins, DistancesAreKeptInMillimetresAndReadInTheChosenUnit) {
    TBedEditPrintMargins m;
    EXPECT_DOUBLE_EQ(m.Left(), 25);
    EXPECT_DOUBLE_EQ(m.Right(), 15);
    EXPECT_DOUBLE_EQ(m.Top(), 25);
    EXPECT_DOUBLE_EQ(m.Bottom(), 25);
    EXPECT_DOUBLE_EQ(m.Header(), 15);
    EXPECT_DOUBLE_EQ(m.Footer(), 15);
    EXPECT_DOUBLE_EQ(m.LeftHFTextIndent(), 2);
    EXPECT_DOUBLE_EQ(m.RightHFTextIndent(), 2);
    EXPECT_DOUBLE_EQ(m.HFInternalMargin(), 0.5);
    EXPECT_DOUBLE_EQ(m.Gutter(), 0);

    m.UnitSystem = usInch;
    m.SetLeft(1);
    EXPECT_DOUBLE_EQ(m.Millimetres(TBedEditPrintMargins::dLeft), 25.4);
    m.UnitSystem = usCM;
    EXPECT_DOUBLE_EQ(m.Left(), 2.54);
    EXPECT_DOUBLE_EQ(m.Right(), 1.5);
    m.SetTop(3);
    EXPECT_DOUBLE_EQ(m.Millimetres(TBedEditPrintMargins::dTop), 30);
    m.UnitSystem = muThousandthsOfInches;
    EXPECT_NEAR(m.Left(), 1000, 1e-9);
    m.SetGutter(500);
    EXPECT_NEAR(m.Millimetres(TBedEditPrintMargins::dGutter), 12.7, 1e-12);
    m.UnitSystem = usMM;
    EXPECT_NEAR(m.Gutter(), 12.7, 1e-12);
}

TEST(Margins, CopyingTakesDistancesMirroringAndUnit) {
    TBedEditPrintMargins a;
    a.UnitSystem = usCM;
    a.SetBottom(4);
    a.MirrorMargins = true;
    TBedEditPrintMargins b;
    b = a;
    EXPECT_EQ(b.UnitSystem, usCM);
    EXPECT_TRUE(b.MirrorMargins);
    EXPECT_DOUBLE_EQ(b.Bottom(), 4);
}

TEST(PrinterInfo, DeviceFiguresGiveTheStripsAndTheResolutionInMillimetres) {
    const auto info = TBedEditPrinterInfo::FromDevice(9917, 14033, 167, 150, 9583, 13699, 1200, 600);
    EXPECT_EQ(info.RightOffset, 9917 - 9583 - 167);
    EXPECT_EQ(info.BottomOffset, 14033 - 13699 - 150);
    EXPECT_DOUBLE_EQ(info.XPixelsPerMM, 1200 / 25.4);
    EXPECT_DOUBLE_EQ(info.YPixelsPerMM, 600 / 25.4);
    EXPECT_EQ(info.PixelsX(25.4), 1200);
    EXPECT_EQ(info.PixelsY(1), 24);  // 23.6 rounded

    // A device that reports no sheet is taken for an A4 printer at 300 dpi.
    const auto none = TBedEditPrinterInfo::FromDevice(0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(none.PhysicalWidth, 2481);
    EXPECT_EQ(none.PhysicalHeight, 3507);
    EXPECT_EQ(none.PrintableWidth, 2358);
    EXPECT_EQ(none.PrintableHeight, 3407);
    EXPECT_EQ(none.LeftOffset, 65);
    EXPECT_EQ(none.RightOffset, 58);
    EXPECT_EQ(none.TopOffset, 50);
    EXPECT_EQ(none.BottomOffset, 50);
    EXPECT_EQ(none.XPixelsPerInch, 300);
}

TEST(Margins, GeometryIsMeasuredFromTheSheetEdgesIntoThePrintableArea) {
    const auto info = TBedEditPrinterInfo::A4Default();  // 300 dpi: 11.811 pixels a millimetre
    TBedEditPrintMargins m;
    const TBedPageGeometry g = m.Geometry(1, info);
    EXPECT_EQ(g.Left, 295 - 65);            // 25 mm
    EXPECT_EQ(g.Right, 2358 - (177 - 58));  // 15 mm
    EXPECT_EQ(g.Top, 295 - 50);
    EXPECT_EQ(g.Bottom, 3407 - (295 - 50));
    EXPECT_EQ(g.HeaderLine, 177 - 50);
    EXPECT_EQ(g.FooterLine, 3407 - (177 - 50));
    EXPECT_EQ(g.InternalMargin, 6);  // 0.5 mm
    EXPECT_EQ(g.Gutter, 0);
    EXPECT_EQ(g.LeftHFText, g.Left + 24);  // 2 mm
    EXPECT_EQ(g.RightHFText, g.Right - 24);
    // Line numbers outside the margin push the text (and the header text) right.
    const TBedPageGeometry n = m.Geometry(1, info, 40);
    EXPECT_EQ(n.Left, g.Left + 40);
    EXPECT_EQ(n.LeftHFText, g.LeftHFText + 40);
    EXPECT_EQ(n.Right, g.Right);
}

TEST(Margins, MirroredMarginsPutTheBindingOnTheRightOfEvenPagesOnly) {
    const auto info = TBedEditPrinterInfo::A4Default();
    TBedEditPrintMargins m;
    m.SetGutter(10);
    m.MirrorMargins = true;
    const int bound = info.PixelsX(35), open = info.PixelsX(15);
    const TBedPageGeometry p1 = m.Geometry(1, info), p2 = m.Geometry(2, info), p3 = m.Geometry(3, info);
    EXPECT_EQ(p1.Left, bound - 65);
    EXPECT_EQ(p2.Left, open - 65);
    EXPECT_EQ(p2.Right, 2358 - (bound - 58));  // the wider margin on the right
    EXPECT_EQ(p3, p1);
    EXPECT_EQ(p2.Right - p2.Left, p1.Right - p1.Left);  // the same width of text
    EXPECT_EQ(p2.Gutter, info.PixelsX(10));

    m.MirrorMargins = false;
    EXPECT_EQ(m.Geometry(2, info), p1);
}
