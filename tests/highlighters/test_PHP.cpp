#include "BedTextLetters.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using V = std::vector<std::string>;

// The kinds and states as the PHP scanner numbers them.
enum { tkIdentifier = 1, tkKey = 3 };
enum { rsUnknown = 0, rsString39 = 1, rsString34 = 2, rsComment = 3 };

TEST(PHP, EveryKeywordInAnyCase) {
    const auto hl = NewHighlighter("TPHPHighlighter");
    std::set<std::string> folded;
    for (const std::string& w : KeywordsOf(*hl)) folded.insert(BedCp1250LowerCase(w));
    EXPECT_EQ(folded.size(), 55u);
    for (const std::string& w : KeywordsOf(*hl)) {
        EXPECT_EQ(WordKind(*hl, BedAsciiUpperCase(w)), tkKey) << w;
        EXPECT_EQ(WordKind(*hl, BedCp1250LowerCase(w)), tkKey) << w;
        if (!folded.count(BedCp1250LowerCase(w) + "q")) {
            EXPECT_EQ(WordKind(*hl, w + "q"), tkIdentifier) << w << "q";
        }
    }
    EXPECT_EQ(TextKinds(*hl, "@fopen"), (V{"@/2", "fopen/1"}));
    EXPECT_EQ(TextKinds(*hl, "<?php"), (V{"</8", "?/8", "php/1"}));
}

TEST(PHP, VariablesNumbersOperatorsAndOtherCharacters) {
    const auto hl = NewHighlighter("TPHPHighlighter");
    EXPECT_EQ(TextKinds(*hl, "$name = \"Tom\";"), (V{"$name/10", " /6", "=/8", " /6", "\"Tom\"/7", ";/8"}));
    EXPECT_EQ(TextKinds(*hl, "$ 1-2 0x1F 1..2"),
              (V{"$/10", " /6", "1-2/5", " /6", "0x1F/5", " /6", "1/5", "./8", "./8", "2/5"}));
    EXPECT_EQ(Texts(*hl, "=>==<<=>>>=->"), (V{"=>", "==", "<<=", ">>", ">=", "->"}));
    EXPECT_EQ(Texts(*hl, "!=%=*=^=&&&=|=||++--+=-=/="),
              (V{"!=", "%=", "*=", "^=", "&&", "&=", "|=", "||", "++", "--", "+=", "-=", "/="}));
    EXPECT_EQ(TextKinds(*hl, "\\`\xE8"), (V{"\\/9", "`/9", "\xE8/9"}));
    hl->ClearRange();
    hl->StartLine("\xE8", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "IdentifierAttri"));
}

TEST(PHP, ThreeCommentStyles) {
    const auto hl = NewHighlighter("TPHPHighlighter");
    EXPECT_EQ(TextKinds(*hl, "# note"), V{"# note/0"});
    EXPECT_EQ(TextKinds(*hl, "x // note"), (V{"x/1", " /6", "// note/0"}));
    EXPECT_EQ(TextKinds(*hl, "/* a"), V{"/* a/0"});
    EXPECT_EQ(hl->CurrentRange(), rsComment);
    EXPECT_EQ(TextKindsFrom(*hl, rsComment, "b */ c"), (V{"b *//0", " /6", "c/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    EXPECT_EQ(TextKindsFrom(*hl, rsComment, "\r\n"), V{"\r\n/6"});
    EXPECT_EQ(hl->CurrentRange(), rsComment);
}

TEST(PHP, StringsContinueOverLines) {
    const auto hl = NewHighlighter("TPHPHighlighter");
    EXPECT_EQ(TextKinds(*hl, "echo 'a"), (V{"echo/3", " /6", "'a/7"}));
    EXPECT_EQ(hl->CurrentRange(), rsString39);
    EXPECT_EQ(TextKindsFrom(*hl, rsString39, "b'; x"), (V{"b'/7", ";/8", " /6", "x/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    EXPECT_EQ(TextKinds(*hl, "\"say \\\"hi\\\"\""), V{"\"say \\\"hi\\\"\"/7"});
    EXPECT_EQ(TextKinds(*hl, "\"a"), V{"\"a/7"});
    EXPECT_EQ(hl->CurrentRange(), rsString34);
    EXPECT_EQ(TextKindsFrom(*hl, rsString34, "\r\n"), V{"\r\n/6"});
    EXPECT_EQ(hl->CurrentRange(), rsString34);
    // A single-quoted string has no escape.
    EXPECT_EQ(Texts(*hl, "'a\\'b"), (V{"'a\\'", "b"}));
    // A doubled backslash stands for one: the quote after it closes the string.
    EXPECT_EQ(Texts(*hl, "\"C:\\\\\" x"), (V{"\"C:\\\\\"", " ", "x"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
}

// Only what stands in the line counts: a quote that starts a continued line closes the
// string, whatever ended the line before.
TEST(PHP, QuoteAtTheStartOfAContinuedLineCloses) {
    const auto hl = NewHighlighter("TPHPHighlighter");
    EXPECT_EQ(TextKinds(*hl, "\"a\\\\"), V{"\"a\\\\/7"});
    EXPECT_EQ(hl->CurrentRange(), rsString34);
    EXPECT_EQ(TextKindsFrom(*hl, rsString34, "\"; x"), (V{"\"/7", ";/8", " /6", "x/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    EXPECT_EQ(TextKindsFrom(*hl, rsString34, "\\\"\""), V{"\\\"\"/7"});
}
