#include "HighlighterTestUtil.h"
#include "TclTk.h"

#include <gtest/gtest.h>

#include <algorithm>

using V = std::vector<std::string>;
using T = TTclTkHighlighter;

TEST(TclTk, EveryKeywordInAnyCaseAndNoWordOneLetterOff) {
    TTclTkHighlighter hl;
    const std::vector<std::string> words = BedTclTkKeyWords();
    EXPECT_EQ(words.size(), 147u);
    for (const std::string& w : words) {
        EXPECT_EQ(WordKind(hl, w), T::tkKey) << w;
        EXPECT_EQ(WordKind(hl, SwapCase(w)), T::tkKey) << w;
        EXPECT_EQ(WordKind(hl, OneLetterOff(w)), T::tkIdentifier) << w;
        EXPECT_TRUE(hl.IsKeywordText(SwapCase(w))) << w;
    }
    // Kept sorted by bytes, so "CHECKBUTTON" (listed after "HTTP") is found as well.
    const std::vector<std::string> kept = hl.KeyWords();
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_EQ(kept.size(), 147u);
    EXPECT_EQ(WordKind(hl, "checkbutton"), T::tkKey);
}

TEST(TclTk, TokensOfALine) {
    TTclTkHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "set x [expr $y]"),
              (V{"set/2", " /6", "x/1", " /6", "[/9", "expr/2", " /6", "$/9", "y/1", "]/9"}));
    EXPECT_EQ(TextKinds(hl, "({;"), (V{"(/8", "{/8", ";/8"}));
    EXPECT_EQ(TextKinds(hl, "# note"), V{"# note/0"});
    EXPECT_EQ(TextKinds(hl, "x // note"), (V{"x/1", " /6", "// note/0"}));
    EXPECT_EQ(TextKinds(hl, "/*"), (V{"//9", "*/9"}));
    // Kept: a division comments out the rest of the line.
    EXPECT_EQ(TextKinds(hl, "a / b"), (V{"a/1", " /6", "/ b/0"}));
    EXPECT_EQ(TextKinds(hl, "3.14 1..5 1e5"), (V{"3.14/4", " /6", "1/4", "./9", "./9", "5/4", " /6", "1e5/4"}));
    EXPECT_EQ(Texts(hl, "\"a\" \"\"\"b\" \"open"), (V{"\"a\"", " ", "\"\"\"b\"", " ", "\"open"}));
    EXPECT_EQ(hl.CurrentRange(), T::rsUnknown);
}

TEST(TclTk, SecondListAndChangesToTheLists) {
    TTclTkHighlighter hl;
    TChangeCount changes(hl);
    std::vector<std::string> second = {"foo", "Bar", "puts"};
    hl.SetSecondKeyWords(second);
    EXPECT_EQ(second, (V{"FOO", "BAR", "PUTS"}));  // the given list itself is upper-cased
    EXPECT_EQ(hl.SecondKeyWords(), (V{"BAR", "FOO", "PUTS"}));
    EXPECT_EQ(changes.fired, 1);
    EXPECT_EQ(WordKind(hl, "foo"), T::tkSecondKey);
    EXPECT_EQ(WordKind(hl, "puts"), T::tkKey);  // the first list wins
    hl.StartLine("foo", 0);
    EXPECT_EQ(hl.TokenAttribute(), Attr(hl, "SecondKeyAttri"));
    std::vector<std::string> sampleWords = {"configure", "require", "mojeslovo", "stdout"};
    hl.SetSecondKeyWords(sampleWords);
    CheckGolden(hl, "tcl/sample.tcl", "tcl/second/sample.tcl");

    std::vector<std::string> own = {"mojeslovo", "b\xE8"};
    hl.SetKeyWords(own);
    EXPECT_EQ(own, (V{"MOJESLOVO", "B\xE8"}));  // only a-z change
    EXPECT_EQ(changes.fired, 3);
    EXPECT_EQ(WordKind(hl, "MojeSlovo"), T::tkKey);
    EXPECT_EQ(WordKind(hl, "set"), T::tkIdentifier);
    EXPECT_TRUE(hl.IsKeywordText("b\xE8"));
    EXPECT_FALSE(hl.IsKeywordText("B\xC8"));
}

TEST(TclTk, RestoredCommentRangesContinueToTheirClosers) {
    TTclTkHighlighter hl;
    const std::pair<T::RangeStates, const char*> closers[] = {
        {T::rsAnsi, "*)"}, {T::rsPasStyle, "}"}, {T::rsCStyle, "*/"}};
    for (const auto& [range, closer] : closers) {
        hl.RestoreRange(range);
        EXPECT_EQ(TextsFromRange(hl, "a b"), V{"a b"});
        EXPECT_EQ(hl.CurrentRange(), range);
        hl.RestoreRange(range);
        EXPECT_TRUE(ScanLine(hl, "").empty());
        EXPECT_EQ(TextsFromRange(hl, std::string("x ") + closer + " set"), (V{std::string("x ") + closer, " ", "set"}));
        EXPECT_EQ(hl.CurrentRange(), T::rsUnknown);
    }
}

TEST(TclTk, KeyWordsKeptBesideTheAttributes) {
    TBedMemorySettingsStore store;
    TTclTkHighlighter saved;
    std::vector<std::string> words = {"alpha", "beta"};
    saved.SetKeyWords(words);
    Attr(saved, "KeyAttri")->SetForeground(clRed);
    ASSERT_TRUE(saved.SaveAttributesToRegistry(store, TBedRootKey::CurrentUser, "\\Software\\Tcl"));
    EXPECT_EQ(store.ReadString("KeyWords"), "ALPHA\r\nBETA\r\n");

    TTclTkHighlighter loaded;
    ASSERT_TRUE(loaded.LoadAttributesFromRegistry(store, TBedRootKey::CurrentUser, "\\Software\\Tcl"));
    EXPECT_EQ(loaded.KeyWords(), (V{"ALPHA", "BETA"}));
    EXPECT_EQ(Attr(loaded, "KeyAttri")->Foreground(), clRed);
    TTclTkHighlighter untouched;
    EXPECT_FALSE(untouched.LoadAttributesFromRegistry(store, TBedRootKey::CurrentUser, "\\Nic"));
    EXPECT_EQ(untouched.KeyWords().size(), 147u);
}
