// Long random edit sessions: undoing everything must give back the original text exactly,
// redoing everything the edited text.
#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class TSession {
public:
    explicit TSession(unsigned seed) : rng_(seed) {
        std::vector<std::string> text;
        const int n = Int(1, 8);
        for (int i = 0; i < n; ++i) text.push_back(Line());
        e_.Load(text);
        e_.SetWindowSize(10, 30);
        e_.SetMaxUndo(100000);
        // Options that change padding, caret clamping, indentation and tabs vary with the seed.
        e_.SetOptions(e_.Options()
                          .With(eoTrimTrailingSpaces, seed % 2 == 0)
                          .With(eoScrollPastEol, seed % 3 != 0)
                          .With(eoAutoIndent, seed % 5 != 0)
                          .With(eoSmartTabs, seed % 7 != 0));
    }

    TTestEdit& Edit() { return e_; }

    // What ran, for the failure message.
    std::string log;

    void Step() {
        const int op = Int(0, 24);
        log += std::to_string(op) + " ";
        switch (op) {
            case 0:
            case 1:
            case 2: e_.Type(Word()); break;
            case 3: e_.SetInsertMode(!e_.InsertMode()); break;
            case 4: {
                std::string s = Word();
                e_.Cmd(ecImeStr, 0, &s);
                break;
            }
            case 5:
            case 6: e_.SetCaretXY(RandomPoint()); break;
            case 7:
            case 8: e_.Select(RandomPoint(), RandomPoint(), TBedSelectionMode(Int(0, 2))); break;
            case 9: e_.SetSelectedText(Int(0, 1) ? Word() : Word() + "\r\n" + Word()); break;
            case 10: e_.Cmd(ecDeleteLastChar); break;
            case 11: e_.Cmd(ecDeleteChar); break;
            case 12: e_.Cmd(Int(0, 1) ? ecDeleteWord : ecDeleteLastWord); break;
            case 13: e_.Cmd(Int(0, 1) ? ecDeleteBOL : ecDeleteEOL); break;
            case 14: e_.Cmd(ecDeleteLine); break;
            case 15:
            case 16: e_.Cmd(Int(0, 2) ? ecLineBreak : ecInsertLine); break;
            case 17: e_.Cmd(ecTab); break;
            case 18: e_.Cmd(Int(0, 1) ? ecBlockIndent : ecBlockUnindent); break;
            case 19: e_.Cmd(ecCut); break;
            case 20: e_.Cmd(ecCopy); break;
            case 21: e_.Cmd(ecPaste); break;
            case 22: {
                const TBedPoint p = RandomPoint();
                e_.SetSelectionMode(smNormal);
                e_.DropSelection(e_, p, Int(0, 1), false);
                break;
            }
            case 23: e_.Cmd(TBedEditorCommand(Int(1, 16) + (Int(0, 1) ? ecSelection : 0))); break;
            case 24:
                if (Int(0, 3) == 0)
                    e_.Undo();
                else
                    e_.Redo();
                break;
        }
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::string Word() {
        static const std::string chars = "abc xyz()[]{}_\x9A\xE8";
        std::string w;
        const int n = Int(1, 6);
        for (int i = 0; i < n; ++i) w += chars[size_t(Int(0, int(chars.size()) - 1))];
        return w;
    }
    std::string Line() {
        std::string l = Int(0, 2) == 0 ? std::string(size_t(Int(1, 9)), ' ') : std::string();
        l += Int(0, 4) == 0 ? std::string() : Word() + Word();
        const size_t end = l.find_last_not_of(' ');
        l.erase(end == std::string::npos ? 0 : end + 1);
        return l;
    }
    TBedPoint RandomPoint() {
        const int y = Int(1, std::max(1, e_.Lines().Count()));
        return {Int(1, int(e_.Lines().Get(y - 1).size()) + 3), y};
    }

    std::mt19937 rng_;
    TTestEdit e_;
};

std::vector<std::string> Trimmed(std::vector<std::string> lines) {
    for (auto& l : lines) {
        const size_t end = l.find_last_not_of(' ');
        l.erase(end == std::string::npos ? 0 : end + 1);
    }
    return lines;
}

}  // namespace

TEST(CoreUndoProperty, UndoAllRestoresOriginalRedoAllRestoresEdited) {
    // BED_PROPERTY_STEPS lengthens the sessions for a deeper run.
    const char* stepsEnv = std::getenv("BED_PROPERTY_STEPS");
    const int steps = stepsEnv ? std::atoi(stepsEnv) : 120;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        TSession s(seed);
        TTestEdit& e = s.Edit();
        const auto original = e.Text();
        for (int i = 0; i < steps; ++i) s.Step();
        e.RedoAll();  // steps may have undone something: start from the newest state
        const auto edited = e.Text();
        e.UndoAll();
        ASSERT_EQ(Trimmed(e.Text()), original) << "seed " << seed << ": " << s.log;
        e.RedoAll();
        ASSERT_EQ(Trimmed(e.Text()), Trimmed(edited)) << "seed " << seed << ": " << s.log;
    }
}
