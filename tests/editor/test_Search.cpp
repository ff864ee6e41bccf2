// The per-line search engine and the component's search and replace, against a plain
// reference over random texts.
#include "CoreTestHelpers.h"
#include "PlainSearch.h"

#include "BedEditSearch.h"
#include "BedTextLetters.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<int> FindAll(TBedEditSearch& s, std::string_view line) {
    std::vector<int> result;
    for (int i = 0, n = s.FindAll(line); i < n; ++i) result.push_back(s.Results(i));
    return result;
}

std::vector<int> Find(std::string_view pattern, std::string_view line, bool sensitive = false, bool whole = false) {
    TBedEditSearch s;
    s.SetSensitive(sensitive);
    s.SetWhole(whole);
    s.SetPattern(pattern);
    return FindAll(s, line);
}

using V = std::vector<int>;

}  // namespace

TEST(SearchEngine, MatchesDoNotOverlapAndRespectWordsAndCase) {
    EXPECT_EQ(Find("aa", "aaaa"), (V{1, 3}));
    EXPECT_EQ(Find("ab", "ab,ab1 ab", false, true), (V{1, 8}));
    EXPECT_EQ(Find("ab", "ab,ab1 ab"), (V{1, 4, 8}));
    // Czech capitals through the CP 1250 lower-case table: Ř Š Ž Ď.
    EXPECT_EQ(Find("\xD8\x8A\x8E\xCF", "x \xF8\x9A\x9E\xEF y"), (V{3}));
    EXPECT_EQ(Find("\xD8\x8A\x8E\xCF", "x \xF8\x9A\x9E\xEF y", true), V{});
    EXPECT_EQ(Find("Abc", "abc ABC Abc", true), (V{9}));
    // Letters with diacritics are word characters; the underscore is not.
    EXPECT_EQ(Find("ab",
                   "\xE1"
                   "ab ab_ _ab",
                   false, true),
              (V{5, 10}));
    EXPECT_EQ(Find("abc", "ab"), V{});
    EXPECT_EQ(Find("x", ""), V{});
}

TEST(SearchEngine, PatternsWithRepeatsAndTheLineEnd) {
    // The look-back distance of the last character and the skip beyond the window.
    EXPECT_EQ(Find("abab", "abababab"), (V{1, 5}));
    EXPECT_EQ(Find("aab", "aaab aab"), (V{2, 6}));
    EXPECT_EQ(Find("b", "abcb"), (V{2, 4}));
    EXPECT_EQ(Find("ab", "xxxxxxab"), (V{7}));
    // NUL bytes belong to the text like any other byte.
    EXPECT_EQ(Find(std::string_view("a\0", 2), std::string_view("ba\0a\0", 5)), (V{2, 4}));
}

TEST(SearchEngine, ReadsNothingBeyondAView) {
    // A view into a larger block: the byte after it must not decide a match or a word end.
    const std::string block =
        "xab"
        "c";
    const std::string_view line(block.data(), 3);
    EXPECT_EQ(Find("ab", line, false, true), (V{}));  // "x" before: not a word anyway
    const std::string block2 =
        "ab"
        "c";
    EXPECT_EQ(Find("ab", std::string_view(block2.data(), 2), false, true), (V{1}));
}

TEST(SearchEngine, CountFixResultsAndEmptyPattern) {
    TBedEditSearch s;
    EXPECT_THROW(s.FindAll("abc"), EBedSearch);
    try {
        s.FindAll("abc");
    } catch (const EBedSearch& e) {
        EXPECT_STREQ(e.what(), "Pattern is empty");
    }
    s.SetPattern("a");
    EXPECT_EQ(s.FindAll("a a a"), 3);
    EXPECT_EQ(s.FindAll("a"), 1);
    EXPECT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Results(0), 1);
    EXPECT_EQ(s.Results(1), 0);
    EXPECT_EQ(s.Results(-1), 0);
    s.SetPattern("a");  // the same pattern: only the count starts again
    EXPECT_EQ(s.Count(), 0);
    s.FindAll("a a a");
    s.FixResults(1, -1);  // "a" at 1 became "bb"
    EXPECT_EQ(FindAll(s, "a a a"), (V{1, 3, 5}));
    s.FindAll("a a a");
    s.FixResults(1, -1);
    EXPECT_EQ(s.Results(0), 1);
    EXPECT_EQ(s.Results(1), 4);
    EXPECT_EQ(s.Results(2), 6);
    s.SetSensitive(true);
    s.SetPattern("A");
    EXPECT_EQ(s.FindAll("a A"), 1);
}

