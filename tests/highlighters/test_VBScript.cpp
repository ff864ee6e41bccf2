#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

// The kinds as the VBScript scanner numbers them, in its dialects too.
enum { tkIdentifier = 1, tkKey = 2 };

TEST(VBScript, EveryReservedWordInAnyCase) {
    const auto hl = NewHighlighter("TVBScriptHighlighter");
    ExpectKeywordList(*hl, LanguageOf(*hl).keywords, true);
    EXPECT_EQ(TextKinds(*hl, "IF if If Iff"), (V{"IF/2", " /5", "if/2", " /5", "If/2", " /5", "Iff/1"}));
    // Only the apostrophe opens a comment: "Rem" is a reserved word.
    EXPECT_EQ(TextKinds(*hl, "Rem note ' real"), (V{"Rem/2", " /5", "note/1", " /5", "' real/0"}));
}

TEST(VBScript, StringsDatesNumbersAndSymbols) {
    const auto hl = NewHighlighter("TVBScriptHighlighter");
    // A doubled quote is no escape: two strings.
    EXPECT_EQ(Texts(*hl, "Dim x: x = \"a\"\"b\""),
              (V{"Dim", " ", "x", ":", " ", "x", " ", "=", " ", "\"a\"", "\"b\""}));
    // Three quotes open a string rather than closing an empty one.
    EXPECT_EQ(Texts(*hl, "\"\"\"q\" x"), (V{"\"\"\"q\"", " ", "x"}));
    EXPECT_EQ(TextKinds(*hl, "\"\""), V{"\"\"/6"});
    EXPECT_EQ(TextKinds(*hl, "\"open"), V{"\"open/6"});
    EXPECT_EQ(TextKinds(*hl, "#1/1/2000# #x"), (V{"#1/1/2000#/6", " /5", "#x/6"}));
    EXPECT_EQ(TextKinds(*hl, "1.5E3 1e-3 1..5"), (V{"1.5E3/4", " /5", "1e/4", "-/7", "3/4", " /5", "1..5/4"}));
    EXPECT_EQ(Texts(*hl, "a<>b<=c>=d<e>f"), (V{"a", "<>", "b", "<=", "c", ">=", "d", "<", "e", ">", "f"}));
    EXPECT_EQ(TextKinds(*hl, "$%\xE8"), (V{"$/1", "%/1", "\xE8/1"}));
    hl->ClearRange();
    hl->StartLine("$", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "IdentifierAttri"));
}

// A word whose values add up past the table is never a keyword, however long, and summing it
// stops there instead of overflowing.
TEST(VBScript, LongWordsAreIdentifiers) {
    const auto hl = NewHighlighter("TVBScriptHighlighter");
    EXPECT_EQ(TextKinds(*hl, "zzzzzz"), V{"zzzzzz/1"});
    const std::string huge(200000, '_');
    const auto tokens = ScanLine(*hl, huge + " If");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].kind, tkIdentifier);
    EXPECT_EQ(tokens[2].kind, tkKey);
}

TEST(VisualBasic, TheVBScriptScannerWithItsOwnWords) {
    const auto hl = NewHighlighter("TVBHighlighter");
    ExpectKeywordList(*hl, LanguageOf(*hl).keywords, true);
    EXPECT_EQ(TextKinds(*hl, "Dim s As String"), (V{"Dim/2", " /5", "s/1", " /5", "As/2", " /5", "String/2"}));
    EXPECT_EQ(TextKinds(*hl, "Rem note"), (V{"Rem/1", " /5", "note/1"}));
    // Characters without a scanner have a kind of their own, drawn as identifiers.
    EXPECT_EQ(TextKinds(*hl, "Left$(a)"), (V{"Left/2", "$/8", "(/7", "a/1", ")/7"}));
    hl->ClearRange();
    hl->StartLine("$", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "IdentifierAttri"));
    EXPECT_EQ(TextKinds(*hl, "#12/31/1999# x <= 1"), (V{"#12/31/1999#/6", " /5", "x/1", " /5", "<=/7", " /5", "1/4"}));
}

TEST(VisualBasic, ClassFacts) {
    const auto vb = NewHighlighter("TVBHighlighter");
    const auto vbs = NewHighlighter("TVBScriptHighlighter");
    EXPECT_EQ(vb->LanguageName(), "Visual Basic");
    EXPECT_EQ(vbs->LanguageName(), "MS VBScript");
    EXPECT_EQ(Attr(*vb, "CommentAttri")->Style(), fsItalic);
    EXPECT_EQ(vbs->StandardAttribute(3), Attr(*vbs, "StringAttri"));
    EXPECT_EQ(vbs->CurrentRange(), 0);
}
