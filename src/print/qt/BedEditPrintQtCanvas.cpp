#include "BedEditPrintQtCanvas.h"

#include "BedEditColors.h"
#include "BedEditTextPainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

// None paints nothing; system colours (a highlighter's, printed with its colours) are the
// desktop's.
QColor PrintColor(TColor color) {
    if (color == clNone) return Qt::transparent;
    return BedColorToQColor(color, QGuiApplication::palette());
}

QString PrinterDescription(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? "soubor „" + printer.outputFileName() + "“"
                                                         : "tiskárna „" + printer.printerName() + "“";
}

}  // namespace

TBedEditPrintQtCanvas::TBedEditPrintQtCanvas(QPrinter& printer) : printer_(printer) {}

TBedEditPrintQtCanvas::~TBedEditPrintQtCanvas() {
    if (painter_) Abort();
}

TBedEditPrinterInfo TBedEditPrintQtCanvas::PrinterInfo() {
    const int dpi = printer_.resolution();
    const QPageLayout layout = printer_.pageLayout();
    const QRect sheet = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    return TBedEditPrinterInfo::FromDevice(sheet.width(), sheet.height(), printable.left(), printable.top(),
                                           printable.width(), printable.height(), dpi, dpi);
}

QFont TBedEditPrintQtCanvas::PrinterFont(const TBedPrintFont& font) const {
    QFont f(QString::fromStdString(font.Name));
    f.setPixelSize(std::max(1, int(std::lround(font.Size * printer_.resolution() / 72.0))));
    f.setBold(font.Style & fsBold);
    f.setItalic(font.Style & fsItalic);
    f.setUnderline(font.Style & fsUnderline);
    f.setStrikeOut(font.Style & fsStrikeOut);
    return f;
}

TBedPrintFontMetrics TBedEditPrintQtCanvas::Metrics(const TBedPrintFont& font) {
    const QFontMetricsF fm(PrinterFont(font));
    TBedPrintFontMetrics m;
    m.Height = int(std::lround(fm.height()));
    m.Descent = int(std::lround(fm.descent()));
    m.ExternalLeading = int(std::lround(fm.leading()));
    // The cell of the fixed grid: what one character really advances.
    m.AverageCharWidth = int(std::lround(fm.horizontalAdvance(QLatin1Char('M'))));
    return m;
}

int TBedEditPrintQtCanvas::TextWidth(const TBedPrintFont& font, std::string_view text) {
    const QFontMetricsF fm(PrinterFont(font));
    return int(std::lround(fm.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())))));
}

void TBedEditPrintQtCanvas::BeginDocument(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        throw EBedPrintError(
            ("Tisk nelze zahájit: " + PrinterDescription(printer_) +
             (printer_.outputFormat() == QPrinter::PdfFormat ? " nelze zapsat." : " není k dispozici."))
                .toStdString());
    }
}

void TBedEditPrintQtCanvas::NewPage() {
    FlushCells();
    if (!printer_.newPage())
        throw EBedPrintError(
            ("Tisk se přerušil: " + PrinterDescription(printer_) + " nepřijímá další stránku.").toStdString());
}

void TBedEditPrintQtCanvas::EndDocument() {
    FlushCells();
    cells_.reset();
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended || printer_.printerState() == QPrinter::Error)
        throw EBedPrintError(
            ("Tisk se nepodařilo dokončit: " + PrinterDescription(printer_) + " hlásí chybu.").toStdString());
}

void TBedEditPrintQtCanvas::Abort() {
    cells_.reset();
    printer_.abort();
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
}

void TBedEditPrintQtCanvas::DrawText(const TBedPrintFont& font, int x, int baseline, std::string_view text) {
    FlushCells();
    painter_->setFont(PrinterFont(font));
    painter_->setPen(PrintColor(font.Color));
    painter_->drawText(QPoint(x, baseline), QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void TBedEditPrintQtCanvas::FillRect(const TBedPrintRect& r, TColor color) {
    FlushCells();
    painter_->fillRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, PrintColor(color));
}

int TBedEditPrintQtCanvas::RuleWidth() const {
    return std::max(1, printer_.resolution() / 200);  // about an eighth of a millimetre
}

void TBedEditPrintQtCanvas::FrameRect(const TBedPrintRect& r, TColor color) {
    const int w = RuleWidth();
    FillRect({r.Left, r.Top, r.Right, r.Top + w}, color);
    FillRect({r.Left, r.Bottom - w, r.Right, r.Bottom}, color);
    FillRect({r.Left, r.Top, r.Left + w, r.Bottom}, color);
    FillRect({r.Right - w, r.Top, r.Right, r.Bottom}, color);
}

void TBedEditPrintQtCanvas::HorizontalLine(int left, int right, int y, TColor color) {
    FillRect({left, y, right, y + RuleWidth()}, color);
}

void TBedEditPrintQtCanvas::FlushCells() {
    if (cells_) cells_->Flush();
}

void TBedEditPrintQtCanvas::DrawCells(const TBedPrintFont& body, const TBedPrintCells& cells, std::string_view text,
                                      const std::vector<TBedPrintRun>& runs) {
    TBedPrintFont plain = body;
    plain.Style = 0;
    plain.Color = clBlack;
    const QFont font = PrinterFont(plain);
    const bool sameGrid = font == gridFont_ && cells.CellWidth == cellMetrics_.charWidth &&
                          cells.CellHeight == cellMetrics_.lineHeight && cells.X == cellMetrics_.TextLeft();
    if (!cells_ || !sameGrid) {
        cells_.reset();  // draws what it holds
        if (font != gridFont_) {
            gridFont_ = font;
            grid_.SetBaseFont(font);
        }
        cellMetrics_.charWidth = cells.CellWidth;
        cellMetrics_.lineHeight = cells.CellHeight;
        cellMetrics_.gutterWidth = cells.X - 2;  // column 1 starts at the row's x
        cells_ = std::make_unique<TBedTextPainter>(*painter_, grid_, cellMetrics_, 1, 1 << 20);
    }
    std::vector<TBedPaintToken> tokens;
    tokens.reserve(runs.size());
    for (const TBedPrintRun& run : runs)
        tokens.push_back(
            {run.Start + 1, run.Length, PrintColor(run.Foreground), PrintColor(run.Background), run.Style});
    const QColor ink = PrintColor(body.Color);
    cells_->PaintLine(cells.Top, text, tokens, {}, {ink, Qt::transparent, ink, Qt::transparent}, body.Style);
}