// ---- The component ------------------------------------------------------------------------

namespace {

constexpr TBedSearchOptions kReplaceAll = ssoReplace | ssoReplaceAll;

}  // namespace

TEST(SearchReplace, FindSelectsTheNextMatchFromTheCaret) {
    TTestEdit e({"abc x abc", "abc"});
    EXPECT_EQ(e.SearchReplace("abc", "", 0), 1);
    EXPECT_EQ(e.SelFrom(), P(1, 1));
    EXPECT_EQ(e.SelTo(), P(4, 1));
    EXPECT_EQ(e.CaretXY(), P(4, 1));
    EXPECT_EQ(e.SearchReplace("abc", "", 0), 1);
    EXPECT_EQ(e.SelFrom(), P(7, 1));
    EXPECT_EQ(e.SearchReplace("abc", "", 0), 1);
    EXPECT_EQ(e.SelFrom(), P(1, 2));
    // Nothing more: text, caret and selection stay.
    EXPECT_EQ(e.SearchReplace("abc", "", 0), 0);
    EXPECT_EQ(e.SelFrom(), P(1, 2));
    EXPECT_EQ(e.SelTo(), P(4, 2));
    // Backwards from a match's end finds that match, then from its start the one before it,
    // with the caret at the start.
    EXPECT_EQ(e.SearchReplace("abc", "", ssoBackwards), 1);
    EXPECT_EQ(e.CaretXY(), P(1, 2));
    EXPECT_EQ(e.SearchReplace("abc", "", ssoBackwards), 1);
    EXPECT_EQ(e.SelFrom(), P(7, 1));
    EXPECT_EQ(e.CaretXY(), P(7, 1));
    // Forward right after backwards finds the same match again.
    EXPECT_EQ(e.SearchReplace("abc", "", 0), 1);
    EXPECT_EQ(e.SelFrom(), P(7, 1));
    // The entire scope starts at the top every time.
    EXPECT_EQ(e.SearchReplace("abc", "", ssoEntireScope), 1);
    EXPECT_EQ(e.SelFrom(), P(1, 1));
    EXPECT_EQ(e.SearchReplace("abc", "", ssoEntireScope), 1);
    EXPECT_EQ(e.SelFrom(), P(1, 1));
    EXPECT_EQ(e.SearchReplace("", "", ssoEntireScope), 0);
}

TEST(SearchReplace, ReplaceAllIsOneUndoStepAndReplaceOneIsOneEach) {
    TTestEdit e({"a a a", "a"});
    EXPECT_EQ(e.SearchReplace("a", "bb", kReplaceAll), 4);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"bb bb bb", "bb"}));
    EXPECT_EQ(e.CaretXY(), P(3, 2));
    EXPECT_FALSE(e.HasSelection());
    EXPECT_TRUE(e.Modified());
    e.Undo();
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a a a", "a"}));
    EXPECT_FALSE(e.CanUndo());
    e.Redo();
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"bb bb bb", "bb"}));
    EXPECT_FALSE(e.CanRedo());

    TTestEdit one({"a a a"});
    one.SetCaretXY(P(2, 1));
    EXPECT_EQ(one.SearchReplace("a", "bb", ssoReplace), 1);
    EXPECT_EQ(one.Text(), (std::vector<std::string>{"a bb a"}));
    EXPECT_EQ(one.CaretXY(), P(5, 1));
    EXPECT_EQ(one.SearchReplace("a", "bb", ssoReplace), 1);
    EXPECT_EQ(one.SearchReplace("a", "bb", ssoReplace), 0);
    EXPECT_EQ(one.Text(), (std::vector<std::string>{"a bb bb"}));
}

TEST(SearchReplace, ReplacementsKeepEveryOtherByte) {
    // Trailing blanks and tabs of the lines replaced in stay, and undo gives them back.
    TTestEdit e({"a\tx  ", "  x ", "x"});
    EXPECT_EQ(e.SearchReplace("x", " ", kReplaceAll), 3);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a\t   ", "    ", " "}));
    e.UndoAll();
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a\tx  ", "  x ", "x"}));
    EXPECT_FALSE(e.Modified());
}

