// Saving without ever losing the old or the new text: the two ways of saving, what is kept of the
// file, what is refused, and the system's refusals and interruptions on the way.
#include "FileError.h"
#include "SaveTestHelpers.h"

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/xattr.h>

namespace fs = std::filesystem;

using SafeSave = SaveTest;

TEST_F(SafeSave, AFileWithHardLinksIsWrittenInPlaceAndKeepsThem) {
    const std::string target = Make("doc.txt", "old\n");
    fs::create_hard_link(target, Path("other-name.txt"));
    const ino_t inode = Inode(target);
    Save(target, "new\n");
    EXPECT_EQ(Contents(Path("other-name.txt")), "new\n");
    EXPECT_EQ(Inode(target), inode);
    EXPECT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "other-name.txt"}));
    EXPECT_TRUE(Notes().empty());

    Save(target, "");  // shorter: the rest of the old bytes is cut away
    EXPECT_EQ(Contents(Path("other-name.txt")), "");
}

TEST_F(SafeSave, AReplacedFileKeepsItsModeAndExtendedAttributes) {
    const std::string target = Make("doc.txt", "old\n");
    ::chmod(target.c_str(), 0640);
    const bool attributes = ::setxattr(target.c_str(), "user.bed.test", "kept", 4, 0) == 0;
    const ino_t inode = Inode(target);
    Save(target, "new");
    EXPECT_NE(Inode(target), inode);  // replaced, not written in place
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    if (attributes) {
        char value[16] = {};
        ASSERT_EQ(::getxattr(target.c_str(), "user.bed.test", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
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
    EXPECT_EQ(Contents(Path("link.txt")), original);
    EXPECT_EQ(Documents(), (std::vector<std::string>{"doc.txt", "link.txt"}));
    EXPECT_TRUE(Notes().empty());
}

TEST_F(SafeSave, WhatIsNotARegularFileIsRefusedAndStays) {
    ::mkfifo(Path("roura").c_str(), 0644);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, Path("soket").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(Path("adresar"));
    fs::create_symlink(Path("roura"), Path("odkaz-na-rouru"));
    const std::pair<std::string, std::string> cases[] = {
        {Path("roura"), "není to obyčejný soubor, ale roura"},
        {Path("odkaz-na-rouru"), "není to obyčejný soubor, ale roura"},
        {Path("soket"), "není to obyčejný soubor, ale soket"},
        {"/dev/null", "není to obyčejný soubor, ale zařízení"},
        {Path("adresar"), "je to adresář"},
    };
    for (const auto& [name, reason] : cases) {
        try {
            Save(name, "text");
            ADD_FAILURE() << name << " was written";
        } catch (const EBedFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Soubor nelze vytvořit: " + name + " (" + reason + ")");
        }
    }
    ::close(sock);
    EXPECT_TRUE(fs::is_fifo(Path("roura")));
    EXPECT_TRUE(fs::is_socket(Path("soket")));
    EXPECT_EQ(Documents(), (std::vector<std::string>{"adresar", "odkaz-na-rouru", "roura", "soket"}));
}

TEST_F(SafeSave, TheTargetIsOpenedByNameOnceAndLinksAreFollowedOnce) {
    const std::string target = Make("doc.txt", "old\n");
    fs::create_hard_link(target, Path("link.txt"));
    fs::create_symlink("doc.txt", Path("alias"));
    int opensOfTheTarget = 0;
    SetFailureHook([&](TBedSysCall call, const char* name) {
        if (call == TBedSysCall::Open && name && std::string(name) == "doc.txt") ++opensOfTheTarget;
        return 0;
    });
    Save(Path("alias"), "new\n");
    SetFailureHook(nullptr);
    EXPECT_EQ(opensOfTheTarget, 1);
    EXPECT_EQ(Contents(Path("link.txt")), "new\n");
    EXPECT_TRUE(fs::is_symlink(Path("alias")));
}

TEST_F(SafeSave, InterruptedCallsAreRetriedAndARefusedModeOnlyRemarked) {
    const std::string target = Make("doc.txt", "old\n");
    ::chmod(target.c_str(), 0604);
    // Every call interrupted once by a signal; changing the mode refused, as on some network
    // and FUSE file systems.
    bool interrupted = false;
    SetFailureHook([&](TBedSysCall call, const char*) {
        if (call == TBedSysCall::Chmod) return EPERM;
        interrupted = !interrupted;
        return interrupted ? EINTR : 0;
    });
    TBedEditFileWriter writer(target);
    writer.Write("new\n");
    writer.Commit();
    SetFailureHook(nullptr);
    EXPECT_EQ(Contents(target), "new\n");
    ASSERT_EQ(writer.Remarks().size(), 1u);
    EXPECT_EQ(writer.Remarks()[0], "Práva souboru se nezachovala (operace není dovolena).");
    EXPECT_EQ(Documents(), std::vector<std::string>{"doc.txt"});
}

TEST(FileErrors, TheCommonReasonsAreCzechAndTheRareOnesNamed) {
    for (const int error : {ENOENT, EACCES, EPERM, ENOSPC, EDQUOT, EROFS, EISDIR, ENAMETOOLONG, EIO, EXDEV, ETXTBSY})
        EXPECT_NE(FileErrorReason(error), std::strerror(error)) << error;
    EXPECT_EQ(FileErrorReason(ENOSPC), "na disku není místo");
    EXPECT_EQ(FileErrorReason(EBADF), "systémová chyba EBADF");
}
