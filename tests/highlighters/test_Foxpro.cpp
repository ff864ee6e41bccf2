#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

TEST(FoxPro, EveryReservedWordInAnyCase) {
    const auto hl = NewHighlighter("TFoxproHighlighter");
    ExpectKeywordList(*hl, LanguageOf(*hl).keywords, true);
    EXPECT_EQ(TextKinds(*hl, "IF if If"), (V{"IF/2", " /5", "if/2", " /5", "If/2"}));
    // "_msysmenu" sums to 160, the last slot; one more letter and no word can match.
    EXPECT_EQ(TextKinds(*hl, "_MSYSMENU zzzzzzz"), (V{"_MSYSMENU/2", " /5", "zzzzzzz/1"}));
    EXPECT_EQ(TextKinds(*hl, "@ 1,1 SAY \"x\""),
              (V{"@/2", " /5", "1/4", ",/7", "1/4", " /5", "SAY/2", " /5", "\"x\"/6"}));
}

TEST(FoxPro, CommentsOnlyWhereTheyBelong) {
    const auto hl = NewHighlighter("TFoxproHighlighter");
    EXPECT_EQ(TextKinds(*hl, "* note"), V{"* note/0"});
    EXPECT_EQ(Texts(*hl, "x = a * b"), (V{"x", " ", "=", " ", "a", " ", "*", " ", "b"}));
    // Indented, the star is a symbol again.
    EXPECT_EQ(TextKinds(*hl, " * x")[1], "*/7");
    EXPECT_EQ(TextKinds(*hl, "USE customer && open table"),
              (V{"USE/2", " /5", "customer/1", " /5", "&& open table/0"}));
    EXPECT_EQ(TextKinds(*hl, "a & b"), (V{"a/1", " /5", "&/7", " /5", "b/1"}));
}

TEST(FoxPro, StringsDottedWordsNumbersAndOperators) {
    const auto hl = NewHighlighter("TFoxproHighlighter");
    EXPECT_EQ(TextKinds(*hl, "'it''s' {^2000-01-01} \"x\""),
              (V{"'it'/6", "'s'/6", " /5", "{^2000-01-01}/6", " /5", "\"x\"/6"}));
    EXPECT_EQ(TextKinds(*hl, "{open"), V{"{open/6"});
    EXPECT_EQ(Texts(*hl, ".t..F..and..Or..NOT."), (V{".t.", ".F.", ".and.", ".Or.", ".NOT."}));
    EXPECT_EQ(TextKinds(*hl, ".NULL."), (V{"./7", "NULL/1", "./7"}));
    EXPECT_EQ(TextKinds(*hl, ".T"), (V{"./7", "T/1"}));
    EXPECT_EQ(TextKinds(*hl, "1.5E3 0x1F 2.0f 1..5"),
              (V{"1.5E3/4", " /5", "0x1F/4", " /5", "2.0f/4", " /5", "1/4", "./7", "./7", "5/4"}));
    EXPECT_EQ(Texts(*hl, "a<<=b>>c==d<e>=f"), (V{"a", "<<=", "b", ">>", "c", "==", "d", "<", "e", ">=", "f"}));
    EXPECT_EQ(TextKinds(*hl, "!%?[]^|~"), (V{"!/7", "%/7", "?/7", "[/7", "]/7", "^/7", "|/7", "~/7"}));
    EXPECT_EQ(TextKinds(*hl, "#$\\`}\xE8"), (V{"#/8", "$/8", "\\/8", "`/8", "}/8", "\xE8/8"}));
}

TEST(FoxPro, PlainAttributes) {
    const auto hl = NewHighlighter("TFoxproHighlighter");
    EXPECT_EQ(hl->LanguageName(), "Foxpro");
    EXPECT_EQ(Attr(*hl, "CommentAttri")->Style(), 0);
    EXPECT_EQ(Attr(*hl, "KeyAttri")->Style(), 0);
    hl->ClearRange();
    hl->StartLine("@", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "KeyAttri"));
}
