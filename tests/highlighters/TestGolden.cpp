// Each sample under tests/data/highlighters is scanned three ways that must agree: the whole
// file from the top, every line alone from its stored start state, and every line followed
// by CR LF. The tokens must equal the checked-in stream; a mismatch writes <sample>.tokens.new.
#include "BedHighlighterGeneral.h"
#include "BedHighlighterPas.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace {

std::string DataPath(const std::string& name) {
    return std::string(BED_TEST_DATA) + "/highlighters/" + name;
}

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
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += text[i];
        }
    }
    if (!line.empty())
        lines.push_back(line);
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
            out << i + 1 << '\t' << t.start << '\t' << t.text.size() << '\t' << t.kind << '\t'
                << t.attribute << '\t' << Escape(t.text) << '\n';
    return out.str();
}

void CheckGolden(TBedCustomHighlighter& hl, const std::string& sample,
                 const std::string& golden = {}) {
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
        std::erase_if(tokens, [&](const TScannedToken& t) {
            return t.start >= static_cast<int>(lines[i].size());
        });
        EXPECT_EQ(tokens, whole[i]) << sample << " line " << i + 1 << " with CR LF";
        EXPECT_EQ(hl.CurrentRange(), ranges[i + 1]) << sample << " line " << i + 1 << " with CR LF";
    }

    const std::string expectedPath = DataPath((golden.empty() ? sample : golden) + ".tokens");
    const std::string actual = Serialize(whole);
    if (ReadFile(expectedPath) != actual) {
        std::ofstream(expectedPath + ".new", std::ios::binary) << actual;
        ADD_FAILURE() << sample << ": tokens differ from " << expectedPath
                      << "; see the .new file beside it";
    }
}

}  // namespace

TEST(Golden, Pascal) {
    TPasHighlighter hl;
    CheckGolden(hl, "sample.pas");
}

TEST(Golden, Mailbox) { CheckGolden(*CreateMailboxHighlighter(), "mailbox.txt"); }
TEST(Golden, Shell) { CheckGolden(*CreateShellHighlighter(), "shell.sh"); }
TEST(Golden, Czech) { CheckGolden(*CreateCzechHighlighter(), "cz.txt"); }

TEST(Golden, GeneralWithEveryCommentStyle) {
    TGeneralHighlighter hl;
    hl.SetComments(csAnsiStyle | csPasStyle | csCStyle | csAsmStyle);
    hl.SetDetectPreprocessor(true);
    hl.SetKeyWords({"begin", "end", "if", "then", "procedure", "asm", "mov"});
    CheckGolden(hl, "sample.pas", "sample.pas.general");  // a Pascal text exercises all three block comments
}
