#include "BedTextLetters.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using V = std::vector<std::string>;

// The kinds and states as the Java scanner numbers them.
enum { tkIdentifier = 2, tkKey = 4 };
enum { rsComment = 1, rsDocument = 2, rsUnknown = 3 };

TEST(Java, EveryKeywordInItsExactCaseOnly) {
    const auto hl = NewHighlighter("TJavaHighlighter");
    const std::vector<std::string> keywords = KeywordsOf(*hl);
    const std::set<std::string> words(keywords.begin(), keywords.end());
    EXPECT_EQ(words.size(), 51u);
    for (const std::string& w : keywords) {
        EXPECT_EQ(WordKind(*hl, w), tkKey) << w;
        EXPECT_EQ(WordKind(*hl, BedAsciiUpperCase(w)), tkIdentifier) << w;
        if (!words.count(w + "s")) {
            EXPECT_EQ(WordKind(*hl, w + "s"), tkIdentifier) << w << "s";
        }
    }
    EXPECT_EQ(TextKinds(*hl, "Int int $int int$"), (V{"Int/2", " /7", "int/4", " /7", "$int/2", " /7", "int$/2"}));
}

TEST(Java, CommentsAndDocumentation) {
    const auto hl = NewHighlighter("TJavaHighlighter");
    EXPECT_EQ(TextKinds(*hl, "/** Doc */ int x;"), (V{"/** Doc *//1", " /7", "int/4", " /7", "x/2", ";/9"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    // The closer is looked for after "/**": "/**/" stays open.
    EXPECT_EQ(TextKinds(*hl, "/**/"), V{"/**//1"});
    EXPECT_EQ(hl->CurrentRange(), rsDocument);
    EXPECT_EQ(TextKindsFrom(*hl, rsDocument, " * more */ a"), (V{" * more *//1", " /7", "a/2"}));
    EXPECT_EQ(TextKinds(*hl, "/* c"), V{"/* c/0"});
    EXPECT_EQ(hl->CurrentRange(), rsComment);
    EXPECT_EQ(TextKindsFrom(*hl, rsComment, "\r\n"), (V{"\r\n/7"}));
    EXPECT_EQ(hl->CurrentRange(), rsComment);
    EXPECT_EQ(TextKinds(*hl, "a // b */"), (V{"a/2", " /7", "// b *//0"}));
}

TEST(Java, LiteralsNumbersAndOperators) {
    const auto hl = NewHighlighter("TJavaHighlighter");
    EXPECT_EQ(TextKinds(*hl, "'\\''"), V{"'\\''/8"});
    EXPECT_EQ(TextKinds(*hl, "\"a\\\"b\""), V{"\"a\\\"b\"/8"});
    // A doubled backslash stands for one: the quote after it closes the literal.
    EXPECT_EQ(Texts(*hl, "'\\\\' + \"C:\\\\\" x"), (V{"'\\\\'", " ", "+", " ", "\"C:\\\\\"", " ", "x"}));
    EXPECT_EQ(Texts(*hl, "\"\"\"a\" b"), (V{"\"\"\"a\"", " ", "b"}));
    EXPECT_EQ(Texts(*hl, "x = 1-2;"), (V{"x", " ", "=", " ", "1-2", ";"}));
    EXPECT_EQ(TextKinds(*hl, "0x1FL 1.5e3 1..2"), (V{"0x1FL/6", " /7", "1.5e3/6", " /7", "1/6", "./9", "./9", "2/6"}));
    EXPECT_EQ(Texts(*hl, "a >>>= 2 >>> 1 >>= >> >= > <<= << <= <"),
              (V{"a", " ",  ">>>=", " ", "2", " ",   ">>>", " ",  "1", " ",  ">>=", " ", ">>",
                 " ", ">=", " ",    ">", " ", "<<=", " ",   "<<", " ", "<=", " ",   "<"}));
    EXPECT_EQ(Texts(*hl, "!=%=*===^=&&&=|=||++--+=-="),
              (V{"!=", "%=", "*=", "==", "^=", "&&", "&=", "|=", "||", "++", "--", "+=", "-="}));
    EXPECT_EQ(TextKinds(*hl, "f(a, b)"), (V{"f/2", "(/9", "a/2", ",/9", " /7", "b/2", ")/9"}));
    EXPECT_EQ(TextKinds(*hl, "@Override #"), (V{"@/3", "Override/2", " /7", "#/3"}));
    EXPECT_EQ(TextKinds(*hl, "\\`\x7F\xE8"), (V{"\\/10", "`/10", "\x7F/10", "\xE8/10"}));
}

TEST(Java, ClassProperties) {
    const auto hl = NewHighlighter("TJavaHighlighter");
    EXPECT_EQ(hl->FeatureFlags(), hfRegistryPersistence);
    EXPECT_EQ(hl->StandardAttribute(0), Attr(*hl, "CommentAttri"));
    EXPECT_EQ(hl->StandardAttribute(2), Attr(*hl, "KeyAttri"));
    hl->ClearRange();
    hl->StartLine("/** d", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "DocumentAttri"));
    hl->ClearRange();
    hl->StartLine("#", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "InvalidAttri"));
}
