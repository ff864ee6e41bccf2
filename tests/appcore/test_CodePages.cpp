#include "CodePages.h"

#include "BedEditStringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}

std::string Decoded(int codePage, std::string s) {
    Decode(codePage, s);
    return s;
}

std::string Encoded(int codePage, std::string s) {
    Encode(codePage, s);
    return s;
}

std::string AllBytes() {
    std::string s;
    for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
    return s;
}

}  // namespace

TEST(CodePages, AllLettersRoundTripByteExact) {
    for (int cp = 0; cp < 4; ++cp) {
        std::string cp1250, inFile;
        for (const auto& letter : kCodePageLetters) {
            cp1250 += static_cast<char>(letter.cp1250);
            inFile += static_cast<char>(letter.inFile[cp]);
        }
        EXPECT_EQ(Encoded(cp, cp1250), inFile) << "code page " << cp;
        EXPECT_EQ(Decoded(cp, inFile), cp1250) << "code page " << cp;
    }
}

// Whatever a file holds comes back when it is read and written in the same code page, and
// whatever text the editor holds comes back when written and read again.
TEST(CodePages, EveryByteRoundTripsInBothDirections) {
    for (int cp = 0; cp < kCodePageCount; ++cp) {
        EXPECT_EQ(Encoded(cp, Decoded(cp, AllBytes())), AllBytes()) << "code page " << cp;
        EXPECT_EQ(Decoded(cp, Encoded(cp, AllBytes())), AllBytes()) << "code page " << cp;
    }
}

// Every byte of every code page, read and then written in any other, as the system's
// converters give it (iconv, cstocs: tests/data/codepages/generate.sh): a character both code
// pages have converts to itself; one the target lacks is found lacking and written as the
// substitute.
TEST(CodePages, EveryByteOfEveryPairConvertsAsTheSystemsConvertersDo) {
    std::ifstream in(BED_TEST_DATA "/codepages/unicode.txt");
    const char* const order[] = {"kamenicky:", "iso88592:", "koi8cs:", "pclatin2:", "cp1250:"};
    std::array<std::array<char32_t, 256>, 5> unicode{};
    for (int cp = 0; cp < 5; ++cp) {
        std::string name;
        in >> name;
        ASSERT_EQ(name, order[cp]);
        for (auto& u : unicode[cp]) {
            std::string hex;
            in >> hex;
            u = hex == "----" ? kNoCharacter : char32_t(std::stoul(hex, nullptr, 16));
        }
    }
    for (int from = 0; from < 5; ++from)
        for (int b = 0; b < 256; ++b) {
            const std::string text = Decoded(from, Bytes({b}));
            const auto c = uint8_t(text[0]);
            const char32_t u = unicode[from][b];
            EXPECT_EQ(TextCharacter(from, c), u) << from << " " << b;
            EXPECT_EQ(Lacks(from, cpUTF8, c), u == kNoCharacter) << from << " " << b;
            for (int to = 0; to < 5; ++to) {
                if (to == from) continue;
                const auto found = std::find(unicode[to].begin(), unicode[to].end(), u);
                const bool lacking = u == kNoCharacter || found == unicode[to].end();
                std::string bytes = text;
                ConvertBytes(from, to, bytes.data(), bytes.size());
                EXPECT_EQ(Lacks(from, to, c), lacking) << from << " -> " << to << " byte " << b;
                EXPECT_EQ(bytes,
                          lacking ? std::string(1, kBedMisfitSubstitute) : Bytes({int(found - unicode[to].begin())}))
                    << from << " -> " << to << " byte " << b;
            }
        }
}

TEST(CodePages, TheFirstMisfitIsFoundWithItsLineAndCounted) {
    TBedEditStringList lines;
    lines.Add(Decoded(cpISO88592, "\xB6\xB1\xBC\xA6"));  // ś ą ź Ś: CP 1250 has them all
    lines.Add(Decoded(cpPCLatin2, "a\xC9\xBB"));         // ╔ ╗: CP 1250 has none
    EXPECT_FALSE(FindCodePageMisfit(lines, cpCP1250, cpCP1250));
    const auto misfit = FindCodePageMisfit(lines, cpPCLatin2, cpCP1250);
    ASSERT_TRUE(misfit);
    EXPECT_EQ(misfit->line, 2);
    EXPECT_EQ(misfit->character, U'╔');
    EXPECT_EQ(misfit->count, 2);
    EXPECT_EQ(CodePageMisfitMessage(*misfit, cpCP1250),
              "Kódování CP1250 nemá znak „╔“ (U+2554) z řádku 2 (takových znaků je v textu 2). "
              "Zapsat soubor přesto, s „?“ místo nich?");
    lines.Clear();
    lines.Add("\x81");  // no character in CP 1250
    EXPECT_EQ(CodePageMisfitMessage(*FindCodePageMisfit(lines, cpCP1250, cpUTF8), cpUTF8),
              "Kódování UTF-8 nemá bajt 0x81, který nestojí za žádný znak, z řádku 1. "
              "Zapsat soubor přesto, s „?“ místo něj?");
}

