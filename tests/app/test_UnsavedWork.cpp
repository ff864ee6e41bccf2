// Typing that was never saved comes back after a crash: offered at the next start, restored into
// the window as it was (or as a new document when its file changed meanwhile), discarded only
// when asked twice, or kept for later.
#include "FormFixture.h"

#include "UnsavedJournals.h"
#include "UnsavedWorkText.h"

#include <QAction>
#include <QDateTime>
#include <QLocale>

namespace fs = std::filesystem;

namespace {

class UnsavedWork : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        SetUnsavedJournalDirectory(Path("state/unsaved"));
    }
    void TearDown() override {
        SetUnsavedJournalDirectory("");
        FormTest::TearDown();
    }
    // Types into the document, then the program ends without closing, as a crash ends it.
    void TypeAndCrash(const QString& text) {
        ShowFocused();
        TypeKeys(form->Memo1, text);
        QApplication::processEvents();
        form.reset();
    }
    size_t Journals() const {
        return fs::exists(Path("state/unsaved"))
                   ? size_t(std::distance(fs::directory_iterator(Path("state/unsaved")), {}))
                   : 0;
    }
};

}  // namespace

TEST_F(UnsavedWork, TypingIsRestoredIntoItsDocumentAfterACrash) {
    WriteFile("dopis.txt", "První řádka\r\nDruhá\r\n");
    Start({QString::fromStdString(Path("dopis.txt"))});
    form->Action("readonly")->setChecked(false);
    TypeAndCrash(QString::fromUtf8("Čau "));
    ASSERT_EQ(Journals(), 1u);

    Start();
    ui.unsavedWorkAnswers.push_back({TUnsavedWorkAnswer::Restore, 0});
    form->OfferUnsavedWork();
    ASSERT_EQ(ui.lastUnsavedWork.size(), 1u);
    EXPECT_EQ(ui.lastUnsavedWork[0].document.toStdString(), Path("dopis.txt"));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\xC8"
                                                 "au Prvn\xED \xF8\xE1"
                                                 "dka",
                                                 "Druh\xE1"}));
    EXPECT_EQ(form->FileName().toStdString(), Path("dopis.txt"));
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_FALSE(form->Memo1->CanUndo());                          // undo starts from the recovered text
    EXPECT_EQ(ReadFile("dopis.txt"), "První řádka\r\nDruhá\r\n");  // not saved
    // Saving ends the journal; the file keeps its line ends.
    form->UlozitClick();
    EXPECT_EQ(ReadFile("dopis.txt"), "Čau První řádka\r\nDruhá\r\n");
    EXPECT_EQ(Journals(), 0u);
}

TEST_F(UnsavedWork, AFileChangedSinceOpensTheRecoveredTextAsANewDocument) {
    WriteFile("dopis.txt", "původní\n");
    Start({QString::fromStdString(Path("dopis.txt"))});
    TypeAndCrash("x");
    WriteFile("dopis.txt", "a meanwhile another program wrote this\n");

    Start();
    ui.unsavedWorkAnswers.push_back({TUnsavedWorkAnswer::Restore, 0});
    form->OfferUnsavedWork();
    EXPECT_EQ(Lines(), std::vector<std::string>{"xp\xF9vodn\xED"});
    EXPECT_EQ(form->FileName(), TForm1::kUntitled);
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_TRUE(ui.shown.back().startsWith("information: Soubor " + QString::fromStdString(Path("dopis.txt")) +
                                           QString::fromUtf8(" se od neuložených změn změnil")));
    EXPECT_EQ(ReadFile("dopis.txt"), "a meanwhile another program wrote this\n");
}

TEST_F(UnsavedWork, DiscardingAsksTwiceAndLaterKeepsTheJournal) {
    Start();
    TypeAndCrash("nepojmenovany");
    Start();
    ui.unsavedWorkAnswers.push_back({TUnsavedWorkAnswer::Later, 0});
    form->OfferUnsavedWork();
    EXPECT_EQ(ui.lastUnsavedWork.at(0).document, QString::fromUtf8("dokument bez jména"));
    EXPECT_EQ(Journals(), 1u);
    // "Zahodit", then "Nechat" to the second question: offered again, then "Zahodit" twice.
    ui.unsavedWorkAnswers.push_back({TUnsavedWorkAnswer::Discard, 0});
    ui.questionAnswers.push_back(1);
    ui.unsavedWorkAnswers.push_back({TUnsavedWorkAnswer::Discard, 0});
    ui.questionAnswers.push_back(0);
    form->OfferUnsavedWork();
    EXPECT_EQ(Journals(), 0u);
    EXPECT_TRUE(Lines().empty() || Lines() == std::vector<std::string>{""});
    // Closing a document without saving leaves nothing to recover.
    ShowFocused();
    TypeKeys(form->Memo1, "zahozeno");
    QApplication::processEvents();
    ui.savePromptAnswers.push_back(TModalResult::No);
    EXPECT_TRUE(Close());
    EXPECT_EQ(Journals(), 0u);
}

TEST_F(UnsavedWork, OpeningAFileWithUnsavedWorkOffersItForThatFile) {
    WriteFile("a.txt", "a\n");
    WriteFile("b.txt", "b\n");
    Start({QString::fromStdString(Path("a.txt"))});
    TypeAndCrash("x");
    Start({QString::fromStdString(Path("b.txt"))});
    TypeAndCrash("y");
    Start();
    ui.openAnswers.push_back(QString::fromStdString(Path("b.txt")));
    ui.unsavedWorkAnswers.push_back({TUnsavedWorkAnswer::Restore, 0});
    form->OtevritClick();
    ASSERT_EQ(ui.lastUnsavedWork.size(), 1u);  // only that file's
    EXPECT_EQ(ui.lastUnsavedWork[0].document.toStdString(), Path("b.txt"));
    EXPECT_EQ(Lines(), std::vector<std::string>{"yb"});
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(Journals(), 2u);  // a.txt's waits; b.txt's goes on with the document
}

// The offer's times and sizes are formed without Qt, for a run without a display too; they read
// as Qt's Czech locale writes them.
TEST(UnsavedWorkText, TimesAndSizesReadAsQtsCzech) {
    const QLocale czech(QLocale::Czech);
    for (const int64_t ms : {int64_t(0), int64_t(1765005500123), int64_t(1765375500999), int64_t(4102444799000)})
        EXPECT_EQ(QString::fromStdString(CzechShortDateTime(ms)),
                  czech.toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat))
            << ms;
    for (const uint64_t bytes : {0ull, 999ull, 1000ull, 1023ull, 1024ull, 1075ull, 1048575ull, 1048576ull * 1023 + 1,
                                 123456789ull, 5000000000ull, 1ull << 62})
        EXPECT_EQ(QString::fromStdString(CzechDataSize(bytes)),
                  czech.formattedDataSize(qint64(bytes), 1, QLocale::DataSizeTraditionalFormat))
            << bytes;
}
