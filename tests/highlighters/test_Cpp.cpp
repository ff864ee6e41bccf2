#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using V = std::vector<std::string>;

// The kinds and states as the C++ scanner numbers them.
enum { tkIdentifier = 3, tkKey = 4, tkNumber = 6 };
enum { rsUnknown = 0, rsAnsiC = 1, rsDirective = 6, rsDirectiveComment = 7 };

TEST(Cpp, EveryKeywordInItsExactCaseOnly) {
    const auto hl = NewHighlighter("TCppHighlighter");
    const std::vector<std::string> keywords = KeywordsOf(*hl);
    const std::set<std::string> words(keywords.begin(), keywords.end());
    EXPECT_EQ(words.size(), 94u);
    for (const std::string& w : keywords) {
        EXPECT_EQ(WordKind(*hl, w), tkKey) << w;
        std::string flipped = w;
        const size_t letter = flipped.find_first_not_of('_');
        flipped[letter] = static_cast<char>(flipped[letter] ^ 0x20);
        EXPECT_EQ(WordKind(*hl, flipped), tkIdentifier) << flipped;
        if (!words.count(w + "s")) {
            EXPECT_EQ(WordKind(*hl, w + "s"), tkIdentifier) << w << "s";
        }
    }
    EXPECT_EQ(TextKinds(*hl, "If (x)"), (V{"If/3", " /7", "(/9", "x/3", ")/9"}));
    EXPECT_EQ(TextKinds(*hl, "asm mov eax, 1;"),
              (V{"asm/4", " /7", "mov/3", " /7", "eax/3", ",/9", " /7", "1/6", ";/9"}));
}

TEST(Cpp, LiteralsNumbersAndOperators) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(TextKinds(*hl, "\"a\\\"b\""), V{"\"a\\\"b\"/8"});
    EXPECT_EQ(TextKinds(*hl, "'\\''"), V{"'\\''/8"});
    // A doubled backslash is one character: the quote after it closes.
    EXPECT_EQ(Texts(*hl, "\"a\\\\\" x"), (V{"\"a\\\\\"", " ", "x"}));
    EXPECT_EQ(TextKinds(*hl, "\"open"), V{"\"open/8"});
    for (const char* n : {"0x1FUL", "1.5e3", "077", "3.14L"}) EXPECT_EQ(WordKind(*hl, n), tkNumber) << n;
    EXPECT_EQ(Texts(*hl, "1e-3"), (V{"1e", "-", "3"}));
    EXPECT_EQ(Texts(*hl, "1..2"), (V{"1", ".", ".", "2"}));
    EXPECT_EQ(Texts(*hl, "a->b>>=2...c::d"), (V{"a", "->", "b", ">>=", "2", "...", "c", "::", "d"}));
    EXPECT_EQ(Texts(*hl, "<<=<<<=!=!&&&=|||=++--"),
              (V{"<<=", "<<", "<=", "!=", "!", "&&", "&=", "||", "|=", "++", "--"}));
    EXPECT_EQ(TextKinds(*hl, "@$\xE8`\\"), (V{"@/10", "$/10", "\xE8/10", "`/10", "\\/10"}));
}

