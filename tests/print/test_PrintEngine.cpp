#include "BedEditCore.h"
#include "BedEditPrint.h"
#include "Pas.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

// On the recording canvas's A4 page, Courier New 10 gives cells of 20 x 42 pixels: rows of
// 100 characters from x = 230, 69 rows a page from y = 245 down to 3162.
constexpr int kLeft = 230, kTop = 245, kBottom = 3162, kRowHeight = 42, kColumns = 100, kRowsPerPage = 69;

class PrintEngine : public ::testing::Test {
protected:
    TBedEditPrint pr;
    TRecordingCanvas canvas;
    TPasHighlighter pascal;

    void SetUp() override {
        pr.DateTimeTexts = [] { return std::pair<std::string, std::string>("1. 2. 2024", "8:05:00"); };
    }

    static std::vector<std::string> Numbered(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
        return lines;
    }
    // Words of five letters and a blank: `words` of them.
    static std::string Words(int words) {
        std::string s;
        for (int i = 0; i < words; ++i) s += "slovo ";
        return s;
    }
    // Every row lies inside the text area: no text below the bottom edge.
    void ExpectRowsInsideTheTextArea() const {
        for (const auto& page : canvas.pages)
            for (const auto& row : page.rows) {
                EXPECT_GE(row.cells.Top, kTop);
                EXPECT_LE(row.cells.Top + row.cells.CellHeight, kBottom);
            }
    }
};

}  // namespace

TEST_F(PrintEngine, LinesFillPagesRowByRow) {
    pr.SetLines(Numbered(150));
    EXPECT_EQ(pr.Columns(), 0);
    EXPECT_EQ(pr.TotalPages(canvas), 3);
    EXPECT_EQ(pr.Columns(), kColumns);
    EXPECT_EQ(pr.LineHeight(), kRowHeight);
    pr.Title = "kniha";
    pr.PrintPages(canvas, 1, -1);
    EXPECT_EQ(canvas.title, "kniha");  // no DocTitle: the job is named by Title
    ASSERT_EQ(canvas.pages.size(), 3u);
    EXPECT_EQ(canvas.pages[0].rows.size(), size_t(kRowsPerPage));
    EXPECT_EQ(canvas.pages[2].rows.size(), size_t(150 - 2 * kRowsPerPage));
    EXPECT_EQ(canvas.pages[1].rows[0].text, "line 70");
    EXPECT_EQ(canvas.pages[1].rows[0].cells.Top, kTop);
    EXPECT_EQ(canvas.pages[1].rows[1].cells.Top, kTop + kRowHeight);
    EXPECT_EQ(canvas.pages[1].rows[1].cells.X, kLeft);
    EXPECT_EQ(canvas.pages[1].rows[1].cells.CellWidth, 20);
    // The text area is filled with the background colour before anything else.
    EXPECT_EQ(canvas.pages[0].shapes[0].kind, 'F');
    EXPECT_EQ(canvas.pages[0].shapes[0].color, clWhite);
    ExpectRowsInsideTheTextArea();
}

TEST_F(PrintEngine, ARangeOfPagesPrintsOnlyThosePagesAndNeverPastTheEnd) {
    pr.SetLines(Numbered(150));
    std::vector<int> reported;
    pr.OnPrintStatus = [&](TBedPrintStatus s, int page, bool&) { reported.push_back(s * 100 + page); };
    pr.PrintPages(canvas, 2, 3);
    ASSERT_EQ(canvas.pages.size(), 2u);
    EXPECT_EQ(canvas.pages[0].rows[0].text, "line 70");
    EXPECT_EQ(canvas.pages[1].rows.back().text, "line 150");
    EXPECT_EQ(reported, (std::vector<int>{2, 102, 103, 3}));

    // A last page beyond the document (the paper changed in the dialog) stops at the end.
    TRecordingCanvas clamped;
    pr.PrintPages(clamped, 3, 10);
    EXPECT_EQ(clamped.pages.size(), 1u);
    EXPECT_TRUE(clamped.ended);

    // Nothing of the range exists: an error, and no job at all.
    TRecordingCanvas beyond;
    EXPECT_THROW(pr.PrintPages(beyond, 5, 6), EBedPrintError);
    EXPECT_FALSE(beyond.begun);
}