TEST(SearchReplace, ReplacementWithLineBreaks) {
    TTestEdit e({"a,b,c", "d,e"});
    EXPECT_EQ(e.SearchReplace(",", "\r\n", kReplaceAll), 3);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(e.CaretXY(), P(1, 5));
    e.UndoAll();
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a,b,c", "d,e"}));
    e.RedoAll();
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    // A block ending on a line whose start moved down still ends where it ended.
    TTestEdit block({"x,x,x", "x,x"});
    block.Select(P(3, 1), P(2, 2));
    EXPECT_EQ(block.SearchReplace("x", "y\r\nz", kReplaceAll | ssoSelectedOnly), 3);
    EXPECT_EQ(block.Text(), (std::vector<std::string>{"x,y", "z,y", "z", "y", "z,x"}));
}

TEST(SearchReplace, PromptAnswers) {
    TTestEdit e({"a a a a"});
    std::vector<TBedPoint> asked;
    std::vector<TBedReplaceAction> answers{raSkip, raReplace, raReplaceAll};
    e.OnReplaceText = [&](TCustomBedEdit& sender, const std::string& s, const std::string& r, int line, int column) {
        EXPECT_EQ(sender.SelectedText(), s);
        EXPECT_EQ(sender.SelFrom(), P(column, line));
        EXPECT_EQ(r, s == "a" ? "bc" : "x");
        asked.push_back({column, line});
        const TBedReplaceAction a = answers.front();
        answers.erase(answers.begin());
        return a;
    };
    EXPECT_EQ(e.SearchReplace("a", "bc", kReplaceAll | ssoPrompt), 4);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a bc bc bc"}));
    EXPECT_EQ(asked, (std::vector<TBedPoint>{P(1, 1), P(3, 1), P(6, 1)}));
    answers = {raCancel};
    asked.clear();
    EXPECT_EQ(e.SearchReplace("bc", "x", kReplaceAll | ssoPrompt | ssoEntireScope), 1);
    EXPECT_EQ(asked, (std::vector<TBedPoint>{P(3, 1)}));
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a bc bc bc"}));
    // Without a handler the prompt bit changes nothing.
    e.OnReplaceText = nullptr;
    EXPECT_EQ(e.SearchReplace("bc", "x", kReplaceAll | ssoPrompt | ssoEntireScope), 3);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"a x x x"}));
}

// ---- Faults mended ------------------------------------------------------------------------

TEST(SearchReplace, LineModeReplacesOnlyTheMatch) {
    TTestEdit e({"one abc two", "abc"});
    e.SetSelectionMode(smLine);
    EXPECT_EQ(e.SearchReplace("abc", "X", kReplaceAll), 2);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"one X two", "X"}));
    // Repeated finds on one line move on in line mode too.
    TTestEdit f({"ab ab"});
    f.SetSelectionMode(smLine);
    EXPECT_EQ(f.SearchReplace("ab", "", 0), 1);
    EXPECT_EQ(f.CaretXY(), P(3, 1));
    EXPECT_EQ(f.SearchReplace("ab", "", 0), 1);
    EXPECT_EQ(f.CaretXY(), P(6, 1));
    EXPECT_EQ(f.SearchReplace("ab", "", 0), 0);
}

TEST(SearchReplace, ReplaceAllStaysInsideTheBlock) {
    TTestEdit e({"aaaa"});
    e.Select(P(1, 1), P(3, 1));
    EXPECT_EQ(e.SearchReplace("a", "", kReplaceAll | ssoSelectedOnly), 2);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"aa"}));
    TTestEdit column({"aaaa", "aaaa"});
    column.Select(P(2, 1), P(4, 2), smColumn);
    EXPECT_EQ(column.SearchReplace("a", "bbb", kReplaceAll | ssoSelectedOnly), 4);
    EXPECT_EQ(column.Text(), (std::vector<std::string>{"abbbbbba", "abbbbbba"}));
}

TEST(SearchReplace, ColumnModeWithoutABlockSearchesEverything) {
    TTestEdit e({"a long line with x", "short"});
    e.SetSelectionMode(smColumn);
    e.SetCaretXY(P(3, 2));
    EXPECT_EQ(e.SearchReplace("x", "", ssoEntireScope), 1);
    EXPECT_EQ(e.SelFrom(), P(18, 1));
    e.SetCaretXY(P(1, 1));
    EXPECT_EQ(e.SearchReplace("x", "", ssoSelectedOnly), 1);
}

