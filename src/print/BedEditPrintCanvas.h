#pragma once
// What the print engine needs from a printer: its sheet, font measurements, a print job with
// pages, and drawing. The Qt layer implements it on a real printer (paper or PDF); tests use
// a recording one.
#include "BedEditPrintTypes.h"
#include "BedEditPrinterInfo.h"

#include <string>
#include <string_view>
#include <vector>

struct TBedPrintFontMetrics {
    int Height = 0;           // of a character cell
    int Descent = 0;          // below the baseline
    int ExternalLeading = 0;  // advised space between rows
    int AverageCharWidth = 0;
    int Ascent() const { return Height - Descent; }
};

// A stretch of body text of one appearance: columns [Start, Start + Length) of the row, 0-based.
// A background of clNone paints nothing.
struct TBedPrintRun {
    int Start = 0;
    int Length = 0;
    TFontStyles Style = 0;
    TColor Foreground = clBlack;
    TColor Background = clNone;
    friend bool operator==(const TBedPrintRun&, const TBedPrintRun&) = default;
};

// The fixed grid one body row is drawn on: the row's top left and the size of a cell.
struct TBedPrintCells {
    int X = 0;
    int Top = 0;
    int CellWidth = 1;
    int CellHeight = 1;
};

class TBedPrintCanvas {
public:
    virtual ~TBedPrintCanvas() = default;

    virtual TBedEditPrinterInfo PrinterInfo() = 0;
    // Measured at the printer's resolution; texts are UTF-8.
    virtual TBedPrintFontMetrics Metrics(const TBedPrintFont& font) = 0;
    virtual int TextWidth(const TBedPrintFont& font, std::string_view text) = 0;

    // The job. Drawing happens between BeginDocument and EndDocument (or Abort, which drops it).
    virtual void BeginDocument(const std::string& title) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual void Abort() = 0;

    // UTF-8 text in the font's own spacing, its baseline at y = baseline.
    virtual void DrawText(const TBedPrintFont& font, int x, int baseline, std::string_view text) = 0;
    virtual void FillRect(const TBedPrintRect& rect, TColor color) = 0;
    virtual void FrameRect(const TBedPrintRect& rect, TColor color) = 0;
    virtual void HorizontalLine(int left, int right, int y, TColor color) = 0;
    // A row of CP 1250 body text, every character in one cell of the grid whatever the font;
    // the runs give the styles and colours of its parts (they cover the row).
    virtual void DrawCells(const TBedPrintFont& body, const TBedPrintCells& cells, std::string_view text,
                           const std::vector<TBedPrintRun>& runs) = 0;
};
