// What the window asks around loading and saving: the save prompt, reloading, dropped files.
#include "FormFixture.h"

#include <QAction>
#include <QMimeData>
#include <QUrl>

using TDocuments = FormTest;

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