TEST(Cpp, BlockCommentsSpanLines) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(TextKinds(*hl, "x /* a"), (V{"x/3", " /7", "/* a/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsAnsiC);
    EXPECT_EQ(TextKinds(*hl, "/*/"), V{"/*//1"});
    EXPECT_EQ(hl->CurrentRange(), rsAnsiC);
    EXPECT_EQ(TextKindsFrom(*hl, rsAnsiC, "b */ y"), (V{"b *//1", " /7", "y/3"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    // Line breaks inside a comment are their own tokens, one character each.
    EXPECT_EQ(TextKindsFrom(*hl, rsAnsiC, "c\r\n"), (V{"c/1", "\r/7", "\n/7"}));
    EXPECT_EQ(hl->CurrentRange(), rsAnsiC);
    EXPECT_EQ(TextKinds(*hl, "/* a\r\n"), (V{"/* a/1", "\r/7", "\n/7"}));
}

TEST(Cpp, PreprocessorLinesAndTheirComments) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(TextKinds(*hl, "#define A 1 // c"), (V{"#define A 1 /2", "// c/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    EXPECT_EQ(TextKinds(*hl, "#define M(x) \\"), V{"#define M(x) \\/2"});
    EXPECT_EQ(hl->CurrentRange(), rsDirective);
    EXPECT_EQ(TextKindsFrom(*hl, rsDirective, "  (x+1)"), V{"  (x+1)/2"});
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);

    EXPECT_EQ(TextKinds(*hl, "#include <a.h> /* x"), (V{"#include <a.h> /2", "/* x/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsDirectiveComment);
    EXPECT_EQ(TextKindsFrom(*hl, rsDirectiveComment, "y */ z"), (V{"y *//1", " z/2"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    // A comment that closes in the line hands the rest back to the directive.
    EXPECT_EQ(TextKinds(*hl, "#if /* a */ B \\"), (V{"#if /2", "/* a *//1", " B \\/2"}));
    EXPECT_EQ(hl->CurrentRange(), rsDirective);
    // "#" anywhere starts a preprocessor line.
    EXPECT_EQ(TextKinds(*hl, "x # y"), (V{"x/3", " /7", "# y/2"}));
}

// A continued line that starts with a comment or a line comment, and an empty one, never
// yields an empty token.
TEST(Cpp, ContinuedLinesThatStartWithAComment) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(TextKindsFrom(*hl, rsDirective, "/* c */ (a) \\"), (V{"/* c *//1", " (a) \\/2"}));
    EXPECT_EQ(hl->CurrentRange(), rsDirective);
    EXPECT_EQ(TextKindsFrom(*hl, rsDirective, "// c"), V{"// c/1"});
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    EXPECT_EQ(TextKindsFrom(*hl, rsDirective, ""), V{});
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
}

// The comment after a directive starts at its opener, so "/*/" does not close it.
TEST(Cpp, CommentInADirectiveStartsAtItsOpener) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(TextKinds(*hl, "#define D /*/ still */ 1"), (V{"#define D /2", "/*/ still *//1", " 1/2"}));
    EXPECT_EQ(TextKinds(*hl, "#define D /*/"), (V{"#define D /2", "/*//1"}));
    EXPECT_EQ(hl->CurrentRange(), rsDirectiveComment);
}

// With CR LF still attached, the backslash before them continues the line all the same; the
// look back never leaves the line.
TEST(Cpp, ContinuationSeesTheBackslashBeforeCrLf) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(TextKinds(*hl, "#define M \\\r\n"), (V{"#define M \\/2", "\r/7", "\n/7"}));
    EXPECT_EQ(hl->CurrentRange(), rsDirective);
    EXPECT_EQ(TextKinds(*hl, "#define M\r\n"), (V{"#define M/2", "\r/7", "\n/7"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
    EXPECT_EQ(TextKindsFrom(*hl, rsDirective, "\r\n"), (V{"\r/7", "\n/7"}));
    EXPECT_EQ(hl->CurrentRange(), rsUnknown);
}

TEST(Cpp, ClassProperties) {
    const auto hl = NewHighlighter("TCppHighlighter");
    EXPECT_EQ(hl->FeatureFlags(), hfIdeColourImport | hfRegistryPersistence);
    EXPECT_EQ(hl->StandardAttribute(0), Attr(*hl, "CommentAttri"));
    EXPECT_EQ(hl->StandardAttribute(3), Attr(*hl, "StringAttri"));
    EXPECT_EQ(hl->StandardAttribute(4), Attr(*hl, "SpaceAttri"));
    EXPECT_EQ(Attr(*hl, "SpaceAttri")->Foreground(), clWindow);
    hl->ClearRange();
    hl->StartLine("#x", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "DirecAttri"));
}

TEST(Cpp, IdeColoursFromTheOldAndTheNewFormat) {
    TBedMemorySettingsStore store;
    SetBedDefaultSettingsStore(&store);
    const auto hl = NewHighlighter("TCppHighlighter");
    store.SetRootKey(TBedRootKey::LocalMachine);
    store.OpenKey("\\SOFTWARE\\Borland\\C++Builder\\1.0", true);
    store.OpenKey("\\SOFTWARE\\Borland\\C++Builder\\5.0", true);
    std::vector<std::string> versions;
    hl->ListIdeVersions(versions);
    EXPECT_EQ(versions, (V{"1.0", "5.0"}));

    store.SetRootKey(TBedRootKey::CurrentUser);
    store.OpenKey("\\SOFTWARE\\Borland\\C++Builder\\1.0\\Highlight", true);
    for (const char* name : {"Plain_text", "Assembler", "Comment", "Identifier", "Illegal_Char", "Reserved_word",
                             "Integer", "Whitespace", "String", "Symbol"})
        store.WriteString(name, "0,0,B,0,0,4,15");
    EXPECT_FALSE(hl->ApplyIdeColours(0));  // no "Preprocessor": nothing changes
    EXPECT_EQ(Attr(*hl, "NumberAttri")->Foreground(), clNone);
    store.WriteString("Preprocessor", "0,0,I,0,0,2,15");
    EXPECT_TRUE(hl->ApplyIdeColours(0));
    EXPECT_EQ(Attr(*hl, "NumberAttri")->Foreground(), clNavy);
    EXPECT_EQ(Attr(*hl, "DirecAttri")->Foreground(), clGreen);
    EXPECT_EQ(Attr(*hl, "DirecAttri")->Style(), fsItalic);

    store.OpenKey("\\Software\\Borland\\C++Builder\\5.0\\Editor\\Highlight\\Assembler", true);
    EXPECT_FALSE(hl->ApplyIdeColours(1));
    EXPECT_FALSE(hl->ApplyIdeColours(2));
    SetBedDefaultSettingsStore(nullptr);
}
