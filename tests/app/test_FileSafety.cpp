// What the window does with a file another program changed meanwhile and with a file the user
// may not write (the document's own part: tests/appcore/test_Document.cpp).
#include "FormFixture.h"

#include <QAction>
#include <QLabel>

#include <filesystem>

#include <sys/stat.h>

namespace fs = std::filesystem;

using TFileSafety = FormTest;

namespace {

// Another program's save: other bytes and a later modification time.
void ChangeOnDisk(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(2));
}

}  // namespace

TEST_F(TFileSafety, ASaveOverAnotherProgramsChangeAsksFirst) {
    WriteFile("doc.txt", "mine\n");
    Start({QString::fromStdString(Path("doc.txt"))});
    form->Memo1->Lines().Put(0, "edited");
    form->Document().SetModified(true);
    ChangeOnDisk(dir / "doc.txt", "theirs\n");
    ui.diskChangeAnswers.push_back(TDiskChangeAnswer::Reload);
    form->Action("Ulozit")->trigger();
    EXPECT_EQ(ui.shown, QStringList{"changedOnDiskPrompt"});
    EXPECT_EQ(Lines(), std::vector<std::string>{"theirs"});
    EXPECT_EQ(form->PanelText(0), "");
}

TEST_F(TFileSafety, AFileTheUserMayNotWriteOpensReadOnlyAndSavingOffersSaveAs) {
    WriteFile("ro.txt", "abc\r\n");
    ::chmod(Path("ro.txt").c_str(), 0444);
    Start({QString::fromStdString(Path("ro.txt"))});
    EXPECT_EQ(form->PanelText(3), "RO");
    const auto* reason = form->findChild<QLabel*>("readOnlyReason");
    ASSERT_NE(reason, nullptr);
    EXPECT_TRUE(reason->text().startsWith(QString::fromUtf8("Jen pro čtení: soubor "))) << reason->text().toStdString();
    // Made editable by hand and saved: said why not, and saved under another name instead.
    form->Action("readonly")->trigger();
    ShowFocused();
    QTest::keyClick(form->Memo1, Qt::Key_X);
    ui.questionAnswers = {0};
    ui.saveAnswers = {QString::fromStdString(Path("jine.txt"))};
    form->UlozitClick();
    ASSERT_EQ(ui.shown.size(), 2) << ui.shown.join('|').toStdString();
    EXPECT_TRUE(
        ui.shown[0].startsWith(QString::fromStdString("question: Soubor " + Path("ro.txt") + " nelze zapsat: ")));
    EXPECT_TRUE(ui.shown[0].endsWith(QString::fromUtf8(". Uložit text pod jiným jménem?")));
    EXPECT_EQ(ReadFile("ro.txt"), "abc\r\n");
    EXPECT_EQ(ReadFile("jine.txt"), "xabc\r\n");
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(reason->text(), "");
    EXPECT_EQ(form->PanelText(3), "RW");
}
