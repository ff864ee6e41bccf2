#include "BedEditTypes.h"
#include "CodePages.h"
#include "DocumentLoader.h"
#include "DocumentTestHelpers.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

std::string Converted(const std::string& line, TBedT602Mode mode, TBedT602Toggles& toggles) {
    std::string out = "kept|";  // the conversion appends
    ConvertT602Line(line, mode, toggles, out);
    EXPECT_TRUE(out.starts_with("kept|"));
    return out.substr(5);
}

std::string Converted(std::string line, TBedT602Mode mode) {
    TBedT602Toggles toggles;
    return Converted(std::move(line), mode, toggles);
}

// A file in the test's temporary directory, removed again at the end of the test.
class TempFile {
public:
    explicit TempFile(std::string_view content)
        : path_((std::filesystem::temp_directory_path() /
                 ("bed_t602_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                    .string()) {
        std::ofstream(path_, std::ios::binary).write(content.data(), std::streamsize(content.size()));
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

TEST(T602, DotCommandLinesAndSignature) {
    EXPECT_TRUE(IsDotCommandLine("@CT 0"));
    EXPECT_TRUE(IsDotCommandLine("@LM1"));
    EXPECT_TRUE(IsDotCommandLine("@ECHO OFF"));
    for (std::string_view no : {"", "@", "@C", "@Ct 0", "@c", " @CT", "@1A", "CT 0"})
        EXPECT_FALSE(IsDotCommandLine(no)) << no;

    EXPECT_TRUE(IsT602FirstLine("@CT 0"));
    EXPECT_TRUE(IsT602FirstLine("@CT "));
    for (std::string_view no : {"", "@CT", "@CT\t0", " @CT 0", "@ct 0", "@CTX"})
        EXPECT_FALSE(IsT602FirstLine(no)) << no;
}

TEST(T602, PlainTextDropsControlBytesAndSoftLineEnds) {
    EXPECT_EQ(Converted("\x02tu\x02\xE8n\x13\xE9\x13\x8D", t602Text), "tu\xE8n\xE9");
    EXPECT_EQ(Converted("\x02\x04\x1D", t602Text), "");
    // Only one trailing soft line end goes; one inside the line becomes a CR.
    EXPECT_EQ(Converted("a\x8D"
                        "b\x8D\x8D",
                        t602Text),
              "a\rb\r");
    // Unknown control bytes and double-line box drawing stay.
    EXPECT_EQ(Converted("\x01\x03\x1B\xCD\xBA", t602Text), "\x01\x03\x1B\xCD\xBA");
}

TEST(T602, SingleLineBoxDrawingBecomesAscii) {
    EXPECT_EQ(Converted("\xDA\xC4\xC2\xC4\xBF", t602Text), "+-+-+");
    EXPECT_EQ(Converted("\xB3x\xB3", t602Text), "|x|");
    EXPECT_EQ(Converted("\xC3\xC5\xB4\xC0\xC1\xD9", t602Text), "++++++");
    EXPECT_EQ(Converted("\xB3\xC4", t602Html), "|-<BR>");
}

// A byte right behind a formatting byte is converted like any other: bold ending at a soft line
// end must not leave the soft line end in the text.
TEST(T602, ByteAfterAControlByteIsConvertedToo) {
    EXPECT_EQ(Converted("tu\xE8n\xE9\x02\x8D", t602Text), "tu\xE8n\xE9");
    EXPECT_EQ(Converted("\x02\xC4\x13\x04\xB3", t602Text), "-|");
}

TEST(T602, HtmlTagsFollowTheTogglesAcrossLines) {
    TBedT602Toggles toggles;
    EXPECT_EQ(Converted("\x02"
                        "a\x02",
                        t602Html, toggles),
              "<B>a</B><BR>");
    EXPECT_EQ(Converted("\x04"
                        "kurz\xEDva",
                        t602Html, toggles),
              "<I>kurz\xEDva<BR>");
    EXPECT_EQ(Converted("dal\x04\x8D", t602Html, toggles), "dal</I><BR>");
    // 0x0F and 0x10 give the same element but are toggled separately.
    EXPECT_EQ(Converted("\x0F"
                        "a\x10"
                        "b\x0F\x10",
                        t602Html, toggles),
              "<H2>a<H2>b</H2></H2><BR>");
    EXPECT_EQ(Converted("\x14"
                        "2\x14\x16"
                        "n\x16\x1D"
                        "T\x1D\x13"
                        "u\x13",
                        t602Html, toggles),
              "<SUP>2</SUP><SUB>n</SUB><H1>T</H1><U>u</U><BR>");
    // The text's own markup characters are escaped in HTML only.
    EXPECT_EQ(Converted("a<b & c>", t602Html, toggles), "a&lt;b &amp; c&gt;<BR>");
    EXPECT_EQ(Converted("a<b & c>", t602Text, toggles), "a<b & c>");
    EXPECT_EQ(Converted("", t602Html, toggles), "<BR>");

    Converted("\x02", t602Html, toggles);
    toggles.CloseAll();
    EXPECT_EQ(Converted("\x02", t602Html, toggles), "<B><BR>");
}

TEST(T602, LinesLeftAlone) {
    const std::string raw =
        "\x02"
        "a\x8D\xC4";
    EXPECT_EQ(Converted(raw, t602Leave), raw);
    EXPECT_EQ(Converted(raw, t602Ask), raw);
    EXPECT_EQ(Converted(raw, static_cast<TBedT602Mode>(9)), raw);
    // Dot commands are kept whole, also without <BR> in HTML.
    EXPECT_EQ(Converted("@LM 1\x02\x8D", t602Html), "@LM 1\x02\x8D");
    EXPECT_EQ(Converted("@PL 60", t602Text), "@PL 60");
}

// ---- The T602 part of loading a document ----

namespace {

const std::string kSample = std::string(BED_TEST_DATA) + "/t602/sample.602";

std::vector<std::string> GoldenLines(const std::string& name) {
    std::ifstream in(std::string(BED_TEST_DATA) + "/t602/" + name, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The load of a document in the given code page, as the main window runs it.
std::vector<std::string> Load(T602Session& session, int codePage, const std::string& fileName,
                              const T602Session::AskUser& ask = {}) {
    TBedEditStringList list;
    LoadDocument(ReadDocumentFile(fileName), codePage, session, ask, list);
    return Lines(list);
}

}  // namespace

TEST(T602Session, AskedDocumentIsConvertedAndTheQuestionComesBack) {
    T602Session session;
    Asker text{t602Text};
    EXPECT_EQ(Load(session, cpKamenicky, kSample, text()), GoldenLines("sample.txt"));
    EXPECT_EQ(text.asked, 1);
    EXPECT_EQ(session.Mode(), t602Ask);

    Asker html{t602Html};
    EXPECT_EQ(Load(session, cpKamenicky, kSample, html()), GoldenLines("sample.html"));
    // The sample leaves bold open; the next T602 document starts with every element closed.
    EXPECT_EQ(Load(session, cpKamenicky, kSample, html()), GoldenLines("sample.html"));
    EXPECT_EQ(html.asked, 2);

    // Closing the prompt by its frame opens the document unchanged.
    Asker closed{t602Ask};
    const auto raw = Load(session, cpKamenicky, kSample, closed());
    EXPECT_EQ(raw.size(), 13u);
    EXPECT_EQ(raw[0], "@CT 0");
    EXPECT_EQ(session.Mode(), t602Ask);
}

TEST(T602Session, OnlyDosCodePagesDetect) {
    T602Session session;
    Asker never{t602Text};
    Load(session, cpCP1250, kSample, never());
    Load(session, cpISO88592, kSample, never());
    EXPECT_EQ(never.asked, 0);
    EXPECT_EQ(session.Mode(), t602Ask);

    // A mode forced on the command line converts every file in a DOS code page, not in CP 1250,
    // and an ISO-8859-2 load turns it off for good.
    session.SetMode(t602Text);
    const TempFile batch("@ECHO OFF\r\ndir \x02\r\n");
    EXPECT_EQ(Load(session, cpPCLatin2, batch.path()), std::vector<std::string>{"dir "});
    EXPECT_EQ(Load(session, cpCP1250, batch.path()), (std::vector<std::string>{"@ECHO OFF", "dir \x02"}));
    EXPECT_EQ(session.Mode(), t602Text);
    Load(session, cpISO88592, batch.path());
    EXPECT_EQ(session.Mode(), t602Leave);
    EXPECT_EQ(Load(session, cpPCLatin2, batch.path()), (std::vector<std::string>{"@ECHO OFF", "dir \x02"}));
}

TEST(T602Session, PlainFileInAskModeKeepsItsDotLines) {
    T602Session session;
    Asker never{t602Text};
    const TempFile batch("@ECHO OFF\r\n@CT 0\r\n");
    EXPECT_EQ(Load(session, cpPCLatin2, batch.path(), never()), (std::vector<std::string>{"@ECHO OFF", "@CT 0"}));
    EXPECT_EQ(never.asked, 0);
}

// The first line, up to the first CR or LF, decides.
TEST(T602Session, TheFirstLineShowsAT602Document) {
    T602Session session;
    Asker leave{t602Leave};
    for (const std::string& bytes :
         std::vector<std::string>{"@CT 0\r\n@LM 1\r\n", "@CT 0", "@CT 1\rx", "@CT " + std::string(10000, 'x') + "\ny"})
        Load(session, cpKamenicky, TempFile(bytes).path(), leave());
    EXPECT_EQ(leave.asked, 4);
    for (const std::string& bytes : std::vector<std::string>{"@CT\nx", "a\r@CT 0", "", "\n@CT 0", " @CT 0"})
        Load(session, cpKamenicky, TempFile(bytes).path(), leave());
    EXPECT_EQ(leave.asked, 4);
}

TEST(T602Session, DocumentOfDotCommandsOnlyLoadsEmpty) {
    T602Session session;
    session.SetMode(t602Html);
    EXPECT_TRUE(Load(session, cpKOI8CS, TempFile("@CT 0\r\n@LM 1\r\n@RM 60").path()).empty());
    EXPECT_TRUE(Load(session, cpKOI8CS, TempFile("").path()).empty());
}

// A failed load must not leave the answer of its prompt behind: the next file would be
// converted without asking.
TEST(T602Session, FailedLoadStillRestoresAskMode) {
    T602Session session;
    Asker text{t602Text};
    try {
        T602Session::Load t602(session, cpKamenicky, "@CT 0", text());
        EXPECT_EQ(session.Mode(), t602Text);
        throw std::bad_alloc();
    } catch (const std::bad_alloc&) {}
    EXPECT_EQ(session.Mode(), t602Ask);

    // A file that can't be read ends the load before anything changes.
    session.SetMode(t602Html);
    EXPECT_THROW(Load(session, cpKamenicky, "/nonexistent/sample.602", text()), EBedFileError);
    EXPECT_EQ(session.Mode(), t602Html);
    EXPECT_EQ(text.asked, 1);
}
