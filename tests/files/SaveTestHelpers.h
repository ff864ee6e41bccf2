#pragma once
// Saving in tests: a fresh directory with a notes directory beside the documents, saves run in
// child processes (killed, or as another user), and the failure hook.
#include "FileTestFixture.h"
#include "FileWriter.h"
#include "SaveNotes.h"
#include "SystemCalls.h"

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

inline void Save(const std::string& path, const std::string& text) {
    TBedEditFileWriter writer(path);
    writer.Write(text);
    writer.Commit();
}

// Runs f in a child process; its exit status (or the signal that ended it, plus 1000).
inline int InChild(const std::function<int()>& f) {
    const pid_t child = ::fork();
    if (child == 0) {
        int status = 1;
        try {
            status = f();
        } catch (...) {
            status = 99;
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
}

// The user nobody, for the cases that need a second user; only root can become it.
constexpr uid_t kOtherUser = 65534;
inline bool CanBecomeOtherUser() { return ::geteuid() == 0; }
// Runs f in a child process as the other user.
inline int AsOtherUser(const std::function<int()>& f) {
    return InChild([&] {
        if (::setresgid(kOtherUser, kOtherUser, kOtherUser) != 0 ||
            ::setresuid(kOtherUser, kOtherUser, kOtherUser) != 0)
            return 98;
        return f();
    });
}

inline ino_t Inode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

class SaveTest : public FileTest {
protected:
    void SetUp() override {
        FileTest::SetUp();
        notes_ = Path("notes");
        SetSaveNotesDirectory(notes_);
    }
    void TearDown() override {
        SetFailureHook(nullptr);
        SetSaveNotesDirectory("");
        FileTest::TearDown();
    }
    // What lies beside the documents, the notes directory left out.
    std::vector<std::string> Documents() const {
        std::vector<std::string> names = Entries();
        std::erase(names, "notes");
        return names;
    }
    std::vector<std::string> Notes() const {
        std::vector<std::string> names;
        std::error_code none;
        for (const auto& e : std::filesystem::directory_iterator(notes_, none)) names.push_back(e.path().filename());
        return names;
    }

    std::string notes_;
};
