// UTF-8 as a code page, the code page recognised from the content, and files that come back
// byte for byte whatever the code page.
#include "FormFixture.h"

#include "CodePages.h"
#include "IniFile.h"

#include <QAction>

#include <random>

using TEncoding = FormTest;

namespace {

const std::string kUtf8Czech = "P\xC5\x99\xC3\xAD" "li\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88";
const std::string kCp1250Czech = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TEST_F(TEncoding, Utf8RoundTripsWithAndWithoutByteOrderMarkAndLineEnds) {
    for (const std::string bom : {"", "\xEF\xBB\xBF"})
        for (const std::string end : {"\r\n", "\n"}) {
            const std::string bytes = bom + kUtf8Czech + end + "\xE2\x82\xAC 5" + end;
            WriteFile("u.txt", bytes);
            Start({"K=U", Q(Path("u.txt"))});
            EXPECT_EQ(form->PanelText(2), "UTF-8");
            EXPECT_TRUE(form->Action("UTF8")->isChecked());
            EXPECT_EQ(Lines(), (std::vector<std::string>{kCp1250Czech, "\x80 5"}));
            EXPECT_EQ(form->Document().ByteOrderMark(), !bom.empty());
            form->UlozitClick();
            EXPECT_EQ(ReadFile("u.txt"), bytes);
            // And CP 1250 text written out as UTF-8.
            form.reset();
            WriteFile("w.txt", kCp1250Czech + end);
            Start({Q(Path("w.txt")), "K=U", "C=Q"});
            EXPECT_EQ(ReadFile("w.txt"), kUtf8Czech + end);
            form.reset();
        }
}

TEST_F(TEncoding, Utf8ThatCp1250CantHoldIsShownDecodedWithPlaceholdersAndNeverWritten) {
    ui.expectErrors = true;
    const std::string emoji = kUtf8Czech + "\r\nsmajl\xC3\xADk \xF0\x9F\x98\x80\r\n";
    const std::string malformed = "\xEF\xBB\xBF" + kUtf8Czech + "\n\n\xC5\xBE\xC5\n";
    const QString view = " Soubor je zobrazen jen pro čtení, se značkou místo každého znaku, který se "
                         "nevejde; z tohoto zobrazení ho uložit nelze.";
    const struct {
        std::string bytes;
        QString message;
        std::vector<std::string> lines;
    } cases[] = {
        {emoji, "Znak „😀“ (U+1F600) na řádku 2 se do kódování CP 1250 nevejde." + view,
         {kCp1250Czech, "smajl\xEDk \x81"}},
        {malformed, "Soubor není platný text v UTF-8: chybný bajt 0xC5 na řádku 3." + view,
         {kCp1250Czech, "", "\x9E\x81"}},
    };
    for (const auto& c : cases) {
        WriteFile("x.txt", c.bytes);
        ui.shown.clear();
        Start({"K=U", Q(Path("x.txt"))});
        EXPECT_EQ(ui.shown, QStringList{"error: " + c.message});
        EXPECT_TRUE(form->Action("readonly")->isChecked());
        EXPECT_EQ(form->PanelText(3), "RO");
        EXPECT_EQ(form->PanelText(2), "UTF-8");
        EXPECT_EQ(Lines(), c.lines);
        // Neither saved nor saved under another name: the placeholders would replace the characters.
        ui.shown.clear();
        form->UlozitClick();
        ui.saveAnswers.push_back(Q(Path("jinam.txt")));
        form->UlozitJakoClick();
        EXPECT_EQ(ui.shown.size(), 3) << ui.shown.join('|').toStdString();
        EXPECT_EQ(ReadFile("x.txt"), c.bytes);
        EXPECT_FALSE(std::filesystem::exists(Path("jinam.txt")));
        // A new document is writable again, in the default code page.
        form->Action("Novy")->trigger();
        EXPECT_FALSE(form->Memo1->ReadOnly());
        EXPECT_EQ(form->PanelText(2), "CP1250");
        // The next file that converts is editable again.
        WriteFile("ok.txt", kUtf8Czech);
        ui.openAnswers.push_back(Q(Path("ok.txt")));
        form->OtevritClick();
        EXPECT_FALSE(form->Action("readonly")->isChecked());
        form.reset();
        // Converting in a batch leaves the file as it was.
        Start({Q(Path("x.txt")), "K=W", "C=Q"});
        EXPECT_EQ(ReadFile("x.txt"), c.bytes);
        form.reset();
    }
}

TEST_F(TEncoding, EveryByteOfEveryCodePageSurvivesLoadAndSave) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') all += char(b);
    all += "\r\n";
    const char* letters[] = {"K", "2", "8", "L", "W"};
    for (const char* k : letters) {
        const QString option = QString("K=") + k;
        WriteFile("all.txt", all);
        Start({option, Q(Path("all.txt")), "C=Q"});
        EXPECT_EQ(ReadFile("all.txt"), all) << k;
        form.reset();
    }
}

// Whatever the recogniser makes of them. (Line ends are one kind per document, so the lines end
// with LF alone.)
TEST_F(TEncoding, RandomBytesNamedTxtSaveBackIdentical) {
    std::mt19937 random(20);
    std::string bytes(20 << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = char(random());
        bytes[i] = i % 80 == 79 ? '\n' : c == '\r' || c == '\n' ? 'x' : c;
    }
    WriteFile("random.txt", bytes);
    Start({Q(Path("random.txt")), "C=Q"});
    EXPECT_TRUE(ReadFile("random.txt") == bytes);  // not EXPECT_EQ: 20 MB in a message
}

TEST_F(TEncoding, RecognisedCodePageShowsAndSavesTheFileBackUnchanged) {
    // Kamenický: "Příliš žluťoučký kůň" and more.
    std::string kam = kCp1250Czech + " \xFA\xE8\xE1 \xE9\xEC\xED\r\n";
    for (int i = 0; i < 4; ++i) kam += kam;
    Encode(cpKamenicky, kam);
    WriteFile("dopis.txt", kam);
    Start({Q(Path("dopis.txt"))});
    EXPECT_EQ(form->PanelText(2), "Kamenických");
    EXPECT_TRUE(form->Action("Kamenicti1")->isChecked());
    EXPECT_EQ(Lines().front().substr(0, kCp1250Czech.size()), kCp1250Czech);
    form->UlozitClick();
    EXPECT_EQ(ReadFile("dopis.txt"), kam);
    form.reset();

    // Converted in one command; an ASCII file leaves the code page as it is.
    Start({Q(Path("dopis.txt")), "K=W", "C=Q"});
    std::string cp1250 = kam;
    Decode(cpKamenicky, cp1250);
    EXPECT_EQ(ReadFile("dopis.txt"), cp1250);
    form.reset();
    WriteFile("plain.txt", "plain\n");
    Start({"K=L", Q(Path("plain.txt"))});
    EXPECT_EQ(form->PanelText(2), "PC Latin 2");
    form.reset();

    // An explicit K= before the file, or a name that tells, wins over the content.
    WriteFile("u.txt", kUtf8Czech);
    Start({"K=W", Q(Path("u.txt"))});
    EXPECT_EQ(form->PanelText(2), "CP1250");
    form.reset();
    WriteFile("u.kam", kUtf8Czech);
    Start({Q(Path("u.kam"))});
    EXPECT_EQ(form->PanelText(2), "Kamenických");
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
