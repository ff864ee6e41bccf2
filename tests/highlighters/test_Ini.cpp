#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

TEST(Ini, TheFirstCharacterOfTheLineDecides) {
    const auto hl = NewHighlighter("TIniHighlighter");
    EXPECT_EQ(TextKinds(*hl, "[General]"), V{"[General]/2"});
    EXPECT_EQ(TextKinds(*hl, "[open"), V{"[open/2"});
    EXPECT_EQ(TextKinds(*hl, "Width=640"), (V{"Width/3", "=/8", "640/5"}));
    EXPECT_EQ(TextKinds(*hl, "; note"), V{"; note/0"});
    EXPECT_EQ(TextKinds(*hl, "a=1 ; x"), (V{"a/3", "=/8", "1/5", " /6", ";/1", " /6", "x/1"}));
    EXPECT_EQ(TextKinds(*hl, " ; [x]"), (V{" /6", ";/1", " /6", "[/1", "x/1", "]/1"}));
    EXPECT_EQ(TextKinds(*hl, "2nd key"), V{"2nd key/3"});
    EXPECT_EQ(TextKinds(*hl, "=v"), (V{"=/8", "v/1"}));
    EXPECT_EQ(Texts(*hl, "path=C:\\x"), (V{"path", "=", "C", ":", "\\", "x"}));
}

TEST(Ini, ValuesStringsAndNumbers) {
    const auto hl = NewHighlighter("TIniHighlighter");
    EXPECT_EQ(TextKinds(*hl, "k=\"a b\" 'c' 1.5e3 1..2"),
              (V{"k/3", "=/8", "\"a b\"/7", " /6", "'c'/7", " /6", "1.5e3/5", " /6", "1..2/5"}));
    EXPECT_EQ(Texts(*hl, "k=\"\"\"x\" \"open"), (V{"k", "=", "\"\"\"x\"", " ", "\"open"}));
    EXPECT_EQ(Texts(*hl, "'quoted'"), V{"'quoted'"});
    EXPECT_EQ(hl->StandardAttribute(1), nullptr);
    EXPECT_EQ(hl->StandardAttribute(2), Attr(*hl, "KeyAttri"));
}
