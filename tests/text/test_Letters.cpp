#include "BedTextCp1250.h"
#include "BedTextLetters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// UTF-8 to CP 1250, for readable expectations.
std::string Cp(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) bytes += static_cast<char>(UnicodeToCp1250(c));
    return bytes;
}

}  // namespace

TEST(Letters, CaseChangesTheCzechAndSlovakLetters) {
    EXPECT_EQ(BedCp1250UpperCase(Cp(U"Příliš žluťoučký kůň úpěl ďábelské ódy")),
              Cp(U"PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY"));
    EXPECT_EQ(BedCp1250LowerCase(Cp(U"ĽUDOVÍT ŠŤASTNÝ, ĹŔÄÔ")), Cp(U"ľudovít šťastný, ĺŕäô"));
    // The pairs outside the 0xC0-0xFE block, one by one.
    EXPECT_EQ(BedCp1250UpperCase(Cp(U"šśťžźłąşľż")), Cp(U"ŠŚŤŽŹŁĄŞĽŻ"));
    EXPECT_EQ(BedCp1250LowerCase(Cp(U"ŠŚŤŽŹŁĄŞĽŻ")), Cp(U"šśťžźłąşľż"));
    // Letters without a partner, digits and signs stay.
    for (const std::u32string_view same : {U"ß", U"µ", U"0123456789", U"×÷@[`{~ˇ˘˙§¤"}) {
        EXPECT_EQ(BedCp1250UpperCase(Cp(same)), Cp(same));
        EXPECT_EQ(BedCp1250LowerCase(Cp(same)), Cp(same));
    }
}

TEST(Letters, CaseTablesAreConsistentForEveryByte) {
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        const unsigned char upper = BedCp1250Upper(b), lower = BedCp1250Lower(b);
        EXPECT_EQ(BedCp1250Upper(upper), upper) << c;
        EXPECT_EQ(BedCp1250Lower(lower), lower) << c;
        EXPECT_FALSE(upper != b && lower != b) << c;  // no byte is both
        if (upper != b) {
            EXPECT_EQ(BedCp1250Lower(upper), b) << c;
        }
        if (lower != b) {
            EXPECT_EQ(BedCp1250Upper(lower), b) << c;
        }
        if (upper != b || lower != b) {
            EXPECT_TRUE(BedIsLetter(b)) << c;
        }
    }
}

// The desktop counts as letters the Latin letters of the code page and µ, as digits 0-9 only.
TEST(Letters, ClassesFollowTheUnicodeCharacters) {
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t u = Cp1250ToUnicode(b);
        const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == 0x00B5 ||
                            (u >= 0x00C0 && u <= 0x024F && u != 0x00D7 && u != 0x00F7);
        const bool digit = u >= '0' && u <= '9';
        EXPECT_EQ(BedIsLetter(b), letter) << c;
        EXPECT_EQ(BedIsDigit(b), digit) << c;
        EXPECT_EQ(BedIsAlphaNumeric(b), letter || digit) << c;
    }
}

TEST(Letters, NamesChangeOnlyAToZ) {
    EXPECT_EQ(BedAsciiUpperCase("dopis.žluťák.txt"), "DOPIS.žLUťáK.TXT");
    EXPECT_EQ(BedAsciiUpperCase(Cp(U"/home/šárka/a-z_0")), Cp(U"/HOME/šáRKA/A-Z_0"));
    EXPECT_TRUE(BedAsciiSameIgnoringCase("ecSelectAll", "ECSELECTALL"));
    EXPECT_FALSE(BedAsciiSameIgnoringCase("ecSelectAll", "ecSelectAl"));
    EXPECT_FALSE(BedAsciiSameIgnoringCase(Cp(U"č"), Cp(U"Č")));
}
