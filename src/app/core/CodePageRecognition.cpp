#include "CodePageRecognition.h"

#include "BedTextLetters.h"
#include "CzechModelText.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The small letters that tell the code pages apart, in CP 1250 and as code points; the capitals
// follow from them (CP 1250 case table; the code point before, or 0x20 lower in Latin-1).
struct AccentedLetter {
    unsigned char cp1250;
    char32_t codePoint;
};
constexpr std::array<AccentedLetter, 16> kAccented = {{
    {0x9A, 0x161},
    {0x9D, 0x165},
    {0x9E, 0x17E},
    {0xBE, 0x13E},
    {0xE1, 0xE1},
    {0xE8, 0x10D},
    {0xE9, 0xE9},
    {0xEC, 0x11B},
    {0xED, 0xED},
    {0xEF, 0x10F},
    {0xF2, 0x148},
    {0xF3, 0xF3},
    {0xF8, 0x159},
    {0xF9, 0x16F},
    {0xFA, 0xFA},
    {0xFD, 0xFD},
}};

constexpr int kOther = 0;           // ASCII that is no letter
constexpr int kFirstAccented = 27;  // after a-z
constexpr int kOtherLetter = 43;    // ä, ô, ĺ and the like
constexpr int kNoLetter = 44;       // any other byte from 0x80
constexpr int kClasses = 45;

struct ByteClass {
    uint8_t cls = kOther;
    bool capitalAccented = false;
    bool small = false;
};

constexpr std::array<ByteClass, 256> BuildCp1250Classes() {
    std::array<ByteClass, 256> classes{};
    for (int b = 0; b < 256; ++b) {
        const unsigned char lower = BedCp1250Lower(static_cast<unsigned char>(b));
        ByteClass& c = classes[b];
        c.small = BedIsLetter(static_cast<unsigned char>(b)) && lower == b;
        if (lower >= 'a' && lower <= 'z') {
            c.cls = uint8_t(1 + lower - 'a');
            continue;
        }
        if (b < 0x80) continue;
        c.cls = BedIsLetter(static_cast<unsigned char>(b)) ? kOtherLetter : kNoLetter;
        for (int k = 0; k < int(kAccented.size()); ++k)
            if (kAccented[k].cp1250 == lower) {
                c.cls = uint8_t(kFirstAccented + k);
                c.capitalAccented = lower != b;
            }
    }
    return classes;
}
constexpr auto kCp1250Classes = BuildCp1250Classes();

constexpr int CodePointClass(char32_t u) {
    if (u < 0x80) {
        const char32_t lower = u >= 'A' && u <= 'Z' ? u + 0x20 : u;
        return lower >= 'a' && lower <= 'z' ? int(1 + lower - 'a') : kOther;
    }
    for (int k = 0; k < int(kAccented.size()); ++k) {
        const char32_t small = kAccented[k].codePoint;
        if (u == small || u == (small < 0x100 ? small - 0x20 : small - 1)) return kFirstAccented + k;
    }
    return kOtherLetter;  // the model text holds letters only above ASCII
}

using Counts = std::array<std::array<uint16_t, kClasses>, kClasses>;

