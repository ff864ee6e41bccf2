// Every system call of a save made to fail in turn, and the save killed before each: the target
// always holds its old text or its new one, the user always hears of a failure, and after the
// next start's clean-up nothing is left beside it.
#include "SaveTestHelpers.h"

#include <csignal>

namespace fs = std::filesystem;

namespace {

const std::string kOld(40000, 'o');
const std::string kNew(60000, 'n');

struct TScenario {
    const char* name;
    bool exists;
    bool linked;            // another name: written in place
    bool theirs = false;    // owned by another user: replaced by root, who gives it back
    bool linkOnly = false;  // a file system that can't rename without replacing: linked instead
};

class SaveFailures : public SaveTest, public ::testing::WithParamInterface<TScenario> {
protected:
    std::string Target() const { return Path("doc.txt"); }
    void SetUp() override {
        if (GetParam().theirs && !CanBecomeOtherUser()) GTEST_SKIP() << "needs root to play a second user";
        SaveTest::SetUp();
    }
    void Reset() {
        fs::remove(Target());
        if (GetParam().exists) Make("doc.txt", kOld);
        if (GetParam().theirs) ::chown(Target().c_str(), kOtherUser, kOtherUser);
        if (GetParam().linked) {
            fs::remove(Path("link.txt"));
            fs::create_hard_link(Target(), Path("link.txt"));
        }
    }
    std::vector<std::string> Expected(bool saved) const {
        if (GetParam().linked) return {"doc.txt", "link.txt"};
        if (GetParam().exists || saved) return {"doc.txt"};
        return {};
    }
    // The target is the old text or the new one, its other name the same, nothing else beside it.
    void ExpectWhole(const std::string& when) {
        const bool saved = fs::exists(Target()) && Contents(Target()) == kNew;
        if (fs::exists(Target()) && !saved) {
            ASSERT_EQ(Contents(Target()).size(), kOld.size()) << when;
        }
        if (fs::exists(Target()) && !saved) {
            ASSERT_EQ(Contents(Target()), kOld) << when;
        }
        if (!GetParam().exists) {
            ASSERT_TRUE(!fs::exists(Target()) || saved) << when;
        }
        if (GetParam().linked) {
            ASSERT_EQ(Contents(Path("link.txt")), Contents(Target())) << when;
        }
        struct stat st {};
        if (GetParam().theirs) {
            ASSERT_TRUE(::stat(Target().c_str(), &st) == 0 && st.st_uid == kOtherUser) << when;
        }
        ASSERT_EQ(Documents(), Expected(saved)) << when;
        ASSERT_TRUE(Notes().empty()) << when;
    }
    // The file system's own answer to a call, before any failure the test injects.
    static int Refused(TBedSysCall call) { return GetParam().linkOnly && call == TBedSysCall::Rename ? EINVAL : 0; }
    static int ErrorFor(TBedSysCall call) {
        switch (call) {
            case TBedSysCall::Chmod:
            case TBedSysCall::Chown: return EPERM;
            case TBedSysCall::Write: return ENOSPC;
            default: return EIO;
        }
    }
};

const char* CallName(TBedSysCall call) {
    static const char* const names[] = {"open",   "read",   "write", "fsync",    "directory fsync", "fchmod",
                                        "fchown", "rename", "link",  "unlink",   "ftruncate",       "stat",
                                        "mkdir",  "flock",  "close", "fsetxattr"};
    return names[int(call)];
}

}  // namespace

TEST_P(SaveFailures, NoFailingCallLosesTheOldOrTheNewTextOrGoesUntold) {
    Reset();
    std::vector<TBedSysCall> calls;
    SetFailureHook([&](TBedSysCall call, const char*) {
        calls.push_back(call);
        return Refused(call);
    });
    Save(Target(), kNew);
    SetFailureHook(nullptr);
    ASSERT_GT(calls.size(), 10u);
    for (size_t failing = 0; failing < calls.size(); ++failing) {
        const std::string when = std::string(GetParam().name) + ", call " + std::to_string(failing) + " (" +
                                 CallName(calls[failing]) + ") failing";
        Reset();
        size_t n = 0;
        SetFailureHook([&](TBedSysCall call, const char*) { return n++ == failing ? ErrorFor(call) : Refused(call); });
        std::string told;
        try {
            TBedEditFileWriter writer(Target());
            writer.Write(kNew);
            writer.Commit();
            for (const std::string& remark : writer.Remarks()) told += remark;
        } catch (const EBedFileError& e) {
            told = e.what();
        }
        SetFailureHook(nullptr);
        // A new file that can't be given the old owner makes the save write in place instead.
        if (calls[failing] != TBedSysCall::Chown) {
            EXPECT_FALSE(told.empty()) << when;
        }
        RecoverInterruptedSaves();
        ExpectWhole(when);
    }
}

TEST_P(SaveFailures, AKillBeforeAnyCallIsRecoveredAtTheNextStart) {
    Reset();
    size_t count = 0;
    SetFailureHook([&](TBedSysCall call, const char*) { return ++count, Refused(call); });
    Save(Target(), kNew);
    SetFailureHook(nullptr);
    for (size_t killed = 0; killed <= count; ++killed) {
        Reset();
        InChild([&] {
            size_t n = 0;
            SetFailureHook([&](TBedSysCall call, const char*) {
                if (n++ == killed) ::raise(SIGKILL);
                return Refused(call);
            });
            Save(Target(), kNew);
            return 0;
        });
        RecoverInterruptedSaves();
        ExpectWhole(std::string(GetParam().name) + ", killed before call " + std::to_string(killed));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWayOfSaving, SaveFailures,
                         ::testing::Values(TScenario{"Replaced", true, false}, TScenario{"InPlace", true, true},
                                           TScenario{"New", false, false}, TScenario{"Theirs", true, false, true},
                                           TScenario{"NewByLink", false, false, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });
