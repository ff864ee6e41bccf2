// The engine printing into PDF files on Qt's PDF printer, checked from what the files hold.
#include "BedEdit.h"
#include "BedEditPrintQt.h"
#include "BedEditPrintQtCanvas.h"
#include "Pas.h"
#include "BedTextCp1250.h"
#include "PdfTools.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// UTF-8 to the editor's CP 1250.
std::string Cp(const QString& text) {
    std::string s;
    for (QChar c : text) s += char(UnicodeToCp1250(c.unicode()));
    return s;
}

class PdfPrint : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    TBedEdit edit;
    TPasHighlighter pascal;
    TBedEditPrint pr;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
    void TearDown() override { edit.SetHighlighter(nullptr); }

    void SetText(const QStringList& lines) {
        edit.Lines().Clear();
        for (const QString& l : lines) edit.Lines().Add(Cp(l));
    }
    // Prints pages first..last into a new file; its name.
    QString Print(const QString& name, int first = 1, int last = -1) {
        const QString file = dir.filePath(name);
        printer.setOutputFileName(file);
        LoadFromEditor(pr, edit);
        TBedEditPrintQtCanvas canvas(printer);
        pr.PrintPages(canvas, first, last);
        return file;
    }
    static QStringList Numbered(int count) {
        QStringList lines;
        for (int i = 1; i <= count; ++i) lines << QString("řádek %1").arg(i);
        return lines;
    }
};

// "Žluťoučký kůň úpěl ďábelské ódy, " repeated: a Czech text with blanks and commas.
QString CzechWords(int times) {
    QString s;
    for (int i = 0; i < times; ++i) s += QString("Žluťoučký kůň úpěl ďábelské ódy %1, ").arg(i);
    return s.trimmed();
}

// The bottom text edge of an A4 page with 25 mm bottom margin, in points, and a little more
// for the descenders of the last row's box.
constexpr double kBottomEdge = (297.0 - 25.0) / 25.4 * 72.0;

}  // namespace

TEST_F(PdfPrint, PagesFollowThePrintersOwnMeasure) {
    SetText(Numbered(200));
    const QString file = Print("pages.pdf");
    const int pages = int(pr.Pages().size());
    EXPECT_GE(pages, 3);
    EXPECT_EQ(pdf::Pages(file), pages);
    const int perPage = pr.Pages()[1].Line;
    EXPECT_EQ(perPage, (247 * 1200 * 10 / 254) / pr.LineHeight());  // 247 mm of rows
    const QStringList page1 = pdf::Rows(file, 1), page2 = pdf::Rows(file, 2);
    EXPECT_EQ(page1.size(), perPage);
    EXPECT_EQ(page1.first(), "řádek 1");
    EXPECT_EQ(page2.first(), QString("řádek %1").arg(perPage + 1));
    EXPECT_EQ(pdf::Rows(file, pages).last(), "řádek 200");
    // 25 mm from the left edge of the sheet; the rows stay above the bottom margin.
    EXPECT_LE(pdf::LowestWord(file), kBottomEdge);
}

TEST_F(PdfPrint, AnEmptyDocumentIsOneBlankPage) {
    const QString file = Print("empty.pdf");
    EXPECT_EQ(pdf::Pages(file), 1);
    EXPECT_TRUE(pdf::Text(file).isEmpty());
}

TEST_F(PdfPrint, ARangePrintsThosePagesOnly) {
    SetText(Numbered(300));
    const QString file = Print("range.pdf", 2, 3);
    EXPECT_EQ(pdf::Pages(file), 2);
    EXPECT_EQ(pdf::Rows(file, 1).first(), QString("řádek %1").arg(pr.Pages()[1].Line + 1));
    // A last page beyond the document, as after a change of paper in the dialog, stops at
    // the end of the document.
    const int count = int(pr.Pages().size());
    const QString clamped = Print("clamped.pdf", count - 1, count + 5);
    EXPECT_EQ(pdf::Pages(clamped), 2);
}

TEST_F(PdfPrint, LongLinesBreakBetweenWordsWhenHighlightedAndAtTheRowWidthWhenPlain) {
    const QString line = CzechWords(12);
    SetText({line});
    edit.SetHighlighter(&pascal);
    const QString file = Print("words.pdf");
    const QStringList rows = pdf::Rows(file, 1);
    ASSERT_GE(rows.size(), 3);
    EXPECT_EQ(rows.join(' '), line);  // cut at blanks, nothing lost
    for (const QString& r : rows) EXPECT_LE(r.size(), pr.Columns());
    EXPECT_TRUE(rows[0].endsWith(',') || line.mid(rows[0].size(), 1) == " ");

    pr.Highlight = false;
    const QString plain = Print("cut.pdf");
    const QStringList cut = pdf::Text(plain, 1);
    ASSERT_GE(cut.size(), 3);
    EXPECT_EQ(cut[0].trimmed(), line.left(pr.Columns()).trimmed());
    EXPECT_EQ(cut[1].trimmed(), line.mid(pr.Columns(), pr.Columns()).trimmed());
}

