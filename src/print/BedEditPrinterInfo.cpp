#include "BedEditPrinterInfo.h"

#include <cmath>

TBedEditPrinterInfo TBedEditPrinterInfo::FromDevice(int physicalWidth, int physicalHeight, int printableLeft,
                                                    int printableTop, int printableWidth, int printableHeight, int xDpi,
                                                    int yDpi) {
    if (physicalWidth <= 0 || physicalHeight <= 0 || printableWidth <= 0 || printableHeight <= 0 || xDpi <= 0 ||
        yDpi <= 0)
        return A4Default();
    TBedEditPrinterInfo info;
    info.PhysicalWidth = physicalWidth;
    info.PhysicalHeight = physicalHeight;
    info.PrintableWidth = printableWidth;
    info.PrintableHeight = printableHeight;
    info.LeftOffset = printableLeft;
    info.TopOffset = printableTop;
    info.RightOffset = physicalWidth - printableWidth - printableLeft;
    info.BottomOffset = physicalHeight - printableHeight - printableTop;
    info.XPixelsPerInch = xDpi;
    info.YPixelsPerInch = yDpi;
    info.XPixelsPerMM = xDpi / 25.4;
    info.YPixelsPerMM = yDpi / 25.4;
    return info;
}

TBedEditPrinterInfo TBedEditPrinterInfo::A4Default() { return FromDevice(2481, 3507, 65, 50, 2358, 3407, 300, 300); }

int TBedEditPrinterInfo::PixelsX(double mm) const { return int(std::lround(mm * XPixelsPerMM)); }
int TBedEditPrinterInfo::PixelsY(double mm) const { return int(std::lround(mm * YPixelsPerMM)); }
