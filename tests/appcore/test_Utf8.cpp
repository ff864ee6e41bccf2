#include "Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Encoded(std::string_view cp1250) {
    std::string out(cp1250.size() * kUtf8MaxBytesPerCp1250Byte, '\0');
    out.resize(EncodeUtf8(cp1250, out.data()));
    return out;
}

std::optional<TBedUtf8Misfit> Decoded(std::string_view utf8, std::string& out) {
    out.assign(utf8.size(), '\0');
    std::size_t size = 0;
    auto misfit = DecodeUtf8(utf8, out.data(), size);
    if (!misfit) out.resize(size);
    return misfit;
}

}  // namespace

TEST(Utf8, EveryCp1250ByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const std::string utf8 = Encoded(all);
    EXPECT_TRUE(Utf8Shape(utf8).wellFormed);
    std::string back;
    ASSERT_FALSE(Decoded(utf8, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Encoded("\x8A\xE1\x80"), "\xC5\xA0\xC3\xA1\xE2\x82\xAC");  // Š á €
}

TEST(Utf8, CharactersCp1250LacksAreReportedWithTheirLine) {
    std::string out;
    auto misfit = Decoded(
        "ok\r\ndruh\xC3\xBD\nt\xC5\x99"
        "et\xC3\xAD \xF0\x9F\x98\x80 konec",
        out);
    ASSERT_TRUE(misfit);
    EXPECT_FALSE(misfit->malformed);
    EXPECT_EQ(misfit->codePoint, U'\U0001F600');
    EXPECT_EQ(misfit->line, 3);
    EXPECT_EQ(Utf8MisfitMessage(*misfit),
              "Znak „😀“ (U+1F600) na řádku 3 se do kódování CP 1250 nevejde. Soubor je zobrazen "
              "jen pro čtení, se značkou místo každého znaku, který se nevejde; z tohoto zobrazení ho "
              "uložit nelze.");
    // Shown, every misfit and malformed byte is a placeholder, and the first is reported.
    char shown[32];
    size_t n = 0;
    misfit = DecodeUtf8WithPlaceholders("a\xF0\x9F\x98\x80\xC3\xA1\xFF\xC3", shown, n);
    ASSERT_TRUE(misfit);
    EXPECT_EQ(misfit->codePoint, U'\U0001F600');
    EXPECT_EQ(std::string(shown, n), "a\x81\xE1\x81\x81");
    misfit = Decoded("a\rb\xC3\xB0", out);  // ð, after a lone CR
    ASSERT_TRUE(misfit);
    EXPECT_EQ(misfit->codePoint, U'ð');
    EXPECT_EQ(misfit->line, 2);
    misfit = Decoded("\xC2\x85", out);  // a control character shows by its number only
    ASSERT_TRUE(misfit);
    EXPECT_TRUE(Utf8MisfitMessage(*misfit).starts_with("Znak (U+0085) na řádku 1 se do"));
    // The widest code point far down a long file: still the whole sentence.
    EXPECT_EQ(Utf8MisfitReason({0, U'\U0010FFFD', false, 2147483647}),
              "Znak „\U0010FFFD“ (U+10FFFD) na řádku 2147483647 se do kódování CP 1250 nevejde.");
}

TEST(Utf8, MalformedInputIsNeverAccepted) {
    const std::string_view bad[] = {
        "\x80",              // a continuation byte alone
        "\xC3",              // cut off
        "\xC0\xAF",          // overlong
        "\xE0\x80\xAF",      // overlong
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // past U+10FFFF
        "\xF8\x88\x80\x80\x80",
        "\xC3\x28",
    };
    for (std::string_view b : bad) {
        std::string out;
        const std::string input = "x\n" + std::string(b);
        auto misfit = Decoded(input, out);
        ASSERT_TRUE(misfit) << testing::PrintToString(b);
        EXPECT_TRUE(misfit->malformed);
        EXPECT_EQ(misfit->offset, 2u);
        EXPECT_EQ(misfit->line, 2);
        EXPECT_FALSE(Utf8Shape(input).wellFormed);
    }
    std::string out;
    EXPECT_EQ(Utf8MisfitMessage(*Decoded("\xFF", out)),
              "Soubor není platný text v UTF-8: chybný bajt 0xFF na řádku 1. Soubor je zobrazen "
              "jen pro čtení, se značkou místo každého znaku, který se nevejde; z tohoto zobrazení ho "
              "uložit nelze.");
}

TEST(Utf8, ShapeOfASample) {
    EXPECT_FALSE(Utf8Shape("ascii").multiByte);
    EXPECT_TRUE(Utf8Shape("\xC5\xBE").multiByte);
    // A sample may end inside a sequence; the whole file may not.
    EXPECT_TRUE(Utf8Shape("a\xE2\x82", true).wellFormed);
    EXPECT_FALSE(Utf8Shape("a\xE2\x82").wellFormed);
    EXPECT_FALSE(Utf8Shape("a\xE0\x80", true).wellFormed);  // overlong shows already
}
