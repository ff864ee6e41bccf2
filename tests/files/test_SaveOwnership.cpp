// Saves and their recovery where two users meet: files of another owner, shared sticky
// directories, planted links, backups and notes, directories the saver can't write. Each runs
// only as root, which can play the second user (nobody).
#include "FileError.h"
#include "SaveTestHelpers.h"

#include <csignal>

#include <fcntl.h>

namespace fs = std::filesystem;

namespace {

class SaveOwnership : public SaveTest {
protected:
    void SetUp() override {
        if (!CanBecomeOtherUser()) GTEST_SKIP() << "needs root to play a second user";
        SaveTest::SetUp();
        ::chmod(dir_.c_str(), 0755);
    }
    std::string Directory(const std::string& name, mode_t mode, uid_t owner = 0) {
        const std::string path = Path(name);
        fs::create_directory(path);
        ::chown(path.c_str(), owner, owner);
        ::chmod(path.c_str(), mode);
        return path + "/";
    }
    std::string File(const std::string& path, const std::string& text, mode_t mode, uid_t owner = 0) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        ::chown(path.c_str(), owner, owner);
        ::chmod(path.c_str(), mode);
        return path;
    }
    // The other user's own notes directory.
    std::string OtherNotes() { return Directory("other-notes", 0700, kOtherUser); }
    static struct stat Stat(const std::string& path) {
        struct stat st {};
        ::lstat(path.c_str(), &st);
        return st;
    }
};

}  // namespace

TEST_F(SaveOwnership, AFileOfAnotherOwnerKeepsItsOwnerAndNoSpecialBitGoesAstray) {
    const std::string shared = Directory("shared", 0777);
    const std::string plain = File(shared + "plain.txt", "old", 0666);
    const std::string special = File(shared + "special", "old", 04777);
    const std::string notes = OtherNotes();
    EXPECT_EQ(AsOtherUser([&] {
                  SetSaveNotesDirectory(notes);
                  Save(plain, "new");
                  Save(special, "new");
                  return 0;
              }),
              0);
    for (const std::string& path : {plain, special}) {
        EXPECT_EQ(Contents(path), "new");
        EXPECT_EQ(Stat(path).st_uid, 0u) << path;
    }
    // Written in place by its new writer: the system takes the set-user bit away, as it should.
    EXPECT_FALSE(Stat(special).st_mode & S_ISUID);
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 2);  // nothing left beside them

    // Root gives a replaced file back to its owner.
    const std::string theirs = File(shared + "theirs.txt", "old", 0640, kOtherUser);
    const ino_t inode = Inode(theirs);
    Save(theirs, "new");
    EXPECT_NE(Inode(theirs), inode);
    EXPECT_EQ(Stat(theirs).st_uid, kOtherUser);
    EXPECT_EQ(Stat(theirs).st_mode & 07777, 0640u);
}

TEST_F(SaveOwnership, WhatAnotherUserPlantedInASharedStickyDirectoryIsNotWrittenThrough) {
    const std::string tmp = Directory("tmp", 01777);
    const std::string victim = File(Path("victim.txt"), "root's own", 0644);
    ASSERT_EQ(AsOtherUser([&] {
                  fs::create_symlink(victim, tmp + "link");
                  std::ofstream(tmp + "theirs.txt") << "theirs";
                  return 0;
              }),
              0);
    for (const auto& [name, reason] : {std::pair{tmp + "link", "symbolický odkaz ve sdíleném adresáři "},
                                       std::pair{tmp + "theirs.txt", "soubor ve sdíleném adresáři "}}) {
        try {
            Save(name, "overwritten");
            ADD_FAILURE() << name << " was written";
        } catch (const EBedFileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Soubor nelze vytvořit: " + name + " (" + reason + tmp + " patří jinému uživateli)");
        }
    }
    EXPECT_EQ(Contents(victim), "root's own");
    EXPECT_EQ(Contents(tmp + "theirs.txt"), "theirs");
    // A link of one's own there is followed.
    fs::create_symlink(victim, tmp + "mine");
    Save(tmp + "mine", "new");
    EXPECT_EQ(Contents(victim), "new");
}

