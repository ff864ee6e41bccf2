// Documents come in through one loader: read once, then detected, converted and decoded.
#include "CodePages.h"
#include "DocumentLoader.h"
#include "DocumentTestHelpers.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class DocumentLoaderTest : public TempDirTest {
protected:
    // Counts the openings, so that a test sees the file opened once per load.
    int opened = 0;
    TBedFileOpener CountingOpener() {
        return [this](const std::string& name) {
            ++opened;
            return ReadFileContents(name);
        };
    }
};

}  // namespace

// One CP 1250 text, written in each code page with each kind of line end, as a plain file and
// as a T602 document: loaded in the code page its name asks for, it comes back as the same
// lines, with the line-end mode of its first line, the file opened once.
TEST_F(DocumentLoaderTest, EveryCodePageEveryLineEndWithAndWithoutT602) {
    const std::vector<std::string> text = {Cp(U"Příliš žluťoučký kůň úpěl ďábelské ódy."), "",
                                           Cp(U"ŠŤŽ šťž ĽľÁČÉĚÍĎŇÓŘŮÚÝ áčéěíďňóřůúý, 42 + x")};
    const std::vector<std::string> t602Head = {"@CT 0", "@LM 1", Cp(U"\x02Tučně\x02 a \x13podtrženo\x13")};
    const std::vector<std::string> converted = {Cp(U"Tučně a podtrženo")};
    const char* const extensions[] = {".kam", ".il2", ".koi", ".pcl2", ".win"};
    struct LineEnd {
        std::string bytes;
        bool unix;
    };
    const LineEnd lineEnds[] = {{"\r\n", false}, {"\n", true}, {"\r", true}};

    for (int cp = 0; IsByteCodePage(cp); ++cp)
        for (const LineEnd& lineEnd : lineEnds)
            for (const bool t602 : {false, true}) {
                std::vector<std::string> written = text;
                if (t602) written.insert(written.begin(), t602Head.begin(), t602Head.end());
                std::string bytes;
                for (std::string line : written) {
                    Encode(cp, line);
                    bytes += line + lineEnd.bytes;
                }
                const std::string name = Make(std::string("doc") + extensions[cp], bytes);
                SCOPED_TRACE(name + (t602 ? " T602" : "") + " " + testing::PrintToString(lineEnd.bytes));

                ASSERT_EQ(CodePageForFileName(name, cpCP1250, true), cp);
                opened = 0;
                T602Session session;
                Asker convert{t602Text};
                TBedEditStringList lines;
                lines.Add("previous document");
                TBedDocumentFile file = ReadDocumentFile(name, CountingOpener());
                EXPECT_EQ(file.unixLineEnds, lineEnd.unix);
                LoadDocument(std::move(file), cp, session, convert(), lines);
                EXPECT_EQ(opened, 1);

                // Only the DOS code pages recognise T602; ISO-8859-2 and CP 1250 load it as it is.
                const bool dos = cp == cpKamenicky || cp == cpKOI8CS || cp == cpPCLatin2;
                EXPECT_EQ(convert.asked, t602 && dos ? 1 : 0);
                EXPECT_EQ(session.Mode(), t602Ask);
                std::vector<std::string> expected = text;
                if (t602 && dos)
                    expected.insert(expected.begin(), converted.begin(), converted.end());
                else if (t602)
                    expected = written;
                // A KOI8-ČS T602 document loses its letters that stand where the DOS code pages
                // draw boxes: the conversion works on the file's own bytes.
                if (!(t602 && cp == cpKOI8CS)) {
                    EXPECT_EQ(Lines(lines), expected);
                }
                EXPECT_EQ(lines.Count(), int(expected.size()));
                EXPECT_EQ(lines.LineBreakStyle(),
                          lineEnd.unix && lineEnd.bytes == "\n" ? kLineBreakLF : kLineBreakCRLF);
            }
}

