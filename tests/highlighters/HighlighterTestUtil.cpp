#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

std::vector<TScannedToken> ScanLine(TBedCustomHighlighter& hl, const std::string& line,
                                    int index) {
    std::vector<TScannedToken> tokens;
    hl.StartLine(line, index);
    while (!hl.AtLineEnd()) {
        const TBedHighlighterAttributes* attr = hl.TokenAttribute();
        tokens.push_back({hl.TokenStart(), hl.TokenText(), hl.TokenKind(),
                          attr ? attr->Name() : "-"});
        hl.NextToken();
    }
    return tokens;
}

std::vector<std::string> Texts(TBedCustomHighlighter& hl, const std::string& line) {
    hl.ClearRange();
    std::vector<std::string> texts;
    for (const TScannedToken& t : ScanLine(hl, line))
        texts.push_back(t.text);
    return texts;
}

std::vector<std::string> TextKinds(TBedCustomHighlighter& hl, const std::string& line) {
    hl.ClearRange();
    std::vector<std::string> out;
    for (const TScannedToken& t : ScanLine(hl, line))
        out.push_back(t.text + "/" + std::to_string(t.kind));
    return out;
}

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

}  // namespace

void CheckGolden(TBedCustomHighlighter& hl, const std::string& sample,
                 const std::string& golden) {
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

