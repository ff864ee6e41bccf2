#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

constexpr int tkIdentifier = 1;  // as the Perl scanner numbers it

TEST(Perl, EveryListedWordIsFoundInItsExactCaseOnly) {
    const auto hl = NewHighlighter("TPerlHighlighter");
    int words = 0;
    for (const TBedKeywordList& list : LanguageOf(*hl).keywords) {
        for (const char* w : list.words) {
            ++words;
            EXPECT_EQ(WordKind(*hl, w), list.kind) << w;
            EXPECT_EQ(WordKind(*hl, OneLetterOff(w)), tkIdentifier) << w;
            if (SwapCase(w) != "$nr" && SwapCase(w) != "$rs") {  // not words of the list either
                EXPECT_NE(WordKind(*hl, SwapCase(w)), list.kind) << w;
            }
        }
    }
    EXPECT_EQ(words, 282);
    EXPECT_EQ(TextKinds(*hl, "print $_ if $a eq $b"),
              (V{"print/2", " /7", "$_/11", " /7", "if/2", " /7", "$a/1", " /7", "eq/5", " /7", "$b/1"}));
    EXPECT_EQ(TextKinds(*hl, "EQ use strict;"), (V{"EQ/1", " /7", "use/2", " /7", "strict/6", ";/9"}));
    EXPECT_EQ(TextKinds(*hl, "@ARGV %INC @INC $count"),
              (V{"@ARGV/11", " /7", "%INC/11", " /7", "@INC/11", " /7", "$count/1"}));
}

TEST(Perl, PunctuationAndCaretVariables) {
    const auto hl = NewHighlighter("TPerlHighlighter");
    EXPECT_EQ(Texts(*hl, "$_$0$@$!$$$;$[$\\$]$`$|$~$+"),
              (V{"$_", "$0", "$@", "$!", "$$", "$;", "$[", "$\\", "$]", "$`", "$|", "$~", "$+"}));
    EXPECT_EQ(TextKinds(*hl, "$^W = 1"), (V{"$^W/11", " /7", "=/9", " /7", "1/4"}));
    EXPECT_EQ(TextKinds(*hl, "$^"), V{"$^/11"});
    EXPECT_EQ(TextKinds(*hl, "$^Q"), (V{"$/1", "^/9", "Q/1"}));
    // Kept as the rules have it: only one digit or "_" follows the "$".
    EXPECT_EQ(TextKinds(*hl, "$10 $_foo"), (V{"$1/11", "0/4", " /7", "$_/11", "foo/1"}));
    EXPECT_EQ(TextKinds(*hl, "$,"), (V{"$/1", ",/9"}));
}

TEST(Perl, NumbersAndTheDot) {
    const auto hl = NewHighlighter("TPerlHighlighter");
    EXPECT_EQ(TextKinds(*hl, "1..10"), (V{"1/4", "../9", "10/4"}));
    EXPECT_EQ(TextKinds(*hl, "0x1F_FF 1e-5"), (V{"0x1F_FF/4", " /7", "1e/4", "-/9", "5/4"}));
    EXPECT_EQ(TextKinds(*hl, "1-e5 .5 ... .= .y"),
              (V{"1-e5/4", " /7", ".5/4", " /7", ".../9", " /7", ".=/9", " /7", "./9", "y/1"}));
    // Kept: a dot before a blank is taken for a number.
    EXPECT_EQ(TextKinds(*hl, "$a . $b"), (V{"$a/1", " /7", "./4", " /7", "$b/1"}));
}

TEST(Perl, StringsCommentsAndOperators) {
    const auto hl = NewHighlighter("TPerlHighlighter");
    EXPECT_EQ(TextKinds(*hl, "my $x = 1; # set"),
              (V{"my/2", " /7", "$x/1", " /7", "=/9", " /7", "1/4", ";/9", " /7", "# set/0"}));
    EXPECT_EQ(Texts(*hl, "\"a\\\"b\" 'it\\'s'"), (V{"\"a\\\"b\"", " ", "'it\\'", "s", "'"}));
    EXPECT_EQ(Texts(*hl, "\"\"\"x\" \"open"), (V{"\"\"\"x\"", " ", "\"open"}));
    EXPECT_EQ(Texts(*hl, "!=!~!&&=&&&=&**=***=*++ +=+--->-=-"),
              (V{"!=", "!~", "!", "&&=", "&&", "&=", "&", "**=", "**", "*=", "*", "++", " ", "+=", "+", "--", "->",
                 "-=", "-"}));
    EXPECT_EQ(Texts(*hl, "<<=<=><<<= <>>=>>>=> ===~=/=/::: ^=^||=|||=|"),
              (V{"<<=", "<=>", "<<", "<=", " ", "<", ">>=", ">>", ">=",  ">",  " ",  "==", "=~",
                 "=",   "/=",  "/",  "::", ":", " ", "^=",  "^",  "||=", "||", "|=", "|"}));
    EXPECT_EQ(TextKinds(*hl, "$s x= 3 x"), (V{"$s/1", " /7", "x=/9", " /7", "3/4", " /7", "x/9"}));
    EXPECT_EQ(TextKinds(*hl, "%= % x1"), (V{"%=/9", " /7", "%/1", " /7", "x1/1"}));
    EXPECT_EQ(TextKinds(*hl, "`\x7F\xE8"), (V{"`/10", "\x7F/10", "\xE8/10"}));
}

// The sum of a word's character codes once overflowed on a run of some million letters.
TEST(Perl, AWordOfAnyLengthIsOneIdentifier) {
    const auto hl = NewHighlighter("TPerlHighlighter");
    const std::string word(20'000'000, 'z');
    hl->StartLine(word, 0);
    EXPECT_EQ(hl->TokenKind(), tkIdentifier);
    EXPECT_EQ(hl->TokenText().size(), word.size());
}
