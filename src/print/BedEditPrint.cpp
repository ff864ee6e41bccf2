#include "BedEditPrint.h"

#include "BedEditCore.h"
#include "BedEditPrintWrap.h"

#include <algorithm>
#include <ctime>
#include <tuple>

namespace {

// The C library's idea of the locale's date and time, for callers that set no DateTimeTexts.
std::pair<std::string, std::string> CLocaleDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[64] = "", time[64] = "";
    std::strftime(date, sizeof date, "%x", &local);
    std::strftime(time, sizeof time, "%X", &local);
    return {date, time};
}

}  // namespace

TBedEditPrint::TBedEditPrint() : DateTimeTexts(CLocaleDateTime) { font_.Name = "Courier New"; }

void TBedEditPrint::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    statesValid_ = false;
}

void TBedEditPrint::SetHighlighter(TBedCustomHighlighter* highlighter) {
    if (highlighter == highlighter_) return;
    highlighter_ = highlighter;
    statesValid_ = false;
}

void TBedEditPrint::LoadFromEditor(TCustomBedEdit& editor) {
    // The editor's own tab width, so that the print shows the columns the screen shows.
    TabWidth = editor.TabWidth();
    TBedEditStringList& source = editor.Lines();
    std::vector<std::string> lines;
    lines.reserve(size_t(source.Count()));
    for (int i = 0; i < source.Count(); ++i) lines.push_back(source.ExpandedLine(i));
    SetLines(std::move(lines));
    SetHighlighter(editor.Highlighter());
}

void TBedEditPrint::ScanHighlighterStates() {
    TBedCustomHighlighter& hl = *highlighter_;
    states_.resize(lines_.size());
    hl.ClearRange();
    states_[0] = hl.CurrentRange();
    for (size_t i = 1; i < lines_.size(); ++i) {
        hl.StartLine(lines_[i - 1], int(i - 1));
        hl.ScanToLineEnd();
        states_[i] = hl.CurrentRange();
    }
    statesValid_ = true;
}

TWrapPositions TBedEditPrint::WrapPositions(const std::string& line) const {
    if (!Wrap || int(line.size()) <= columns_) return {};
    // Highlighted lines break between words; plain ones every `columns_` characters.
    return PrintWrapPositions(line, columns_, highlighting_);
}

void TBedEditPrint::InitPrinting(TBedPrintCanvas& canvas) {
    info_ = canvas.PrinterInfo();
    metrics_ = canvas.Metrics(font_);
    metrics_.AverageCharWidth = std::max(1, metrics_.AverageCharWidth);
    lineHeight_ = std::max(1, metrics_.Height + metrics_.ExternalLeading);
    lineNumberIndent_ = 0;
    if (LineNumbers && !LineNumbersInMargin) {
        // Room for the widest number printed, that of the last line.
        TBedPrintFont plain = font_;
        plain.Style = 0;
        lineNumberIndent_ = canvas.TextWidth(plain, std::to_string(int(lines_.size()) + LineOffset) + ": ");
    }
    const TBedPageGeometry g = Margins.Geometry(1, info_, lineNumberIndent_);
    if (g.Right <= g.Left || g.Bottom <= g.Top)
        throw EBedPrintError("Okraje stránky nenechávají žádné místo pro text.");
    // The most "W"s that fit; a font wider than the page still prints one character a row.
    const int widthOfW = std::max(1, canvas.TextWidth(font_, "W"));
    columns_ = std::max(1, (g.Right - g.Left - 1) / widthOfW);

    highlighting_ = Highlight && highlighter_ && !lines_.empty();
    if (highlighting_ && !statesValid_) ScanHighlighterStates();
    std::vector<int> rows(lines_.size());
    for (size_t i = 0; i < lines_.size(); ++i) rows[i] = 1 + int(WrapPositions(lines_[i]).size());
    pages_ = Paginate(rows, (g.Bottom - g.Top) / lineHeight_);

    TBedPrintMacroValues values;
    values.PageCount = int(pages_.size());
    values.Title = Title;
    std::tie(values.Date, values.Time) = DateTimeTexts();
    Header.InitPrint(canvas, g.InternalMargin, values);
    Footer.InitPrint(canvas, g.InternalMargin, values);
}

int TBedEditPrint::TotalPages(TBedPrintCanvas& canvas) {
    InitPrinting(canvas);
    return int(pages_.size());
}

bool TBedEditPrint::Status(TBedPrintStatus status, int page) {
    // Once aborted, the job stays aborted whatever a later call answers.
    bool abort = abort_;
    if (OnPrintStatus) OnPrintStatus(status, page, abort);
    abort_ = abort_ || abort;
    return !abort_;
}

