// The recent files of the Soubor menu across restarts (stepping through the history:
// tests/appcore/test_Document.cpp).
#include "FormFixture.h"

#include <QAction>

namespace {

class TFileHistoryForm : public FormTest {
protected:
    void Open(const std::string& name) {
        ui.openAnswers.push_back(QString::fromStdString(Path(name)));
        form->OtevritClick();
    }
};

}  // namespace

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
