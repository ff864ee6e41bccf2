// Without a display every question is one line on stderr and takes the answer that loses nothing.
#include "CodePages.h"
#include "HeadlessPrompts.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class HeadlessPrompts : public ::testing::Test {
protected:
    std::FILE* out = std::tmpfile();
    TBedHeadlessPrompts prompts{out};

    ~HeadlessPrompts() override { std::fclose(out); }

    std::string Output() const {
        std::rewind(out);
        std::string bytes;
        char buffer[512];
        while (const size_t n = std::fread(buffer, 1, sizeof buffer, out)) bytes.append(buffer, n);
        return bytes;
    }
};

}  // namespace

TEST_F(HeadlessPrompts, QuestionsAreCancelledWithALineEach) {
    EXPECT_EQ(prompts.AskT602(), t602Ask);
    prompts.SaveDialog(cpCP1250);
    prompts.UnsavedWork({{"dokument bez jména", "10.12.26 8:05", "12 bajty", "/s/j1"}});
    prompts.Information("Po přerušeném ukládání:\nSoubor a.txt: vrácen");
    EXPECT_FALSE(prompts.ErrorShown());  // nothing above is a failure of the run
    EXPECT_EQ(Output(),
              "bed: Soubor je v T602: Hmm... vypadá to, že tento soubor je napsán v T602. Jak ho chcete "
              "otevřít? (odpověď: zavřeno, soubor se otevře tak, jak je na disku)\n"
              "bed: Uložit soubor: bez obrazovky nelze zvolit jméno souboru (odpověď: Zrušit)\n"
              "bed: Neuložená práce: dokument bez jména (naposledy změněn 10.12.26 8:05, změny 12 bajty) "
              "čeká v /s/j1; obnovit ho lze po spuštění s obrazovkou\n"
              "bed: Information: Po přerušeném ukládání: Soubor a.txt: vrácen\n");
}

TEST_F(HeadlessPrompts, QuestionsThatGuardAWriteFailTheRun) {
    EXPECT_EQ(prompts.ChangedOnDisk("a.txt"), TDiskChangeAnswer::Cancel);
    EXPECT_TRUE(prompts.ErrorShown());
    EXPECT_EQ(prompts.Choose("Uložit", "Ztratí se znaky.", {"Uložit", "Zrušit"}), 1);
    EXPECT_EQ(Output(),
              "bed: Chyba: Soubor se změnil na disku: Soubor a.txt mezitím změnil jiný program.  Přepsat – "
              "uložit tento text, změny na disku se ztratí. Načíst znovu – otevřít soubor z disku, "
              "neuložené změny se zahodí. Zrušit – nic neukládat. (odpověď: Zrušit)\n"
              "bed: Chyba: Uložit: Ztratí se znaky. (odpověď: Zrušit)\n");
}

TEST_F(HeadlessPrompts, BytesOfANameThatAreNotUtf8StandInForThemselves) {
    prompts.Error("Soubor dopis-\xE8\xED.kam nelze otevřít.\r\n");
    prompts.Failure("R=\xE8");
    EXPECT_EQ(Output(),
              "bed: Chyba: Soubor dopis-??.kam nelze otevřít.  \n"
              "bed: Chyba: R=\uFFFD\n");
}
