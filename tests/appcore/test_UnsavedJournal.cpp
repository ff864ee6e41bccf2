// The journal of unsaved edits over real editing: every command's changes, played back onto the
// text they started from, give the text again — also after a kill at any moment, losing at
// most the last second.
#include "../editor/CoreTestHelpers.h"
#include "DocumentTestHelpers.h"
#include "FileChecksum.h"
#include "LineWrap.h"
#include "TextToolEdit.h"
#include "UnsavedJournal.h"
#include "UnsavedJournals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Random editing through the component's commands, the text tools and replace-all.
class TEditing {
public:
    TEditing(TTestEdit& e, unsigned seed) : e_(e), rng_(seed) { e_.SetWindowSize(10, 30); }
    void Step() {
        switch (Int(0, 16)) {
            case 0:
            case 1:
            case 2: e_.Type(Word()); break;
            case 3: e_.SetCaretXY(Point()); break;
            case 4: e_.Select(Point(), Point(), TBedSelectionMode(Int(0, 2))); break;
            case 5: e_.SetSelectedText(Word() + (Int(0, 1) ? "\r\n" + Word() : "")); break;
            case 6: e_.Cmd(Int(0, 1) ? ecDeleteLastChar : ecDeleteChar); break;
            case 7: e_.Cmd(ecDeleteLine); break;
            case 8: e_.Cmd(Int(0, 2) ? ecLineBreak : ecInsertLine); break;
            case 9: e_.Cmd(ecCut); break;
            case 10: e_.Cmd(ecCopy); break;
            case 11: e_.Cmd(ecPaste); break;
            case 12: e_.Cmd(Int(0, 1) ? ecBlockIndent : ecBlockUnindent); break;
            case 13: Int(0, 1) ? e_.Undo() : e_.Redo(); break;
            case 14: {
                TBedTextToolEdit edit(e_);
                const int first = Int(0, std::max(0, e_.Lines().Count() - 1));
                WrapLines(edit, Int(10, 40), first, std::min(e_.Lines().Count() - 1, first + Int(0, 5)));
                break;
            }
            case 15: e_.SearchReplace(Word().substr(0, 1), Word(), ssoReplaceAll | ssoEntireScope); break;
            case 16: e_.Cmd(ecTab); break;
        }
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::string Word() {
        static const std::string chars = "abc xyz\t\x9A\xE8\xF8";
        std::string w;
        for (int i = Int(1, 7); i > 0; --i) w += chars[size_t(Int(0, int(chars.size()) - 1))];
        return w;
    }
    TBedPoint Point() {
        const int y = Int(1, std::max(1, e_.Lines().Count()));
        return {Int(1, int(e_.Lines().Get(y - 1).size()) + 3), y};
    }
    TTestEdit& e_;
    std::mt19937 rng_;
};

uint64_t TextSum(const TBedEditStringList& lines) {
    TBedChecksum sum;
    for (int i = 0; i < lines.Count(); ++i) {
        sum.Add(lines.GetView(i));
        sum.Add("\n");
    }
    return sum.Value();
}

std::vector<std::string> BaseText(int lines) {
    std::vector<std::string> text;
    for (int i = 0; i < lines; ++i)
        text.push_back(Cp(U"Řádka číslo ") + std::to_string(i) + Cp(U" s háčky a čárkami, ") +
                       std::string(size_t(i % 50), 'x'));
    return text;
}

class UnsavedJournalTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/bedjournalXXXXXX";
        dir_ = ::mkdtemp(tmpl);
        SetUnsavedJournalDirectory(dir_ + "/unsaved");
    }
    void TearDown() override {
        SetUnsavedJournalDirectory("");
        fs::remove_all(dir_);
    }
    // The one journal a session left.
    TBedJournalContents LeftJournal() {
        std::vector<std::string> problems;
        std::vector<TBedOrphanJournal> found = FindOrphanedJournals(problems);
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? TBedJournalContents{} : found[0].contents;
    }
    std::string dir_;
};

}  // namespace

TEST_F(UnsavedJournalTest, EveryEditPlayedBackGivesTheTextAgain) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<std::string> base = BaseText(int(seed % 7) + 1);
        TTestEdit e(base);
        {
            TBedUnsavedJournal journal(e.Lines());
            journal.Begin({});
            TEditing editing(e, seed);
            for (int step = 0; step < 150; ++step) editing.Step();
            journal.Writer()->Sync();
        }
        TTestEdit replayed(base);
        const TBedJournalContents left = LeftJournal();
        ASSERT_TRUE(ReplayJournal(left, replayed.Lines())) << seed;
        ASSERT_EQ(replayed.Text(), e.Text()) << seed;
        fs::remove_all(dir_ + "/unsaved");
    }
}

