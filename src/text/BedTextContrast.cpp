#include "BedTextContrast.h"

#include <algorithm>
#include <cmath>

namespace {

struct Rgb {
    double r, g, b;  // 0..1
};

Rgb ToRgb(TColor c) {
    const auto u = uint32_t(c);
    return {(u & 0xFF) / 255.0, ((u >> 8) & 0xFF) / 255.0, ((u >> 16) & 0xFF) / 255.0};
}

TColor FromRgb(Rgb c) {
    auto byte = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return TColor(byte(c.r) | byte(c.g) << 8 | byte(c.b) << 16);
}

double Linear(double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }

// Hue and saturation kept, lightness l (HSL).
Rgb WithLightness(Rgb c, double l) {
    const double maxc = std::max({c.r, c.g, c.b}), minc = std::min({c.r, c.g, c.b});
    const double oldL = (maxc + minc) / 2;
    const double chroma = maxc - minc;
    const double s = chroma == 0 ? 0 : chroma / (1 - std::abs(2 * oldL - 1));
    const double newChroma = (1 - std::abs(2 * l - 1)) * s;
    auto channel = [&](double v) { return chroma == 0 ? l : l + (v - (maxc + minc) / 2) * newChroma / chroma; };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

double Lightness(Rgb c) { return (std::max({c.r, c.g, c.b}) + std::min({c.r, c.g, c.b})) / 2; }

}  // namespace

double BedRelativeLuminance(TColor rgb) {
    const Rgb c = ToRgb(rgb);
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

double BedContrastRatio(TColor a, TColor b) {
    const double la = BedRelativeLuminance(a), lb = BedRelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool BedIsDarkColor(TColor rgb) { return BedRelativeLuminance(rgb) < 0.18; }

TColor BedReadableOn(TColor foreground, TColor background, double ratio) {
    if (BedContrastRatio(foreground, background) >= ratio) return foreground;
    const Rgb c = ToRgb(foreground);
    const bool lighter = BedIsDarkColor(background);
    // Steps of lightness away from the background, the first that reads well.
    for (double l = Lightness(c); l >= 0 && l <= 1; l += lighter ? 0.02 : -0.02) {
        const TColor shade = FromRgb(WithLightness(c, l));
        if (BedContrastRatio(shade, background) >= ratio) return shade;
    }
    return lighter ? clWhite : clBlack;
}

TBedTokenColors BedReadableTokenColors(TColor foreground, TColor background, TColor editorForeground,
                                       TColor editorBackground) {
    TColor bg = background == clNone ? editorBackground : background;
    if (background != clNone && BedIsDarkColor(editorBackground) && !BedIsDarkColor(bg)) {
        const Rgb c = ToRgb(bg);
        // Mirrored in lightness, and dark enough whatever it was (yellow sits in the middle).
        bg = FromRgb(WithLightness(c, std::min(1 - Lightness(c), 0.2)));
    }
    // The editor's own colour is the user's to choose: it is not touched.
    return {foreground == clNone ? editorForeground : BedReadableOn(foreground, bg), bg};
}
