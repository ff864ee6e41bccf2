// "Tisk" from the main window into PDF files through the scripted print dialog.
#include "../printqt/PdfTools.h"
#include "FormFixture.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

class TPrint : public FormTest {
protected:
    QString Pdf(const std::string& name) const { return QString::fromStdString(Path(name)); }
    void Answer(TPrintRange range, const std::string& file, int from = 1, int to = 1) {
        ui.printAnswers.push_back(ScriptedUiServices::PrintAnswer{range, from, to, Pdf(file)});
    }
    // A Pascal source of `count` numbered lines, opened in the window.
    void OpenPascal(int count) {
        std::string text = "program Ukazka;\r\n{ koment\xE1\xF8 }\r\nbegin\r\n";
        for (int i = 1; i <= count; ++i) text += "  WriteLn('\xF8\xE1\x64\x65k " + std::to_string(i) + "');\r\n";
        text += "end.\r\n";
        WriteFile("ukazka.pas", text);
        Start({QString::fromStdString(Path("ukazka.pas"))});
    }
};

TEST_F(TPrint, TheCommandTheKeyAndTheButtonAreReady) {
    Start();
    QAction* tisk = form->Action("Tisk1");
    EXPECT_EQ(tisk->text(), "&Tisk");
    EXPECT_EQ(tisk->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(tisk->isEnabled());
    EXPECT_TRUE(form->findChild<QToolButton*>("SpeedButton7")->isEnabled());
    QAction* highlight = form->Action("tisk_highlight");
    EXPECT_EQ(highlight->text(), "Tisknout i se zvýrazněním");
    EXPECT_TRUE(highlight->isChecked());

    // The tick toggles by itself and is what the options dialog shows and sets.
    highlight->trigger();
    EXPECT_FALSE(highlight->isChecked());
    ui.optionsAnswers.push_back(std::nullopt);
    form->Volby1Click();
    EXPECT_FALSE(ui.lastOptionsShown.printHighlighted);
    TOptionsValues v = ui.lastOptionsShown;
    v.printHighlighted = true;
    ui.optionsAnswers.push_back(v);
    form->Volby1Click();
    EXPECT_TRUE(highlight->isChecked());
}

TEST_F(TPrint, CtrlPAsksForTheRangeOfTheDocumentsPagesAndPrintsThemAll) {
    OpenPascal(150);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Answer(TPrintRange::AllPages, "all.pdf");
    QTest::keyClick(form->Memo1, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(ui.shown.size(), 1);
    const int pages = ui.lastPrintRequest.maxPage;
    EXPECT_GE(pages, 3);
    EXPECT_EQ(ui.shown[0], QString("print: 1-%1").arg(pages));
    EXPECT_EQ(ui.lastPrintRequest.toPage, pages);
    EXPECT_EQ(pdf::Pages(Pdf("all.pdf")), pages);
    EXPECT_EQ(pdf::Info(Pdf("all.pdf"), "Title"), "ukazka.pas");  // named after the document
    const QStringList first = pdf::Rows(Pdf("all.pdf"), 1);
    EXPECT_EQ(first[0], "program Ukazka;");
    EXPECT_EQ(first[1], "{ komentář }");
    const QString fonts = pdf::Fonts(Pdf("all.pdf"));
    EXPECT_TRUE(fonts.contains("Bold") && fonts.contains("Italic")) << fonts.toStdString();
}

TEST_F(TPrint, APageRangeTheToolButtonAndCancelling) {
    OpenPascal(300);
    Answer(TPrintRange::PageRange, "range.pdf", 2, 3);
    form->findChild<QToolButton*>("SpeedButton7")->click();
    EXPECT_GE(ui.lastPrintRequest.maxPage, 5);
    EXPECT_EQ(pdf::Pages(Pdf("range.pdf")), 2);

    ui.printAnswers.push_back(std::nullopt);  // cancelled: nothing printed
    form->Tisk1Click();
    EXPECT_EQ(ui.shown.size(), 2);

    Answer(TPrintRange::Other, "other.pdf");  // a choice the editor does not offer
    form->Tisk1Click();
    EXPECT_FALSE(QFile::exists(Pdf("other.pdf")));
}

TEST_F(TPrint, UntickedHighlightingPrintsTheSameTextInTheBodyFontOnly) {
    OpenPascal(5);
    Answer(TPrintRange::AllPages, "styled.pdf");
    form->Tisk1Click();
    form->Action("tisk_highlight")->trigger();
    Answer(TPrintRange::AllPages, "plain.pdf");
    form->Tisk1Click();
    const QString fonts = pdf::Fonts(Pdf("plain.pdf"));
    EXPECT_FALSE(fonts.contains("Bold") || fonts.contains("Italic")) << fonts.toStdString();
    EXPECT_EQ(pdf::Text(Pdf("plain.pdf")), pdf::Text(Pdf("styled.pdf")));
}

TEST_F(TPrint, AnEmptyDocumentPrintsOneBlankPageNamedUntitled) {
    Start();
    Answer(TPrintRange::AllPages, "empty.pdf");
    form->Tisk1Click();
    EXPECT_EQ(ui.lastPrintRequest.maxPage, 1);
    EXPECT_EQ(pdf::Pages(Pdf("empty.pdf")), 1);
    EXPECT_EQ(pdf::Info(Pdf("empty.pdf"), "Title"), "UNTITLED.TXT");
}

TEST_F(TPrint, AFileThatCannotBeWrittenIsReportedNotPrintedSilently) {
    Start();
    ui.expectErrors = true;
    Answer(TPrintRange::AllPages, "no/such/dir/x.pdf");
    form->Action("Tisk1")->trigger();
    ASSERT_EQ(ui.shown.size(), 2);
    EXPECT_EQ(ui.shown[1], "error: Tisk nelze zahájit: soubor „" + Pdf("no/such/dir/x.pdf") + "“ nelze zapsat.");
    EXPECT_TRUE(form->isEnabled());
}