TEST_F(UnsavedJournalTest, AnEditThatDoesNotFitTheTextStopsThePlayback) {
    TBedJournalContents journal;
    TBedJournalEdit ok;
    ok.kind = TBedJournalEdit::Replace;
    ok.from = 1;
    ok.lines = {"X"};
    TBedJournalEdit beyond = ok;
    beyond.first = 5;  // a line beyond the text
    TBedJournalEdit tooWide = ok;
    tooWide.from = 3;
    tooWide.kept = 3;  // more than the line holds
    for (const TBedJournalEdit& bad : {beyond, tooWide}) {
        journal.edits = {ok, bad, ok};
        TTestEdit e({"abcd"});
        EXPECT_FALSE(ReplayJournal(journal, e.Lines()));
        EXPECT_EQ(e.Text(), std::vector<std::string>{"aX"});
    }
    TBedLoadSettings settings{5, 1, true, 72, true}, back;
    ASSERT_TRUE(DecodeLoadSettings(EncodeLoadSettings(settings), back));
    EXPECT_EQ(EncodeLoadSettings(back), EncodeLoadSettings(settings));
    TBedDocumentState state{2, true, 3, true, true}, stateBack;
    ASSERT_TRUE(DecodeDocumentState(EncodeDocumentState(state), stateBack));
    EXPECT_EQ(stateBack, state);
    EXPECT_FALSE(DecodeDocumentState("garbage", stateBack));
}

// A child edits a document of over a megabyte at random and is killed at a random moment, again
// and again (BED_PROPERTY_ROUNDS times, 100 unless set): what its journal recovers is exactly a text the child had at
// most a second before the kill, as its own log of texts and times says.
TEST_F(UnsavedJournalTest, AKillAtAnyMomentLosesAtMostTheLastSecond) {
    const std::vector<std::string> base = BaseText(20000);  // over a megabyte
    std::mt19937 rng(11);
    using Clock = std::chrono::steady_clock;
    const int rounds = std::getenv("BED_PROPERTY_ROUNDS") ? std::atoi(std::getenv("BED_PROPERTY_ROUNDS")) : 100;
    int recoveredEdits = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string log = dir_ + "/states";
        fs::remove(log);
        const pid_t child = ::fork();
        if (child == 0) {
            TTestEdit e(base);
            TBedUnsavedJournal journal(e.Lines());
            journal.Begin({});
            TEditing editing(e, unsigned(round) + 1);
            std::FILE* states = std::fopen(log.c_str(), "w");
            std::fprintf(states, "%lld %llu\n", (long long)Clock::now().time_since_epoch().count(),
                         (unsigned long long)TextSum(e.Lines()));
            for (;;) {
                editing.Step();
                journal.Settle();
                // The moment the text is reached, then the text: both before the next step.
                std::fprintf(states, "%lld %llu\n", (long long)Clock::now().time_since_epoch().count(),
                             (unsigned long long)TextSum(e.Lines()));
                std::fflush(states);
            }
        }
        ::usleep(useconds_t(std::uniform_int_distribution<int>(200000, 1300000)(rng)));
        const auto killed = Clock::now();
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        std::vector<std::string> problems;
        std::vector<TBedOrphanJournal> found = FindOrphanedJournals(problems);
        TTestEdit replayed(base);
        if (!found.empty()) {
            ASSERT_TRUE(ReplayJournal(found[0].contents, replayed.Lines())) << round;
            recoveredEdits += int(found[0].contents.edits.size());
            DiscardJournal(found[0]);
        }
        const uint64_t recovered = TextSum(replayed.Lines());
        // The text stood from its moment until the next one's: it counts while it stood within
        // the last second.
        std::ifstream states(log);
        long long at = 0, next = 0;
        unsigned long long sum = 0, nextSum = 0;
        bool matched = false;
        // Killed before it logged anything: it had not changed a thing.
        if (!(states >> at >> sum)) sum = TextSum(TTestEdit(base).Lines());
        for (bool more = true; more;) {
            more = bool(states >> next >> nextSum);
            const long long until = more ? next : killed.time_since_epoch().count();
            if (sum == recovered && until >= (killed - std::chrono::seconds(1)).time_since_epoch().count())
                matched = true;
            at = next;
            sum = nextSum;
        }
        ASSERT_TRUE(matched) << "round " << round << ": the recovered text is older than a second, or was never there";
    }
    EXPECT_GT(recoveredEdits, 0);
}
