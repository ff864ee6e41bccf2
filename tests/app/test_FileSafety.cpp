// Odd bytes, files that are not documents, and a file another program changes meanwhile: the
// document and the file on disk never lose a byte.
#include "FormFixture.h"

#include "MemoryLimits.h"

#include <QAction>
#include <QLabel>

#include <cstring>

#include <filesystem>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

using TFileSafety = FormTest;

namespace {

// Another program's save: other bytes and a later modification time.
void ChangeOnDisk(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(2));
}

}  // namespace

TEST_F(TFileSafety, AnEditKeepsTheBreaksOfTheOtherLines) {
    WriteFile("mixed.txt", std::string("a\r\nb\nc\0\rd", 9));
    Start({QString::fromStdString(Path("mixed.txt"))});
    EXPECT_FALSE(form->Document().UnixLineEnds());
    ShowFocused();
    form->Memo1->SetCaretXY({1, 2});
    QTest::keyClick(form->Memo1, Qt::Key_X);
    form->UlozitClick();
    EXPECT_EQ(ReadFile("mixed.txt"), std::string("a\r\nxb\nc\0\rd", 10));

    // Lines added after the last one take the document's breaks, and the file ends with one.
    QTest::keyClick(form->Memo1, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    QTest::keyClick(form->Memo1, Qt::Key_E);
    form->UlozitClick();
    EXPECT_EQ(ReadFile("mixed.txt"), std::string("a\r\nxb\nc\0\rd\r\ne\r\n", 15));
}

TEST_F(TFileSafety, TheLineEndToggleWritesEveryLineInTheChosenMode) {
    WriteFile("mixed.txt", "a\nb\r\nc\rd");
    Start({QString::fromStdString(Path("mixed.txt"))});
    EXPECT_TRUE(form->Document().UnixLineEnds());
    form->dos2unixClick();
    form->UlozitClick();
    EXPECT_EQ(ReadFile("mixed.txt"), "a\r\nb\r\nc\r\nd\r\n");
    form->dos2unixClick();
    form->UlozitClick();
    EXPECT_EQ(ReadFile("mixed.txt"), "a\nb\nc\nd\n");
}

TEST_F(TFileSafety, ASaveOverAnotherProgramsChangeAsksFirst) {
    WriteFile("doc.txt", "mine\n");
    Start({QString::fromStdString(Path("doc.txt"))});
    form->Memo1->Lines().Put(0, "edited");
    form->Document().SetModified(true);

    ChangeOnDisk(dir / "doc.txt", "theirs\n");
    ui.diskChangeAnswers.push_back(TDiskChangeAnswer::Cancel);
    form->Action("Ulozit")->trigger();
    EXPECT_EQ(ui.shown.back(), "changedOnDiskPrompt");
    EXPECT_EQ(ReadFile("doc.txt"), "theirs\n");
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(Lines(), std::vector<std::string>{"edited"});

    ui.diskChangeAnswers.push_back(TDiskChangeAnswer::Reload);
    form->Action("Ulozit")->trigger();
    EXPECT_EQ(ReadFile("doc.txt"), "theirs\n");
    EXPECT_EQ(Lines(), std::vector<std::string>{"theirs"});
    EXPECT_FALSE(form->Document().Modified());

    // The reloaded file is the one known now: saving it asks nothing.
    const size_t asked = ui.shown.size();
    form->Memo1->Lines().Put(0, "second");
    form->UlozitClick();
    EXPECT_EQ(ReadFile("doc.txt"), "second\n");
    EXPECT_EQ(ui.shown.size(), asked);

    ChangeOnDisk(dir / "doc.txt", "again theirs\n");
    form->Memo1->Lines().Put(0, "third");
    ui.diskChangeAnswers.push_back(TDiskChangeAnswer::Overwrite);
    form->UlozitClick();
    EXPECT_EQ(ReadFile("doc.txt"), "third\n");
    EXPECT_EQ(ui.shown.size(), asked + 1);

    // A file deleted meanwhile is simply written again.
    fs::remove(dir / "doc.txt");
    form->Memo1->Lines().Put(0, "fourth");
    form->UlozitClick();
    EXPECT_EQ(ReadFile("doc.txt"), "fourth\n");
    EXPECT_EQ(ui.shown.size(), asked + 1);
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
    EXPECT_TRUE(ui.shown[0].startsWith(QString::fromStdString("question: Soubor " + Path("ro.txt") + " nelze zapsat: ")));
    EXPECT_TRUE(ui.shown[0].endsWith(QString::fromUtf8(". Uložit text pod jiným jménem?")));
    EXPECT_EQ(ReadFile("ro.txt"), "abc\r\n");
    EXPECT_EQ(ReadFile("jine.txt"), "xabc\r\n");
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(reason->text(), "");
    EXPECT_EQ(form->PanelText(3), "RW");
}

TEST_F(TFileSafety, WhatIsNotARegularReadableFileIsRefusedAndTheDocumentStays) {
    WriteFile("doc.txt", "kept\n");
    Start({QString::fromStdString(Path("doc.txt"))});
    form->Memo1->Lines().Put(0, "kept, edited");
    form->Document().SetModified(true);

    fs::create_directory(dir / "adresar");
    ::mkfifo(Path("roura").c_str(), 0644);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, Path("soket").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    WriteFile("tajne.txt", "secret\n");
    ::chmod(Path("tajne.txt").c_str(), 0);

    struct Case {
        std::string name;
        const char* reason;
    };
    std::vector<Case> cases = {
        {Path("adresar"), "je to adresář"},
        {Path("roura"), "není to obyčejný soubor, ale roura"},
        {Path("soket"), "není to obyčejný soubor, ale soket"},
        {"/dev/zero", "není to obyčejný soubor, ale zařízení"},
        {Path("zmizel.txt"), "soubor nebo adresář neexistuje"},  // gone between the dialog and the read
    };
    if (::geteuid() != 0) cases.push_back({Path("tajne.txt"), "přístup odepřen"});
    ui.expectErrors = true;
    for (const Case& c : cases) {
        ui.shown.clear();
        ui.savePromptAnswers.push_back(TModalResult::No);
        ui.openAnswers.push_back(QString::fromStdString(c.name));
        form->Action("Otevrit")->trigger();
        ASSERT_FALSE(ui.shown.isEmpty()) << c.name;
        const QString error = ui.shown.back();
        EXPECT_TRUE(error.startsWith("error: Soubor " + QString::fromStdString(c.name) + " nelze přečíst: "))
            << error.toStdString();
        EXPECT_TRUE(error.endsWith(QString::fromUtf8(c.reason))) << error.toStdString();
        EXPECT_EQ(Lines(), std::vector<std::string>{"kept, edited"}) << c.name;
        EXPECT_EQ(form->FileName().toStdString(), Path("doc.txt"));
        EXPECT_TRUE(form->Document().Modified());
    }
    ::close(sock);
    EXPECT_EQ(ReadFile("doc.txt"), "kept\n");
}

TEST_F(TFileSafety, AFileLargerThanTheFreeMemoryIsRefusedBeforeItIsRead) {
    // Sparse: as large as the memory and more, yet taking no room on the disk.
    const std::string big = Path("obri.txt");
    WriteFile("obri.txt", "");
    fs::resize_file(big, uintmax_t(AvailableMemoryBytes()) + (uintmax_t(1) << 30));
    WriteFile("doc.txt", "kept\n");
    Start({QString::fromStdString(Path("doc.txt"))});
    ui.expectErrors = true;
    ui.openAnswers.push_back(QString::fromStdString(big));
    form->Action("Otevrit")->trigger();
    ASSERT_FALSE(ui.shown.isEmpty());
    EXPECT_TRUE(ui.shown.back().contains(QString::fromUtf8("soubor je větší než volná paměť")))
        << ui.shown.back().toStdString();
    EXPECT_EQ(Lines(), std::vector<std::string>{"kept"});
}
