// Help windows, a second window, the associated application, the associations dialog and the
// about box, from the main window.
#include "FormFixture.h"

#include "AssociationDialog.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <filesystem>

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class TDesktop : public FormTest {
protected:
    QString Program() const { return TForm1::ProgramPath(); }
    QString Started(const QString& args) const { return "start: " + Program() + " " + args; }
    void Key(QKeySequence key) { QTest::keySequence(form->Memo1, key); }
    QString Q(const std::string& s) const { return QString::fromStdString(s); }
};

}  // namespace

TEST_F(TDesktop, HelpCommandsStartTheEditorOnTheirTextsInHelpMode) {
    for (const char* f : {"HELP.TXT", "BED_FAQ.TXT", "BED_VER.TXT", "OPROG.TXT"}) WriteFile(f, "x\n");
    Start();
    ShowFocused();
    Key(Qt::Key_F1);
    form->Action("FAQ")->trigger();
    form->Action("Historieverzeditoru1")->trigger();
    form->Action("oprog")->trigger();
    EXPECT_EQ(ui.shown, QStringList({Started(Q(Path("HELP.TXT")) + " ^=1 S=490 V=500 C=R"),
                                     Started(Q(Path("BED_FAQ.TXT")) + " ^=1 S=525 V=500 C=R"),
                                     Started(Q(Path("BED_VER.TXT")) + " ^=1 S=490 V=500 C=R"),
                                     Started(Q(Path("OPROG.TXT")) + " ^=1 S=470 V=500 C=R")}));
    // The tool button runs the same command.
    ui.shown.clear();
    QTest::mouseClick(form->findChild<QWidget*>("SpeedButton12"), Qt::LeftButton);
    EXPECT_EQ(ui.shown, QStringList({Started(Q(Path("HELP.TXT")) + " ^=1 S=490 V=500 C=R")}));
}

TEST_F(TDesktop, AMissingHelpTextIsReportedInsteadOfOpeningAnOrdinaryWindow) {
    ui.expectErrors = true;
    Start();
    form->Action("FAQ")->trigger();
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].startsWith(QString::fromUtf8("error: Soubor nápovědy BED_FAQ.TXT nebyl nalezen")));
    EXPECT_TRUE(ui.shown[0].contains(Q(Path("BED_FAQ.TXT"))));
}

TEST_F(TDesktop, InstalledHelpTextsAreFoundAndRecognised) {
    // <prefix>/bin/bed with its texts in <prefix>/share/bed.
    std::filesystem::create_directories(dir / "bin");
    std::filesystem::create_directories(dir / "share/bed");
    WriteFile("share/bed/BED_VER.TXT", "verze\n");
    const std::string bin = Dir() + "bin/";
    form = std::make_unique<TForm1>(ui, bin, QStringList());
    form->Action("Historieverzeditoru1")->trigger();
    const QString help = Q(Path("share/bed/BED_VER.TXT"));
    EXPECT_EQ(ui.shown, QStringList({Started(help + " ^=1 S=490 V=500 C=R")}));

    form->quitWithoutSaving = true;
    form = std::make_unique<TForm1>(ui, bin, QStringList({help, "^=1", "S=490", "V=500", "C=R"}));
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Historie verzí Brousek Editoru"));
    EXPECT_EQ(form->ApplicationTitle(), QString::fromUtf8("Historie verzí BEDu"));
}

TEST_F(TDesktop, TheHelpWindowIsReadOnlyAndLeavesTheSettingsAlone) {
    WriteFile("HELP.TXT",
              "N\xE1pov\xEC"
              "da\n");
    Start({Q(Path("HELP.TXT")), "^=1", "S=490", "V=500", "C=R"});
    ShowFocused();
    EXPECT_TRUE(form->helpMode);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Nápověda k Brousek Editoru"));
    EXPECT_EQ(form->ApplicationTitle(), QString::fromUtf8("nápověda BEDu"));
    EXPECT_EQ(form->size(), QSize(490, 500));
    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_TRUE(form->Memo1->ReadOnly());
    EXPECT_TRUE(form->Action("readonly")->isChecked());
    EXPECT_EQ(form->PanelText(3), "RO");

    QTest::keyClicks(form->Memo1, "abc");
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    EXPECT_EQ(Lines(), std::vector<std::string>({"N\xE1pov\xEC"
                                                 "da"}));
    EXPECT_FALSE(form->Document().Modified());

    // F1 does nothing here; asking the Nápověda menu for help gets the joke.
    Key(Qt::Key_F1);
    EXPECT_TRUE(ui.shown.isEmpty());
    QMetaObject::invokeMethod(form->findChild<QMenu*>("Napoveda1"), "aboutToShow");
    EXPECT_EQ(ui.shown, QStringList({"he?"}));

    form->quitWithoutSaving = false;
    ASSERT_TRUE(Close());
    EXPECT_FALSE(std::filesystem::exists(dir / "bed.ini"));
}

