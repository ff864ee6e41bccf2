#pragma once
// What the print layout needs to know about the printer: the sheet and its printable part in
// device pixels, and the resolution.
struct TBedEditPrinterInfo {
    int PhysicalWidth = 0, PhysicalHeight = 0;
    int PrintableWidth = 0, PrintableHeight = 0;
    // The unprintable strips along each edge of the sheet.
    int LeftOffset = 0, RightOffset = 0, TopOffset = 0, BottomOffset = 0;
    int XPixelsPerInch = 0, YPixelsPerInch = 0;
    double XPixelsPerMM = 0, YPixelsPerMM = 0;

    // From the device's sheet, its printable rectangle (origin and size) and resolution; the
    // right and bottom strips are what is left. A device that reports no sheet gets A4Default.
    static TBedEditPrinterInfo FromDevice(int physicalWidth, int physicalHeight, int printableLeft, int printableTop,
                                          int printableWidth, int printableHeight, int xDpi, int yDpi);
    // An A4 sheet at 300 dots per inch, for when there is no printer to ask.
    static TBedEditPrinterInfo A4Default();

    // Millimetres to device pixels, to the nearest pixel.
    int PixelsX(double mm) const;
    int PixelsY(double mm) const;
};