// How often each class follows another in the model text.
constexpr Counts CountPairs() {
    Counts counts{};
    const std::string_view text = kCzechModelText;
    int previous = kOther;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t u = lead;
        int length = 1;
        if (lead >= 0xC0) {  // the model text is well formed and holds nothing past U+FFFF
            length = lead >= 0xE0 ? 3 : 2;
            u = lead & (length == 3 ? 0x0F : 0x1F);
            for (int k = 1; k < length; ++k) u = (u << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const int cls = CodePointClass(u);
        ++counts[previous][cls];
        previous = cls;
        i += std::size_t(length);
    }
    return counts;
}
constexpr Counts kPairCounts = CountPairs();

// log P(class | previous class), mixed with how common the class is on its own: the model text
// is small, and a pair it lacks is then as likely as its letter is common (ž, not ľ, after ě).
struct Model {
    std::array<std::array<float, kClasses>, kClasses> logP{};
    Model() {
        std::array<double, kClasses> single{};
        double all = 0;
        for (int a = 0; a < kClasses; ++a)
            for (int b = 0; b < kClasses; ++b) single[b] += kPairCounts[a][b], all += kPairCounts[a][b];
        for (double& p : single) p = (p + 0.5) / (all + 0.5 * kClasses);
        for (int a = 0; a < kClasses; ++a) {
            double total = 0;
            for (int b = 0; b < kClasses; ++b) total += kPairCounts[a][b];
            for (int b = 0; b < kClasses; ++b) {
                const double pair = total > 0 ? kPairCounts[a][b] / total : 0;
                logP[a][b] = float(std::log(kPairWeight * pair + (1 - kPairWeight) * single[b]));
            }
        }
    }
    static constexpr double kPairWeight = 0.8;
};

constexpr float kCapitalAfterSmall = -6.0f;
// How far the best code page must lead the next one that reads the sample differently, and how
// many different bytes from 0x80 it takes to judge at all: one kind alone is no evidence (0xA0
// is "á" in two DOS code pages and the no-break space of CP 1250).
constexpr float kMinLead = 1.0f;
constexpr std::size_t kMinDistinctHighBytes = 2;
// Even a pangram has more plain letters than accented ones; nearly all of them are letters.
constexpr double kMaxHighShare = 0.6;
constexpr double kMinLetterShare = 0.6;
constexpr std::size_t kSampleSize = 1 << 15;

struct Piece {
    std::string_view bytes;
    bool cutAtEnd;  // the file goes on after the piece
};

// The whole file when it is small; else its beginning, middle and end, each starting at a
// character (not inside a UTF-8 sequence) so that the pieces read as the file does.
std::vector<Piece> Sample(std::string_view bytes) {
    if (bytes.size() <= 3 * kSampleSize) return {{bytes, false}};
    std::vector<Piece> pieces;
    for (std::size_t start : {std::size_t(0), bytes.size() / 2 - kSampleSize / 2, bytes.size() - kSampleSize}) {
        std::size_t s = start;
        while (s > 0 && s < start + 4 && (static_cast<unsigned char>(bytes[s]) & 0xC0) == 0x80) ++s;
        const bool last = start + kSampleSize == bytes.size();
        pieces.push_back({bytes.substr(s, start + kSampleSize - s), !last});
    }
    return pieces;
}

bool IsBinaryControl(unsigned char b) {
    return b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A;  // 0x1A ends DOS files
}

float Score(const std::vector<Piece>& pieces, int codePage, const Model& model) {
    const TBedByteMap& decode = DecodeMap(codePage);
    float score = 0;
    for (const Piece& piece : pieces) {
        ByteClass previous{};
        bool previousHigh = false;
        for (const char ch : piece.bytes) {
            const auto b = static_cast<unsigned char>(ch);
            const bool high = b >= 0x80;
            const ByteClass& c = kCp1250Classes[decode[b]];
            if (high || previousHigh) {
                score += model.logP[previous.cls][c.cls];
                if (c.capitalAccented && previous.small) score += kCapitalAfterSmall;
            }
            previous = c;
            previousHigh = high;
        }
    }
    return score;
}

// Whether two code pages read every byte from 0x80 present in the sample alike.
bool ReadAlike(const std::array<bool, 256>& present, int a, int b) {
    for (int x = 0x80; x < 256; ++x)
        if (present[x] && DecodeMap(a)[x] != DecodeMap(b)[x]) return false;
    return true;
}

}  // namespace

std::optional<TBedCodePage> RecogniseCodePage(std::string_view bytes, TBedCodePage preferred) {
    const std::vector<Piece> pieces = Sample(bytes);
    std::array<bool, 256> present{};
    std::size_t total = 0, high = 0, controls = 0;
    bool utf8 = true, multiByte = false;
    for (const Piece& piece : pieces) {
        for (const char ch : piece.bytes) present[static_cast<unsigned char>(ch)] = true;
        total += piece.bytes.size();
        high += std::size_t(std::count_if(piece.bytes.begin(), piece.bytes.end(),
                                          [](char c) { return static_cast<unsigned char>(c) >= 0x80; }));
        controls += std::size_t(std::count_if(piece.bytes.begin(), piece.bytes.end(),
                                              [](char c) { return IsBinaryControl(static_cast<unsigned char>(c)); }));
        const TBedUtf8Shape shape = Utf8Shape(piece.bytes, piece.cutAtEnd);
        utf8 = utf8 && shape.wellFormed;
        multiByte = multiByte || shape.multiByte;
    }
    if (high == 0 || controls * 100 > total) return std::nullopt;
    if (utf8 && multiByte) return cpUTF8;
    if (double(high) > kMaxHighShare * double(total)) return std::nullopt;

    static const Model model;
    std::array<float, cpCP1250 + 1> scores{};
    for (int cp = 0; cp <= cpCP1250; ++cp) scores[cp] = Score(pieces, cp, model);
    const int best = int(std::max_element(scores.begin(), scores.end()) - scores.begin());
    // Letters must make up most of the high bytes as the winner reads them.
    std::size_t letters = 0;
    for (int x = 0x80; x < 256; ++x)
        if (present[x] && kCp1250Classes[DecodeMap(best)[x]].cls != kNoLetter) ++letters;
    std::size_t distinct = 0;
    for (int x = 0x80; x < 256; ++x) distinct += present[x];
    if (distinct < kMinDistinctHighBytes || double(letters) < kMinLetterShare * double(distinct)) return std::nullopt;

    for (int cp = 0; cp <= cpCP1250; ++cp)
        if (!ReadAlike(present, cp, best) && scores[best] - scores[cp] < kMinLead) return std::nullopt;
    if (ReadAlike(present, preferred, best) && IsByteCodePage(preferred)) return preferred;
    // Of the code pages that read the sample alike, the one of today's files first.
    for (const TBedCodePageRow& row : kCodePages)
        if (IsByteCodePage(row.codePage) && ReadAlike(present, row.codePage, best)) return row.codePage;
    return TBedCodePage(best);
}
