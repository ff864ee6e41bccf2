// UTF-8 as a code page, the code page recognised from the content, and files that come back
// byte for byte whatever the code page.
#include "FormFixture.h"

#include "CodePages.h"
#include "IniFile.h"

#include <QAction>

using TEncoding = FormTest;

namespace {

const std::string kUtf8Czech =
    "P\xC5\x99\xC3\xAD"
    "li\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88";
const std::string kCp1250Czech = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TEST_F(TEncoding, Utf8ThatCp1250CantHoldIsShownReadOnlyAndSaveAsIsRefused) {
    ui.expectErrors = true;
    const std::string emoji = kUtf8Czech + "\r\nsmajl\xC3\xADk \xF0\x9F\x98\x80\r\n";
    WriteFile("x.txt", emoji);
    Start({"K=U", Q(Path("x.txt"))});
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(form->Action("readonly")->isChecked());
    EXPECT_EQ(form->PanelText(3), "RO");
    EXPECT_EQ(form->PanelText(2), "UTF-8");
    ui.saveAnswers.push_back(Q(Path("jinam.txt")));
    form->UlozitJakoClick();
    EXPECT_EQ(ui.shown.size(), 3) << ui.shown.join('|').toStdString();
    EXPECT_FALSE(std::filesystem::exists(Path("jinam.txt")));
    form->Action("Novy")->trigger();
    EXPECT_FALSE(form->Memo1->ReadOnly());
    EXPECT_EQ(form->PanelText(3), "RW");
}

// The code page, the line ends and the history's items follow the document as it changes.
TEST_F(TEncoding, TheStatusBarAndTheMenusShowTheDocument) {
    std::string kam = kCp1250Czech + " \xFA\xE8\xE1 \xE9\xEC\xED\n";
    for (int i = 0; i < 4; ++i) kam += kam;
    Encode(cpKamenicky, kam);
    WriteFile("dopis.txt", kam);
    WriteFile("dos.txt", "dos\r\n");
    Start({Q(Path("dos.txt")), Q(Path("dopis.txt"))});
    EXPECT_EQ(form->PanelText(2), "Kamenických");
    EXPECT_TRUE(form->Action("Kamenicti1")->isChecked());
    EXPECT_EQ(form->PanelText(4), "UNIX");
    EXPECT_TRUE(form->Action("PredchoziSoubor")->isEnabled());
    ShowFocused();
    QTest::keyClick(form->Memo1, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(form->FileName(), Q(Path("dos.txt")));
    EXPECT_EQ(form->PanelText(2), "CP1250");
    EXPECT_TRUE(form->Action("CP1250W")->isChecked());
    EXPECT_EQ(form->PanelText(4), "DOS");
    EXPECT_FALSE(form->Action("PredchoziSoubor")->isEnabled());
    EXPECT_TRUE(form->Action("DalsiSoubor")->isEnabled());
    form->dos2unixClick();
    EXPECT_EQ(form->PanelText(4), "UNIX");
    EXPECT_EQ(form->PanelText(0), "modifikace");
}

TEST_F(TEncoding, RecognitionIsPartOfTheAutomaticCodePageAndPersists) {
    std::string kam = kCp1250Czech + "\n";
    for (int i = 0; i < 5; ++i) kam += kam;
    Encode(cpKamenicky, kam);
    WriteFile("k.txt", kam);
    WriteFile("bed.ini", "[bed]\nautokodovani=0\n");
    Start({Q(Path("k.txt"))});
    EXPECT_TRUE(form->Action("rozpoznat")->isChecked());
    EXPECT_EQ(form->PanelText(2), "CP1250");
    ASSERT_TRUE(Close());
    form.reset();

    WriteFile("bed.ini", "[bed]\n");
    Start();
    EXPECT_TRUE(form->Action("rozpoznat")->isChecked());
    form->Action("rozpoznat")->trigger();
    ui.openAnswers.push_back(Q(Path("k.txt")));
    form->OtevritClick();
    EXPECT_EQ(form->PanelText(2), "CP1250");
    ASSERT_TRUE(Close());
    form.reset();
    EXPECT_FALSE(TIniFile(Path("bed.ini")).ReadBool("bed", "rozpoznatKodovani", true));
    Start({Q(Path("k.txt"))});
    EXPECT_FALSE(form->Action("rozpoznat")->isChecked());
    EXPECT_EQ(form->PanelText(2), "CP1250");
}

TEST_F(TEncoding, Utf8AsTheDefaultCodePageAndInTheDialogTitles) {
    Start();
    TOptionsValues values;
    values.defaultCodePage = cpUTF8;
    ui.optionsAnswers.push_back(values);
    form->Volby1Click();
    form->Action("UTF8")->trigger();
    EXPECT_EQ(form->PanelText(2), "UTF-8");
    ui.openAnswers.push_back(std::nullopt);
    form->OtevritClick();
    EXPECT_TRUE(ui.shown.contains("open: Otevřít soubor v kódování UTF-8")) << ui.shown.join("|").toStdString();
    ASSERT_TRUE(Close());
    form.reset();
    EXPECT_EQ(TIniFile(Path("bed.ini")).ReadInteger("bed", "implicitniKodovani", 0), 5);
    Start();
    EXPECT_TRUE(form->Action("UTF8")->isChecked());
}
