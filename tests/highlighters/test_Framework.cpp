#include "BedHighlighterHashEntries.h"
#include "BedHighlighterIdeColours.h"
#include "BedHighlighterKeywords.h"
#include "General.h"
#include "Pas.h"

#include <gtest/gtest.h>

namespace {

struct Counter {
    int fired = 0;
    void* lastSender = nullptr;
    void Changed(void* sender) {
        ++fired;
        lastSender = sender;
    }
    void Fail(void*) { throw std::runtime_error("handler failed"); }
};

}  // namespace

TEST(Attributes, EnumerateAlphabeticallyAndRefuseDuplicates) {
    TGeneralHighlighter hl;
    std::vector<std::string> names;
    for (int i = 0; i < hl.AttributeCount(); ++i) names.push_back(hl.AttributeAt(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Comment", "Identifier", "Number", "Preprocessor", "Reserved word",
                                               "Space", "String", "Symbol"}));
    EXPECT_EQ(hl.AttributeAt(-1), nullptr);
    EXPECT_EQ(hl.AttributeAt(hl.AttributeCount()), nullptr);
    try {
        hl.RegisterAttribute(new TBedHighlighterAttributes("comment"));
        FAIL();
    } catch (const EBedStringListError& e) {
        EXPECT_STREQ(e.what(), "String list does not allow duplicates");
    }
}

TEST(Attributes, OnlyEffectiveChangesFireTheChainAndAreStored) {
    TPasHighlighter hl;
    Counter a, b;
    hl.AddChangeHandler(TBedNotifyEvent::Of<&Counter::Changed>(&a));
    hl.AddChangeHandler(TBedNotifyEvent::Of<&Counter::Changed>(&b));
    EXPECT_FALSE(hl.StringAttri->IsForegroundStored());
    hl.StringAttri->SetForeground(clNone);
    hl.CommentAttri->SetStyle(fsItalic);
    EXPECT_EQ(a.fired, 0);
    hl.StringAttri->SetForeground(clRed);
    EXPECT_EQ(a.fired, 1);
    EXPECT_EQ(b.fired, 1);
    EXPECT_EQ(a.lastSender, &hl);
    EXPECT_TRUE(hl.StringAttri->IsForegroundStored());
    EXPECT_FALSE(hl.StringAttri->IsStyleStored());

    hl.RemoveChangeHandler(TBedNotifyEvent::Of<&Counter::Changed>(&a));
    hl.NumberAttri->SetStyle(fsBold);
    EXPECT_EQ(a.fired, 1);
    EXPECT_EQ(b.fired, 2);
    // D4syntax is read at scan time and fires nothing.
    hl.SetD4syntax(false);
    EXPECT_EQ(b.fired, 2);
}

TEST(Attributes, AssignCopiesEqualNamesAndRefusesOtherTypes) {
    TPasHighlighter source, target;
    source.KeyAttri->SetForeground(clGreen);
    source.SpaceAttri->SetBackground(clYellow);
    TGeneralHighlighter general;
    general.Assign(&source);  // shares names such as "Reserved word"
    EXPECT_EQ(general.KeyAttri->Foreground(), clGreen);
    EXPECT_EQ(general.SpaceAttri->Background(), clYellow);
    target.Assign(&source);
    EXPECT_EQ(target.KeyAttri->Foreground(), clGreen);
    try {
        target.KeyAttri->Assign(&source);
        FAIL();
    } catch (const EBedConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TPasHighlighter to a TBedHighlighterAttributes");
    }
    EXPECT_THROW(target.Assign(target.KeyAttri), EBedConvertError);
}

TEST(ChangeChain, ExceptionsStopOrAreHandled) {
    TGeneralHighlighter hl;
    Counter first, failing, last;
    hl.AddChangeHandler(TBedNotifyEvent::Of<&Counter::Changed>(&first));
    hl.AddChangeHandler(TBedNotifyEvent::Of<&Counter::Fail>(&failing));
    hl.AddChangeHandler(TBedNotifyEvent::Of<&Counter::Changed>(&last));
    EXPECT_THROW(hl.KeyAttri->SetForeground(clRed), std::runtime_error);
    EXPECT_EQ(first.fired, 1);
    EXPECT_EQ(last.fired, 0);

    TBedNotifyEventChain chain(&hl);
    chain.Add(TBedNotifyEvent::Of<&Counter::Fail>(&failing));
    chain.Add(TBedNotifyEvent::Of<&Counter::Changed>(&last));
    chain.OnException = [](void*, std::exception_ptr) { return true; };
    chain.Fire();
    EXPECT_EQ(last.fired, 1);
    chain.OnException = [](void*, std::exception_ptr) -> bool { throw 1; };
    try {
        chain.Fire();
        FAIL();
    } catch (const EBedMethodChain& e) {
        EXPECT_STREQ(e.what(),
                     "TBedNotifyEventChain.DoHandleException : MUST NOT occur any kind "
                     "of exception in ExceptionHandler");
    }
}

