#include "JScript.h"
#include "BedTextLetters.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using V = std::vector<std::string>;
using J = TJScriptHighlighter;

TEST(JScript, EveryKeywordInAnyCase) {
    TJScriptHighlighter hl;
    const std::vector<std::string> words = KeywordsOf(hl);
    std::set<std::string> folded;
    for (const std::string& w : words) folded.insert(BedCp1250LowerCase(w));
    EXPECT_EQ(words.size(), 248u);
    EXPECT_EQ(folded.size(), 240u);  // eight names stand in two spellings
    for (const std::string& w : words) {
        EXPECT_EQ(WordKind(hl, w), J::tkKey) << w;
        EXPECT_EQ(WordKind(hl, BedAsciiUpperCase(w)), J::tkKey) << w;
        EXPECT_EQ(WordKind(hl, BedCp1250LowerCase(w)), J::tkKey) << w;
        if (!folded.count(BedCp1250LowerCase(w) + "q")) {
            EXPECT_EQ(WordKind(hl, w + "q"), J::tkIdentifier) << w << "q";
        }
    }
    EXPECT_EQ(TextKinds(hl, "IF (Document)"), (V{"IF/2", " /5", "(/7", "Document/2", ")/7"}));
    // Digits compare equal to one another.
    EXPECT_EQ(WordKind(hl, "LN99"), J::tkKey);
}

TEST(JScript, StringsHaveNoEscape) {
    TJScriptHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "var x = \"a\" + 'b';"),
              (V{"var/2", " /5", "x/1", " /5", "=/7", " /5", "\"a\"/6", " /5", "+/7", " /5", "'b'/6", ";/7"}));
    EXPECT_EQ(TextKinds(hl, "'a\\'b'"), (V{"'a\\'/6", "b/1", "'/6"}));
    EXPECT_EQ(Texts(hl, "\"\"\"x\" y"), (V{"\"\"\"x\"", " ", "y"}));
    EXPECT_EQ(TextKinds(hl, "#13 $FF 1.5e3 1..2"),
              (V{"#13/6", " /5", "$FF/4", " /5", "1.5e3/4", " /5", "1/4", "./7", "./7", "2/4"}));
}

TEST(JScript, OperatorsAndOtherCharacters) {
    TJScriptHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "x *= 2 % 3"), (V{"x/1", " /5", "*=/7", " /5", "2/4", " /5", "%/7", " /5", "3/4"}));
    EXPECT_EQ(Texts(hl, "&&&=||=|++--->...==<"),
              (V{"&&", "&=", "||", "=", "|", "++", "--", "->", "...", "=", "=", "<"}));
    EXPECT_EQ(TextKinds(hl, "\xE9?@\\^`"), (V{"\xE9/8", "?/8", "@/8", "\\/8", "^/8", "`/8"}));
    hl.ClearRange();
    hl.StartLine("\xE9", 0);
    EXPECT_EQ(hl.TokenAttribute(), Attr(hl, "StringAttri"));
}

TEST(JScript, CommentsSpanLines) {
    TJScriptHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "/* start"), V{"/* start/0"});
    EXPECT_EQ(hl.CurrentRange(), J::rsAnsiC);
    EXPECT_EQ(TextKindsFrom(hl, J::rsAnsiC, "end */ x"), (V{"end *//0", " /5", "x/1"}));
    EXPECT_EQ(hl.CurrentRange(), J::rsUnknown);
    EXPECT_EQ(TextKinds(hl, "/*/ a */"), V{"/*/ a *//0"});
    EXPECT_EQ(TextKinds(hl, "a // b"), (V{"a/1", " /5", "// b/0"}));
}

// A continued comment used to stall at a line break: each break is its own token.
TEST(JScript, ContinuedCommentMovesPastLineBreaks) {
    TJScriptHighlighter hl;
    EXPECT_EQ(TextKindsFrom(hl, J::rsAnsiC, "\r\n"), V{"\r\n/5"});
    EXPECT_EQ(TextKindsFrom(hl, J::rsAnsiC, "a\n\r"), (V{"a/0", "\n/5", "\r/5"}));
    EXPECT_EQ(hl.CurrentRange(), J::rsAnsiC);
    EXPECT_EQ(TextKinds(hl, "/* a\r\n"), (V{"/* a/0", "\r\n/5"}));
}
