// The next start's clean-up after saves that a kill, a crash or a power cut interrupted: only
// what a dead save's own note names and recorded is touched, whatever else lies around.
#include "FileChecksum.h"
#include "SaveTestHelpers.h"

#include <chrono>
#include <csignal>
#include <random>

namespace fs = std::filesystem;

namespace {

const std::string kOld(100000, 'o');
const std::string kNew(150000, 'n');

// A save in place of `target` that has written part of the new text and is killed there.
void KilledInPlace(const std::string& target) {
    TBedEditFileWriter writer(target);
    writer.Write(kNew.substr(0, 70000));  // longer than the buffer: it reaches the file
    ::raise(SIGKILL);
}

class SaveRecovery : public SaveTest {
protected:
    // A file with another name, so that it is written in place.
    std::string Linked(const std::string& name, const std::string& text) {
        const std::string target = Make(name, text);
        fs::create_hard_link(target, Path(name + ".link"));
        return target;
    }
};

}  // namespace

TEST_F(SaveRecovery, AKilledSaveInPlaceGetsItsOldBytesBackAndTheUserIsTold) {
    const std::string target = Linked("doc.txt", kOld);
    // Named relatively, and recovered from elsewhere: the note holds the path from the root.
    const int status = InChild([&] {
        if (::chdir(dir_.c_str()) != 0) return 2;
        KilledInPlace("doc.txt");
        return 0;
    });
    ASSERT_EQ(status, 1000 + SIGKILL);
    EXPECT_NE(Contents(target), kOld);
    const std::vector<std::string> reports = RecoverInterruptedSaves();
    EXPECT_EQ(Contents(target), kOld);
    EXPECT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "doc.txt.link"}));
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ(reports, std::vector<std::string>{"Soubor " + target +
                                                ": ukládání bylo přerušeno; vrátil se jeho původní obsah ze zálohy."});
    EXPECT_TRUE(RecoverInterruptedSaves().empty());  // told once
}

TEST_F(SaveRecovery, ASaveStillRunningIsLeftAloneAndRecoveredOnceItDies) {
    const std::string target = Linked("doc.txt", kOld);
    int ready[2], hold[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(hold), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        TBedEditFileWriter writer(target);
        writer.Write(kNew.substr(0, 70000));
        char c = 0;
        [[maybe_unused]] ssize_t n = ::write(ready[1], &c, 1);
        n = ::read(hold[0], &c, 1);  // keeps the save going until killed
        ::_exit(0);
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    // Whatever its process id means here: the note's lock is held, so the save is alive.
    EXPECT_TRUE(RecoverInterruptedSaves().empty());
    EXPECT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Documents().size(), 3u);  // the backup is still there
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(RecoverInterruptedSaves().size(), 1u);
    EXPECT_EQ(Contents(target), kOld);
    EXPECT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "doc.txt.link"}));
    for (int fd : {ready[0], ready[1], hold[0], hold[1]}) ::close(fd);
}

TEST_F(SaveRecovery, SavesOfOtherFilesMeanwhileKeepTheirOwnNotes) {
    const std::string target = Linked("doc.txt", kOld);
    const std::string other = Make("other.txt", "other old");
    const std::string settings = Make("bed.ini", "[bed]\nx=1\n");
    InChild([&] {
        TBedEditFileWriter writer(target);
        writer.Write(kNew.substr(0, 70000));
        Save(other, "other new");
        Save(settings, "[bed]\nx=2\n");
        ::raise(SIGKILL);
        return 0;
    });
    RecoverInterruptedSaves();
    EXPECT_EQ(Contents(target), kOld);
    EXPECT_EQ(Contents(other), "other new");
    EXPECT_EQ(Contents(settings), "[bed]\nx=2\n");
    EXPECT_EQ(Documents(), (std::vector<std::string>{"bed.ini", "doc.txt", "doc.txt.link", "other.txt"}));
    EXPECT_TRUE(Notes().empty());
}

TEST_F(SaveRecovery, OnlyABackupThatMatchesItsNoteIsPutBack) {
    const std::string target = Linked("doc.txt", kOld);
    // A backup nobody's note names, as another user could plant beside a shared file.
    Make(".doc.txt.bed-Planted.backup", "planted");
    InChild([&] {
        KilledInPlace(target);
        return 0;
    });
    const std::string halfWritten = Contents(target);
    std::string backup;
    for (const std::string& name : Documents())
        if (name.ends_with(".backup") && name != ".doc.txt.bed-Planted.backup") backup = Path(name);
    ASSERT_FALSE(backup.empty());
    // Changed after the note recorded it: same size, other bytes.
    std::ofstream(backup, std::ios::binary | std::ios::trunc) << std::string(kOld.size(), 'x');
    const std::vector<std::string> reports = RecoverInterruptedSaves();
    EXPECT_EQ(Contents(target), halfWritten);
    EXPECT_EQ(Contents(Path(".doc.txt.bed-Planted.backup")), "planted");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Soubor " + target + ": záloha " + backup +
                              " neodpovídá záznamu o ukládání, soubor zůstává, jak je, a záloha také.");
}