TEST(HashEntries, ChainsAreOrderedByLengthAndRefuseDuplicates) {
    TBedHashEntryList list;
    list.AddEntry(5, std::make_unique<TBedHashEntry>("abc", 1));
    list.AddEntry(5, std::make_unique<TBedHashEntry>("de", 2));
    list.AddEntry(5, std::make_unique<TBedHashEntry>("fgh", 3));
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.EntryAt(4), nullptr);
    EXPECT_EQ(list.EntryAt(6), nullptr);
    std::vector<std::string> chain;
    for (const TBedHashEntry* e = list.EntryAt(5); e; e = e->Next.get()) chain.push_back(e->Keyword);
    EXPECT_EQ(chain, (std::vector<std::string>{"de", "abc", "fgh"}));

    static const auto fold = [] {
        std::array<uint8_t, 256> f{};
        for (int c = 0; c < 256; ++c) f[c] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 32 : c);
        return f;
    }();
    auto find = [&](const char* s) {
        return list.Find(5, reinterpret_cast<const unsigned char*>(s), static_cast<int>(strlen(s)), fold.data(), -1);
    };
    EXPECT_EQ(find("FGH"), 3);
    EXPECT_EQ(find("dx"), -1);
    EXPECT_EQ(find("de"), 2);

    list.AddEntry(7, std::make_unique<TBedHashEntry>("begin", 1));
    try {
        list.AddEntry(7, std::make_unique<TBedHashEntry>("BEGIN", 1));
        FAIL();
    } catch (const EBedKeywordError& e) {
        EXPECT_STREQ(e.what(), "Keyword \"begin\" already in list");
    }
}

TEST(HashEntries, EnumerateKeywordsSplitsAtCharactersOutsideTheSet) {
    static std::vector<std::string> seen;
    seen.clear();
    TBedKeywordCallback cb = [](TBedCustomHighlighter*, const std::string& k, int kind) {
        seen.push_back(k + "/" + std::to_string(kind));
    };
    EnumerateKeywords(2, ", aaa,bb ,,c", BedCharSetOf("a-z"), cb, nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"aaa/2", "bb/2", "c/2"}));
    EnumerateKeywords(2, "", BedCharSetOf("a-z"), cb, nullptr);
    EnumerateKeywords(2, "x", BedCharSetOf("a-z"), nullptr, nullptr);
    EXPECT_EQ(seen.size(), 3u);
}

TEST(SettingsStore, AttributesRoundTripAndFailuresAreReported) {
    TBedMemorySettingsStore store;
    TPasHighlighter hl;
    hl.KeyAttri->SetForeground(clMaroon);
    hl.KeyAttri->SetStyle(fsBold | fsUnderline);
    ASSERT_TRUE(hl.SaveAttributesToRegistry(store, TBedRootKey::CurrentUser, "\\Software\\Bed\\Pas"));
    store.SetRootKey(TBedRootKey::CurrentUser);
    ASSERT_TRUE(store.OpenKeyReadOnly("\\Software\\Bed\\Pas\\Reserved word"));
    EXPECT_EQ(store.ReadInteger("Style"), 5);

    TPasHighlighter other;
    ASSERT_TRUE(other.LoadAttributesFromRegistry(store, TBedRootKey::CurrentUser, "\\software\\bed\\pas"));
    EXPECT_EQ(other.KeyAttri->Foreground(), clMaroon);
    EXPECT_EQ(other.KeyAttri->Style(), fsBold | fsUnderline);
    EXPECT_FALSE(other.LoadAttributesFromRegistry(store, TBedRootKey::LocalMachine, "\\Software\\Bed\\Pas"));
}