TEST_F(PdfPrint, HighlightingAddsBoldAndItalicFacesAndNoText) {
    SetText({"program Ukazka;", "{ komentář s háčky }", "begin", "  WriteLn('Dobrý den');", "end."});
    edit.SetHighlighter(&pascal);
    pr.Highlight = true;
    const QString styled = Print("styled.pdf");
    const QString fonts = pdf::Fonts(styled);
    EXPECT_TRUE(fonts.contains("Bold")) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains("Italic")) << fonts.toStdString();

    pr.Highlight = false;
    const QString plain = Print("plain.pdf");
    EXPECT_FALSE(pdf::Fonts(plain).contains("Bold"));
    EXPECT_FALSE(pdf::Fonts(plain).contains("Italic"));
    EXPECT_EQ(pdf::Text(styled), pdf::Text(plain));
    EXPECT_EQ(pdf::Rows(plain, 1)[1], "{ komentář s háčky }");
}

TEST_F(PdfPrint, ALargeFontPrintsOneCharacterARowAndEnds) {
    SetText({"ab", "c"});
    QFont huge = edit.font();
    huge.setPointSize(700);  // a character wider than the text area
    edit.setFont(huge);
    const QString file = Print("huge.pdf");
    EXPECT_EQ(pr.Columns(), 1);
    EXPECT_EQ(pdf::Pages(file), 3);
    EXPECT_EQ(pdf::Rows(file, 2), QStringList{"b"});
}

TEST_F(PdfPrint, RowsOfMoreThanAThousandCharactersPrintWhole) {
    std::string line;
    for (int i = 0; i < 1200; ++i) line += char('a' + i % 26);
    edit.Lines().Add(line);
    edit.SetHighlighter(&pascal);
    QFont tiny = edit.font();
    tiny.setPointSizeF(0.6);
    edit.setFont(tiny);
    const QString file = Print("tiny.pdf");
    EXPECT_GT(pr.Columns(), 1200);
    EXPECT_EQ(pdf::Rows(file, 1), QStringList{QString::fromStdString(line)});
}

TEST_F(PdfPrint, MarginsWiderThanThePageAreAnErrorAndWriteNoFile) {
    SetText({"text"});
    pr.Margins.SetLeft(120);
    pr.Margins.SetRight(100);
    EXPECT_THROW(Print("none.pdf"), EBedPrintError);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
}

TEST_F(PdfPrint, AWrappedLineNeverRunsOffTheSheet) {
    // Fill page 1 to two rows short of its end, then a line of many rows, then one taller
    // than a page.
    SetText({"x"});
    {
        TBedEditPrintQtCanvas canvas(printer);
        LoadFromEditor(pr, edit);
        pr.TotalPages(canvas);
    }
    const int rowsPerPage = (247 * 1200 * 10 / 254) / pr.LineHeight();
    QStringList lines = Numbered(rowsPerPage - 2);
    lines << CzechWords(20) << "konec" << CzechWords(400) << "úplný konec";
    SetText(lines);
    edit.SetHighlighter(&pascal);
    const QString file = Print("sheet.pdf");
    EXPECT_LE(pdf::LowestWord(file), kBottomEdge);
    EXPECT_EQ(pdf::Rows(file, 1).size(), rowsPerPage - 2);
    EXPECT_TRUE(pdf::Rows(file, 2).first().startsWith("Žluťoučký kůň úpěl ďábelské ódy 0,"));
    EXPECT_EQ(pdf::Rows(file, pdf::Pages(file)).last(), "úplný konec");
}

TEST_F(PdfPrint, TheJobIsNamedAfterTheDocument) {
    SetText({"a"});
    pr.DocTitle = "dopis.txt";
    EXPECT_EQ(pdf::Info(Print("named.pdf"), "Title"), "dopis.txt");
}

TEST_F(PdfPrint, HeaderAndFooterPrintInTheirFontsWithTheLocaleDate) {
    SetText(Numbered(10));
    pr.DateTimeTexts = LocaleDateTimeTexts;
    pr.Header.Add("Strana $PAGENUM$ z $PAGECOUNT$", nullptr, taRightJustify, 1);
    pr.Footer.Add("$DATE$", nullptr, taLeftJustify, 1);
    const QString file = Print("header.pdf");
    const QStringList text = pdf::Rows(file, 1);
    EXPECT_EQ(text.first(), "Strana 1 z 1");
    EXPECT_EQ(text.last(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_TRUE(pdf::Fonts(file).contains("LiberationSans"));
}

TEST(PrintFont, TheEditorsFontGoesToPaperInItsSizeAndStyleAndReadableInk) {
    QFont f("Courier New");
    f.setPointSize(12);
    f.setBold(true);
    const TBedPrintFont p = PrintFontOf(f, int32_t(0x80000008));  // the screen's text colour
    EXPECT_EQ(p.Name, "Courier New");
    EXPECT_EQ(p.Size, 12);
    EXPECT_EQ(p.Style, fsBold);
    EXPECT_EQ(p.Color, clBlack);
    EXPECT_EQ(PrintFontOf(f, clNavy).Color, clNavy);
}
