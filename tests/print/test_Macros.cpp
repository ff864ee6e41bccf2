#include "BedEditPrintMacros.h"

#include <gtest/gtest.h>

TEST(RomanNumerals, TakeEachNumeralWhileItFitsAndTheSubtractivePairsOnce) {
    EXPECT_EQ(RomanNumerals(0), "");
    EXPECT_EQ(RomanNumerals(-3), "");
    EXPECT_EQ(RomanNumerals(1), "I");
    EXPECT_EQ(RomanNumerals(3), "III");
    EXPECT_EQ(RomanNumerals(4), "IV");
    EXPECT_EQ(RomanNumerals(9), "IX");
    EXPECT_EQ(RomanNumerals(14), "XIV");
    EXPECT_EQ(RomanNumerals(40), "XL");
    EXPECT_EQ(RomanNumerals(90), "XC");
    EXPECT_EQ(RomanNumerals(400), "CD");
    EXPECT_EQ(RomanNumerals(944), "CMXLIV");
    EXPECT_EQ(RomanNumerals(1999), "MCMXCIX");
    EXPECT_EQ(RomanNumerals(3888), "MMMDCCCLXXXVIII");
    EXPECT_EQ(RomanNumerals(4000), "MMMM");
}

class Macros : public ::testing::Test {
protected:
    TBedPrintMacroValues v{3, 12, false, "dopis.txt", "5. 3. 2024", "14:07:09"};
};

TEST_F(Macros, EveryMacroInAnyLetterCaseIsReplaced) {
    EXPECT_EQ(ExpandMacros("Strana $PAGENUM$ z $PAGECOUNT$", v), "Strana 3 z 12");
    EXPECT_EQ(ExpandMacros("$pagenum$/$PageCount$", v), "3/12");
    EXPECT_EQ(ExpandMacros("$TITLE$", v), "dopis.txt");
    EXPECT_EQ(ExpandMacros("[$date$]", v), "[5. 3. 2024]");
    EXPECT_EQ(ExpandMacros("$Time$", v), "14:07:09");
    EXPECT_EQ(ExpandMacros("$DATETIME$", v), "5. 3. 2024 14:07:09");
    EXPECT_EQ(ExpandMacros("$TIMEDATE$", v), "14:07:09 5. 3. 2024");
    v.RomanNumbers = true;
    EXPECT_EQ(ExpandMacros("Strana $PAGENUM$ z $PAGECOUNT$", v), "Strana III z 12");
}

TEST_F(Macros, OtherTextStaysAsItIs) {
    EXPECT_EQ(ExpandMacros("", v), "");
    EXPECT_EQ(ExpandMacros("   \t ", v), "");  // blanks only print nothing
    EXPECT_EQ(ExpandMacros("  Strana  ", v), "  Strana  ");
    EXPECT_EQ(ExpandMacros("Cena $5", v), "Cena $5");  // never closed
    EXPECT_EQ(ExpandMacros("$NOPE$", v), "$NOPE$");
    // The "$" closing a non-macro may open the next one.
    EXPECT_EQ(ExpandMacros("5$ a $PAGENUM$", v), "5$ a 3");
    EXPECT_EQ(ExpandMacros("$$PAGENUM$$", v), "$3$");
    EXPECT_EQ(ExpandMacros("$PAGENUM", v), "$PAGENUM");
    EXPECT_EQ(ExpandMacros("$$$", v), "$$$");
}
