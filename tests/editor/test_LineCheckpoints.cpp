// Scanning a long line from a checkpoint gives the tokens, colours and states of a scan from
// the line's start, in every language that resumes mid-line, also after the line changed.
#include "BedEditLineCheckpoints.h"
#include "BedHighlighterList.h"
#include "JScript.h"
#include "Pas.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>

namespace {

struct TToken {
    int start, length;
    const TBedHighlighterAttributes* attribute;
    TBedRange after;
    friend bool operator==(const TToken&, const TToken&) = default;
};

// The tokens from where the checkpoints start the highlighter for `from` to the line's end.
std::vector<TToken> Scan(TBedLineCheckpoints& checkpoints, TBedCustomHighlighter& hl, const std::string& text, int from,
                         int* startedAt = nullptr) {
    const int at = checkpoints.Start(hl, text, 0, 0, from);
    if (startedAt) *startedAt = at;
    std::vector<TToken> tokens;
    for (; !hl.AtLineEnd(); hl.NextToken()) {
        checkpoints.Passed(hl);
        tokens.push_back({hl.TokenStart(), hl.TokenLength(), hl.TokenAttribute(), hl.CurrentRange()});
    }
    tokens.push_back({hl.TokenStart(), 0, nullptr, hl.CurrentRange()});  // the state at the end
    return tokens;
}

std::vector<TToken> FullScan(TBedCustomHighlighter& hl, const std::string& text) {
    TBedLineCheckpoints none;
    return Scan(none, hl, text, 0);
}

// Pieces of C-like source with comments that span many pieces; nothing that runs to the end
// of the line, so that the tokens stay short.
std::string Source(std::mt19937& random, size_t length) {
    static const char* pieces[] = {
        "function ",
        "var x=",
        "\"str ing\" ",
        "'ab'",
        " /* comment */ ",
        " /* opens ",
        " closes */ ",
        "0x1F",
        "3.14",
        "if(a<b){",
        "}",
        "\t",
        " ",
        "\xE8\xE1st ",
        "return ",
        "<?php ",
        "?>",
        "<b>",
        "object Form1: TForm1 ",
        "end ",
        "{ brace ",
        " } ",
        "12 ",
        "$var",
        "@",
    };
    std::string s;
    while (s.size() < length) s += pieces[random() % std::size(pieces)];
    return s;
}

// A scan that started at `at` gave the tokens a scan from the line's start gives from there.
void ExpectTailOfFullScan(TBedCustomHighlighter& hl, const std::string& text, const std::vector<TToken>& resumed,
                          int at) {
    const std::vector<TToken> full = FullScan(hl, text);
    auto tail = std::find_if(full.begin(), full.end(), [&](const TToken& t) { return t.start == at; });
    ASSERT_TRUE(tail != full.end()) << "no token starts at " << at;
    ASSERT_EQ(resumed, std::vector<TToken>(tail, full.end()));
}

void ExpectResumedScansMatch(const TBedLanguage& language) {
    SCOPED_TRACE(language.className);
    std::mt19937 random(19);
    const auto created = language.create();
    TBedCustomHighlighter& hl = *created;
    std::string text = Source(random, 8 * size_t(TBedLineCheckpoints::kSpacing));
    TBedLineCheckpoints checkpoints;
    for (int round = 0; round < 3; ++round) {
        Scan(checkpoints, hl, text, INT_MAX);  // walks the line, leaving checkpoints
        EXPECT_GE(checkpoints.CountOf(0), 4);
        for (int i = 0; i < 12; ++i) {
            const int from = int(random() % text.size());
            int at = -1;
            const std::vector<TToken> resumed = Scan(checkpoints, hl, text, from, &at);
            EXPECT_LE(at, from);
            EXPECT_GT(at, from - 2 * TBedLineCheckpoints::kSpacing);
            ExpectTailOfFullScan(hl, text, resumed, at);
        }
        // The line changes in the middle: the checkpoints after the change wait until a scan
        // meets one of them in the same state again.
        const size_t where = text.size() / 2 + random() % 1000;
        const int kept = int(text.size() - where);
        text.insert(where, Source(random, 40));
        checkpoints.LineChanged(0, int(where), kept, int(text.size()));
        EXPECT_LT(checkpoints.CountOf(0), 8);
        int at = -1;
        const std::vector<TToken> resumed = Scan(checkpoints, hl, text, int(text.size()), &at);
        EXPECT_GT(at, int(where));  // met again soon after the change
        ExpectTailOfFullScan(hl, text, resumed, at);
    }
}

}  // namespace

TEST(LineCheckpoints, ResumedScansMatchFullScans) {
    for (const TBedLanguage* language : {&kBedJScriptLanguage, &kBedJavaLanguage, &kBedPHPLanguage, &kBedDfmLanguage})
        ExpectResumedScansMatch(*language);
}

TEST(LineCheckpoints, AHighlighterThatCannotResumeScansFromTheStart) {
    std::mt19937 random(7);
    TPasHighlighter hl;
    const std::string text = Source(random, 4 * size_t(TBedLineCheckpoints::kSpacing));
    TBedLineCheckpoints checkpoints;
    const std::vector<TToken> full = FullScan(hl, text);
    Scan(checkpoints, hl, text, INT_MAX);
    int at = -1;
    EXPECT_EQ(Scan(checkpoints, hl, text, int(text.size()) - 10, &at), full);
    EXPECT_EQ(at, 0);
}

TEST(LineCheckpoints, ShortLinesAndAnotherStartStateKeepNone) {
    TJScriptHighlighter hl;
    TBedLineCheckpoints checkpoints;
    std::mt19937 random(3);
    const std::string shortLine = Source(random, 1000);
    Scan(checkpoints, hl, shortLine, INT_MAX);
    EXPECT_EQ(checkpoints.CountOf(0), 0);

    const std::string text = Source(random, 4 * size_t(TBedLineCheckpoints::kSpacing));
    Scan(checkpoints, hl, text, INT_MAX);
    ASSERT_GT(checkpoints.CountOf(0), 0);
    // The line now starts inside a comment: what was kept for the old state is dropped.
    EXPECT_EQ(checkpoints.Start(hl, text, 0, TJScriptHighlighter::rsAnsiC, INT_MAX), 0);
    EXPECT_EQ(checkpoints.CountOf(0), 0);
    checkpoints.Clear();
    EXPECT_EQ(checkpoints.CountOf(0), 0);
}
