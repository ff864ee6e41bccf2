#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;

// The states as the form scanner numbers them.
enum { rsBraceBlock = 1, rsNormal = 2 };

TEST(Dfm, ObjectAndEndAreTheOnlyKeywords) {
    const auto hl = NewHighlighter("TDfmHighlighter");
    EXPECT_EQ(TextKinds(*hl, "object Form1: TForm1"), (V{"object/2", " /5", "Form1/1", ":/8", " /5", "TForm1/1"}));
    EXPECT_EQ(TextKinds(*hl, "OBJECT End"), (V{"OBJECT/2", " /5", "End/2"}));
    EXPECT_EQ(
        TextKinds(*hl, "objects ending inherited en obj e_nd"),
        (V{"objects/1", " /5", "ending/1", " /5", "inherited/1", " /5", "en/1", " /5", "obj/1", " /5", "e_nd/1"}));
    EXPECT_EQ(TextKinds(*hl, "end."), (V{"end/2", "./7"}));
}

TEST(Dfm, StringsCharacterCodesAndNumbers) {
    const auto hl = NewHighlighter("TDfmHighlighter");
    EXPECT_EQ(TextKinds(*hl, "Caption = 'It''s'#13#10"),
              (V{"Caption/1", " /5", "=/7", " /5", "'It''s'/6", "#13/6", "#10/6"}));
    EXPECT_EQ(TextKinds(*hl, "'open"), V{"'open/6"});
    EXPECT_EQ(TextKinds(*hl, "$00FF 1.5 1E3 1..2 -1"), (V{"$00FF/4", " /5", "1./4", "5/4", " /5", "1E3/4", " /5", "1/4",
                                                          "./7", "./7", "2/4", " /5", "-/8", "1/4"}));
    hl->ClearRange();
    hl->StartLine("=", 0);
    EXPECT_EQ(hl->TokenAttribute()->Name(), "Symbol");
}

TEST(Dfm, BraceBlocksSpanLines) {
    const auto hl = NewHighlighter("TDfmHighlighter");
    EXPECT_EQ(TextKinds(*hl, "Data = {"), (V{"Data/1", " /5", "=/7", " /5", "{/0"}));
    EXPECT_EQ(hl->CurrentRange(), rsBraceBlock);
    EXPECT_EQ(ScanLine(*hl, "0A0B0C").size(), 1u);
    EXPECT_EQ(hl->CurrentRange(), rsBraceBlock);
    // A continuation line that starts with "}" does not close the block there.
    auto tokens = ScanLine(*hl, "} 0D} x");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].text, "} 0D}");
    EXPECT_EQ(tokens[0].kind, 0);  // a comment
    EXPECT_EQ(hl->CurrentRange(), rsNormal);
    // A stray "}" is drawn as an identifier and changes nothing.
    EXPECT_EQ(TextKinds(*hl, "} x"), (V{"}/1", " /5", "x/1"}));
    EXPECT_EQ(hl->CurrentRange(), rsNormal);
    EXPECT_EQ(TextKinds(*hl, "{ab}c"), (V{"{ab}/0", "c/1"}));

    // An empty line and a line break inside the block keep it open, with no empty token.
    hl->RestoreRange(rsBraceBlock);
    EXPECT_TRUE(ScanLine(*hl, "").empty());
    EXPECT_EQ(hl->CurrentRange(), rsBraceBlock);
    hl->RestoreRange(rsBraceBlock);
    tokens = ScanLine(*hl, "\r\n");
    for (const TScannedToken& t : tokens) EXPECT_FALSE(t.text.empty());
    EXPECT_EQ(hl->CurrentRange(), rsBraceBlock);
}
