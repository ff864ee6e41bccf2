#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

// The kinds as the AWK scanner numbers them; "next" stands in the word list with a kind of
// its own.
enum { tkKey = 3, tkNext = 10 };

TEST(AWK, EveryWordInItsExactCase) {
    const auto hl = NewHighlighter("TAWKHighlighter");
    std::vector<std::pair<std::string, int>> words;
    for (const TBedKeywordList& list : LanguageOf(*hl).keywords)
        for (const std::string w : list.words)
            if (w != "atan2")  // the digit ends the word: "atan" and the number "2"
                words.emplace_back(w, list.kind == tkNext ? tkKey : list.kind);
    EXPECT_EQ(words.size(), 62u);
    ExpectKeywordList(*hl, words, false);
    EXPECT_EQ(TextKinds(*hl, "atan2"), (V{"atan/1", "2/5"}));
    EXPECT_EQ(TextKinds(*hl, "NR nr begin Print"), (V{"NR/9", " /6", "nr/1", " /6", "begin/1", " /6", "Print/1"}));
}

TEST(AWK, NextFileIsOneReservedWord) {
    const auto hl = NewHighlighter("TAWKHighlighter");
    EXPECT_EQ(TextKinds(*hl, "next   file;"), (V{"next   file/3", ";/8"}));
    EXPECT_EQ(TextKinds(*hl, "next file"), V{"next file/3"});
    EXPECT_EQ(TextKinds(*hl, "next files"), (V{"next/3", " /6", "files/1"}));
    EXPECT_EQ(TextKinds(*hl, "nextfile"), V{"nextfile/1"});
    // Only spaces join the two words, not tabs.
    EXPECT_EQ(TextKinds(*hl, "next\tfile"), (V{"next/3", "\t/6", "file/1"}));
    EXPECT_EQ(ScanLine(*hl, "next file\r\n").front().text, "next file");
}

TEST(AWK, FieldsStringsNumbersAndSymbols) {
    const auto hl = NewHighlighter("TAWKHighlighter");
    EXPECT_EQ(TextKinds(*hl, "BEGIN { print $1 }"),
              (V{"BEGIN/3", " /6", "{/8", " /6", "print/3", " /6", "$1/8", " /6", "}/8"}));
    EXPECT_EQ(TextKinds(*hl, "$12 $NF $1x $"),
              (V{"$/1", "12/5", " /6", "$/1", "NF/9", " /6", "$/1", "1/5", "x/1", " /6", "$/1"}));
    EXPECT_EQ(TextKinds(*hl, "\"a\\\"b\" \"\""), (V{"\"a\\\"b\"/7", " /6", "\"\"/7"}));
    EXPECT_EQ(TextKinds(*hl, "'abc'"), V{"'abc'/1"});
    EXPECT_EQ(TextKinds(*hl, "'abc\" x"), (V{"'abc\"/7", " /6", "x/1"}));
    EXPECT_EQ(TextKinds(*hl, "\"a\tb\""), (V{"\"a/1", "\t/6", "b/1", "\"/1"}));
    EXPECT_EQ(TextKinds(*hl, "3.14"), (V{"3/5", "./8", "14/5"}));
    EXPECT_EQ(Texts(*hl, "x!=y!~z++w+=v--u-=t"),
              (V{"x", "!=", "y", "!~", "z", "++", "w", "+=", "v", "--", "u", "-=", "t"}));
    EXPECT_EQ(TextKinds(*hl, "a ~ b"), (V{"a/1", " /6", "~/8", " /6", "b/1"}));
    EXPECT_EQ(TextKinds(*hl, "?:?||&&|&()[]"),
              (V{"?:/8", "?/1", "||/8", "&&/8", "|/1", "&/1", "(/1", ")/1", "[/1", "]/1"}));
    EXPECT_EQ(TextKinds(*hl, "a%=b^c my_var # x"),
              (V{"a/1", "%=/8", "b/1", "^/8", "c/1", " /6", "my/1", "_/8", "var/1", " /6", "# x/0"}));
}

TEST(AWK, StandardAttributesAreOnlyThree) {
    const auto hl = NewHighlighter("TAWKHighlighter");
    EXPECT_EQ(hl->StandardAttribute(0), Attr(*hl, "CommentAttri"));
    EXPECT_EQ(hl->StandardAttribute(1), nullptr);
    EXPECT_EQ(hl->StandardAttribute(2), Attr(*hl, "KeyAttri"));
    EXPECT_EQ(hl->StandardAttribute(3), nullptr);
    EXPECT_EQ(hl->StandardAttribute(4), Attr(*hl, "SpaceAttri"));
    EXPECT_EQ(hl->StandardAttribute(5), nullptr);
    EXPECT_EQ(hl->WordCharacters(), BedCharSetOf("0-9A-Za-z"));
}
