#include "BedTextCp1250.h"
#include "BedTextDiacritics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Cp(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) bytes += static_cast<char>(UnicodeToCp1250(c));
    return bytes;
}

std::string Plain(std::string text) {
    for (char& c : text) c = char(kBedCp1250WithoutDiacritics[uint8_t(c)]);
    return text;
}

}  // namespace

TEST(Diacritics, EveryCzechLetterLosesItsMarksAndNothingElseChanges) {
    const std::string marked = Cp(U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž");
    EXPECT_EQ(Plain(marked), "ACDEEINORSTUUYZacdeeinorstuuyz");
    for (int c = 0; c < 256; ++c) {
        if (marked.find(char(c)) == std::string::npos)
            EXPECT_EQ(kBedCp1250WithoutDiacritics[c], c) << "byte " << c;
    }
}

TEST(Diacritics, CapitalAndSmallLetterLoseTheirMarksAlike) {
    // Each capital maps to the capital of what its small letter maps to, and back.
    for (auto [letter, plain] : kBedCzechDiacritics) {
        EXPECT_EQ(kBedCp1250WithoutDiacritics[BedCp1250Upper(letter)], BedCp1250Upper(plain));
        EXPECT_EQ(kBedCp1250WithoutDiacritics[BedCp1250Lower(letter)], BedCp1250Lower(plain));
    }
}

TEST(Diacritics, SentencesOfTheLanguage) {
    EXPECT_EQ(Plain(Cp(U"Příliš žluťoučký kůň úpěl ďábelské ódy")),
              "Prilis zlutoucky kun upel dabelske ody");
    EXPECT_EQ(Plain(Cp(U"ĎÁBELSKÉ ÓDY")), "DABELSKE ODY");
    // Slovak, German and Polish letters are not Czech.
    EXPECT_EQ(Plain(Cp(U"Ľľäôöüĺŕł")), Cp(U"Ľľäôöüĺŕł"));
}