TEST_F(PrintEngine, MarginsThatLeaveNoTextAreaAreAnErrorNotAJob) {
    pr.SetLines({"text"});
    pr.Margins.SetLeft(120);
    pr.Margins.SetRight(100);  // 220 mm of a 210 mm sheet
    EXPECT_THROW(pr.TotalPages(canvas), EBedPrintError);
    EXPECT_THROW(pr.PrintPages(canvas, 1, -1), EBedPrintError);
    EXPECT_FALSE(canvas.begun);
    pr.Margins.SetLeft(25);
    pr.Margins.SetRight(15);
    pr.Margins.SetTop(150);
    pr.Margins.SetBottom(150);
    EXPECT_THROW(pr.TotalPages(canvas), EBedPrintError);
}

TEST_F(PrintEngine, OnlyALineTallerThanAPageIsSplitAcrossPages) {
    pr.SetLines({"first", Words(2000), "last"});  // 12,000 characters: 125 rows of 96
    pr.SetHighlighter(&pascal);
    std::vector<std::pair<int, int>> printed;
    pr.OnPrintLine = [&](int line, int page) { printed.emplace_back(line, page); };
    pr.PrintPages(canvas, 1, -1);
    ASSERT_EQ(canvas.pages.size(), 2u);
    EXPECT_EQ(canvas.pages[0].rows.size(), size_t(kRowsPerPage));
    EXPECT_EQ(canvas.pages[1].rows.size(), size_t(1 + 125 + 1 - kRowsPerPage));
    EXPECT_EQ(canvas.pages[1].rows.back().text, "last");
    ExpectRowsInsideTheTextArea();
    // The long line counts as printed where it ends.
    EXPECT_EQ(printed, (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 2}}));
}

TEST_F(PrintEngine, HighlightedLinesBreakBetweenWordsPlainOnesEveryRowWidth) {
    const std::string line = Words(30);  // 180 characters
    pr.SetLines({line});
    pr.SetHighlighter(&pascal);
    pr.PrintPages(canvas, 1, -1);
    EXPECT_EQ(canvas.RowTexts(0), (std::vector<std::string>{Words(16), Words(14)}));

    TRecordingCanvas plain;
    pr.Highlight = false;
    pr.PrintPages(plain, 1, -1);
    EXPECT_EQ(plain.RowTexts(0), (std::vector<std::string>{line.substr(0, 100), line.substr(100)}));

    // Without wrapping only what fits in a row is printed, in both modes.
    TRecordingCanvas unwrapped;
    pr.Wrap = false;
    pr.Highlight = true;
    pr.PrintPages(unwrapped, 1, -1);
    EXPECT_EQ(unwrapped.RowTexts(0), (std::vector<std::string>{line.substr(0, 100)}));
}

TEST_F(PrintEngine, HighlightingGivesFontStylesAndColoursOnlyWhenAsked) {
    pr.SetLines({"begin { koment\xE1\xF8 } end;"});
    pr.SetHighlighter(&pascal);
    pascal.KeyAttri->SetForeground(clBlue);
    pr.PrintPages(canvas, 1, -1);
    const auto& runs = canvas.pages[0].rows[0].runs;
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs[0], (TBedPrintRun{0, 5, fsBold, clBlack, clNone}));
    bool italic = false;
    for (const auto& r : runs) {
        EXPECT_EQ(r.Foreground, clBlack);  // styles, not colours
        italic |= r.Style == fsItalic && r.Start == 6 && r.Length == 12;
    }
    EXPECT_TRUE(italic);

    TRecordingCanvas coloured;
    pr.Colors = true;
    pr.PrintPages(coloured, 1, -1);
    EXPECT_EQ(coloured.pages[0].rows[0].runs[0].Foreground, clBlue);

    TRecordingCanvas plain;
    pr.Highlight = false;
    pr.PrintPages(plain, 1, -1);
    EXPECT_EQ(plain.pages[0].rows[0].runs, (std::vector<TBedPrintRun>{{0, 23, 0, clBlack, clNone}}));
}

