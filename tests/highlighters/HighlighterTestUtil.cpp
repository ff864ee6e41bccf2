#include "HighlighterTestUtil.h"

#include "BedHighlighterList.h"
#include "BedTextLetters.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

std::vector<TScannedToken> ScanLine(TBedCustomHighlighter& hl, const std::string& line, int index) {
    std::vector<TScannedToken> tokens;
    hl.StartLine(line, index);
    while (!hl.AtLineEnd()) {
        const TBedHighlighterAttributes* attr = hl.TokenAttribute();
        tokens.push_back({hl.TokenStart(), hl.TokenText(), hl.TokenKind(), attr ? attr->Name() : "-"});
        hl.NextToken();
    }
    return tokens;
}

std::vector<std::string> Texts(TBedCustomHighlighter& hl, const std::string& line) {
    hl.ClearRange();
    return TextsFromRange(hl, line);
}

std::vector<std::string> TextsFromRange(TBedCustomHighlighter& hl, const std::string& line) {
    std::vector<std::string> texts;
    for (const TScannedToken& t : ScanLine(hl, line)) texts.push_back(t.text);
    return texts;
}

namespace {

std::vector<std::string> V1(const std::string& text, int kind) { return {text + "/" + std::to_string(kind)}; }

}  // namespace

std::vector<std::string> TextKinds(TBedCustomHighlighter& hl, const std::string& line) {
    hl.ClearRange();
    return TextKindsFrom(hl, hl.CurrentRange(), line);
}

std::vector<std::string> TextKindsFrom(TBedCustomHighlighter& hl, TBedRange range, const std::string& line) {
    hl.RestoreRange(range);
    std::vector<std::string> out;
    for (const TScannedToken& t : ScanLine(hl, line)) out.push_back(t.text + "/" + std::to_string(t.kind));
    return out;
}

int WordKind(TBedCustomHighlighter& hl, const std::string& word) {
    hl.ClearRange();
    const std::vector<TScannedToken> tokens = ScanLine(hl, word);
    return tokens.size() == 1 ? tokens[0].kind : -1;
}

std::string OneLetterOff(std::string word) {
    word.back() = word.back() == '_' ? 'Q' : '_';
    return word;
}

std::string SwapCase(std::string word) {
    for (char& c : word)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = static_cast<char>(c ^ 0x20);
    return word;
}

namespace {

std::vector<std::string> SpellingsOneLetterOff(const std::string& w) {
    std::vector<std::string> off;
    for (size_t i = 0; i + 1 < w.size(); ++i)
        if (w[i] != w[i + 1]) {
            std::string swapped = w;
            std::swap(swapped[i], swapped[i + 1]);
            off.push_back(swapped);
            break;
        }
    std::string changed = w;
    changed.back() = changed.back() == 'q' ? 'x' : 'q';
    off.push_back(changed);
    off.push_back(w + "k");
    return off;
}

}  // namespace

void ExpectKeywordList(TBedCustomHighlighter& hl, const std::vector<std::pair<std::string, int>>& words,
                       bool caseIgnored, const std::string& before) {
    auto key = [&](const std::string& w) { return caseIgnored ? BedAsciiUpperCase(w) : w; };
    auto scan = [&](const std::string& w) {
        hl.ClearRange();
        std::vector<std::string> out;
        for (const TScannedToken& t : ScanLine(hl, before + w))
            if (t.start >= static_cast<int>(before.size())) out.push_back(t.text + "/" + std::to_string(t.kind));
        return out;
    };
    std::set<std::string> known;
    for (const auto& [w, kind] : words) known.insert(key(w));
    for (const auto& [w, kind] : words) {
        EXPECT_EQ(scan(w), V1(w, kind)) << w;
        for (const std::string& spelling : {BedAsciiUpperCase(w), BedCp1250LowerCase(w)}) {
            if (caseIgnored) {
                EXPECT_EQ(scan(spelling), V1(spelling, kind)) << spelling;
            } else if (!known.count(spelling)) {
                EXPECT_NE(scan(spelling), V1(spelling, kind)) << spelling;
            }
        }
        for (const std::string& off : SpellingsOneLetterOff(w)) {
            if (!known.count(key(off))) {
                EXPECT_NE(scan(off), V1(off, kind)) << w << " -> " << off;
            }
        }
    }
}

