// The command line, processed left to right, and its failure rules.
#include "FormFixture.h"
#include "BedTextLetters.h"

#include "CommandLine.h"

#include <QAction>

using TCommandLine = FormTest;

namespace {
std::string TenLines() {
    std::string s;
    for (int i = 1; i <= 12; ++i) s += "line " + std::to_string(i) + "\r\n";
    return s;
}
}  // namespace

TEST_F(TCommandLine, AnOptionActsOnTheFileNamedBeforeIt) {
    WriteFile("file.txt", TenLines());
    Start({QString::fromStdString(Path("file.txt")), "L=9"});
    EXPECT_EQ(form->Memo1->CaretY(), 10);
    EXPECT_EQ(form->windowTitle(),
              QString::fromStdString("Brousek editor v10.4 " + BedAsciiUpperCase(Path("file.txt"))));
    EXPECT_EQ(form->ApplicationTitle(), "BED FILE.TXT");
    EXPECT_EQ(form->Action("SM1")->text(), QString::fromStdString(Path("file.txt")));
}

TEST_F(TCommandLine, AnOptionBeforeTheFileActsOnTheEmptyDocument) {
    WriteFile("file.txt", TenLines());
    Start({"L=9", QString::fromStdString(Path("file.txt"))});
    EXPECT_EQ(form->Memo1->CaretY(), 1);
    EXPECT_EQ(form->Memo1->Lines().Count(), 12);
}

TEST_F(TCommandLine, ANonNumericValueStopsTheProcessing) {
    WriteFile("a.txt", "a\n");
    ui.expectErrors = true;
    Start({"X=abc=d", QString::fromStdString(Path("a.txt"))});
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].startsWith("error: "));
    EXPECT_EQ(form->FileName(), "UNTITLED.TXT");
}

TEST_F(TCommandLine, AFileThatCannotBeReadStopsTheProcessing) {
    WriteFile("b.txt", "b\n");
    ui.expectErrors = true;
    Start({QString::fromStdString(Path("missing.txt")), QString::fromStdString(Path("b.txt"))});
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].contains("missing.txt"));
    EXPECT_EQ(form->FileName(), "UNTITLED.TXT");

    ui.shown.clear();
    form.reset();
    Start({QString::fromStdString(Dir()), QString::fromStdString(Path("b.txt"))});  // a directory
    EXPECT_EQ(ui.shown.size(), 1);
    EXPECT_EQ(form->FileName(), "UNTITLED.TXT");
}

TEST_F(TCommandLine, WritesBackInTheCurrentCodePageAndEnds) {
    WriteFile("k.txt", "\x9b\x8f\r\n");  // Š Á in Kamenický
    Start({"K=K", QString::fromStdString(Path("k.txt")), "K=W", "C=Q", "N=ignored"});
    EXPECT_TRUE(form->Terminated());
    EXPECT_EQ(ReadFile("k.txt"), "\x8a\xc1\r\n");
    EXPECT_EQ(form->FileName(), QString::fromStdString(Path("k.txt")));
}

TEST_F(TCommandLine, CodePageByExtensionOverridesTheOption) {
    WriteFile("a.koi", "\xf3\r\n");  // Š in KOI8-ČS
    Start({"K=K", QString::fromStdString(Path("a.koi"))});
    EXPECT_EQ(form->Document().CodePage(), 2);
    EXPECT_EQ(Lines(), std::vector<std::string>{"\x8a"});
    EXPECT_EQ(form->PanelText(2), "KOI8 ČS");
}

TEST_F(TCommandLine, LineEndToggleNameAndWindowOptions) {
    WriteFile("u.txt", "a\nb\n");
    Start({QString::fromStdString(Path("u.txt")), "C=U", "S=300", "V=200", "X=7", "Y=8",
           "N=" + QString::fromStdString(Path("other.txt")), "Q=unknown"});
    EXPECT_FALSE(form->Document().UnixLineEnds());
    EXPECT_EQ(form->PanelText(4), "DOS");
    // The toggle changes what a save writes: closing must ask about it.
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->PanelText(0), "modifikace");
    ui.savePromptAnswers.push_back(TModalResult::Cancel);
    EXPECT_FALSE(Close());
    EXPECT_EQ(form->size(), QSize(300, 200));
    EXPECT_EQ(form->pos(), QPoint(7, 8));
    EXPECT_EQ(form->FileName(), QString::fromStdString(Path("other.txt")));
    form->UlozitClick();
    EXPECT_EQ(ReadFile("other.txt"), "a\r\nb\r\n");
}

TEST_F(TCommandLine, T602Option) {
    Start({"6=html"});
    EXPECT_EQ(form->Document().T602().Mode(), t602Html);
    form.reset();
    Start({"6=n"});
    EXPECT_EQ(form->Document().T602().Mode(), t602Leave);
}