TEST(SettingsStore, IdeColoursLoadAllOrNothing) {
    TBedMemorySettingsStore store;
    SetBedDefaultSettingsStore(&store);
    TPasHighlighter hl;
    std::vector<std::string> versions{"x"};
    hl.ListIdeVersions(versions);
    EXPECT_TRUE(versions.empty());
    EXPECT_FALSE(hl.ApplyIdeColours(0));

    store.SetRootKey(TBedRootKey::LocalMachine);
    store.OpenKey("\\SOFTWARE\\Borland\\Delphi\\3.0", true);
    store.SetRootKey(TBedRootKey::CurrentUser);
    store.OpenKey("\\Software\\Borland\\Delphi\\3.0\\Highlight", true);
    for (const char* name : {"Assembler", "Comment", "Identifier", "Reserved_word", "Number", "Whitespace", "string"})
        store.WriteString(name, "0,0,BI,0,1,9,0");
    hl.CommentAttri->SetForeground(clTeal);
    EXPECT_FALSE(hl.ApplyIdeColours(0));  // "Symbol" is missing: everything is put back
    EXPECT_EQ(hl.CommentAttri->Foreground(), clTeal);
    EXPECT_EQ(hl.AsmAttri->Style(), 0);

    store.WriteString("Symbol", "0,0,U,1,0,0,12");
    EXPECT_TRUE(hl.ApplyIdeColours(0));
    EXPECT_EQ(hl.CommentAttri->Foreground(), clRed);
    EXPECT_EQ(hl.CommentAttri->Background(), clWindow);
    EXPECT_EQ(hl.CommentAttri->Style(), fsBold | fsItalic);
    EXPECT_EQ(hl.SymbolAttri->Foreground(), clWindowText);
    EXPECT_EQ(hl.SymbolAttri->Background(), clBlue);
    SetBedDefaultSettingsStore(nullptr);
}

TEST(HashEntries, MultiplyingHashFindsWordsInEitherCase) {
    TBedHashedKeywords words(kBedLetterValues, 7);
    words.AddKeyword("mov", 2);
    words.AddKeyword("movsx", 2);
    EXPECT_THROW(words.AddKeyword("MOV", 2), EBedKeywordError);
    auto find = [&](const std::string& s) {
        return words.Find(reinterpret_cast<const unsigned char*>(s.data()), static_cast<int>(s.size()), 1);
    };
    EXPECT_EQ(find("Mov"), 2);
    EXPECT_EQ(find("MOVSX"), 2);
    EXPECT_EQ(find("movs"), 1);
    // 16-bit wrap, then 10 bits: a long word still lands in a valid bucket.
    const std::string longWord(40, 'z');
    EXPECT_LT(words.Hash(reinterpret_cast<const unsigned char*>(longWord.data()), 40), 1024);
}

TEST(SortedKeywords, ExactWordsFoundAmongThoseOfTheirFirstCharacter) {
    TBedSortedKeywords words;
    words.Assign({{"b", 1}, {"ab", 2}, {"a", 3}, {"abc", 4}, {"B", 5}, {"ab", 6}, {"", 7}});
    EXPECT_EQ(words.Find("a"), 3);
    EXPECT_EQ(words.Find("ab"), 2);  // the first of two equal words stays
    EXPECT_EQ(words.Find("abc"), 4);
    EXPECT_EQ(words.Find("b"), 1);
    EXPECT_EQ(words.Find("B"), 5);
    EXPECT_EQ(words.Find(""), 7);
    for (const char* absent : {"abd", "aa", "A", "c", "bb", "\xE8"}) EXPECT_EQ(words.Find(absent), -1) << absent;
    words.Assign({{"x", 8}});
    EXPECT_EQ(words.Find("a"), -1);
    EXPECT_EQ(words.Find("x"), 8);
}

// A sum past the last slot can name no keyword: it stops there, so a run of any length neither
// overflows nor wraps round to a slot.
TEST(SumHashKeywords, SumsStopPastTheLastSlot) {
    TBedSumHashKeywords table(kBedLetterValues, 10, false);
    table.Add("ab", 1);
    const std::string huge(1'000'000, '_');
    const auto* z = reinterpret_cast<const unsigned char*>(huge.data());
    EXPECT_EQ(table.Hash(z, static_cast<int>(huge.size())), 31);  // the first sum past 9
    EXPECT_EQ(table.Find(z, static_cast<int>(huge.size())), -1);
    EXPECT_EQ(table.Find(reinterpret_cast<const unsigned char*>("AB"), 2), 1);
    EXPECT_THROW(table.Add("zz", 2), std::logic_error);
}

// Lengths from 31 on share one mark in a slot: a word of such a length still compares in full.
TEST(SumHashKeywords, LongWordsOfOneSumDifferInLength) {
    TBedSumHashKeywords table(kBedLetterValues, 50, false);
    const std::string keyword(40, 'a');
    table.Add(keyword, 7);
    auto find = [&](const std::string& w) {
        return table.Find(reinterpret_cast<const unsigned char*>(w.data()), static_cast<int>(w.size()));
    };
    EXPECT_EQ(find(std::string(40, 'A')), 7);
    EXPECT_EQ(find(std::string(35, 'a') + "e"), -1);  // the same sum, 36 letters
    EXPECT_EQ(find(std::string(38, 'a') + "b"), -1);
}