TEST_F(TDesktop, OtherHelpWindowsStillOpenTheContents) {
    for (const char* f : {"HELP.TXT", "BED_FAQ.TXT"}) WriteFile(f, "x\n");
    Start({Q(Path("BED_FAQ.TXT")), "^=1", "S=525", "V=500", "C=R"});
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Často pokládané otázky o Brousek editoru"));
    QMetaObject::invokeMethod(form->findChild<QMenu*>("Napoveda1"), "aboutToShow");
    form->Action("Obsah")->trigger();
    EXPECT_EQ(ui.shown, QStringList({Started(Q(Path("HELP.TXT")) + " ^=1 S=490 V=500 C=R")}));
}

TEST_F(TDesktop, ReadOnlyTogglesFromTheCommandLineAndTheMenu) {
    Start({"C=R", "C=R"});
    EXPECT_FALSE(form->Memo1->ReadOnly());
    EXPECT_EQ(form->PanelText(3), "RW");
    ShowFocused();
    Key(Qt::CTRL | Qt::ALT | Qt::Key_R);
    EXPECT_TRUE(form->Memo1->ReadOnly());
    EXPECT_EQ(form->PanelText(3), "RO");
}

TEST_F(TDesktop, AnotherWindowAndTheAboutBox) {
    Start();
    ShowFocused();
    Key(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    form->Action("Oaplikaci")->trigger();
    QMetaObject::invokeMethod(form->findChild<QMenu*>("Napoveda1"), "aboutToShow");  // no joke here
    EXPECT_EQ(ui.shown, QStringList({"start: " + Program() + " ", "about"}));
}

TEST_F(TDesktop, TheAssociatedApplicationGetsOnlyASavedFile) {
    Start();
    ShowFocused();
    Key(Qt::ALT | Qt::Key_A);  // untitled and unchanged: nothing to hand over
    EXPECT_TRUE(ui.shown.isEmpty());

    QTest::keyClicks(form->Memo1, "abc");
    ui.saveAnswers.push_back(std::nullopt);  // the save dialog of the untitled document, cancelled
    Key(Qt::ALT | Qt::Key_A);
    EXPECT_EQ(ui.shown, QStringList({QString::fromUtf8("save: Uložit soubor")}));

    ui.shown.clear();
    ui.saveAnswers.push_back(Q(Path("dopis.txt")));
    Key(Qt::ALT | Qt::Key_A);
    EXPECT_EQ(ReadFile("dopis.txt"), "abc\r\n");
    EXPECT_EQ(ui.shown, QStringList({QString::fromUtf8("save: Uložit soubor"), "shellOpen: " + Q(Path("dopis.txt"))}));
}

TEST_F(TDesktop, OptionCHOpensTheFileAsAnAbsolutePath) {
    WriteFile("a.html", "<p>\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    Start({"a.html", "C=H"});
    std::filesystem::current_path(previous);
    EXPECT_EQ(ui.shown, QStringList({"shellOpen: " + Q(Path("a.html"))}));
}

TEST_F(TDesktop, AsociujShowsTheDialogWithoutBlocking) {
    Start();
    ShowFocused();
    form->Action("Asociuj1")->trigger();
    auto* dialog = form->findChild<TForm7*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    form->Action("Asociuj1")->trigger();  // shown again, not a second one
    EXPECT_EQ(form->findChildren<TForm7*>().size(), 1);
}
