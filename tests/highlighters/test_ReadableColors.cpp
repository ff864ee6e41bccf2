// Every highlighter's built-in colours read well on a light and on a dark editor.
#include "BedHighlighterLanguage.h"
#include "BedHighlighterList.h"
#include "BedTextContrast.h"

#include <gtest/gtest.h>

namespace {

struct Palette {
    const char* name;
    TColor base;
    TColor text;
};

TColor Resolve(TColor c, const Palette& p) {
    if (c == clWindow) return p.base;
    if (c == clWindowText) return p.text;
    EXPECT_EQ(uint32_t(c) >> 24, 0u) << "a system colour the test doesn't know: " << std::hex << c;
    return c;
}

void ExpectReadable(const TBedCustomHighlighter& hl, const std::string& what) {
    // Breeze's light and dark window colours, and plain white and black.
    for (const Palette& p : {Palette{"light", 0xFFFFFF, 0x000000}, Palette{"breeze light", 0xFCFCFC, 0x31363B},
                             Palette{"dark", 0x292623, 0xF1F0EF}, Palette{"black", 0x000000, 0xFFFFFF}}) {
        for (int i = 0; i < hl.AttributeCount(); ++i) {
            const TBedHighlighterAttributes& a = *hl.AttributeAt(i);
            const TColor fg = a.Foreground() == clNone ? clNone : Resolve(a.Foreground(), p);
            const TColor bg = a.Background() == clNone ? clNone : Resolve(a.Background(), p);
            const TBedTokenColors c = BedReadableTokenColors(fg, bg, p.text, p.base);
            EXPECT_GE(BedContrastRatio(c.foreground, c.background), kBedReadableContrast)
                << what << " " << a.Name() << " on " << p.name;
            if (BedIsDarkColor(p.base)) {
                EXPECT_TRUE(BedIsDarkColor(c.background)) << what << " " << a.Name();
            }
        }
    }
}

}  // namespace

TEST(ReadableColors, EveryHighlighterOnLightAndDark) {
    for (const TBedLanguage* language : BedHighlighterClasses())
        if (language->create) ExpectReadable(*language->create(), language->className);
    for (const TBedMainWindowHighlighter& hl : BedMainWindowHighlighters())
        ExpectReadable(*BedCreateInstance(*hl.language, *hl.instance), hl.instance->name);
}

TEST(ReadableColors, ShadesKeepTheirHueAndReadableOnesStay) {
    EXPECT_EQ(BedReadableOn(clNavy, clWhite), clNavy);
    EXPECT_NEAR(BedContrastRatio(clBlack, clWhite), 21.0, 1e-9);
    const TColor red = BedReadableOn(clRed, clWhite);  // 4.0:1 as it is
    EXPECT_NE(red, clRed);
    EXPECT_EQ(red & 0xFFFF00, 0);  // still pure red, darker
    const TColor navyOnDark = BedReadableOn(clNavy, 0x292623);
    EXPECT_GT((navyOnDark >> 16) & 0xFF, (navyOnDark & 0xFF));  // still blue, lighter
    // A light fixed background turns dark on a dark editor.
    EXPECT_TRUE(BedIsDarkColor(BedReadableTokenColors(clNone, clYellow, clWhite, clBlack).background));
    EXPECT_EQ(BedReadableTokenColors(clNone, clYellow, clBlack, clWhite).background, clYellow);
}
