#pragma once
// The print canvas on a QPrinter: a printer of the system or a PDF file. Fonts are made at the
// printer's resolution; body text goes through the editor's text painter, so a printed page
// shows the same fixed grid, glyphs and control-byte boxes as the screen.
#include "BedEditPrintCanvas.h"

#include "BedEditFontGrid.h"
#include "BedEditGeometry.h"

#include <QFont>

#include <memory>

class QPainter;
class QPrinter;
class TBedTextPainter;

class TBedEditPrintQtCanvas : public TBedPrintCanvas {
public:
    explicit TBedEditPrintQtCanvas(QPrinter& printer);
    // A job still open (an error while printing) is dropped.
    ~TBedEditPrintQtCanvas() override;

    TBedEditPrinterInfo PrinterInfo() override;
    TBedPrintFontMetrics Metrics(const TBedPrintFont& font) override;
    int TextWidth(const TBedPrintFont& font, std::string_view text) override;
    void BeginDocument(const std::string& title) override;
    void NewPage() override;
    void EndDocument() override;
    void Abort() override;
    void DrawText(const TBedPrintFont& font, int x, int baseline, std::string_view text) override;
    void FillRect(const TBedPrintRect& rect, TColor color) override;
    void FrameRect(const TBedPrintRect& rect, TColor color) override;
    void HorizontalLine(int left, int right, int y, TColor color) override;
    void DrawCells(const TBedPrintFont& body, const TBedPrintCells& cells, std::string_view text,
                   const std::vector<TBedPrintRun>& runs) override;

    // The font as the printer gets it: the size in points turned into device pixels.
    QFont PrinterFont(const TBedPrintFont& font) const;

private:
    // Body glyphs are collected for a whole page and drawn together.
    void FlushCells();
    int RuleWidth() const;

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    TBedFontGrid grid_;
    QFont gridFont_;
    TBedGridMetrics cellMetrics_;
    std::unique_ptr<TBedTextPainter> cells_;
};
