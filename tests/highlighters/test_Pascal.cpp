#include "HighlighterTestUtil.h"
#include "Pas.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;
using P = TPasHighlighter;

TEST(Pascal, KeywordsIgnoreCaseAndNeedTheWholeWord) {
    TPasHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "BEGIN End"), (V{"BEGIN/3", " /6", "End/3"}));
    EXPECT_EQ(TextKinds(hl, "End1 end_x"), (V{"End1/2", " /6", "end_x/2"}));
    // Every keyword of the table is found at its hash, in any case.
    for (const char* w : {"resourcestring", "STRINGRESOURCE", "dispinterface", "xor", "Threadvar", "initialization",
                          "automated", "absolute"})
        EXPECT_EQ(TextKinds(hl, w), V{std::string(w) + "/3"}) << w;
    EXPECT_EQ(TextKinds(hl, "Beginx"), V{"Beginx/2"});
}

TEST(Pascal, StringsNumbersAndSymbols) {
    TPasHighlighter hl;
    EXPECT_EQ(Texts(hl, "x := 'it''s';"), (V{"x", " ", ":=", " ", "'it''s'", ";"}));
    EXPECT_EQ(TextKinds(hl, "1..10"), (V{"1/5", "../8", "10/5"}));
    EXPECT_EQ(TextKinds(hl, "$FF#13"), (V{"$FF/5", "#13/7"}));
    EXPECT_EQ(TextKinds(hl, "1.5e3"), (V{"1.5e3/5"}));
    EXPECT_EQ(Texts(hl, "a<>b<=c>=d@@e(.f.)"), (V{"a", "<>", "b", "<=", "c", ">=", "d", "@@", "e", "(.", "f", ".)"}));
    EXPECT_EQ(TextKinds(hl, "'open"), V{"'open/7"});
    EXPECT_EQ(TextKinds(hl, "\xE8|"), (V{"\xE8/9", "|/9"}));
    hl.ClearRange();
    hl.StartLine("\xE8", 0);
    EXPECT_EQ(hl.TokenAttribute(), hl.SymbolAttri);
}

TEST(Pascal, CommentsCarryTheirRangeToTheNextLine) {
    TPasHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "{ note"), V{"{ note/1"});
    EXPECT_EQ(hl.CurrentRange(), P::rsBor);
    EXPECT_EQ(ScanLine(hl, "still } x").size(), 3u);
    EXPECT_EQ(hl.CurrentRange(), P::rsUnknown);

    EXPECT_EQ(TextKinds(hl, "(*)"), V{"(*)/1"});
    EXPECT_EQ(hl.CurrentRange(), P::rsAnsi);
    EXPECT_EQ(TextKinds(hl, "(* a *) b // c"), (V{"(* a *)/1", " /6", "b/2", " /6", "// c/1"}));
    EXPECT_EQ(hl.CurrentRange(), P::rsUnknown);
}

TEST(Pascal, AssemblerBlocks) {
    TPasHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "asm mov eax, 1 end"),
              (V{"asm/3", " /6", "mov/0", " /6", "eax/0", ",/0", " /6", "1/0", " /6", "end/3"}));
    EXPECT_EQ(hl.CurrentRange(), P::rsUnknown);

    TextKinds(hl, "asm");
    EXPECT_EQ(hl.CurrentRange(), P::rsAsm);
    auto line2 = ScanLine(hl, "mov eax, 1 { c");
    EXPECT_EQ(line2.front().kind, P::tkAsm);
    EXPECT_EQ(line2.back().kind, P::tkComment);
    EXPECT_EQ(hl.CurrentRange(), P::rsBorAsm);
    ScanLine(hl, "still }");
    EXPECT_EQ(hl.CurrentRange(), P::rsAsm);
    TextKinds(hl, "asm (* x");
    EXPECT_EQ(hl.CurrentRange(), P::rsAnsiAsm);
    ScanLine(hl, "*) nop");
    EXPECT_EQ(hl.CurrentRange(), P::rsAsm);
}

TEST(Pascal, PropertyDeclarationsAndD4Syntax) {
    TPasHighlighter hl;
    const auto decl = TextKinds(hl, "property Count: Integer read FCount write SetCount; read");
    EXPECT_EQ(decl[7], "read/3");
    EXPECT_EQ(decl[11], "write/3");
    EXPECT_EQ(decl.back(), "read/2");
    EXPECT_EQ(TextKinds(hl, "property X: Integer implements I;")[7], "implements/3");

    EXPECT_EQ(TextKinds(hl, "overload"), V{"overload/3"});
    hl.SetD4syntax(false);
    EXPECT_EQ(TextKinds(hl, "overload reintroduce"), (V{"overload/2", " /6", "reintroduce/2"}));
    EXPECT_EQ(TextKinds(hl, "property X: Integer implements I;")[7], "implements/2");
}

TEST(Pascal, ClassProperties) {
    TPasHighlighter hl;
    EXPECT_EQ(hl.LanguageName(), "ObjectPascal");
    EXPECT_FALSE(hl.IsDefaultFilterSaved());
    hl.SetDefaultFilter("Pascal (*.pp)|*.pp");
    EXPECT_TRUE(hl.IsDefaultFilterSaved());
    EXPECT_EQ(hl.FeatureFlags(), hfIdeColourImport | hfRegistryPersistence);
    EXPECT_EQ(hl.WordCharacters(), BedCharSetOf("0-9A-Z_a-z"));
    EXPECT_EQ(hl.StandardAttribute(4), hl.SpaceAttri);
    EXPECT_EQ(hl.StandardAttribute(5), nullptr);
    EXPECT_EQ(hl.CommentAttri->Style(), fsItalic);
    EXPECT_EQ(hl.KeyAttri->Style(), fsBold);
}
