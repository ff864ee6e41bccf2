#include "CodePages.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

// One byte through the system's converter, or -1 when it has no such code page or no mapping.
int SystemConvert(const char* to, uint8_t cp1250) {
    iconv_t cd = iconv_open(to, "CP1250");
    if (cd == iconv_t(-1)) return -1;
    char in = static_cast<char>(cp1250), out = 0;
    char* inp = &in;
    char* outp = &out;
    size_t inLeft = 1, outLeft = 1;
    const size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    return r == size_t(-1) ? -1 : static_cast<uint8_t>(out);
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

TEST(CodePages, LetterValuesAreDistinctWithinEachCodePage) {
    for (int cp = 0; cp < 4; ++cp) {
        std::array<int, 256> seen{};
        for (const auto& letter : kCodePageLetters) EXPECT_EQ(++seen[letter.inFile[cp]], 1) << cp;
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

TEST(CodePages, OnlyLettersAndTheBytesTheyCollideWithMove) {
    for (int cp = 0; cp < 4; ++cp) {
        std::array<bool, 256> moves{};
        for (const auto& letter : kCodePageLetters) moves[letter.cp1250] = moves[letter.inFile[cp]] = true;
        for (int b = 0; b < 256; ++b) {
            if (!moves[b]) EXPECT_EQ(DecodeMap(cp)[b], b) << "code page " << cp << " byte " << b;
        }
    }
}

// Catches a mistyped entry: two of the columns can be checked against the system's converter.
TEST(CodePages, LatinColumnsAgreeWithTheSystemConverter) {
    const std::pair<int, const char*> columns[] = {{cpISO88592, "ISO-8859-2"}, {cpPCLatin2, "CP852"}};
    for (const auto& [cp, name] : columns) {
        if (SystemConvert(name, 0xE1) < 0) GTEST_SKIP() << name << " not available";
        for (const auto& letter : kCodePageLetters)
            EXPECT_EQ(SystemConvert(name, letter.cp1250), letter.inFile[cp]) << name << " " << int(letter.cp1250);
    }
}

TEST(CodePages, KnownFileBytes) {
    EXPECT_EQ(Decoded(cpKamenicky, Bytes({0x9B, 0x8F})), Bytes({0x8A, 0xC1}));  // Š Á
    EXPECT_EQ(Encoded(cpKamenicky, Bytes({0xD9})), Bytes({0xA6}));              // Ů
    EXPECT_EQ(Encoded(cpKOI8CS, Bytes({0xD9})), Bytes({0xEA}));
    EXPECT_EQ(Encoded(cpPCLatin2, Bytes({0xD9})), Bytes({0xDE}));
    EXPECT_EQ(Encoded(cpISO88592, Bytes({0x8A, 0x9E})), Bytes({0xA9, 0xBE}));  // Š ž
}

TEST(CodePages, BytesThatLookLikeLettersSurvive) {
    // Kamenický Ĺ (0x8A) is no letter of ours but is CP 1250 Š: it takes the first CP 1250 value
    // no letter's Kamenický byte needs (0x80) and is written back as 0x8A, not as Š's 0x9B.
    EXPECT_EQ(Decoded(cpKamenicky, Bytes({0x8A})), Bytes({0x80}));
    EXPECT_EQ(Encoded(cpKamenicky, Bytes({0x80})), Bytes({0x8A}));
    EXPECT_EQ(Encoded(cpKamenicky, Bytes({0x8A})), Bytes({0x9B}));
    EXPECT_EQ(Encoded(cpKamenicky, Bytes({0xE4})), Bytes({0xE4}));  // ä
    // PC Latin 2 "×" (0x9E) and a table's box drawing (0xDA is CP 1250 Ú) come back as they were.
    const std::string table = Bytes({0x9E, 0xB3, 0xC4, 0xBF, 0xDA, 0xC8, 0xC9, 0xCC, 0xCD});
    EXPECT_EQ(Encoded(cpPCLatin2, Decoded(cpPCLatin2, table)), table);
    EXPECT_EQ(Decoded(cpPCLatin2, Bytes({0xB3, 0xC4, 0xBF})), Bytes({0xB3, 0xC4, 0xBF}));
    EXPECT_NE(Decoded(cpPCLatin2, Bytes({0xDA})), Bytes({0xDA}));  // not Ú
    EXPECT_EQ(Encoded(cpPCLatin2, Bytes({0xDA})), Bytes({0xE9}));  // Ú itself

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