TEST_F(SaveOwnership, ABackupAnotherUserPutInItsPlaceIsNeverRestored) {
    const std::string shared = Directory("shared", 0777);
    const std::string target = File(shared + "doc.txt", std::string(50000, 'o'), 0644);
    fs::create_hard_link(target, shared + "doc.link");
    InChild([&] {
        TBedEditFileWriter writer(target);
        writer.Write(std::string(40000, 'n'));
        ::raise(SIGKILL);
        return 0;
    });
    const std::string halfWritten = Contents(target);
    std::string backup;
    for (const auto& e : fs::directory_iterator(shared))
        if (e.path().string().ends_with(".backup")) backup = e.path();
    ASSERT_FALSE(backup.empty());
    // The other user swaps the backup for one of theirs, of the same size.
    fs::remove(backup);
    ASSERT_EQ(AsOtherUser([&] {
                  std::ofstream(backup) << std::string(50000, 'x');
                  return 0;
              }),
              0);
    const std::vector<std::string> reports = RecoverInterruptedSaves();
    EXPECT_EQ(Contents(target), halfWritten);
    EXPECT_EQ(reports, std::vector<std::string>{"Soubor " + target + ": " + backup +
                                                " není záloha tohoto uživatele, nepoužila se ani nesmazala."});
}

TEST_F(SaveOwnership, NotesInADirectoryOfAnotherUserAreNeitherKeptNorRead) {
    // Root started with another user's home: its notes directory is theirs.
    const std::string theirNotes = Directory("their-notes", 0700, kOtherUser);
    SetSaveNotesDirectory(theirNotes);
    const std::string victim = File(Path("victim.txt"), "root's own", 0644);
    const std::string planted = File(Path("planted.backup"), "planted", 0600, kOtherUser);
    File(theirNotes + "save-Abc123", "bed-save 1\ntarget " + victim + "\nbackup " + planted + "\nbacked-up 7 0\n", 0600,
         kOtherUser);
    const std::vector<std::string> reports = RecoverInterruptedSaves();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].starts_with("Adresář " + theirNotes + " nepatří vám")) << reports[0];
    EXPECT_EQ(Contents(victim), "root's own");
    EXPECT_TRUE(fs::exists(planted));
    // A save still goes, noted nowhere, and says so.
    TBedEditFileWriter writer(victim);
    writer.Write("new");
    writer.Commit();
    EXPECT_EQ(writer.Remarks(), reports);
    EXPECT_EQ(fs::directory_iterator(theirNotes)->path().filename(), "save-Abc123");
}

TEST_F(SaveOwnership, AWritableFileInADirectoryTheUserCantWriteIsSavedInPlace) {
    const std::string locked = Directory("locked", 0755);
    const std::string target = File(locked + "hosts", std::string(50000, 'o'), 0666);
    const std::string notes = OtherNotes();
    const ino_t inode = Inode(target);
    EXPECT_EQ(AsOtherUser([&] {
                  SetSaveNotesDirectory(notes);
                  Save(target, "new");
                  return 0;
              }),
              0);
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(Inode(target), inode);
    // Killed half way: the backup lay in the user's notes directory, and comes back from there.
    File(target, std::string(50000, 'o'), 0666);
    EXPECT_EQ(AsOtherUser([&] {
                  SetSaveNotesDirectory(notes);
                  TBedEditFileWriter writer(target);
                  writer.Write(std::string(40000, 'n'));
                  ::raise(SIGKILL);
                  return 0;
              }),
              1000 + SIGKILL);
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), {}), 1);
    EXPECT_EQ(AsOtherUser([&] {
                  SetSaveNotesDirectory(notes);
                  return RecoverInterruptedSaves().size() == 1 ? 0 : 1;
              }),
              0);
    EXPECT_EQ(Contents(target), std::string(50000, 'o'));
    EXPECT_TRUE(fs::is_empty(notes));
}
