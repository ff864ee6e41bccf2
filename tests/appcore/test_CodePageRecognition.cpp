#include "CodePageRecognition.h"

#include "CzechSamples.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string Cp1250Text() {
    std::string text(kCzechSampleText.size(), '\0');
    std::size_t size = 0;
    EXPECT_FALSE(DecodeUtf8(kCzechSampleText, text.data(), size));
    text.resize(size);
    return text;
}

std::string InCodePage(std::string cp1250, int codePage) {
    if (codePage == cpUTF8) {
        std::string out(cp1250.size() * kUtf8MaxBytesPerCp1250Byte, '\0');
        out.resize(EncodeUtf8(cp1250, out.data()));
        return out;
    }
    Encode(codePage, cp1250);
    return cp1250;
}

}  // namespace

TEST(CodePageRecognition, EveryCodePageOnCzechSamplesOfSeveralSizes) {
    const std::string text = Cp1250Text();
    for (const std::size_t size : {std::size_t(256), std::size_t(1024), std::size_t(1500)})
        for (std::size_t start = 0; start + size <= text.size(); start += 97)
            for (int cp = 0; cp < kCodePageCount; ++cp) {
                const std::string sample = InCodePage(text.substr(start, size), cp);
                const auto recognised = RecogniseCodePage(sample, cpCP1250);
                ASSERT_TRUE(recognised) << "code page " << cp << " size " << size << " at " << start;
                // A code page that reads the sample into the same text is as good.
                std::string back = sample;
                if (*recognised != cpUTF8) Decode(*recognised, back);
                EXPECT_TRUE(*recognised == cp || back == text.substr(start, size))
                    << "code page " << cp << " taken for " << int(*recognised) << " size " << size << " at " << start;
            }
}

TEST(CodePageRecognition, LeavesTheChoiceWhereTheBytesDontTell) {
    EXPECT_FALSE(RecogniseCodePage("", cpCP1250));
    EXPECT_FALSE(RecogniseCodePage("plain ASCII text\r\nwith two lines\r\n", cpKamenicky));
    // One accented letter that several code pages hold at different places.
    EXPECT_FALSE(RecogniseCodePage("a\xA0 b", cpCP1250));
    // The no-break spaces of a CP 1250 file are "á" in two DOS code pages.
    EXPECT_FALSE(
        RecogniseCodePage("1\xA0"
                          "000 a 2\xA0"
                          "000",
                          cpCP1250));
    std::mt19937 random(20);
    std::string noise(1 << 16, '\0');
    for (char& c : noise) c = char(random());
    EXPECT_FALSE(RecogniseCodePage(noise, cpCP1250));
    std::string binary = InCodePage(Cp1250Text(), cpKamenicky);
    for (std::size_t i = 0; i < binary.size(); i += 20) binary[i] = '\0';
    EXPECT_FALSE(RecogniseCodePage(binary, cpCP1250));
}

TEST(CodePageRecognition, SamePageTextKeepsThePreferredCodePage) {
    // "á" and "é" are the same bytes in CP 1250 and ISO-8859-2: the preferred one stays.
    const std::string text = InCodePage(Cp1250Text(), cpCP1250);
    std::string plain;
    for (char c : text)
        if (c == '\xE1' || c == '\xE9' || static_cast<unsigned char>(c) < 0x80) plain += c;
    EXPECT_EQ(RecogniseCodePage(plain, cpISO88592), cpISO88592);
    EXPECT_EQ(RecogniseCodePage(plain, cpCP1250), cpCP1250);
    EXPECT_EQ(RecogniseCodePage(plain, cpKamenicky), cpCP1250);
}

TEST(CodePageRecognition, UnicodeByItsForm) {
    EXPECT_EQ(RecogniseCodePage("\xC5\xBEluv\xC3\xA1", cpCP1250), cpUTF8);
    // Even characters CP 1250 lacks: the loader then refuses to convert, keeping every byte.
    EXPECT_EQ(RecogniseCodePage("smile \xF0\x9F\x98\x80", cpCP1250), cpUTF8);
    // A large file is sampled; a sequence cut by a sample's edge still counts as UTF-8.
    std::string large;
    while (large.size() < 400000)
        large +=
            "P\xC5\x99\xC3\xAD"
            "li\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88. ";
    EXPECT_EQ(RecogniseCodePage(large, cpCP1250), cpUTF8);
    EXPECT_EQ(RecogniseCodePage(large.substr(1, large.size() - 3), cpCP1250), cpUTF8);
}

TEST(CodePageRecognition, LargeFilesAreJudgedBySamples) {
    const std::string kam = InCodePage(Cp1250Text(), cpKamenicky);
    std::string large;
    while (large.size() < (std::size_t(1) << 22)) large += kam;
    EXPECT_EQ(RecogniseCodePage(large, cpCP1250), cpKamenicky);
    // Dense text too: a pangram has half its letters accented.
    std::string pangram = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFA\xE8\xE1 \xE9\xEC\xED\r\n";
    for (int i = 0; i < 4; ++i) pangram += pangram;
    EXPECT_EQ(RecogniseCodePage(InCodePage(pangram, cpKamenicky), cpCP1250), cpKamenicky);
}