TEST_F(SaveRecovery, ANoteCutShortAnywhereIsNeverMisread) {
    // A power cut keeps any prefix of the note's last record: the state on disk is always the
    // one that the records written before it describe, so recovering it gives the old text.
    const std::string target = Linked("doc.txt", kOld);
    InChild([&] {
        KilledInPlace(target);
        return 0;
    });
    ASSERT_EQ(Notes().size(), 1u);
    const std::string noteName = notes_ + "/" + Notes()[0];
    const std::string note = Contents(noteName);
    const std::string halfWritten = Contents(target);
    std::string backupName;
    for (const std::string& name : Documents())
        if (name.ends_with(".backup")) backupName = Path(name);
    const auto endOf = [&](const char* record) { return note.find('\n', note.find(record) + 1) + 1; };
    const size_t named = endOf("\nbackup "), complete = endOf("\nbacked-up ");
    ASSERT_LT(named, complete);
    for (size_t cut = 0; cut <= note.size(); ++cut) {
        // The backup is made only once its name is on record, and the target written only once
        // the backup is recorded complete.
        std::ofstream(target, std::ios::binary | std::ios::trunc) << (cut < complete ? kOld : halfWritten);
        fs::remove(backupName);
        if (cut >= named)
            std::ofstream(backupName, std::ios::binary) << kOld.substr(0, cut < complete ? 10 : kOld.size());
        std::ofstream(noteName, std::ios::binary | std::ios::trunc) << note.substr(0, cut);
        RecoverInterruptedSaves();
        ASSERT_EQ(Contents(target), kOld) << "cut at " << cut;
        ASSERT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "doc.txt.link"})) << "cut at " << cut;
        ASSERT_TRUE(Notes().empty()) << "cut at " << cut;
    }
}

TEST_F(SaveRecovery, NotesOthersMayWriteAreIgnored) {
    Save(Make("doc.txt", "old"), "new");  // makes the notes directory
    ::chmod(notes_.c_str(), 0777);
    const std::vector<std::string> reports = RecoverInterruptedSaves();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Adresář " + notes_ +
                              "/ nepatří vám nebo do něj smějí zapisovat i jiní: záznamy o ukládání pro obnovu po "
                              "pádu se v něm nevedou ani nečtou.");
    // A save still goes, and says that it can't be recovered from.
    TBedEditFileWriter writer(Path("doc.txt"));
    writer.Write("newer");
    writer.Commit();
    EXPECT_EQ(writer.Remarks(), std::vector<std::string>{reports[0]});
}

// Killed at random points of saves of several files, the settings among them, many times: every
// file is always its old text or its new one, and after the next start's clean-up nothing else
// is left beside them.
TEST_F(SaveRecovery, AKillAtAnyPointLeavesTheOldOrTheNewText) {
    std::string oldText, newText;
    for (int i = 0; i < 8000; ++i) {
        oldText += "stará řádka " + std::to_string(i) + "\n";
        newText += "nový řádek číslo " + std::to_string(i) + "\n";
    }
    const std::vector<std::string> names = {"replaced.txt", "linked.txt", "bed.ini"};
    const auto reset = [&] {
        for (const std::string& name : names) std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << oldText;
    };
    reset();
    fs::create_hard_link(Path("linked.txt"), Path("linked.link"));
    const auto saveAll = [&] {
        for (const std::string& name : names) Save(Path(name), newText);
    };
    const auto start = std::chrono::steady_clock::now();
    saveAll();
    const auto saveTime =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::mt19937 random(7);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        reset();  // keeps the inodes, so the link stays
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            saveAll();
            ::_exit(0);
        }
        ::usleep(useconds_t(random() % uint64_t(saveTime.count() * 5 / 4 + 1)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        RecoverInterruptedSaves();  // what the next start does
        for (const std::string& name : names) {
            const std::string now = Contents(Path(name));
            ASSERT_TRUE(now == oldText || now == newText) << name << ", round " << round << ": " << now.size();
            (now == oldText ? sawOld : sawNew)++;
        }
        ASSERT_EQ(Contents(Path("linked.link")), Contents(Path("linked.txt")));
        ASSERT_EQ(Documents(), (std::vector<std::string>{"bed.ini", "linked.link", "linked.txt", "replaced.txt"}));
        ASSERT_TRUE(Notes().empty());
    }
    // Both outcomes met: the kills did fall inside the saves.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}
