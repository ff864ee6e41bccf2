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

TEST(Diacritics, EveryMarkedLetterOfTheCodePageLosesItsMarksAndNothingElseChanges) {
    const std::string marked =
        Cp(U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž"
           U"ÄÔÖÜĹĽŔŁŐŰäôöüĺľŕłőű"
           U"ŚŹĄŞŻÂĂĆÇĘËÎĐŃŢśźąşżâăćçęëîđńţ");
    EXPECT_EQ(Plain(marked),
              "ACDEEINORSTUUYZacdeeinorstuuyz"
              "AOOULLRLOUaooullrlou"
              "SZASZAACCEEIDNTszaszaacceeidnt");
    for (int c = 0; c < 256; ++c) {
        if (marked.find(char(c)) == std::string::npos) {
            EXPECT_EQ(kBedCp1250WithoutDiacritics[c], c) << "byte " << c;
        }
    }
}

TEST(Diacritics, SentencesOfTheLanguage) {
    EXPECT_EQ(Plain(Cp(U"Příliš žluťoučký kůň úpěl ďábelské ódy")), "Prilis zlutoucky kun upel dabelske ody");
    EXPECT_EQ(Plain(Cp(U"ĎÁBELSKÉ ÓDY, Ľúbostná báseň, Straße")), Cp(U"DABELSKE ODY, Lubostna basen, Straße"));
}
