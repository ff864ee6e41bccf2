#include "BedTextCp1250.h"

#include <gtest/gtest.h>

TEST(Cp1250, EveryByteRoundTripsThroughUnicode) {
    for (int b = 0; b < 256; ++b) EXPECT_EQ(UnicodeToCp1250(Cp1250ToUnicode(static_cast<unsigned char>(b))), b) << b;
}

TEST(Cp1250, KnownCharactersAndOnesTheCodePageLacks) {
    const std::pair<int, char32_t> known[] = {{0x80, U'€'}, {0x8A, U'Š'}, {0x99, U'™'},      {0x84, U'„'},
                                              {0x93, U'“'}, {0xA1, U'ˇ'}, {0xB9, U'ą'},      {0xD9, U'Ů'},
                                              {0xF8, U'ř'}, {0xFF, U'˙'}, {0x81, U'\u0081'}, {0x41, U'A'}};
    for (auto [byte, codePoint] : known) {
        EXPECT_EQ(Cp1250ToUnicode(static_cast<unsigned char>(byte)), codePoint) << byte;
        EXPECT_EQ(UnicodeToCp1250(codePoint), byte) << byte;
    }
    for (char32_t missing : {U'à', U'Ĳ', U'\u2200', U'\u4E00', U'\U0001F600', U'\u02E0'})
        EXPECT_EQ(UnicodeToCp1250(missing), -1) << uint32_t(missing);
}
