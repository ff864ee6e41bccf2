#include "FileReader.h"
#include "FileWriter.h"
#include "BedEditStringList.h"
#include "../files/FileTestFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const TBedEditStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

struct SplitCase {
    std::string bytes;
    std::vector<std::string> lines;
    int style;
};

}  // namespace

TEST_F(FileTest, LoadSplitsEveryLineEndStyle) {
    using namespace std::string_literals;
    const std::string longLine(70000, 'q');
    const std::vector<SplitCase> cases = {
        {"x\r\ny\nz", {"x", "y", "z"}, kLineBreakCRLF},
        {"x\ny", {"x", "y"}, kLineBreakLF},
        {"one line", {"one line"}, kLineBreakLF},
        {"\r\n", {""}, kLineBreakCRLF},
        {"a\r\nb\r\n", {"a", "b"}, kLineBreakCRLF},
        {"a\r\nb", {"a", "b"}, kLineBreakCRLF},
        {"a\rb\r\rc", {"a", "b", "", "c"}, kLineBreakCRLF},
        {"a\r", {"a"}, kLineBreakCRLF},
        {"\n\n", {"", ""}, kLineBreakLF},
        {"", {}, kLineBreakLF},
        {"\n\r\n\r", {"", "", ""}, kLineBreakCRLF},
        {longLine + "\r\n" + longLine, {longLine, longLine}, kLineBreakCRLF},
        // NUL bytes are characters, wherever they stand: the file's end ends the input.
        {"a\0b\n\0\nc\0"s, {"a\0b"s, "\0"s, "c\0"s}, kLineBreakLF},
        {"\0"s, {"\0"s}, kLineBreakLF},
    };
    for (const SplitCase& c : cases) {
        const std::string path = Make("split.txt", c.bytes);
        EXPECT_EQ(TBedEditFileReader(path).FileSize(), int64_t(c.bytes.size()));
        TBedEditStringList list;
        list.SetLineBreakStyle(1 - c.style);
        list.LoadFromFile(path);
        EXPECT_EQ(Lines(list), c.lines) << testing::PrintToString(c.bytes.substr(0, 20));
        EXPECT_EQ(list.LineBreakStyle(), c.style) << testing::PrintToString(c.bytes.substr(0, 20));
    }
}

TEST_F(FileTest, LoadReplacesTheLinesInOneBracket) {
    const std::string path = Make("load.txt", "a\nb\n");
    TBedEditStringList list;
    list.Add("old");
    std::vector<std::string> events;
    list.OnChanging = [&] { events.push_back("Changing"); };
    list.OnChanged = [&] { events.push_back("Changed"); };
    list.OnLinesChange = [&](const TBedLinesChange& c) {
        events.push_back(c == TBedLinesChange{TBedLinesChangeKind::Cleared, 0, 1}    ? "Cleared"
                         : c == TBedLinesChange{TBedLinesChangeKind::Inserted, 0, 2} ? "Inserted both"
                                                                                     : "other");
    };
    list.LoadFromFile(path);
    EXPECT_EQ(events, (std::vector<std::string>{"Changing", "Cleared", "Inserted both", "Changed"}));
    EXPECT_EQ(list.LineBreakStyle(), kLineBreakLF);
}

