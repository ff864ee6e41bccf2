#include "TextCounts.h"
#include "EditorTestHelpers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int64_t Words(const std::vector<std::string>& lines) {
    TCustomBedEdit editor;
    Fill(editor, lines);
    return CountWords(editor.Lines());
}

}  // namespace

TEST(TextCounts, WordsAreLinesPlusRunsOfSpacesNotAfterASeparator) {
    EXPECT_EQ(Words({"Ahoj světe"}), 2);
    EXPECT_EQ(Words({"Ahoj světe "}), 3);
    EXPECT_EQ(Words({""}), 1);
    EXPECT_EQ(Words({"a", "b"}), 2);
    EXPECT_EQ(Words({"a\tb"}), 1);
    EXPECT_EQ(Words({"  a   b  "}), 4);
    // The separator flag carries over the line end: a line starting with spaces after a line
    // ending in one adds no word for them.
    EXPECT_EQ(Words({"a ", " b"}), 3);
    EXPECT_EQ(Words({}), 0);
}

TEST(TextCounts, AnEmptyLineCountsOneLineNoCharacterAndOneWord) {
    TCustomBedEdit editor;
    Fill(editor, {""});
    EXPECT_EQ(CountLines(editor.Lines()), 1);
    EXPECT_EQ(CountCharacters(editor.Lines()), 0);
    EXPECT_EQ(CountWords(editor.Lines()), 1);
}

TEST(TextCounts, GeneratedTextAgainstAReferenceCount) {
    // The reference walks the text as one stream with its line feeds, as a word-count tool
    // would, applying the same rule.
    std::mt19937 random(13);
    std::vector<std::string> lines;
    std::string stream;
    for (int i = 0; i < 2000; ++i) {
        std::string line;
        const int length = int(random() % 40);
        for (int k = 0; k < length; ++k) line += " \tab\xE8"[random() % 5];
        lines.push_back(line);
        stream += line + '\n';
    }
    int64_t words = 0, characters = 0;
    bool separator = false;
    for (const char c : stream) {
        if (c == '\n') {
            ++words;  // the line end
            continue;
        }
        ++characters;
        if (c == ' ') {
            if (!separator) ++words;
            separator = true;
        } else {
            separator = false;
        }
    }
    TCustomBedEdit editor;
    Fill(editor, lines);
    EXPECT_EQ(CountLines(editor.Lines()), 2000);
    EXPECT_EQ(CountCharacters(editor.Lines()), characters);
    EXPECT_EQ(CountWords(editor.Lines()), words);
}

TEST(TextCounts, TheWordCounterIsSixtyFourBit) {
    TBedWordCounter counter;
    counter.words = int64_t(1) << 32;
    counter.AddLine("a b");
    EXPECT_EQ(counter.words, (int64_t(1) << 32) + 2);
}
