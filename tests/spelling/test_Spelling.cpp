// Spelling: the words asked about, the checker on the system's Czech dictionary and a small
// one of our own, the checking thread, the personal word list.
#include "FileError.h"
#include "BedSpellDictionary.h"
#include "BedSpellHunspell.h"
#include "BedSpellPersonalWords.h"
#include "BedSpellSession.h"
#include "BedSpellWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::vector<std::string> Words(std::string_view line) {
    std::vector<TBedTextSpan> spans;
    BedSpellableWords(line, {0, int(line.size())}, spans);
    std::vector<std::string> words;
    for (const TBedTextSpan& s : spans) words.emplace_back(line.substr(s.start, s.length));
    return words;
}

std::optional<TBedDictionaryFiles> CzechDictionary() {
    return BedFindDictionary(BedDictionaryDirectories(std::getenv));
}

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        char tmpl[] = "/tmp/bedspellXXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name, const std::string& bytes = {}) const {
        if (!bytes.empty()) std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

}  // namespace

TEST(SpellWords, WordsOfTextNotOfNames) {
    // CP 1250: \xE8 č, \xED í, \xF8 ř.
    EXPECT_EQ(Words("P\xF8\xEDli\x9A \xE8"
                    "asto, a soubor.txt na www.seznam.cz"),
              (std::vector<std::string>{"P\xF8\xEDli\x9A",
                                        "\xE8"
                                        "asto",
                                        "na"}));
    EXPECT_EQ(Words("x2 abc_def setValue mail@firma.cz /usr/bin ABC Konec."),
              (std::vector<std::string>{"ABC", "Konec"}));
    // A range that begins inside a word gives only the words after it.
    std::vector<TBedTextSpan> spans;
    BedSpellableWords("slovo jiny", {2, 8}, spans);
    EXPECT_EQ(spans, (std::vector<TBedTextSpan>{{6, 4}}));
    EXPECT_EQ(BedWordAt("ahoj svete", 7), (TBedTextSpan{5, 5}));
    EXPECT_EQ(BedWordAt("ahoj svete", 4), (TBedTextSpan{0, 4}));  // just after a word
    EXPECT_EQ(BedWordAt("a  b", 2), std::nullopt);
}

TEST(SpellDictionary, FoundInTheSearchOrder) {
    TempDir d;
    std::filesystem::create_directories(d.path / "first/hunspell");
    std::filesystem::create_directories(d.path / "second/hunspell");
    d.File("second/hunspell/cs_CZ.aff", "SET UTF-8\n");
    d.File("second/hunspell/cs_CZ.dic", "1\nkočka\n");
    const std::string dicpath = d.path.string() + "/nothing";
    const std::string dataDirs = d.path.string() + "/first:" + d.path.string() + "/second";
    auto env = [&](const char* name) -> const char* {
        if (std::string_view(name) == "DICPATH") return dicpath.c_str();
        if (std::string_view(name) == "XDG_DATA_DIRS") return dataDirs.c_str();
        if (std::string_view(name) == "HOME") return "/nonexistent";
        return nullptr;
    };
    const auto found = BedFindDictionary(BedDictionaryDirectories(env));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dic, d.path.string() + "/second/hunspell/cs_CZ.dic");
    EXPECT_FALSE(BedFindDictionary({dicpath}));
}

TEST(SpellHunspell, SuggestionsThatCp1250LacksAreLeftOut) {
    TempDir d;
    // "vlaκ" has a Greek kappa; "vlak" and it are one letter from "vlax".
    const auto checker =
        TBedHunspellChecker::Open({d.File("t.aff", "SET UTF-8\nTRY kκx\n"), d.File("t.dic", "2\nvlak\nvla\u03BA\n")});
    ASSERT_TRUE(checker);
    EXPECT_TRUE(checker->Check("vlak"));
    EXPECT_FALSE(checker->Check("vlax"));
    EXPECT_EQ(checker->Suggest("vlax"), (std::vector<std::string>{"vlak"}));
    checker->Accept("vlax");
    EXPECT_TRUE(checker->Check("vlax"));
    // A dictionary in another encoding than UTF-8 is not taken.
    EXPECT_FALSE(TBedHunspellChecker::Open({d.File("l.aff", "SET ISO8859-2\n"), d.File("l.dic", "1\nvlak\n")}));
    EXPECT_FALSE(TBedHunspellChecker::Open({d.File("missing.aff"), d.File("missing.dic")}));
}

TEST(SpellSession, ACzechSentenceWithTwoErrors) {
    const auto dictionary = CzechDictionary();
    ASSERT_TRUE(dictionary) << "hunspell-cs is not installed";
    TBedSpellSession session([&] { return TBedHunspellChecker::Open(*dictionary); }, nullptr);
    // "Včera jsme šli do divadla a představení se nám velice líbilo." with two letters wrong.
    const std::string sentence =
        "V\xE8"
        "era jsme \x9Ali do divadla a p\xF8"
        "edstaven\xED se n\xE1m velyce l\xED"
        "bylo.";
    const std::vector<std::string> words = Words(sentence);
    for (const std::string& w : words) EXPECT_EQ(session.State(w), TBedWordState::Unknown);
    ASSERT_TRUE(session.WaitUntilIdle());
    std::vector<std::string> wrong;
    for (const std::string& w : words)
        if (session.State(w) == TBedWordState::Wrong) wrong.push_back(w);
    EXPECT_EQ(wrong, (std::vector<std::string>{"velyce",
                                               "l\xED"
                                               "bylo"}));
    const auto suggestions = session.Suggest("velyce", 8);
    EXPECT_LE(suggestions.size(), 8u);
    EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), "velice"), suggestions.end());
    // Accepted and ignored words are correct at once, before the thread has seen them.
    session.Accept("Brousek");
    session.Ignore("velyce");
    EXPECT_EQ(session.State("Brousek"), TBedWordState::Correct);
    EXPECT_EQ(session.State("velyce"), TBedWordState::Correct);
}

TEST(SpellSession, WithoutAChecker) {
    TBedSpellSession session([] { return std::unique_ptr<TBedSpellChecker>(); }, nullptr);
    EXPECT_EQ(session.State("slovo"), TBedWordState::Unknown);
    EXPECT_FALSE(session.WaitUntilIdle());
    EXPECT_EQ(session.State("slovo"), TBedWordState::Unknown);
    EXPECT_TRUE(session.Suggest("slovo", 8).empty());
}

TEST(SpellPersonalWords, RoundTripKeepingWordsCp1250Lacks) {
    TempDir d;
    const std::string path = d.File("slovnik.txt", "Brousek\n\xCE\xBA\xCE\xB1\n");  // κα
    TBedPersonalWords words(path);
    EXPECT_EQ(words.Load(), (std::vector<std::string>{"Brousek"}));
    words.Add("\x9Elu\x9Dou\xE8k\xFD");  // žluťoučký
    words.Add("Brousek");                // once only
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "Brousek\n\xCE\xBA\xCE\xB1\n\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\n");
    EXPECT_EQ(TBedPersonalWords(path).Load(), (std::vector<std::string>{"Brousek", "\x9Elu\x9Dou\xE8k\xFD"}));
    EXPECT_TRUE(TBedPersonalWords(d.File("none.txt")).Load().empty());
    EXPECT_THROW(TBedPersonalWords(d.path.string() + "/no/such/dir/x.txt").Add("slovo"), EBedFileError);
}
