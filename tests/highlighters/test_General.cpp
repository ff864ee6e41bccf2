#include "BedHighlighterList.h"
#include "General.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

using V = std::vector<std::string>;
using G = TGeneralHighlighter;

TEST(General, LineCommentsAndSymbolsWithoutCommentStyles) {
    TGeneralHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "x // y"), (V{"x/1", " /6", "// y/0"}));
    EXPECT_EQ(TextKinds(hl, "a/b"), (V{"a/1", "//8", "b/1"}));
    EXPECT_EQ(TextKinds(hl, "(*x{y;"), (V{"(/8", "*/9", "x/1", "{/8", "y/1", ";/8"}));
}

TEST(General, CommentStylesSpanLines) {
    TGeneralHighlighter hl;
    hl.SetComments(csPasStyle | csAnsiStyle | csCStyle | csAsmStyle);
    EXPECT_EQ(TextKinds(hl, "{ open"), V{"{ open/0"});
    EXPECT_EQ(hl.CurrentRange(), G::rsPasStyle);
    EXPECT_EQ(TextKinds(hl, "").size(), 0u);
    hl.RestoreRange(G::rsPasStyle);
    std::vector<std::string> next;
    for (const auto& t : ScanLine(hl, "still } x")) next.push_back(t.text + "/" + std::to_string(t.kind));
    EXPECT_EQ(next, (V{"still }/0", " /6", "x/1"}));
    EXPECT_EQ(hl.CurrentRange(), G::rsUnknown);
    EXPECT_EQ(TextKinds(hl, "a (* b *) /* c"), (V{"a/1", " /6", "(* b *)/0", " /6", "/* c/0"}));
    EXPECT_EQ(hl.CurrentRange(), G::rsCStyle);
    EXPECT_EQ(TextKinds(hl, "(.x; y"), (V{"(./8", "x/1", "; y/0"}));
    // The line buffer's "no state yet" behaves as none.
    hl.RestoreRange(-1);
    EXPECT_EQ(ScanLine(hl, "x").front().kind, G::tkIdentifier);
}

TEST(General, StringsAndNumbers) {
    TGeneralHighlighter hl;
    EXPECT_EQ(Texts(hl, "'it''s'"), (V{"'it'", "'s'"}));
    EXPECT_EQ(Texts(hl, "''''"), V{"''''"});
    EXPECT_EQ(TextKinds(hl, "'open"), V{"'open/7"});
    EXPECT_EQ(hl.CurrentRange(), G::rsUnknown);
    EXPECT_EQ(Texts(hl, "1.5e3 1..5 0x1F $FF"), (V{"1.5e3", " ", "1", ".", ".", "5", " ", "0x1F", " ", "$FF"}));
    EXPECT_EQ(TextKinds(hl, "#13#10"), (V{"#13/7", "#10/7"}));
    hl.SetDetectPreprocessor(true);
    EXPECT_EQ(TextKinds(hl, "#13#10 x"), V{"#13#10 x/5"});
    hl.SetStringDelim(sdDoubleQuote);
    EXPECT_EQ(TextKinds(hl, "'\"a\""), (V{"'/9", "\"a\"/7"}));
}

TEST(General, MailboxHeadersAreKeywords) {
    auto hl = CreateInstanceAs<TGeneralHighlighter>(kBedGeneralLanguage, kBedMailboxInstance);
    EXPECT_EQ(TextKinds(*hl, "To: a // b"), (V{"To:/2", " /6", "a/1", " /6", "// b/0"}));
    EXPECT_EQ(TextKinds(*hl, "Re:x//y"), (V{"Re:x/1", "//y/0"}));
    EXPECT_EQ(hl->KeyWords().size(), 24u);
    EXPECT_EQ(hl->KeyAttri->Foreground(), clBlue);
    EXPECT_EQ(hl->CommentAttri->Style(), 0);
}

TEST(General, CzechConjunctionsUseCp1250Case) {
    auto hl = CreateInstanceAs<TGeneralHighlighter>(kBedGeneralLanguage, kBedCzechInstance);
    EXPECT_EQ(TextKinds(*hl,
                        "Tak\x9E"
                        "e ano"),
              (V{"Tak\x9E"
                 "e/2",
                 " /6", "ano/1"}));
    EXPECT_EQ(Texts(*hl,
                    "TAK\x8E"
                    "E"),
              (V{"TAK", "\x8E", "E"}));
    EXPECT_EQ(TextKinds(*hl, "\xE8ili i"), (V{"\xE8/9", "ili/1", " /6", "i/2"}));
    EXPECT_TRUE(hl->IsKeywordText("neBo\x9D"));
    EXPECT_EQ(hl->KeyAttri->Style(), fsItalic);
}

TEST(General, ShellAndProperties) {
    auto hl = CreateInstanceAs<TGeneralHighlighter>(kBedGeneralLanguage, kBedShellInstance);
    EXPECT_EQ(hl->KeyWords().size(), 146u);
    std::vector<std::pair<std::string, int>> words;
    for (const std::string& w : hl->KeyWords()) words.emplace_back(w, G::tkKey);
    ExpectKeywordList(*hl, words, true);
    EXPECT_EQ(TextKinds(*hl, "echo \"a b\""), (V{"echo/2", " /6", "\"a b\"/7"}));
    EXPECT_EQ(hl->WordCharacters(), BedNonBlankCharacters());
    EXPECT_EQ(hl->IdentifierChars().size(), 223u);
    hl->SetIdentifierChars("zab");
    EXPECT_EQ(hl->IdentifierChars(), "abz");

    TGeneralHighlighter plain;
    plain.SetKeyWords({"beta", "Alfa", "BETA"});
    EXPECT_EQ(plain.KeyWords(), (V{"ALFA", "BETA"}));
    EXPECT_EQ(plain.LanguageName(), "General");
    EXPECT_TRUE(plain.DefaultFilter().empty());
}

TEST(General, KeywordsSurviveTheSettingsStore) {
    TBedMemorySettingsStore store;
    auto hl = CreateInstanceAs<TGeneralHighlighter>(kBedGeneralLanguage, kBedShellInstance);
    hl->StringAttri->SetForeground(0x123456);
    ASSERT_TRUE(hl->SaveAttributesToRegistry(store, TBedRootKey::CurrentUser, "\\Software\\Bed\\Shell"));

    TBedMemorySettingsStore reread;
    reread.FromIniText(store.ToIniText());
    TGeneralHighlighter copy;
    ASSERT_TRUE(copy.LoadAttributesFromRegistry(reread, TBedRootKey::CurrentUser, "\\Software\\Bed\\Shell"));
    EXPECT_EQ(copy.KeyWords(), hl->KeyWords());
    EXPECT_EQ(copy.StringAttri->Foreground(), 0x123456);
    EXPECT_EQ(copy.StringAttri->Style(), fsItalic);
    EXPECT_FALSE(copy.LoadAttributesFromRegistry(reread, TBedRootKey::CurrentUser, "\\Software\\None"));
}
