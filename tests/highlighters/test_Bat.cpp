#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

// The kinds as the batch scanner numbers them.
enum { tkComment = 0, tkIdentifier = 1, tkKey = 2 };

TEST(Bat, EveryKeywordInAnyCaseAndNoWordOneLetterOff) {
    const auto hl = NewHighlighter("TBatHighlighter");
    const std::vector<std::string> words = KeywordsOf(*hl);
    EXPECT_EQ(words.size(), 14u);
    for (const std::string& w : words) {
        if (w == "rem") {  // a comment wherever a word begins with it
            EXPECT_EQ(WordKind(*hl, w), tkComment);
            continue;
        }
        EXPECT_EQ(WordKind(*hl, w), tkKey) << w;
        EXPECT_EQ(WordKind(*hl, SwapCase(w)), tkKey) << w;
        EXPECT_EQ(WordKind(*hl, OneLetterOff(w)), tkIdentifier) << w;
    }
    EXPECT_EQ(TextKinds(*hl, "IF EXIST a.txt"), (V{"IF/2", " /5", "EXIST/2", " /5", "a/1", "./6", "txt/1"}));
}

TEST(Bat, CommentsLabelsAndVariables) {
    const auto hl = NewHighlighter("TBatHighlighter");
    EXPECT_EQ(TextKinds(*hl, "echo %1 done"), (V{"echo/2", " /5", "%1/7", " /5", "done/1"}));
    EXPECT_EQ(TextKinds(*hl, "REM note"), V{"REM note/0"});
    EXPECT_EQ(TextKinds(*hl, "rem"), V{"rem/0"});
    EXPECT_EQ(TextKinds(*hl, ":: note"), V{":: note/0"});
    EXPECT_EQ(TextKinds(*hl, ":label"), (V{":/1", "label/1"}));
    EXPECT_EQ(TextKinds(*hl, "remove x"), V{"remove x/0"});
    EXPECT_EQ(TextKinds(*hl, "rset x"), (V{"r/1", "set/2", " /5", "x/1"}));
    EXPECT_EQ(TextKinds(*hl, "%PATH% %%f"), (V{"%/7", "PATH/1", "%/7", " /5", "%/7", "%/7", "f/1"}));
    EXPECT_EQ(TextKinds(*hl, "1.2.3 @\xE8"), (V{"1.2.3/4", " /5", "@/6", "\xE8/6"}));
    hl->StartLine("@", 0);
    EXPECT_EQ(hl->TokenAttribute(), Attr(*hl, "IdentifierAttri"));
    EXPECT_EQ(hl->StandardAttribute(3), nullptr);  // no strings
}
