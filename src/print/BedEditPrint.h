#pragma once
// The print engine: prints a list of text lines page by page in a fixed-pitch layout, styled
// by a highlighter when asked, long lines wrapped at the printable width, optional line
// numbers, header and footer. It measures and draws through a TBedPrintCanvas, so the same
// pagination runs on a printer, into a PDF file or in a test.
#include "BedEditPrintCanvas.h"
#include "BedEditPrintHeaderFooter.h"
#include "BedEditPrintMargins.h"
#include "BedEditPrintPagination.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TCustomBedEdit;

enum TBedPrintStatus : uint8_t { psJob, psNewPage };

class TBedEditPrint {
public:
    TBedEditPrint();

    THeader Header;
    TFooter Footer;
    TBedEditPrintMargins Margins;
    std::string Title;     // the $TITLE$ macro, and the job's name unless DocTitle is set
    std::string DocTitle;  // the job's name
    bool Wrap = true;
    bool Highlight = true;
    bool Colors = false;  // the highlighter's colours too, not only its font styles
    bool LineNumbers = false;
    bool LineNumbersInMargin = false;
    int LineOffset = 0;  // added to every printed line number
    int PageOffset = 0;  // added to the page number of header and footer
    int TabWidth = 8;
    TColor Color = clWhite;  // background of the text area

    // (status, page, abort): a handler may set abort, which drops the job.
    std::function<void(TBedPrintStatus, int, bool&)> OnPrintStatus;
    // (1-based line number, page) after each printed line.
    std::function<void(int, int)> OnPrintLine;
    // The current date and time as the user's locale writes them (short date, long time).
    std::function<std::pair<std::string, std::string>()> DateTimeTexts;

    // Lines with tabs already expanded.
    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines);
    const TBedPrintFont& Font() const { return font_; }
    void SetFont(const TBedPrintFont& font) { font_ = font; }
    TBedCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TBedCustomHighlighter* highlighter);
    // The editor's tab width, its lines with the tabs expanded, its highlighter. Its font is a
    // matter of the toolkit and is set by the caller.
    void LoadFromEditor(TCustomBedEdit& editor);

    // Pages as the canvas's printer would print them. Raises EBedPrintError when the margins
    // leave no room for text.
    int TotalPages(TBedPrintCanvas& canvas);
    // Prints pages first…last (a negative last: to the end) as one job. Pages past the end of
    // the document are not printed; EBedPrintError when the margins leave no room for text or
    // when no requested page exists.
    void PrintPages(TBedPrintCanvas& canvas, int first, int last);

    // The layout of the last run, for those who need to know.
    int Columns() const { return columns_; }
    int LineHeight() const { return lineHeight_; }
    const std::vector<TPageLine>& Pages() const { return pages_; }

private:
    void InitPrinting(TBedPrintCanvas& canvas);
    void ScanHighlighterStates();
    TWrapPositions WrapPositions(const std::string& line) const;
    void PrintPage(TBedPrintCanvas& canvas, int page);
    // Prints rows firstRow…lastRow - 1 (-1: to the end) of line `index` from the top y, the
    // text starting at x = left; returns the y below them.
    int PrintLine(TBedPrintCanvas& canvas, int index, int firstRow, int lastRow, int left, int y);
    void LineRuns(int index, std::vector<TBedPrintRun>& runs);
    bool Status(TBedPrintStatus status, int page);

    std::vector<std::string> lines_;
    TBedPrintFont font_;
    TBedCustomHighlighter* highlighter_ = nullptr;
    std::vector<TBedRange> states_;  // the highlighter's state at the start of each line
    bool statesValid_ = false;

    // Set by InitPrinting.
    TBedEditPrinterInfo info_;
    TBedPrintFontMetrics metrics_;
    int lineNumberIndent_ = 0;
    int columns_ = 0;
    int lineHeight_ = 0;
    bool highlighting_ = false;
    std::vector<TPageLine> pages_;
    bool abort_ = false;
};
