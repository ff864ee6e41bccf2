// Without a display every box is one line on stderr and takes the answer that loses nothing.
#include "HeadlessUiServices.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class HeadlessUi : public ::testing::Test {
protected:
    std::FILE* out = std::tmpfile();
    HeadlessUiServices ui{out};

    ~HeadlessUi() override { std::fclose(out); }

    QStringList Lines() const {
        std::rewind(out);
        QByteArray bytes;
        char buffer[512];
        while (const size_t n = std::fread(buffer, 1, sizeof buffer, out)) bytes.append(buffer, qsizetype(n));
        return QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts);
    }
};

}  // namespace

TEST_F(HeadlessUi, PromptsAndDialogsAreCancelledWithALineEach) {
    EXPECT_EQ(ui.SavePrompt(), TModalResult::Cancel);
    EXPECT_EQ(ui.T602Prompt(), 3);
    EXPECT_EQ(ui.InputBox("Zalomit", "Délka řádku:", "80"), "80");
    EXPECT_EQ(ui.MessageBox("Nahradit?", "Nahradit", true), TModalResult::Cancel);
    EXPECT_EQ(ui.MessageBox("Text nenalezen.", "Hledat", false), TModalResult::Ok);
    TFileDialogRequest request;
    request.title = "Uložit soubor";
    request.fileName = "a.txt";
    EXPECT_FALSE(ui.SaveDialog(request));
    EXPECT_EQ(request.fileName, "a.txt");
    request.title = "Otevřít soubor";
    EXPECT_FALSE(ui.OpenDialog(request));
    QFont font;
    QColor color;
    EXPECT_FALSE(ui.FontDialog(font, color, true));
    TPrintDialogRequest print;
    QPrinter printer;
    EXPECT_FALSE(ui.PrintDialog(print, printer));
    TOptionsValues options;
    EXPECT_FALSE(ui.OptionsDialog(options));
    ui.InformationBox("Počet řádků: 3");
    ui.AboutBox();

    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0],
              "bed: Chcete uložit změny? Soubor byl změněn, ale změny nebyly uloženy. Uložit soubor? "
              "(odpověď: Zrušit)");
    EXPECT_TRUE(lines[1].startsWith("bed: Soubor je v T602: "));
    EXPECT_EQ(lines[2], "bed: Zalomit: Délka řádku: (odpověď: Zrušit)");
    EXPECT_EQ(lines[3], "bed: Nahradit: Nahradit? (odpověď: Zrušit)");
    EXPECT_EQ(lines[4], "bed: Hledat: Text nenalezen.");
    EXPECT_TRUE(lines[5].startsWith("bed: Uložit soubor: "));
    EXPECT_TRUE(lines[6].startsWith("bed: Otevřít soubor: "));
    EXPECT_EQ(lines[10], "bed: Information: Počet řádků: 3");
    EXPECT_EQ(lines[11], "bed: BROUSEK EDITOR: Brousek editor 10.4");
    EXPECT_FALSE(ui.ErrorShown());  // nothing above is a failure of the run
}

TEST_F(HeadlessUi, AnErrorIsOneLineAndMarksTheRunFailed) {
    ui.ErrorBox("Soubor nelze otevřít:\nx.txt");
    EXPECT_TRUE(ui.ErrorShown());
    EXPECT_EQ(Lines(), QStringList{"bed: Chyba: Soubor nelze otevřít: x.txt"});
}