TEST_F(DocumentLoaderTest, LineEndsComeFromTheFirstLine) {
    EXPECT_FALSE(DetectUnixLineEnds(""));
    EXPECT_FALSE(DetectUnixLineEnds("a\r\nb\n"));
    EXPECT_TRUE(DetectUnixLineEnds("a\nb\r\n"));
    EXPECT_TRUE(DetectUnixLineEnds("x"));
    EXPECT_TRUE(DetectUnixLineEnds("abc"));
    EXPECT_FALSE(DetectUnixLineEnds("ab\rc"));  // no LF: the second-to-last byte decides
    EXPECT_TRUE(DetectUnixLineEnds("\n"));
    EXPECT_TRUE(DetectUnixLineEnds(std::string(511, 'x') + "\n"));
    EXPECT_FALSE(DetectUnixLineEnds(std::string(3000, 'x') + "\r\n"));
    EXPECT_TRUE(ReadDocumentFile(Make("u.txt", "a\nb\r\n")).unixLineEnds);
}

TEST_F(DocumentLoaderTest, AFileThatCannotBeReadIsReportedByName) {
    for (const std::string& name : {(dir_ / "missing.txt").string(), dir_.string()}) {
        try {
            ReadDocumentFile(name, CountingOpener());
            ADD_FAILURE() << name;
        } catch (const EBedFileError& e) {
            EXPECT_EQ(e.kind(), EBedFileError::Open);
            EXPECT_EQ(std::string(e.what()),
                      "Soubor " + name + " nelze přečíst: " + FileErrorReason(name == dir_ ? EISDIR : ENOENT));
        }
    }
    EXPECT_EQ(opened, 2);
}

// The lines point into the one block the file was read in: the loader makes no string per line
// and the list hears of the new text once.
TEST_F(DocumentLoaderTest, TheLinesArriveInOneBlockAndOneChange) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
    TBedEditStringList lines;
    lines.Add("old");
    std::vector<TBedLinesChange> changes;
    lines.OnLinesChange = [&](const TBedLinesChange& change) { changes.push_back(change); };
    T602Session session;
    LoadDocument(ReadDocumentFile(Make("a.kam", bytes)), cpKamenicky, session, {}, lines);
    EXPECT_EQ(changes, (std::vector<TBedLinesChange>{{TBedLinesChangeKind::Cleared, 0, 1},
                                                     {TBedLinesChangeKind::Inserted, 0, 1000}}));
    for (int i = 1; i < lines.Count(); ++i)
        ASSERT_EQ(lines.GetView(i).data(), lines.GetView(i - 1).data() + lines.GetView(i - 1).size() + 2) << i;
}

// The memory running out half way through a load leaves the lines as they were: nothing of the
// old document is lost, and nothing of the new one is taken for it.
TEST_F(DocumentLoaderTest, MemoryRunningOutLeavesTheOldLines) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer ends the process when memory runs out instead of raising";
#endif
    // 8 MB of line breaks to read, and 16 bytes for each of its 8 M lines.
    const std::string file = Make("lines.txt", std::string(size_t(8) << 20, '\n'));
    const pid_t child = ::fork();
    if (child == 0) {
        TBedEditStringList lines;
        lines.Add("moje práce");
        lines.Add("druhá řádka");
        unsigned long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%lu", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        // Room for the bytes, not for the lines.
        const rlimit limit{pages * 4096 + (size_t(40) << 20), RLIM_INFINITY};
        if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(4);
        try {
            T602Session session;
            LoadDocument(ReadDocumentFile(file), cpCP1250, session, {}, lines);
            ::_exit(1);
        } catch (const EBedFileError&) {
            ::_exit(lines.Count() == 2 && lines.Get(0) == "moje práce" && lines.Get(1) == "druhá řádka" ? 0 : 2);
        } catch (...) {
            ::_exit(3);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: loaded, 2: the old lines changed, 3: another error, 4: no limit";
}