void ExpectKeywordList(TBedCustomHighlighter& hl, std::span<const TBedKeywordList> lists, bool caseIgnored,
                       const std::string& before) {
    std::vector<std::pair<std::string, int>> words;
    for (const TBedKeywordList& list : lists)
        for (const char* w : list.words) words.emplace_back(w, list.kind);
    ExpectKeywordList(hl, words, caseIgnored, before);
}

const TBedLanguage& LanguageOf(const TBedCustomHighlighter& hl) {
    for (const TBedLanguage* language : BedHighlighterClasses())
        if (std::string_view(hl.ClassName()) == language->className) return *language;
    throw std::out_of_range(std::string(hl.ClassName()) + " is not in the list");
}

std::unique_ptr<TBedCustomHighlighter> NewHighlighter(std::string_view className) {
    for (const TBedLanguage* language : BedHighlighterClasses())
        if (className == language->className) return language->create();
    throw std::out_of_range(std::string(className) + " is not in the list");
}

std::vector<std::string> KeywordsOf(const TBedCustomHighlighter& hl) {
    std::vector<std::string> words;
    for (const TBedKeywordList& list : LanguageOf(hl).keywords)
        words.insert(words.end(), list.words.begin(), list.words.end());
    return words;
}

TBedHighlighterAttributes* Attr(const TBedCustomHighlighter& hl, std::string_view property) {
    return BedAttributeOf(hl, LanguageOf(hl), property);
}

namespace {

std::string DataPath(const std::string& name) { return std::string(BED_TEST_DATA) + "/highlighters/" + name; }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Lines split at CR LF, lone CR or LF; a final break adds no empty line.
std::vector<std::string> SplitText(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string Escape(const std::string& s) {
    std::string out;
    char buf[8];
    for (unsigned char c : s) {
        if (c < 32 || c == '\\' || c >= 127) {
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

using Lines = std::vector<std::vector<TScannedToken>>;

std::string Serialize(const Lines& lines) {
    std::ostringstream out;
    out << "# line start length kind attribute text\n";
    for (size_t i = 0; i < lines.size(); ++i)
        for (const TScannedToken& t : lines[i])
            out << i + 1 << '\t' << t.start << '\t' << t.text.size() << '\t' << t.kind << '\t' << t.attribute << '\t'
                << Escape(t.text) << '\n';
    return out.str();
}

}  // namespace

void CheckGolden(TBedCustomHighlighter& hl, const std::string& sample, const std::string& golden) {
    const std::vector<std::string> lines = SplitText(ReadFile(DataPath(sample)));
    ASSERT_FALSE(lines.empty()) << sample;

    // 1. The whole file from the top, keeping the start state of every line.
    Lines whole;
    std::vector<TBedRange> ranges;
    hl.ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        ranges.push_back(hl.CurrentRange());
        whole.push_back(ScanLine(hl, lines[i], static_cast<int>(i)));
    }
    ranges.push_back(hl.CurrentRange());

    // 2. Each line on its own from its stored state, bottom to top.
    for (size_t i = lines.size(); i-- > 0;) {
        hl.RestoreRange(ranges[i]);
        EXPECT_EQ(ScanLine(hl, lines[i], static_cast<int>(i)), whole[i])
            << sample << " line " << i + 1 << " rescanned alone";
        EXPECT_EQ(hl.CurrentRange(), ranges[i + 1]) << sample << " line " << i + 1;
    }

    // 3. Each line with CR LF still attached: the same tokens before the line break.
    hl.ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<TScannedToken> tokens = ScanLine(hl, lines[i] + "\r\n", static_cast<int>(i));
        std::erase_if(tokens, [&](const TScannedToken& t) { return t.start >= static_cast<int>(lines[i].size()); });
        EXPECT_EQ(tokens, whole[i]) << sample << " line " << i + 1 << " with CR LF";
        EXPECT_EQ(hl.CurrentRange(), ranges[i + 1]) << sample << " line " << i + 1 << " with CR LF";
    }

    const std::string expectedPath = DataPath((golden.empty() ? sample : golden) + ".tokens");
    const std::string actual = Serialize(whole);
    if (ReadFile(expectedPath) != actual) {
        std::ofstream(expectedPath + ".new", std::ios::binary) << actual;
        ADD_FAILURE() << sample << ": tokens differ from " << expectedPath << "; see the .new file beside it";
    }
}
