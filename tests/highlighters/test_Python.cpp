#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

// The kinds as the Python scanner numbers them.
enum { tkIdentifier = 1, tkKey = 2 };

TEST(Python, EveryKeywordInAnyCaseAndNoWordOneLetterOff) {
    const auto hl = NewHighlighter("TPythonHighlighter");
    const std::vector<std::string> words = KeywordsOf(*hl);
    EXPECT_EQ(words.size(), 25u);
    for (const std::string& w : words) {
        EXPECT_EQ(WordKind(*hl, w), tkKey) << w;
        EXPECT_EQ(WordKind(*hl, SwapCase(w)), tkKey) << w;
        EXPECT_EQ(WordKind(*hl, OneLetterOff(w)), tkIdentifier) << w;
    }
    // Kept: the word operators are not in the list.
    for (const char* w : {"and", "or", "not", "is", "None", "def1"}) EXPECT_EQ(WordKind(*hl, w), tkIdentifier) << w;
}

TEST(Python, TokensOfALine) {
    const auto hl = NewHighlighter("TPythonHighlighter");
    EXPECT_EQ(TextKinds(*hl, "def f(x): # c"), (V{"def/2", " /5", "f/1", "(/7", "x/1", ")/7", ":/7", " /5", "# c/0"}));
    EXPECT_EQ(Texts(*hl, "\"\"\"doc\"\"\""), (V{"\"\"\"doc\"", "\"\""}));
    EXPECT_EQ(Texts(*hl, "x = 'it\\'s'"), (V{"x", " ", "=", " ", "'it\\'", "s", "'"}));
    EXPECT_EQ(TextKinds(*hl, "a <> b != c"),
              (V{"a/1", " /5", "<>/7", " /5", "b/1", " /5", "!/8", "=/7", " /5", "c/1"}));
    EXPECT_EQ(Texts(*hl, "<=<>< >=>.)..."), (V{"<=", "<>", "<", " ", ">=", ">", ".)", "..", "."}));
    EXPECT_EQ(TextKinds(*hl, "1.5e3 1..2 $FFx"), (V{"1.5e3/4", " /5", "1/4", "../7", "2/4", " /5", "$FF/4", "x/1"}));
    EXPECT_EQ(TextKinds(*hl, "!%?\\`|~\x7F\xE8"),
              (V{"!/8", "%/8", "?/8", "\\/8", "`/8", "|/8", "~/8", "\x7F/8", "\xE8/8"}));
    hl->StartLine("'open", 0);
    EXPECT_EQ(hl->TokenText(), "'open");
    EXPECT_EQ(hl->CurrentRange(), 0);  // a string never continues on the next line
}