TEST_F(PrintEngine, ATokenCutByARowEndGoesOnInTheNextRow) {
    // A comment from column 90 to 120: its first part ends row 1, the rest starts row 2.
    std::string line = std::string(89, 'x') + " { " + std::string(25, 'k') + " } y";
    pr.SetLines({line});
    pr.SetHighlighter(&pascal);
    pr.PrintPages(canvas, 1, -1);
    const auto& rows = canvas.pages[0].rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, std::string(89, 'x') + " { ");
    EXPECT_EQ(rows[1].runs[0].Style, fsItalic);
    EXPECT_EQ(rows[1].runs[0].Start, 0);
    int covered = 0;
    for (const auto& r : rows[1].runs) covered += r.Length;
    EXPECT_EQ(covered, int(rows[1].text.size()));
}

TEST_F(PrintEngine, LineNumbersStandBeforeTheTextOrInTheMargin) {
    pr.SetLines(Numbered(12));
    pr.LineNumbers = true;
    pr.LineOffset = 90;  // numbers 91 to 102: room for "102: "
    pr.PrintPages(canvas, 1, -1);
    const auto& page = canvas.pages[0];
    EXPECT_EQ(page.rows[0].cells.X, kLeft + 5 * 20);
    ASSERT_EQ(page.texts.size(), 12u);
    EXPECT_EQ(page.texts[0].text, "91: ");
    EXPECT_EQ(page.texts[0].x + 4 * 20, kLeft + 100);  // it ends where the text starts
    EXPECT_EQ(page.texts[11].text, "102: ");
    EXPECT_EQ(page.texts[11].baseline, kTop + 11 * kRowHeight + 30);

    TRecordingCanvas margin;
    pr.LineNumbersInMargin = true;
    pr.PrintPages(margin, 1, -1);
    EXPECT_EQ(margin.pages[0].rows[0].cells.X, kLeft);
    EXPECT_EQ(margin.pages[0].texts[11].x, kLeft - 5 * 20);
}

TEST_F(PrintEngine, AStatusHandlerCanAbortTheJob) {
    pr.SetLines(Numbered(300));
    pr.OnPrintStatus = [](TBedPrintStatus s, int page, bool& abort) { abort = s == psNewPage && page == 2; };
    pr.PrintPages(canvas, 1, -1);
    EXPECT_TRUE(canvas.aborted);
    EXPECT_FALSE(canvas.ended);
    EXPECT_EQ(canvas.pages[0].rows.size(), size_t(kRowsPerPage));
    EXPECT_EQ(canvas.pages.size(), 2u);  // the second sheet began, and stays empty
    EXPECT_TRUE(canvas.pages[1].rows.empty());
}

TEST_F(PrintEngine, HeaderAndFooterShowPageNumbersDateAndTitle) {
    pr.SetLines(Numbered(100));
    pr.Title = "dopis.txt";
    pr.PageOffset = 10;
    pr.Header.Add("$TITLE$ $DATE$", nullptr, taLeftJustify, 1);
    pr.Footer.Add("Strana $PAGENUM$ z $PAGECOUNT$", nullptr, taCenter, 1);
    pr.PrintPages(canvas, 1, -1);
    ASSERT_EQ(canvas.pages.size(), 2u);
    ASSERT_EQ(canvas.pages[1].texts.size(), 2u);
    EXPECT_EQ(canvas.pages[1].texts[0].text, "dopis.txt 1. 2. 2024");
    EXPECT_EQ(canvas.pages[1].texts[1].text, "Strana 12 z 2");
}

TEST_F(PrintEngine, MirroredMarginsMoveTheTextOfEvenPages) {
    pr.SetLines(Numbered(100));
    pr.Margins.MirrorMargins = true;
    pr.Margins.SetGutter(10);
    pr.PrintPages(canvas, 1, -1);
    EXPECT_EQ(canvas.pages[0].rows[0].cells.X, 413 - 65);  // 35 mm
    EXPECT_EQ(canvas.pages[1].rows[0].cells.X, 177 - 65);  // 15 mm
}

TEST_F(PrintEngine, LoadingFromTheEditorExpandsTabsAtTheEditorsWidth) {
    TCustomBedEdit editor;
    editor.SetTabWidth(4);
    editor.Lines().Add("\tx");
    editor.Lines().Add("ab\ty");
    editor.SetHighlighter(&pascal);
    pr.LoadFromEditor(editor);
    EXPECT_EQ(pr.TabWidth, 4);
    EXPECT_EQ(pr.Lines(), (std::vector<std::string>{"    x", "ab  y"}));
    EXPECT_EQ(pr.Highlighter(), &pascal);
    editor.SetHighlighter(nullptr);
}
