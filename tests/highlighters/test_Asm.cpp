#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

TEST(Assembler, EveryMnemonicInAnyCase) {
    const auto hl = NewHighlighter("TAsmHighlighter");
    EXPECT_EQ(KeywordsOf(*hl).size(), 372u);
    ExpectKeywordList(*hl, LanguageOf(*hl).keywords, true);
    EXPECT_EQ(TextKinds(*hl, "MOVS Mov mov2"), (V{"MOVS/2", " /5", "Mov/2", " /5", "mov2/1"}));
}

TEST(Assembler, InstructionsNumbersAndComments) {
    const auto hl = NewHighlighter("TAsmHighlighter");
    EXPECT_EQ(TextKinds(*hl, "mov ax, 0FFh ; load"),
              (V{"mov/2", " /5", "ax/1", ",/1", " /5", "0FFh/4", " /5", "; load/0"}));
    EXPECT_EQ(TextKinds(*hl, "1.5e3 10b 1e-3 12x"),
              (V{"1.5e3/4", " /5", "10b/4", " /5", "1e/4", "-/7", "3/4", " /5", "12/4", "x/1"}));
    EXPECT_EQ(TextKinds(*hl, "// note"), V{"// note/0"});
    EXPECT_EQ(TextKinds(*hl, "# note"), V{"# note/0"});
    EXPECT_EQ(TextKinds(*hl, "a / b"), (V{"a/1", " /5", "//7", " /5", "b/1"}));
    EXPECT_EQ(Texts(*hl, "x <> y <= z >= w < v > u"), (V{"x", " ", "<>", " ", "y", " ", "<=", " ", "z", " ", ">=",
                                                         " ", "w", " ",  "<", " ", "v", " ",  ">", " ", "u"}));
    EXPECT_EQ(TextKinds(*hl, "@@lbl: [bx]"), (V{"@/1", "@/1", "lbl/1", ":/7", " /5", "[/1", "bx/1", "]/1"}));
}

TEST(Assembler, Strings) {
    const auto hl = NewHighlighter("TAsmHighlighter");
    EXPECT_EQ(TextKinds(*hl, "'a'"), (V{"'/7", "a/1", "'/7"}));
    EXPECT_EQ(TextKinds(*hl, "\"a\" \"\" \"\"\"b\""), (V{"\"a\"/6", " /5", "\"\"/6", " /5", "\"\"\"b\"/6"}));
    EXPECT_EQ(TextKinds(*hl, "db \"open"), (V{"db/1", " /5", "\"open/6"}));
    EXPECT_EQ(TextKinds(*hl, "db \"a\"\"b\""), (V{"db/1", " /5", "\"a\"/6", "\"b\"/6"}));
}

// A quote at the very end of the line is a one-character string; the scan stops at the line's
// end and never looks at what lies behind it (here a quote that would otherwise close it).
TEST(Assembler, QuoteAtTheEndOfTheLineStopsThere) {
    const auto hl = NewHighlighter("TAsmHighlighter");
    EXPECT_EQ(TextKinds(*hl, "\""), V{"\"/6"});
    EXPECT_EQ(TextKinds(*hl, "\"\"\""), V{"\"\"\"/6"});
    for (const std::string_view line : {std::string_view("\"\0\"x", 4), std::string_view("\"\"\"\0\"", 5)}) {
        hl->ClearRange();
        hl->StartLine(line, 0);
        EXPECT_EQ(hl->TokenText(), std::string(line.substr(0, line.find('\0'))));
        hl->NextToken();
        EXPECT_TRUE(hl->AtLineEnd());
    }
    std::vector<TScannedToken> crlf = ScanLine(*hl, "\"\r\n");
    ASSERT_EQ(crlf.size(), 2u);
    EXPECT_EQ(crlf[0].text, "\"");
    EXPECT_EQ(crlf[1].text, "\r\n");
}