void TBedEditPrint::PrintPages(TBedPrintCanvas& canvas, int first, int last) {
    // Measured on this printer before the job starts: a print that cannot be made leaves no
    // empty job behind, and the page range is checked against this printer's pages.
    InitPrinting(canvas);
    const int count = int(pages_.size());
    if (last < 0 || last > count) last = count;
    first = std::max(first, 1);
    if (first > last)
        throw EBedPrintError("Požadované stránky v dokumentu nejsou (počet stran: " + std::to_string(count) + ").");
    abort_ = false;
    canvas.BeginDocument(DocTitle.empty() ? Title : DocTitle);
    try {
        Status(psJob, first);
        for (int p = first; p <= last && !abort_; ++p) {
            PrintPage(canvas, p);
            if (p < last && !abort_) canvas.NewPage();
        }
        Status(psJob, last);
    } catch (...) {
        canvas.Abort();
        throw;
    }
    if (abort_)
        canvas.Abort();
    else
        canvas.EndDocument();
}

void TBedEditPrint::PrintPage(TBedPrintCanvas& canvas, int page) {
    if (!Status(psNewPage, page)) return;
    const TBedPageGeometry g = Margins.Geometry(page, info_, lineNumberIndent_);
    canvas.FillRect({g.Left, g.Top, g.Right, g.Bottom}, Color);
    Header.Print(canvas, page + PageOffset, g);
    const TPageLine start = pages_[size_t(page - 1)];
    const TPageLine end = size_t(page) < pages_.size() ? pages_[size_t(page)] : TPageLine{int(lines_.size()), 0};
    int y = g.Top;
    for (int line = start.Line; line < end.Line || (line == end.Line && end.Row > 0); ++line) {
        const int lastRow = line == end.Line ? end.Row : -1;
        y = PrintLine(canvas, line, line == start.Line ? start.Row : 0, lastRow, g.Left, y);
        if (lastRow < 0 && OnPrintLine) OnPrintLine(line + 1, page);
    }
    Footer.Print(canvas, page + PageOffset, g);
}

void TBedEditPrint::LineRuns(int index, std::vector<TBedPrintRun>& runs) {
    const std::string& text = lines_[size_t(index)];
    const int length = int(text.size());
    runs.clear();
    if (!highlighting_) {
        runs.push_back({0, length, font_.Style, font_.Color, clNone});
        return;
    }
    TBedCustomHighlighter& hl = *highlighter_;
    hl.RestoreRange(states_[size_t(index)]);
    hl.StartLine(text, index);
    int covered = 0;
    for (; !hl.AtLineEnd(); hl.NextToken()) {
        TBedPrintRun run{hl.TokenStart(), int(hl.TokenText().size()), font_.Style, font_.Color, clNone};
        if (const TBedHighlighterAttributes* a = hl.TokenAttribute()) {
            run.Style = a->Style();
            if (Colors) {
                if (a->Foreground() != clNone) run.Foreground = a->Foreground();
                if (a->Background() != clNone) run.Background = a->Background();
            }
        }
        covered = std::max(covered, run.Start + run.Length);
        runs.push_back(run);
    }
    // A scanner that stops early (at a NUL byte, say) must not lose the rest of the line.
    if (covered < length) runs.push_back({covered, length - covered, font_.Style, font_.Color, clNone});
}

int TBedEditPrint::PrintLine(TBedPrintCanvas& canvas, int index, int firstRow, int lastRow, int left, int y) {
    const std::string& text = lines_[size_t(index)];
    const TWrapPositions wraps = WrapPositions(text);
    const int rowCount = int(wraps.size()) + 1;
    if (lastRow < 0) lastRow = rowCount;
    if (LineNumbers && firstRow == 0) {
        TBedPrintFont plain = font_;
        plain.Style = 0;
        plain.Color = clBlack;
        const std::string number = std::to_string(index + 1 + LineOffset) + ": ";
        canvas.DrawText(plain, left - canvas.TextWidth(plain, number), y + metrics_.Ascent(), number);
    }
    std::vector<TBedPrintRun> runs, rowRuns;
    LineRuns(index, runs);
    for (int row = firstRow; row < lastRow; ++row, y += lineHeight_) {
        const int start = row == 0 ? 0 : wraps[size_t(row - 1)];
        // Without wrapping a row still ends at the right text edge.
        const int end = row < rowCount - 1 ? wraps[size_t(row)]
                        : Wrap             ? int(text.size())
                                           : std::min(int(text.size()), columns_);
        if (end <= start) continue;
        rowRuns.clear();
        for (const TBedPrintRun& run : runs) {
            const int from = std::max(run.Start, start), to = std::min(run.Start + run.Length, end);
            if (from < to) rowRuns.push_back({from - start, to - from, run.Style, run.Foreground, run.Background});
        }
        canvas.DrawCells(font_, {left, y, metrics_.AverageCharWidth, lineHeight_},
                         std::string_view(text).substr(size_t(start), size_t(end - start)), rowRuns);
    }
    return y;
}
