// Start-up, settings and closing of the main window.
#include "FormFixture.h"

#include <QScreen>

#include "IniFile.h"

#include <QAction>

using TStartup = FormTest;

TEST_F(TStartup, WithoutSettingsTheWindowTakesItsDefaults) {
    Start();
    EXPECT_EQ(form->pos(), QPoint(20, 20));
    EXPECT_EQ(form->size(), QSize(518, 516));
    EXPECT_EQ(form->PanelText(2), "CP1250");
    EXPECT_EQ(form->PanelText(3), "RW");
    EXPECT_EQ(form->PanelText(4), "DOS");
    EXPECT_EQ(form->PanelText(0), "");
    EXPECT_EQ(form->PanelText(6), "LÁM");
    EXPECT_TRUE(form->Action("autokod")->isChecked());
    EXPECT_TRUE(form->Action("CP1250W")->isChecked());
    EXPECT_FALSE(form->Action("PomListaL")->isChecked());
    EXPECT_TRUE(form->Settings().escKonci);
    EXPECT_EQ(form->Settings().hraniceZlomu, 80);
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_EQ(form->windowTitle(), "Brousek editor v10.4 ");
    EXPECT_EQ(form->FileName(), "UNTITLED.TXT");
    EXPECT_FALSE(form->Action("OddCara")->isVisible());
    EXPECT_FALSE(form->Action("PredchoziSoubor")->isEnabled());
}

TEST_F(TStartup, SettingsAreAppliedAndWrittenBackOnClose) {
    WriteFile("bed.ini",
              "[bed]\nvyska=400\nsirka=0x258\nx=5\ny=abc\npanelV=0\nimplicitniKodovani=0\n"
              "escKonci=0\nautoZalam=0\nhraniceZlomu=72\npomListaL=1\nPodlePripony=0\n"
              "[soubor1]\njmeno=/tmp/recent.txt\nx=3\ny=9\n");
    Start();
    EXPECT_EQ(form->size(), QSize(600, 400));
    EXPECT_EQ(form->pos(), QPoint(5, 20));
    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_EQ(form->PanelText(2), "Kamenických");
    EXPECT_TRUE(form->Action("Kamenicti1")->isChecked());
    EXPECT_FALSE(form->Settings().escKonci);
    EXPECT_EQ(form->PanelText(6), "");
    EXPECT_EQ(form->Settings().hraniceZlomu, 72);
    EXPECT_TRUE(form->Action("PomListaL")->isChecked());
    EXPECT_FALSE(form->Action("PodlePripony")->isChecked());
    EXPECT_TRUE(form->Action("OddCara")->isVisible());
    EXPECT_EQ(form->Action("SM1")->text(), "/tmp/recent.txt");
    EXPECT_TRUE(form->Action("SM1")->isVisible());
    EXPECT_FALSE(form->Action("SM2")->isVisible());

    form->resize(610, 410);
    ASSERT_TRUE(Close());
    const TIniFile ini(Path("bed.ini"));
    EXPECT_EQ(ini.ReadInteger("bed", "sirka", 0), 610);
    EXPECT_EQ(ini.ReadInteger("bed", "implicitniKodovani", 9), 0);
    EXPECT_EQ(ini.ReadInteger("bed", "hraniceZlomu", 0), 72);
    EXPECT_FALSE(ini.ReadBool("bed", "panelV", true));
    EXPECT_FALSE(ini.ReadBool("bed", "podlePripony", true));
    EXPECT_EQ(ini.ReadString("soubor1", "jmeno", ""), "/tmp/recent.txt");
    EXPECT_EQ(ini.ReadInteger("soubor1", "y", 0), 9);
}

// Kept on a larger screen or at another scale: the window comes back whole on this one.
TEST_F(TStartup, ARestoredWindowFitsTheScreen) {
    WriteFile("bed.ini", "[bed]\nvyska=5000\nsirka=6000\nx=7000\ny=-300\n");
    Start();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(QRect(form->pos(), form->size()))) << form->x() << "," << form->y();
    EXPECT_GT(form->width(), area.width() * 9 / 10);
}

TEST_F(TStartup, BedpathNamesTheSettingsDirectory) {
    std::filesystem::create_directory(dir / "cfg");
    WriteFile("bedpath.ini", "[bed]\ncesta=" + Path("cfg") + "\n");
    WriteFile("cfg/bed.ini", "[bed]\nhraniceZlomu=60\n");
    Start();
    EXPECT_EQ(form->Settings().hraniceZlomu, 60);
    ASSERT_TRUE(Close());
    EXPECT_TRUE(std::filesystem::exists(dir / "cfg" / "bed.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bed.ini"));
}

TEST_F(TStartup, AnUnwritableSettingsDirectoryDoesNotKeepTheWindowOpen) {
    WriteFile("bedpath.ini", "[bed]\ncesta=" + Path("missing/deeper") + "\n");
    Start();
    EXPECT_TRUE(Close());
}

TEST_F(TStartup, HelpModeNeverWritesSettings) {
    WriteFile("HELP.TXT", "Nápověda\r\n");
    Start({QString::fromStdString(Path("HELP.TXT")), "^=1"});
    EXPECT_TRUE(form->helpMode);
    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_EQ(form->windowTitle(), "Nápověda k Brousek Editoru");
    EXPECT_EQ(form->ApplicationTitle(), "nápověda BEDu");
    ASSERT_TRUE(Close());
    EXPECT_FALSE(std::filesystem::exists(dir / "bed.ini"));
}

TEST_F(TStartup, OptionsDialogChangesTheSettingsOnOkOnly) {
    Start();
    ui.optionsAnswers.push_back(std::nullopt);
    form->Volby1Click();
    EXPECT_TRUE(form->Settings().escKonci);
    TOptionsValues v;
    v.defaultCodePage = 2;
    v.escQuits = false;
    v.autoCodePage = false;
    v.gutterVisible = true;
    v.wrapWhileTyping = false;
    v.toolPanelVisible = false;
    ui.optionsAnswers.push_back(v);
    form->Volby1Click();
    EXPECT_FALSE(form->Settings().escKonci);
    EXPECT_EQ(form->Settings().implicitniKodovani, 2);
    EXPECT_EQ(form->Document().CodePage(), 4);  // takes effect at the next start
    EXPECT_FALSE(form->Action("autokod")->isChecked());
    EXPECT_TRUE(form->Action("PomListaL")->isChecked());
    EXPECT_EQ(form->PanelText(6), "");
    EXPECT_TRUE(form->Panel1->isHidden());
}

TEST_F(TStartup, EscQuitsOnlyWhenSet) {
    Start();
    form->show();
    form->Settings().escKonci = false;
    form->Konec1Click();
    EXPECT_TRUE(form->isVisible());
    form->Settings().escKonci = true;
    form->Konec1Click();
    EXPECT_FALSE(form->isVisible());
}
