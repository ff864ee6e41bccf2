#include "BedHighlighterBat.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;
using B = TBatHighlighter;

TEST(Bat, EveryKeywordInAnyCaseAndNoWordOneLetterOff) {
    TBatHighlighter hl;
    int words = 0;
    for (const TBedKeywordList& list : BedBatKeywords())
        for (const std::string w : list.words) {
            ++words;
            if (w == "rem") {  // a comment wherever a word begins with it
                EXPECT_EQ(WordKind(hl, w), B::tkComment);
                continue;
            }
            EXPECT_EQ(WordKind(hl, w), B::tkKey) << w;
            EXPECT_EQ(WordKind(hl, SwapCase(w)), B::tkKey) << w;
            EXPECT_EQ(WordKind(hl, OneLetterOff(w)), B::tkIdentifier) << w;
        }
    EXPECT_EQ(words, 14);
    EXPECT_EQ(TextKinds(hl, "IF EXIST a.txt"),
              (V{"IF/2", " /5", "EXIST/2", " /5", "a/1", "./6", "txt/1"}));
}

TEST(Bat, CommentsLabelsAndVariables) {
    TBatHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "echo %1 done"), (V{"echo/2", " /5", "%1/7", " /5", "done/1"}));
    EXPECT_EQ(TextKinds(hl, "REM note"), V{"REM note/0"});
    EXPECT_EQ(TextKinds(hl, "rem"), V{"rem/0"});
    EXPECT_EQ(TextKinds(hl, ":: note"), V{":: note/0"});
    EXPECT_EQ(TextKinds(hl, ":label"), (V{":/1", "label/1"}));
    EXPECT_EQ(TextKinds(hl, "remove x"), V{"remove x/0"});
    EXPECT_EQ(TextKinds(hl, "rset x"), (V{"r/1", "set/2", " /5", "x/1"}));
    EXPECT_EQ(TextKinds(hl, "%PATH% %%f"), (V{"%/7", "PATH/1", "%/7", " /5", "%/7", "%/7", "f/1"}));
    EXPECT_EQ(TextKinds(hl, "1.2.3 @\xE8"), (V{"1.2.3/4", " /5", "@/6", "\xE8/6"}));
    hl.StartLine("@", 0);
    EXPECT_EQ(hl.TokenAttribute(), hl.IdentifierAttri);
    EXPECT_EQ(hl.StandardAttribute(3), nullptr);  // no strings
}
