// Loading, writing, the save prompt and the safe save.
#include "FormFixture.h"

#include <QAction>
#include <QMimeData>
#include <QUrl>

#include <sys/stat.h>

using TDocuments = FormTest;

TEST_F(TDocuments, AnUnchangedDocumentIsWrittenBackByteForByte) {
    const std::string nul("a\0b\nc\0\n", 7);
    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte += char(c);
    const std::vector<std::tuple<std::string, std::string, bool>> cases = {
        {"a\r\nb\r\n", "a\r\nb\r\n", false},
        {"a\nb\n", "a\nb\n", true},
        {"a\r\nb", "a\r\nb", false},  // no break after the last line, none added
        {"a\rb\r", "a\rb\r", true},   // lone CRs end lines; without any LF it reads as UNIX
        {"a\r\nb\nc\rd\n\re", "a\r\nb\nc\rd\n\re", false},  // mixed, kept line by line
        {nul, nul, true},
        {everyByte, everyByte, true},
        {"", "", false},
        {"x\r\n\r\n", "x\r\n\r\n", false},  // an empty last line read from the file stays
    };
    Start();
    for (const auto& [bytes, written, unix] : cases) {
        WriteFile("doc.txt", bytes);
        ui.openAnswers.push_back(QString::fromStdString(Path("doc.txt")));
        form->OtevritClick();
        EXPECT_EQ(form->Document().UnixLineEnds(), unix) << bytes;
        EXPECT_EQ(form->PanelText(4), unix ? "UNIX" : "DOS");
        form->UlozitClick();
        EXPECT_EQ(ReadFile("doc.txt"), written) << bytes;
    }
}

TEST_F(TDocuments, NulBytesDoNotCutTheFileShort) {
    const std::string bytes("first\0line\nsecond\0\nthird", 24);
    WriteFile("nul.txt", bytes);
    Start({QString::fromStdString(Path("nul.txt"))});
    ASSERT_EQ(form->Memo1->Lines().Count(), 3);
    EXPECT_EQ(form->Memo1->Lines().Get(0), std::string("first\0line", 10));
    EXPECT_EQ(form->Memo1->Lines().Get(2), "third");
}

TEST_F(TDocuments, SavePromptAnswers) {
    WriteFile("a.txt", "alpha\n");
    Start({QString::fromStdString(Path("a.txt"))});
    form->Document().SetModified(true);

    ui.savePromptAnswers.push_back(TModalResult::Cancel);
    form->NovyClick();  // "Zrušit" keeps the document and its titles
    EXPECT_EQ(form->Memo1->Lines().Count(), 1);
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_TRUE(form->windowTitle().endsWith("A.TXT"));

    ui.savePromptAnswers.push_back(TModalResult::No);
    form->NovyClick();  // "Ne" discards
    EXPECT_EQ(form->FileName(), "UNTITLED.TXT");
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(ReadFile("a.txt"), "alpha\n");

    form->Memo1->Lines().Add("new text");
    form->Document().SetModified(true);
    ui.savePromptAnswers.push_back(TModalResult::Yes);
    ui.saveAnswers.push_back(QString::fromStdString(Path("saved.txt")));
    form->NovyClick();  // "Ano" saves (in the line ends of the last loaded file), then goes on
    EXPECT_EQ(ReadFile("saved.txt"), "new text\n");
    EXPECT_EQ(form->FileName(), "UNTITLED.TXT");
}

TEST_F(TDocuments, AnoFollowedByACancelledSaveKeepsTheChanges) {
    Start();
    form->Memo1->Lines().Add("precious");
    form->Document().SetModified(true);
    ui.savePromptAnswers.push_back(TModalResult::Yes);
    ui.saveAnswers.push_back(std::nullopt);
    form->NovyClick();
    EXPECT_EQ(form->Memo1->Lines().Get(0), "precious");
    EXPECT_TRUE(form->Document().Modified());

    ui.savePromptAnswers.push_back(TModalResult::Yes);
    ui.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(Close());
}

TEST_F(TDocuments, AFailedSaveLeavesTheFileAndTheModifiedFlag) {
    WriteFile("keep.txt", "original\n");
    Start({QString::fromStdString(Path("keep.txt"))});
    form->Memo1->Lines().Put(0, "changed");
    form->Document().SetModified(true);
    // The new text can't replace a directory: the write fails at its very end.
    std::filesystem::create_directory(dir / "blocked");
    form->Document().SetFileName(Path("blocked"));
    ui.expectErrors = true;
    form->Action("Ulozit")->trigger();
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].startsWith("error: "));
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->PanelText(0), "modifikace");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "blocked"));
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir)) entries += e.path().filename() != "bed.ini";
    EXPECT_EQ(entries, 2);  // keep.txt and blocked: no temporary file left behind
    EXPECT_EQ(ReadFile("keep.txt"), "original\n");
}

