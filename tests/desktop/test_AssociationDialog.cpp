#include "AssociationDialog.h"
#include "Associations.h"
#include "DesktopEntry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// The dialog with the user's folders in a private directory.
class AssociationDialogTest : public ::testing::Test {
protected:
    fs::path root;
    QStringList errors;
    std::unique_ptr<TForm7> form;

    void SetUp() override {
        char tmpl[] = "/tmp/beddialogXXXXXX";
        root = mkdtemp(tmpl);
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DESKTOP_DIR", (root / "Plocha").c_str(), 1);
        form =
            std::make_unique<TForm7>(nullptr, "/opt/bed/bed", "/opt/bed/", [this](const QString& m) { errors << m; });
        form->show();
    }
    void TearDown() override {
        form.reset();
        for (const char* v : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DESKTOP_DIR"}) unsetenv(v);
        fs::remove_all(root);
    }
    QCheckBox* Box(const char* name) const { return form->findChild<QCheckBox*>(name); }
    void ClickOk() const { QTest::mouseClick(form->findChild<QPushButton*>("OK"), Qt::LeftButton); }
    std::string Read(const fs::path& p) const {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
};

}  // namespace

TEST_F(AssociationDialogTest, HasEveryControlUncheckedAndIsNotModal) {
    EXPECT_EQ(form->windowTitle(), "Asociuj");
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Asociuj Brousek editor s příponami:"));
    const struct {
        const char* name;
        const char* caption;
    } kBoxes[] = {{"txt", ".txt"},
                  {"nfo", ".nfo"},
                  {"me", ".me"},
                  {"asm1", ".asm"},
                  {"diz", ".diz"},
                  {"il2", ".il2"},
                  {"asc", ".asc"},
                  {"log", ".log"},
                  {"vlastni", "Asociuj Brousek Editor s vlastní příponou:"},
                  {"zmenSendto", "Přidej položku do menu \"Odeslat\""},
                  {"nastart", "Přidej položku do menu Start"},
                  {"naplochu", "Přidej zástupce na Plochu"}};
    for (const auto& b : kBoxes) {
        ASSERT_NE(Box(b.name), nullptr) << b.name;
        EXPECT_EQ(Box(b.name)->text(), QString::fromUtf8(b.caption));
        EXPECT_FALSE(Box(b.name)->isChecked()) << b.name;
    }
    EXPECT_TRUE(form->findChild<QLineEdit*>("vlprip")->text().isEmpty());
    EXPECT_TRUE(form->findChild<QPushButton*>("OK")->isDefault());
    EXPECT_EQ(form->findChild<QPushButton*>("Zrusit")->text(), QString::fromUtf8("Zrušit"));
    EXPECT_TRUE(form->findChild<QLabel*>("Poznamka")->text().contains("všechny soubory s čistým textem"));

    // OK with nothing ticked only closes the dialog.
    ClickOk();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(fs::is_empty(root));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(AssociationDialogTest, OkWritesTheAssociationsWithTheSystemsMimeTypes) {
    Box("txt")->setChecked(true);
    Box("nfo")->setChecked(true);
    Box("vlastni")->setChecked(true);
    form->vlprip->setText("kniha");
    Box("naplochu")->setChecked(true);
    ClickOk();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_FALSE(form->isVisible());

    const std::string list = Read(root / "config/mimeapps.list");
    EXPECT_NE(list.find("text/plain=BrousekEditorFile.desktop;\n"), std::string::npos) << list;
    EXPECT_NE(list.find("text/x-bed-kniha=BrousekEditorFile.desktop;\n"), std::string::npos) << list;
    const std::string nfoType =
        QMimeDatabase().mimeTypeForFile("a.nfo", QMimeDatabase::MatchExtension).name().toStdString();
    EXPECT_NE(list.find(nfoType + "=BrousekEditorFile.desktop;\n"), std::string::npos) << list;
    EXPECT_TRUE(fs::exists(root / "data/applications/BrousekEditorFile.desktop"));
    EXPECT_TRUE(fs::exists(root / "Plocha/Brousek Editor.desktop"));
    // The new type reached the user's MIME database.
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_NE(Read(root / "data/mime/globs2").find("text/x-bed-kniha:*.kniha"), std::string::npos);
        EXPECT_NE(Read(root / "data/mime/subclasses").find("text/x-bed-kniha text/plain"), std::string::npos);
    }
}

TEST_F(AssociationDialogTest, AnUnacceptableOwnExtensionKeepsTheDialogOpen) {
    Box("txt")->setChecked(true);
    Box("vlastni")->setChecked(true);
    Box("nastart")->setChecked(true);
    ClickOk();  // the box is empty
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Zadejte vlastní příponu")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fs::is_empty(root));

    // Typing an extension ticks its box; one with a space is refused, saying why.
    Box("vlastni")->setChecked(false);
    QTest::keyClicks(form->vlprip, "a b");
    EXPECT_TRUE(Box("vlastni")->isChecked());
    ClickOk();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].startsWith(QString::fromUtf8("Vlastní přípona „a b“ není platná: obsahuje mezeru.")));
    EXPECT_TRUE(form->isVisible());

    form->vlprip->setText(".dopis");
    ClickOk();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_FALSE(form->isVisible());
    EXPECT_NE(Read(root / "config/mimeapps.list").find("text/x-bed-dopis="), std::string::npos);
    EXPECT_TRUE(fs::exists(root / "data/applications/Brousek Editor.desktop"));
}

TEST_F(AssociationDialogTest, FailuresAreShownTogether) {
    std::ofstream(root / "config") << "not a folder";
    fs::create_directories(root / "Plocha/Brousek Editor.desktop");
    fs::create_directories(root / "Plocha/Brousek Editor (1).desktop");
    fs::create_directories(root / "Plocha/Brousek Editor (2).desktop");
    Box("log")->setChecked(true);
    Box("naplochu")->setChecked(true);
    ClickOk();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QString::fromStdString((root / "config").string())));
    EXPECT_TRUE(errors[0].endsWith("Could not create shortcut to /opt/bed/bed"));
    EXPECT_FALSE(form->isVisible());
}
