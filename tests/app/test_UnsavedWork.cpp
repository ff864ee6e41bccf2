// Typing that was never saved comes back after a crash: offered at the next start, restored into
// the window as it was (or as a new document when its file changed meanwhile), discarded only
// when asked twice, or kept for later.
#include "FormFixture.h"

#include "UnsavedJournals.h"

#include <QAction>

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
        return fs::exists(Path("state/unsaved")) ? size_t(std::distance(fs::directory_iterator(Path("state/unsaved")), {})) : 0;
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
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\xC8" "au Prvn\xED \xF8\xE1" "dka", "Druh\xE1"}));
    EXPECT_EQ(form->FileName().toStdString(), Path("dopis.txt"));
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_FALSE(form->Memo1->CanUndo());  // undo starts from the recovered text
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