TEST_F(FileTest, LoadOfAMissingFileOrDirectoryRaisesAndKeepsTheLines) {
    TBedEditStringList list;
    list.Add("kept");
    for (const std::string& path : {Path("missing.txt"), dir_.string()}) {
        try {
            list.LoadFromFile(path);
            ADD_FAILURE() << path;
        } catch (const EBedFileError& e) {
            EXPECT_EQ(e.kind(), EBedFileError::Open);
            EXPECT_EQ(e.fileName(), path);
            const std::string reason = FileErrorReason(path == dir_ ? EISDIR : ENOENT);
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(Lines(list), std::vector<std::string>{"kept"});
        EXPECT_EQ(list.UpdateCount(), 0);
    }
}

TEST_F(FileTest, SaveEndsEveryLineWithTheListsBreak) {
    TBedEditStringList list;
    list.SetText("a\nb");
    EXPECT_EQ(list.LineBreakStyle(), kLineBreakCRLF);  // a new list writes CR LF
    list.SaveToFile(Path("crlf.txt"));
    EXPECT_EQ(Contents(Path("crlf.txt")), "a\r\nb\r\n");
    list.SetLineBreakStyle(kLineBreakLF);
    list.Put(1, std::string(40000, 'w') + '\0');  // longer than the writer's buffer
    list.SaveToFile(Path("lf.txt"));
    EXPECT_EQ(Contents(Path("lf.txt")), "a\n" + std::string(40000, 'w') + '\0' + "\n");

    TBedEditStringList empty;
    empty.SaveToFile(Path("empty.txt"));
    EXPECT_EQ(Contents(Path("empty.txt")), "");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"crlf.txt", "empty.txt", "lf.txt"}));
}

TEST_F(FileTest, SaveKeepsPermissionsAndReplacesWhatALinkPointsTo) {
    const std::string target = Make("target.txt", "old\n");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("target.txt", Path("link.txt"));
    TBedEditStringList list;
    list.SetText("new");
    list.SaveToFile(Path("link.txt"));
    EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
    EXPECT_EQ(Contents(target), "new\r\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t mask = ::umask(027);
    list.SaveToFile(Path("fresh.txt"));
    ::umask(mask);
    EXPECT_EQ(fs::status(Path("fresh.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"fresh.txt", "link.txt", "target.txt"}));
}

TEST_F(FileTest, WriterWithoutCommitLeavesTheTargetAlone) {
    const std::string target = Make("doc.txt", "original");
    {
        TBedEditFileWriter writer(target, 4);
        writer.Write("replacement text");
        writer.Write("");
    }
    EXPECT_EQ(Contents(target), "original");
    EXPECT_EQ(Entries(), std::vector<std::string>{"doc.txt"});
}

TEST_F(FileTest, SmallWriterBufferKeepsTheByteOrder) {
    const std::string target = Path("small.txt");
    TBedEditFileWriter writer(target, 4);
    for (const char* piece : {"ab", "cde", "", "fghijklmn", "o", "pq"}) writer.Write(piece);
    writer.Commit();
    EXPECT_EQ(Contents(target), "abcdefghijklmnopq");
}

TEST_F(FileTest, FailedWriteLeavesTheOriginalByteForByte) {
    const std::string original(100000, 'o');
    const std::string target = Make("big.txt", original);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit makes write() fail with EFBIG once the temporary file is full.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{50000, 50000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TBedEditStringList list;
        for (int i = 0; i < 2000; ++i) list.Add(std::string(60, 'n'));
        try {
            list.SaveToFile(target);
        } catch (const EBedFileError& e) {
            const std::string message = e.what();
            const bool reported =
                e.kind() == EBedFileError::Write && message.find(FileErrorReason(EFBIG)) != std::string::npos;
            ::_exit(reported ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no error reported, 2: wrong error";
    EXPECT_EQ(Contents(target), original);
    EXPECT_EQ(Entries(), std::vector<std::string>{"big.txt"});
}

// Permissions don't bind root, so as root the save runs in a child as the user "nobody".
TEST_F(FileTest, AnUnwritableTargetRaisesCreateAndStaysUntouched) {
    const std::string readOnlyFile = Make("ro.txt", "keep me\n");
    ::chmod(readOnlyFile.c_str(), 0444);
    ::chmod(dir_.c_str(), 0755);
    auto saveFails = [&] {
        TBedEditStringList list;
        list.SetText("changed");
        try {
            list.SaveToFile(readOnlyFile);
        } catch (const EBedFileError& e) {
            return e.kind() == EBedFileError::Create &&
                   std::string(e.what()).find(FileErrorReason(EACCES)) != std::string::npos;
        }
        return false;
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(saveFails());
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(!dropped ? 3 : saveFails() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(Contents(readOnlyFile), "keep me\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"ro.txt"});
}