TEST(SearchReplace, BackwardReplaceMovesOn) {
    TTestEdit e({"abc abc abc"});
    e.SetCaretXY(P(12, 1));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(e.SearchReplace("abc", "ABC", ssoReplace | ssoBackwards), 1);
    EXPECT_EQ(e.SearchReplace("abc", "ABC", ssoReplace | ssoBackwards), 0);
    EXPECT_EQ(e.CaretXY(), P(1, 1));
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"ABC ABC ABC"}));
}

TEST(SearchReplace, ReadOnlyIsSearchedButNotChanged) {
    TTestEdit e({"abc abc"});
    e.SetReadOnly(true);
    EXPECT_EQ(e.SearchReplace("abc", "x", kReplaceAll), 1);
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"abc abc"}));
    EXPECT_EQ(e.SelectedText(), "abc");
    EXPECT_FALSE(e.CanUndo());
    EXPECT_FALSE(e.Modified());
}

// ---- Against a plain reference ------------------------------------------------------------

namespace {

struct TExpected {
    int count = 0;
    std::vector<std::string> text;
    TBedPoint caret;
    TBedPoint selFrom, selTo;
};

// What the search and replace should do, worked out the plain way: every match in order,
// judged against the range in the text as it was.
TExpected Reference(const TTestEdit& e, const std::string& s, const std::string& r, TBedSearchOptions o) {
    const std::vector<std::string> lines = e.Text();
    const bool back = o & ssoBackwards;
    const bool replace = o & (ssoReplace | ssoReplaceAll), all = o & ssoReplaceAll;
    TBedPoint from{1, 1}, to{int(lines.back().size()) + 1, int(lines.size())};
    bool columns = false;
    if ((o & ssoSelectedOnly) && e.HasSelection()) {
        from = e.SelFrom();
        to = e.SelTo();
        if (e.SelectionMode() == smLine) {
            from.X = 1;
            to.X = int(lines[size_t(to.Y - 1)].size()) + 1;
        }
        if (e.SelectionMode() == smColumn) {
            columns = true;
            if (to.X < from.X) std::swap(from.X, to.X);
        }
    } else if (!(o & ssoEntireScope)) {
        (back ? to : from) = e.CaretXY();
    }
    const int m = int(s.size());
    struct TMatch {
        int y, x;
    };
    std::vector<TMatch> order;
    for (int y = from.Y; y <= to.Y; ++y) {
        std::vector<TMatch> line;
        for (int x : PlainFind(lines[size_t(y - 1)], s, o & ssoMatchCase, o & ssoWholeWord)) {
            const bool leaves =
                columns ? (x < from.X || x + m > to.X) : ((y == from.Y && x < from.X) || (y == to.Y && x + m > to.X));
            if (!leaves) line.push_back({y, x});
        }
        if (back) std::reverse(line.begin(), line.end());
        if (back)
            order.insert(order.begin(), line.begin(), line.end());
        else
            order.insert(order.end(), line.begin(), line.end());
    }
    TExpected x;
    x.text = lines;
    x.caret = e.CaretXY();
    x.selFrom = e.SelFrom();
    x.selTo = e.SelTo();
    if (order.empty()) return x;
    if (!all) order.resize(1);
    x.count = int(order.size());
    if (!replace) {
        const TMatch& f = order[0];
        x.selFrom = {f.x, f.y};
        x.selTo = {f.x + m, f.y};
        x.caret = back ? x.selFrom : x.selTo;
        return x;
    }
    // Rebuild each line left to right; the caret follows the last replacement made.
    std::vector<std::vector<int>> byLine(lines.size());
    for (const auto& mt : order) byLine[size_t(mt.y - 1)].push_back(mt.x);
    std::string joined;
    TBedPoint caret{};
    int outLine = 1;
    const TMatch last = order.back();
    for (size_t y = 0; y < lines.size(); ++y) {
        auto& xs = byLine[y];
        std::sort(xs.begin(), xs.end());
        size_t copied = 0;
        std::string out;
        for (int mx : xs) {
            out += lines[y].substr(copied, size_t(mx - 1) - copied);
            const bool isLast = int(y) + 1 == last.y && mx == last.x;
            const auto pieces = [&] {
                std::vector<std::string> p{""};
                for (char c : out)
                    (c == '\n' ? p.emplace_back() : p.back()) += c == '\n' ? std::string() : std::string(1, c);
                return p;
            };
            if (isLast && back) caret = {int(pieces().back().size()) + 1, outLine + int(pieces().size()) - 1};
            out += r;
            if (isLast && !back) caret = {int(pieces().back().size()) + 1, outLine + int(pieces().size()) - 1};
            copied = size_t(mx - 1 + m);
        }
        out += lines[y].substr(copied);
        joined += out;
        outLine += int(std::count(out.begin(), out.end(), '\n')) + 1;
        if (y + 1 < lines.size()) joined += '\n';
    }
    x.text.assign(1, "");
    for (char c : joined) {
        if (c == '\n')
            x.text.emplace_back();
        else
            x.text.back() += c;
    }
    x.caret = caret;
    x.selFrom = x.selTo = caret;
    return x;
}

std::string RandomText(std::mt19937& rng, const char* alphabet, int maxLength) {
    const size_t n = strlen(alphabet);
    std::string s(std::uniform_int_distribution<int>(0, maxLength)(rng), ' ');
    for (char& c : s) c = alphabet[std::uniform_int_distribution<size_t>(0, n - 1)(rng)];
    return s;
}

}  // namespace

