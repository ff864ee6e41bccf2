// The recent files of the Soubor menu and the previous/next history, across restarts, code
// pages and line-end modes.
#include "FormFixture.h"

#include "CodePages.h"

#include <QAction>

namespace {

class TFileHistoryForm : public FormTest {
protected:
    void Open(const std::string& name) {
        ui.openAnswers.push_back(QString::fromStdString(Path(name)));
        form->OtevritClick();
    }
    void Back() { QTest::keyClick(form->Memo1, Qt::Key_Left, Qt::AltModifier); }
    void Forward() { QTest::keyClick(form->Memo1, Qt::Key_Right, Qt::AltModifier); }
    // koi.txt read in KOI8-ČS with DOS line ends, then win.txt in CP 1250 with UNIX ones.
    void OpenKoiThenWin() {
        WriteFile("koi.txt", Zlut(cpKOI8CS) + "\r\n");
        WriteFile("win.txt", Zlut(cpCP1250) + "\n");
        Start();
        form->SelectCodePage(cpKOI8CS);
        Open("koi.txt");
        form->SelectCodePage(cpCP1250);
        Open("win.txt");
    }
    // "žluť" in the code page's bytes.
    static std::string Zlut(int codePage) {
        std::string s = "\x9Elu\x9D";
        Encode(codePage, s);
        return s;
    }
};

}  // namespace

TEST_F(TFileHistoryForm, StepsReadEachFileInItsOwnCodePageAndLineEnds) {
    OpenKoiThenWin();
    EXPECT_EQ(form->PanelText(4), "UNIX");
    ShowFocused();
    Back();
    EXPECT_EQ(form->FileName(), QString::fromStdString(Path("koi.txt")));
    EXPECT_EQ(Lines(), std::vector<std::string>{"\x9Elu\x9D"});
    EXPECT_EQ(form->Document().CodePage(), cpKOI8CS);
    EXPECT_EQ(form->PanelText(2), "KOI8 ČS");
    EXPECT_EQ(form->PanelText(4), "DOS");
    EXPECT_FALSE(form->Action("PredchoziSoubor")->isEnabled());
    Forward();
    EXPECT_EQ(form->Document().CodePage(), cpCP1250);
    EXPECT_EQ(form->PanelText(4), "UNIX");
    EXPECT_EQ(Lines(), std::vector<std::string>{"\x9Elu\x9D"});
}

TEST_F(TFileHistoryForm, AFailedStepKeepsTheDocumentsEncodingAndLineEnds) {
    OpenKoiThenWin();
    std::filesystem::remove(dir / "koi.txt");
    ui.expectErrors = true;
    ShowFocused();
    Back();
    EXPECT_TRUE(ui.shown.last().startsWith("error: "));
    EXPECT_EQ(form->FileName(), QString::fromStdString(Path("win.txt")));
    EXPECT_EQ(form->Document().CodePage(), cpCP1250);
    EXPECT_EQ(form->PanelText(2), "CP1250");
    EXPECT_TRUE(form->Document().UnixLineEnds());
    EXPECT_EQ(form->PanelText(4), "UNIX");
    EXPECT_TRUE(form->Action("PredchoziSoubor")->isEnabled());
    form->UlozitClick();  // writes the document as it was read
    EXPECT_EQ(ReadFile("win.txt"), Zlut(cpCP1250) + "\n");
}

TEST_F(TFileHistoryForm, ARecentFileAsksAboutUnsavedWork) {
    WriteFile("a.txt", "alpha\n");
    WriteFile("b.txt", "beta\n");
    Start();
    Open("a.txt");
    Open("b.txt");  // record 1 b, record 2 a
    form->Memo1->Lines().Put(0, "changed");
    form->Document().SetModified(true);
    ui.savePromptAnswers.push_back(TModalResult::Cancel);
    form->Action("SM2")->trigger();
    EXPECT_EQ(form->FileName(), QString::fromStdString(Path("b.txt")));
    EXPECT_EQ(Lines(), std::vector<std::string>{"changed"});
    ui.savePromptAnswers.push_back(TModalResult::Yes);
    form->Action("SM2")->trigger();
    EXPECT_EQ(ReadFile("b.txt"), "changed\n");
    EXPECT_EQ(Lines(), std::vector<std::string>{"alpha"});
    EXPECT_EQ(ui.shown.count("savePrompt"), 2);
}

TEST_F(TFileHistoryForm, RecentFilesKeepTheirCaretAcrossARestartAndTheirWholeNames) {
    const std::string deep = std::string(120, 'd') + "/" + std::string(120, 'e');
    std::filesystem::create_directories(dir / deep);
    const std::string longName = deep + "/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.txt";
    WriteFile(longName, "line one\nline two\nline three\n");
    WriteFile("other.txt", "x\n");
    Start();
    Open(longName);
    form->Memo1->SetCaretXY({6, 3});
    Open("other.txt");  // leaving the file stores its caret
    ASSERT_TRUE(Close());
    ui.shown.clear();

    Start();
    EXPECT_EQ(form->Action("SM2")->text(), QString::fromUtf8(Path(longName).c_str()));
    form->Action("SM2")->trigger();
    EXPECT_EQ(form->FileName().toStdString(), Path(longName));
    EXPECT_EQ(Lines().size(), 3u);
    EXPECT_EQ(form->Memo1->CaretXY(), (TBedPoint{6, 3}));
    // Record order stays: reopening does not move the file to the top.
    EXPECT_EQ(form->Action("SM1")->text().toStdString(), Path("other.txt"));
}
