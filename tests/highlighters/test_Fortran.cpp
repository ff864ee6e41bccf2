#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

TEST(Fortran, EveryReservedWordInAnyCase) {
    const auto hl = NewHighlighter("TFortranHighlighter");
    // Indented: a "C" in the first column would make the line a comment.
    ExpectKeywordList(*hl, LanguageOf(*hl).keywords, true, " ");
    EXPECT_EQ(TextKinds(*hl, "IF (A .EQ. B) THEN"),
              (V{"IF/2", " /5", "(/7", "A/1", " /5", ".EQ./7", " /5", "B/1", ")/7", " /5", "THEN/2"}));
}

TEST(Fortran, CommentsInTheFirstColumnAndAfterBang) {
    const auto hl = NewHighlighter("TFortranHighlighter");
    EXPECT_EQ(TextKinds(*hl, "C note"), V{"C note/0"});
    EXPECT_EQ(TextKinds(*hl, "CALL X"), V{"CALL X/0"});  // any line that starts with "C"
    EXPECT_EQ(TextKinds(*hl, "c note"), (V{"c/1", " /5", "note/1"}));
    EXPECT_EQ(TextKinds(*hl, " C"), (V{" /5", "C/1"}));
    EXPECT_EQ(TextKinds(*hl, "* x"), (V{"*/7", " /5", "x/1"}));
    EXPECT_EQ(TextKinds(*hl, "x = 1 ! note"), (V{"x/1", " /5", "=/7", " /5", "1/4", " /5", "! note/0"}));
}

TEST(Fortran, DottedOperatorsNumbersStringsAndSymbols) {
    const auto hl = NewHighlighter("TFortranHighlighter");
    EXPECT_EQ(Texts(*hl, ".gt..True..false..ge..lt..le..ne..or..and..not."),
              (V{".gt.", ".True.", ".false.", ".ge.", ".lt.", ".le.", ".ne.", ".or.", ".and.", ".not."}));
    EXPECT_EQ(TextKinds(*hl, ".X."), (V{"./7", "X/1", "./7"}));
    EXPECT_EQ(TextKinds(*hl, "1.5E3 0x1F 2.0f 1..5"),
              (V{"1.5E3/4", " /5", "0x1F/4", " /5", "2.0f/4", " /5", "1/4", "./7", "./7", "5/4"}));
    EXPECT_EQ(TextKinds(*hl, "1.0D0"), (V{"1.0/4", "D0/1"}));
    EXPECT_EQ(TextKinds(*hl, "x = 'it''s'"), (V{"x/1", " /5", "=/7", " /5", "'it'/6", "'s'/6"}));
    EXPECT_EQ(TextKinds(*hl, "\"\"\"q\""), V{"\"\"\"q\"/6"});
    EXPECT_EQ(Texts(*hl, "a<<=b>>=c==d"), (V{"a", "<<=", "b", ">>=", "c", "==", "d"}));
    EXPECT_EQ(TextKinds(*hl, "%&:#{"), (V{"%/7", "&/8", ":/8", "#/8", "{/8"}));
}