TEST(SearchReplace, AgreesWithAPlainReference) {
    std::mt19937 rng(12);
    // a, A, á, Á, a blank, a comma, a digit: case pairs and word ends.
    const char* alphabet = "aAaA\xE1\xC1 ,1b";
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int round = 0; round < 6000; ++round) {
        std::vector<std::string> text(size_t(1 + pick(4)));
        for (auto& line : text) line = RandomText(rng, alphabet, 12);
        TTestEdit e(text);
        // Half the texts as a file loads them: lines that point into one block, searched in one
        // piece, their breaks mixed, one of them maybe with a string of its own again.
        if (round % 2) {
            std::string bytes;
            for (size_t i = 0; i < text.size(); ++i) bytes += text[i] + (i % 2 ? "\n" : "\r\n");
            e.Lines().SetText(bytes);
            if (pick(2)) {
                const int i = pick(int(text.size()));
                e.Lines().Put(i, text[size_t(i)]);
            }
        }
        const TBedSelectionMode mode = TBedSelectionMode(pick(3));
        if (pick(3) > 0) {
            const int y1 = 1 + pick(int(text.size())), y2 = 1 + pick(int(text.size()));
            e.Select(P(1 + pick(15), y1), P(1 + pick(15), y2), mode);
        } else {
            e.SetSelectionMode(mode);
        }
        if (pick(2)) e.SetCaretXY(P(1 + pick(15), 1 + pick(int(text.size()))));
        std::string s = RandomText(rng, alphabet, 3);
        if (s.empty()) s = "a";
        std::string r = RandomText(rng, alphabet, 4);
        if (pick(8) == 0) r = s + r;
        if (pick(12) == 0) r += "\r\n" + RandomText(rng, alphabet, 2);
        TBedSearchOptions o = TBedSearchOptions(pick(32));
        const int kind = pick(3);
        if (kind >= 1) o |= ssoReplace;
        if (kind == 2) o |= ssoReplaceAll;
        std::string rn = r;  // the reference splits at "\n" only
        for (size_t p; (p = rn.find("\r\n")) != std::string::npos;) rn.erase(p, 1);
        const TExpected x = Reference(e, s, rn, o);
        SCOPED_TRACE("round " + std::to_string(round) + " s=" + s + " r=" + r + " o=" + std::to_string(o) +
                     " mode=" + std::to_string(mode));
        ASSERT_EQ(e.SearchReplace(s, r, o), x.count);
        ASSERT_EQ(e.Text(), x.text);
        ASSERT_EQ(e.CaretXY(), x.caret);
        ASSERT_EQ(e.SelFrom(), x.selFrom);
        ASSERT_EQ(e.SelTo(), x.selTo);
        if (x.count > 0 && (o & ssoReplace)) {
            const std::vector<std::string> replaced = e.Text();
            e.UndoAll();
            ASSERT_EQ(e.Text(), text);
            e.RedoAll();
            ASSERT_EQ(e.Text(), replaced);
        }
    }
}