// The lacking bytes are counted 32 at a time with the rest of a line by itself: every length
// and every place of them counts each once, and the first is found on its line.
TEST(CodePages, LackingBytesCountInLinesOfEveryLength) {
    const char lacking = Decoded(cpPCLatin2, "\xC9")[0], kept = Decoded(cpISO88592, "\xB1")[0];  // ╔ ą
    for (size_t length = 1; length < 80; ++length) {
        TBedEditStringList lines;
        lines.Add(std::string(length, kept));
        std::string line(length, 'a');
        line[length - 1] = lacking;
        line[length / 2] = lacking;
        lines.Add(line);
        const auto misfit = FindCodePageMisfit(lines, cpPCLatin2, cpCP1250);
        ASSERT_TRUE(misfit) << length;
        EXPECT_EQ(misfit->line, 2) << length;
        EXPECT_EQ(misfit->byte, uint8_t(lacking));
        EXPECT_EQ(misfit->count, std::count(line.begin(), line.end(), lacking)) << length;
    }
}

TEST(CodePages, KnownFileBytes) {
    EXPECT_EQ(Decoded(cpKamenicky, Bytes({0x9B, 0x8F})), Bytes({0x8A, 0xC1}));  // Š Á
    EXPECT_EQ(Encoded(cpKamenicky, Bytes({0xD9})), Bytes({0xA6}));              // Ů
    EXPECT_EQ(Encoded(cpKOI8CS, Bytes({0xD9})), Bytes({0xEA}));
    EXPECT_EQ(Encoded(cpPCLatin2, Bytes({0xD9})), Bytes({0xDE}));
    EXPECT_EQ(Encoded(cpISO88592, Bytes({0x8A, 0x9E})), Bytes({0xA9, 0xBE}));  // Š ž
}

TEST(CodePages, AsciiAndTheNumbersThatAreNoCodePage) {
    std::string ascii;
    for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
    for (int cp = 0; cp < kCodePageCount; ++cp) {
        EXPECT_EQ(Decoded(cp, ascii), ascii);
        EXPECT_EQ(Encoded(cp, ascii), ascii);
    }
    // CP 1250 and numbers that are no code page leave every byte alone.
    for (int cp : {int(cpCP1250), -1, 5, 255}) {
        EXPECT_EQ(Decoded(cp, AllBytes()), AllBytes()) << cp;
        EXPECT_EQ(Encoded(cp, AllBytes()), AllBytes()) << cp;
        EXPECT_TRUE(ConversionTable(cp).empty());
    }
}

// Whole files are converted 32 bytes at a time where the processor can: every byte, at every
// position of such a run and in the bytes left over, must come out as the table says.
TEST(CodePages, LongRunsConvertByteForByteAsTheMapsSay) {
    std::string text(70, 'a');  // a run without any letter to convert
    for (int i = 0; i < 1000; ++i) text += static_cast<char>((i * 37 + i / 256) % 256);
    for (int cp = 0; cp < kCodePageCount; ++cp)
        for (const bool decode : {true, false}) {
            const TBedByteMap& map = decode ? DecodeMap(cp) : EncodeMap(cp);
            for (size_t offset : {0, 1, 7, 31, 33})
                for (size_t length : {size_t(0), size_t(31), size_t(32), size_t(65), text.size() - offset}) {
                    std::string bytes = text;
                    if (decode)
                        DecodeBytes(cp, bytes.data() + offset, length);
                    else
                        EncodeBytes(cp, bytes.data() + offset, length);
                    std::string expected = text;
                    for (size_t i = offset; i < offset + length; ++i)
                        expected[i] = static_cast<char>(map[static_cast<uint8_t>(text[i])]);
                    ASSERT_EQ(bytes, expected) << cp << (decode ? " decode " : " encode ") << offset << "+" << length;
                }
        }
}

TEST(CodePages, NamesAndTitles) {
    EXPECT_EQ(CodePageName(cpKamenicky), "Kamenických");
    EXPECT_EQ(CodePageName(cpKOI8CS), "KOI8 ČS");
    EXPECT_EQ(CodePageName(cpCP1250), "CP1250");
    EXPECT_EQ("Otevřít soubor" + CodePageTitleSuffix(cpKamenicky), "Otevřít soubor v kódování Kamenických");
    EXPECT_EQ(CodePageTitleSuffix(cpCP1250), "");
}

TEST(CodePages, ChoiceByFileName) {
    const auto pick = [](std::string_view name, TBedCodePage current = cpPCLatin2, bool automatic = true) {
        return CodePageForFileName(name, current, automatic);
    };
    EXPECT_EQ(pick("dopis.kamila.txt"), cpKamenicky);  // anywhere in the name
    EXPECT_EQ(pick("a.koi8cs"), cpKOI8CS);
    EXPECT_EQ(pick("x.win.il2"), cpCP1250);  // the CP 1250 rule comes after ISO-8859-2
    EXPECT_EQ(pick("/tmp/README.IsoLat2"), cpISO88592);
    EXPECT_EQ(pick("a.L2", cpCP1250), cpPCLatin2);
    EXPECT_EQ(pick("a.pcl2.8cs"), cpKOI8CS);
    EXPECT_EQ(pick("a.txt", cpISO88592), cpISO88592);
    EXPECT_EQ(pick("a.kam", cpCP1250, false), cpCP1250);
    EXPECT_EQ(pick("a.KAM"), cpKamenicky);
    EXPECT_EQ(pick("a.k\xC3\xA1m"), cpPCLatin2);  // only a-z are upper-cased
    // A directory's name does not count, only the file's own.
    EXPECT_EQ(pick("/home/eva/.wine/dopis.txt"), cpPCLatin2);
    EXPECT_EQ(pick("/home/eva/.kam/dopis.win"), cpCP1250);
}