TEST_F(TDocuments, SaveKeepsPermissionsAndFollowsSymbolicLinks) {
    WriteFile("real.txt", "x\n");
    chmod(Path("real.txt").c_str(), 0640);
    std::filesystem::create_symlink(dir / "real.txt", dir / "link.txt");
    Start({QString::fromStdString(Path("link.txt"))});
    form->Memo1->Lines().Put(0, "y");
    form->UlozitClick();
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadFile("real.txt"), "y\n");
    struct stat st {};
    stat(Path("real.txt").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(TDocuments, ReloadInAnotherCodePageReinterpretsTheBytes) {
    WriteFile("r.txt", "\x9b\r\n");
    Start();
    ui.expectErrors = true;
    form->ZnovuNacistClick();
    EXPECT_EQ(ui.shown.value(0), "error: Není CO znovu načíst!");
    ui.openAnswers.push_back(QString::fromStdString(Path("r.txt")));
    form->OtevritClick();
    EXPECT_EQ(form->Memo1->Lines().Get(0), "\x9b");
    form->Action("Kamenicti1")->trigger();
    // Unsaved changes are not dropped unasked.
    ShowFocused();
    TypeKeys(form->Memo1, "x");
    ui.shown.clear();
    ui.savePromptAnswers = {TModalResult::Cancel, TModalResult::No};
    QTest::keyClick(form->Memo1, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->Memo1->Lines().Get(0), "x\x9b");
    QTest::keyClick(form->Memo1, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ui.shown, (QStringList{"savePrompt", "savePrompt"}));
    EXPECT_EQ(form->Memo1->Lines().Get(0), "\x8a");
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(TDocuments, OpenDialogTitleNamesTheCodePage) {
    Start();
    form->Action("Kamenicti1")->trigger();
    ui.openAnswers.push_back(std::nullopt);
    form->OtevritClick();
    EXPECT_EQ(ui.shown.value(0), "open: Otevřít soubor v kódování Kamenických");
}

TEST_F(TDocuments, DroppedFileBecomesTheDocument) {
    WriteFile("drop.txt", "dropped\n");
    Start();
    ShowFocused();
    TypeKeys(form->Memo1, "unsaved");
    const auto drop = [&] {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("drop.txt"))),
                      QUrl::fromLocalFile(QString::fromStdString(Path("ignored.txt")))});
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form->Memo1->viewport(), &enter);
        QDropEvent event(QPointF(20, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form->Memo1->viewport(), &event);
    };
    // As opening another file does, the drop asks about unsaved changes first.
    ui.savePromptAnswers = {TModalResult::Cancel, TModalResult::No};
    drop();
    EXPECT_EQ(form->Memo1->Lines().Get(0), "unsaved");
    drop();
    EXPECT_EQ(ui.shown, (QStringList{"savePrompt", "savePrompt"}));
    EXPECT_EQ(form->FileName(), QString::fromStdString(Path("drop.txt")));
    EXPECT_EQ(form->Memo1->Lines().Get(0), "dropped");
    form->Memo1->Lines().Put(0, "edited");
    form->UlozitClick();
    EXPECT_EQ(ReadFile("drop.txt"), "edited\n");
}

TEST_F(TDocuments, WritingToTheRemovableMediumNeedsOne) {
    Start();
    if (!TForm1::RemovableMediumDirectory().empty()) GTEST_SKIP() << "a removable medium is mounted";
    ui.expectErrors = true;
    form->ulNaDisketuClick();
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].startsWith("error: "));
}

TEST_F(TDocuments, AFailedSaveWhenClosingKeepsTheWindowOpen) {
    std::filesystem::create_directory(dir / "blocked");
    Start();
    form->Memo1->Lines().Add("unsaved");
    form->Document().SetModified(true);
    form->Document().SetFileName(Path("blocked"));
    ui.expectErrors = true;
    ui.savePromptAnswers.push_back(TModalResult::Yes);
    EXPECT_FALSE(Close());
    EXPECT_EQ(ui.shown.size(), 2);  // the prompt, then the error
    EXPECT_TRUE(form->Document().Modified());
}
