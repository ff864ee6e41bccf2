// Saving without ever losing the old or the new text: hard links, extended attributes, a failed
// write in place, and a save killed at any point with the cleaning up at the next start.
#include "BedEditFiles.h"
#include "BedEditSaveJournal.h"
#include "BedEditStringList.h"
#include "FileTestFixture.h"

#include <chrono>
#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {

ino_t Inode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

void Save(const std::string& path, const std::string& text) {
    TBedEditStringList list;
    list.SetText(text);
    list.SetLineBreakStyle(kLineBreakLF);
    list.SaveToFile(path);
}

// Runs f in a child process; its exit status (or the signal that ended it, plus 1000).
template <typename F>
int InChild(F f) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(f());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
}

class SafeSave : public FileTest {
protected:
    void SetUp() override {
        FileTest::SetUp();
        fs::create_directory(Path("journal"));
        SetSaveJournalDirectory(Path("journal"));
    }
    void TearDown() override {
        SetSaveJournalDirectory("");
        FileTest::TearDown();
    }
    std::vector<std::string> Documents() const {
        std::vector<std::string> names = Entries();
        std::erase(names, "journal");
        return names;
    }
};

}  // namespace

TEST_F(SafeSave, AFileWithHardLinksIsWrittenInPlaceAndKeepsThem) {
    const std::string target = Make("doc.txt", "old\n");
    fs::create_hard_link(target, Path("other-name.txt"));
    const ino_t inode = Inode(target);
    Save(target, "new");
    EXPECT_EQ(Contents(target), "new\n");
    EXPECT_EQ(Contents(Path("other-name.txt")), "new\n");
    EXPECT_EQ(Inode(target), inode);
    EXPECT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "other-name.txt"}));
    EXPECT_TRUE(fs::is_empty(Path("journal")));

    Save(target, "");  // shorter: the rest of the old bytes is cut away
    EXPECT_EQ(Contents(Path("other-name.txt")), "");
}

TEST_F(SafeSave, ExtendedAttributesSurviveTheReplacement) {
    const std::string target = Make("doc.txt", "old\n");
    if (::setxattr(target.c_str(), "user.bed.test", "kept", 4, 0) != 0)
        GTEST_SKIP() << "no user extended attributes here";
    const ino_t inode = Inode(target);
    Save(target, "new");
    EXPECT_NE(Inode(target), inode);  // replaced, not written in place
    char value[16] = {};
    ASSERT_EQ(::getxattr(target.c_str(), "user.bed.test", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
}

TEST_F(SafeSave, AFailedWriteInPlacePutsTheOldBytesBack) {
    const std::string original(1000, 'o');
    const std::string target = Make("doc.txt", original);
    fs::create_hard_link(target, Path("link.txt"));
    const int status = InChild([&] {
        // Past the file size limit write() fails with EFBIG half way through the target.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{50000, 50000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            Save(target, std::string(120000, 'n'));
        } catch (const EBedFileError& e) {
            return e.kind() == EBedFileError::Write ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(status, 0) << "1: no error, 2: wrong error";
    EXPECT_EQ(Contents(target), original);
    EXPECT_EQ(Contents(Path("link.txt")), original);
    EXPECT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "link.txt"}));
}

TEST_F(SafeSave, TheNextStartCleansUpAfterASaveThatWasKilled) {
    const std::string target = Make("doc.txt", "half writ");
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    std::ofstream(Path("journal/" + std::to_string(dead))) << target;
    std::ofstream(SaveTempPrefix(target, dead) + "Ab12Cd") << "part of a new text";
    std::ofstream(SaveBackupName(target, dead)) << "the old text\n";
    // A save still under way in a living process is not touched.
    const pid_t living = ::getppid();
    std::ofstream(Path("journal/" + std::to_string(living))) << target;
    std::ofstream(SaveTempPrefix(target, living) + "Zz99zz") << "being written";

    EXPECT_EQ(RecoverInterruptedSaves(), 1);
    EXPECT_EQ(Contents(target), "the old text\n");
    EXPECT_EQ(Documents(), (std::vector<std::string>{SaveTempPrefix("doc.txt", living) + "Zz99zz", "doc.txt"}));
    EXPECT_EQ(fs::exists(Path("journal/" + std::to_string(living))), true);
    EXPECT_EQ(fs::exists(Path("journal/" + std::to_string(dead))), false);
}

// Killed at random points of a save, many times: the file is always the old text or the new one,
// and after the next start's clean-up nothing else is left beside it.
TEST_F(SafeSave, AKillAtAnyPointLeavesTheOldOrTheNewText) {
    std::string oldText, newText;
    for (int i = 0; i < 40000; ++i) {
        oldText += "stará řádka " + std::to_string(i) + "\n";
        newText += "nový řádek číslo " + std::to_string(i) + "\n";
    }
    std::mt19937 random(7);
    for (const bool hardLinked : {false, true}) {
        const std::string target = Make("doc.txt", oldText);
        if (hardLinked) fs::create_hard_link(target, Path("link.txt"));
        const auto start = std::chrono::steady_clock::now();
        Save(target, newText);
        const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
        int sawOld = 0, sawNew = 0;
        for (int round = 0; round < 40; ++round) {
            std::ofstream(target, std::ios::binary | std::ios::trunc) << oldText;  // keeps the inode
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                Save(target, newText);
                ::_exit(0);
            }
            ::usleep(useconds_t(random() % uint64_t(saveTime.count() * 3 / 2 + 1)));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            RecoverInterruptedSaves();  // what the next start does
            const std::string now = Contents(target);
            ASSERT_TRUE(now == oldText || now == newText)
                << (hardLinked ? "in place" : "replaced") << ", round " << round << ": " << now.size() << " bytes";
            (now == oldText ? sawOld : sawNew)++;
            if (hardLinked) EXPECT_EQ(Contents(Path("link.txt")), now);
            const std::vector<std::string> expected =
                hardLinked ? std::vector<std::string>{"doc.txt", "link.txt"} : std::vector<std::string>{"doc.txt"};
            ASSERT_EQ(Documents(), expected);
            ASSERT_TRUE(fs::is_empty(Path("journal")));
        }
        // Both outcomes met: the kills did fall inside the saves.
        EXPECT_GT(sawOld, 0);
        EXPECT_GT(sawNew, 0);
        fs::remove(Path("link.txt"));
    }
}
