#include "BedTextLines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(std::string_view text, bool* sawCR = nullptr) {
    std::vector<std::string> lines;
    const bool cr = SplitLines(text.data(), text.data() + text.size(),
                               [&](const char* b, const char* e) { lines.emplace_back(b, e); });
    if (sawCR) *sawCR = cr;
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(Lines, EveryBreakStyleEndsALineAndAFinalBreakAddsNone) {
    using namespace std::string_literals;
    bool cr = false;
    EXPECT_EQ(Split("x\r\ny\nz", &cr), (Lines{"x", "y", "z"}));
    EXPECT_TRUE(cr);
    EXPECT_EQ(Split("x\ny\n", &cr), (Lines{"x", "y"}));
    EXPECT_FALSE(cr);
    EXPECT_EQ(Split("a\rb\r\rc"), (Lines{"a", "b", "", "c"}));
    EXPECT_EQ(Split("\r\n"), Lines{""});
    EXPECT_EQ(Split("\n\r\n\r"), (Lines{"", "", ""}));
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split("a\0b\n\0"s), (Lines{"a\0b"s, "\0"s}));
    const std::string longLine(70, 'q');  // breaks found beyond the first sixteen bytes
    EXPECT_EQ(Split(longLine + "\r\n" + longLine + "\r"), (Lines{longLine, longLine}));
}

TEST(Lines, PiecesKeepWhatFollowsTheLastBreak) {
    EXPECT_EQ(SplitPieces("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitPieces("a\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitPieces(""), Lines{""});
    EXPECT_EQ(SplitPieces("\r\n\n\r"), (Lines{"", "", "", ""}));
}

// The counter looks at sixteen bytes and the one after them at once: CR LF pairs must count
// once wherever they stand.
TEST(Lines, CountAgreesWithTheSplitting) {
    std::mt19937 random(42);
    const char alphabet[] = {'a', '\r', '\n', '\0', '\xE8'};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const size_t length = random() % 70;
        for (size_t i = 0; i < length; ++i) text += alphabet[random() % (round % 2 ? 5 : 3)];
        EXPECT_EQ(CountLines(text.data(), text.data() + text.size()), Split(text).size())
            << testing::PrintToString(text);
    }
}

// Loading learns from the splitting which lines hold a tab; the splitting looks at 64 bytes at a
// time, so breaks, CR LF pairs and tabs are put at random on both sides of every such step and
// the lines checked against a byte-by-byte reading.
TEST(Lines, TheSplittingFindsEveryLineAndEveryTabWhereverTheStepsFall) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\t', '\xE8'};
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        const size_t length = random() % 300;
        const unsigned dense = round % 3 ? 4 : 40;  // breaks often, or long lines
        for (size_t i = 0; i < length; ++i)
            text += random() % dense < 3 ? alphabet[2 + random() % 3] : alphabet[random() % 2];
        using Line = std::pair<std::string, bool>;
        std::vector<Line> expected;
        bool expectedCR = false;
        for (size_t at = 0; at < text.size();) {
            size_t stop = at;
            while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n') ++stop;
            const std::string line = text.substr(at, stop - at);
            expected.emplace_back(line, line.find('\t') != std::string::npos);
            if (stop < text.size() && text[stop] == '\r') {
                expectedCR = true;
                if (stop + 1 < text.size() && text[stop + 1] == '\n') ++stop;
            }
            at = stop + 1;
        }
        std::vector<Line> lines;
        const bool cr = SplitLinesNotingTabs(
            text.data(), text.data() + text.size(),
            [&](const char* b, const char* e, bool tab) { lines.emplace_back(std::string(b, e), tab); });
        ASSERT_EQ(lines, expected) << testing::PrintToString(text);
        EXPECT_EQ(cr, expectedCR);
    }
}
