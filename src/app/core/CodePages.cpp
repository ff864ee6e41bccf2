#include "CodePages.h"

#include "BedEditStringList.h"
#include "CodePageCharacters.h"
#include "BedTextLetters.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <vector>

// Columns: Kamenický, ISO-8859-2, KOI8-ČS, PC Latin 2.
constexpr std::array<TBedCodePageLetter, 32> kCodePageLetters = {{
    {0x8A, {0x9B, 0xA9, 0xF3, 0xE6}},  // Š
    {0x8D, {0x86, 0xAB, 0xF4, 0x9B}},  // Ť
    {0x8E, {0x92, 0xAE, 0xFA, 0xA6}},  // Ž
    {0x9A, {0xA8, 0xB9, 0xD3, 0xE7}},  // š
    {0x9D, {0x9F, 0xBB, 0xD4, 0x9C}},  // ť
    {0x9E, {0x91, 0xBE, 0xDA, 0xA7}},  // ž
    {0xBC, {0x9C, 0xA5, 0xEC, 0x95}},  // Ľ
    {0xBE, {0x8C, 0xB5, 0xCC, 0x96}},  // ľ
    {0xC1, {0x8F, 0xC1, 0xE1, 0xB5}},  // Á
    {0xC8, {0x80, 0xC8, 0xE3, 0xAC}},  // Č
    {0xC9, {0x90, 0xC9, 0xF7, 0x90}},  // É
    {0xCC, {0x89, 0xCC, 0xE5, 0xB7}},  // Ě
    {0xCD, {0x8B, 0xCD, 0xE9, 0xD6}},  // Í
    {0xCF, {0x85, 0xCF, 0xE4, 0xD2}},  // Ď
    {0xD2, {0xA5, 0xD2, 0xEE, 0xD5}},  // Ň
    {0xD3, {0x95, 0xD3, 0xEF, 0xE0}},  // Ó
    {0xD8, {0x9E, 0xD8, 0xF2, 0xFC}},  // Ř
    {0xD9, {0xA6, 0xD9, 0xEA, 0xDE}},  // Ů
    {0xDA, {0x97, 0xDA, 0xF5, 0xE9}},  // Ú
    {0xDD, {0x9D, 0xDD, 0xF9, 0xED}},  // Ý
    {0xE1, {0xA0, 0xE1, 0xC1, 0xA0}},  // á
    {0xE8, {0x87, 0xE8, 0xC3, 0x9F}},  // č
    {0xE9, {0x82, 0xE9, 0xD7, 0x82}},  // é
    {0xEC, {0x88, 0xEC, 0xC5, 0xD8}},  // ě
    {0xED, {0xA1, 0xED, 0xC9, 0xA1}},  // í
    {0xEF, {0x83, 0xEF, 0xC4, 0xD4}},  // ď
    {0xF2, {0xA4, 0xF2, 0xCE, 0xE5}},  // ň
    {0xF3, {0xA2, 0xF3, 0xCF, 0xA2}},  // ó
    {0xF8, {0xA9, 0xF8, 0xD2, 0xFD}},  // ř
    {0xF9, {0x96, 0xF9, 0xCA, 0x85}},  // ů
    {0xFA, {0xA3, 0xFA, 0xD5, 0xA3}},  // ú
    {0xFD, {0x98, 0xFD, 0xD9, 0xEC}},  // ý
}};

namespace {

using bedcodepages::CharacterOf;

using Table = std::array<uint8_t, kConversionTableSize>;

constexpr std::array<Table, 4> BuildConversionTables() {
    std::array<Table, 4> tables{};
    for (int cp = 0; cp < 4; ++cp)
        for (const auto& letter : kCodePageLetters) tables[cp][letter.cp1250 - 0x80] = letter.inFile[cp];
    return tables;
}
constexpr std::array<Table, 4> kTables = BuildConversionTables();

constexpr TBedByteMap Identity() {
    TBedByteMap map{};
    for (int b = 0; b < 256; ++b) map[b] = static_cast<uint8_t>(b);
    return map;
}

// Decoding maps every byte whose character CP 1250 has to that character, so all the
// characters two code pages share convert to themselves. The bytes of characters CP 1250 lacks
// (box drawing, Greek) take the CP 1250 values whose characters the code page lacks: their own
// value when it is free, else the free ones in ascending order. So decoding is a permutation
// and a file read and written in the same code page comes back byte for byte.
constexpr TBedByteMap BuildDecodeMap(int cp) {
    TBedByteMap map = Identity();
    std::array<bool, 256> placed{}, taken{};
    for (int b = 0x80; b < 256; ++b) {
        const char32_t u = CharacterOf(cp, b);
        if (u == kNoCharacter) continue;
        for (int c = 0x80; c < 256; ++c)
            if (CharacterOf(cpCP1250, c) == u) {
                map[b] = uint8_t(c);
                placed[b] = taken[c] = true;
                break;
            }
    }
    for (int b = 0x80; b < 256; ++b)
        if (!placed[b] && !taken[b]) placed[b] = taken[b] = true;  // keeps its own value
    int free = 0x80;
    for (int b = 0x80; b < 256; ++b) {
        if (placed[b]) continue;
        while (taken[free]) ++free;
        map[b] = uint8_t(free);
        taken[free] = true;
    }
    return map;
}

constexpr TBedByteMap Inverse(const TBedByteMap& map) {
    TBedByteMap inverse{};
    for (int b = 0; b < 256; ++b) inverse[map[b]] = static_cast<uint8_t>(b);
    return inverse;
}

constexpr std::array<TBedByteMap, kCodePageCount> BuildDecodeMaps() {
    std::array<TBedByteMap, kCodePageCount> maps{};
    for (int cp = 0; cp < kCodePageCount; ++cp) maps[cp] = cp < cpCP1250 ? BuildDecodeMap(cp) : Identity();
    return maps;
}

constexpr std::array<TBedByteMap, kCodePageCount> BuildEncodeMaps(
    const std::array<TBedByteMap, kCodePageCount>& decodeMaps) {
    std::array<TBedByteMap, kCodePageCount> maps{};
    for (int cp = 0; cp < kCodePageCount; ++cp) maps[cp] = Inverse(decodeMaps[cp]);
    return maps;
}

constexpr auto kDecodeMaps = BuildDecodeMaps();
constexpr auto kEncodeMaps = BuildEncodeMaps(kDecodeMaps);

int Checked(int codePage) { return IsCodePage(codePage) ? codePage : cpCP1250; }
bool Converts(int codePage) { return IsByteCodePage(codePage) && codePage != cpCP1250; }

// TranslateBytes looks up only the bytes from 0x80: the letters are all up there.
constexpr bool AsciiStays(const std::array<TBedByteMap, kCodePageCount>& maps) {
    for (const auto& map : maps)
        for (int b = 0; b < 0x80; ++b)
            if (map[b] != b) return false;
    return true;
}
static_assert(AsciiStays(kDecodeMaps) && AsciiStays(kEncodeMaps));

constexpr bool AreInverse(const std::array<TBedByteMap, kCodePageCount>& a,
                          const std::array<TBedByteMap, kCodePageCount>& b) {
    for (int cp = 0; cp < kCodePageCount; ++cp)
        for (int x = 0; x < 256; ++x)
            if (b[cp][a[cp][x]] != x || a[cp][b[cp][x]] != x) return false;
    return true;
}
static_assert(AreInverse(kDecodeMaps, kEncodeMaps));

// The published letters of the table above are what the converters give too.
constexpr bool LettersAgree() {
    for (int cp = 0; cp < cpCP1250; ++cp)
        for (const auto& letter : kCodePageLetters)
            if (kDecodeMaps[cp][letter.inFile[cp]] != letter.cp1250) return false;
    return true;
}
static_assert(LettersAgree());

// What each CP 1250 byte of a text read in a code page stands for, and its byte in each code
// page (-1: none). Built once, at the first conversion.
struct TConversions {
    std::array<std::array<char32_t, 256>, kCodePageCount> character{};
    // For the 8-bit code pages: the file byte, the substitute where the code page lacks it.
    std::array<std::array<TBedByteMap, kCodePageCount>, kCodePageCount> byte{};
    std::array<std::array<std::array<bool, 256>, kCodePageCount>, kCodePageCount> lacking{};
    TConversions() {
        for (int from = 0; from < kCodePageCount; ++from)
            for (int c = 0; c < 256; ++c)
                character[from][c] = CharacterOf(IsByteCodePage(from) ? from : cpCP1250,
                                                 IsByteCodePage(from) ? kEncodeMaps[from][c] : c);
        for (int to = 0; to <= cpCP1250; ++to) {
            std::vector<int16_t> reverse(0x10000, -1);
            for (int b = 0; b < 256; ++b)
                if (const char32_t u = CharacterOf(to, b); u != kNoCharacter) reverse[u] = int16_t(b);
            for (int from = 0; from < kCodePageCount; ++from)
                for (int c = 0; c < 256; ++c) {
                    const char32_t u = character[from][c];
                    const int16_t b = u == kNoCharacter ? -1 : reverse[u];
                    lacking[from][to][c] = b < 0;
                    byte[from][to][c] = b < 0 ? uint8_t(kBedMisfitSubstitute) : uint8_t(b);
                }
        }
    }
};

const TConversions& Conversions() {
    static const TConversions conversions;
    return conversions;
}

}  // namespace

std::span<const uint8_t> ConversionTable(int codePage) {
    if (!Converts(codePage)) return {};
    return kTables[codePage];
}

const TBedByteMap& DecodeMap(int codePage) { return kDecodeMaps[Checked(codePage)]; }
const TBedByteMap& EncodeMap(int codePage) { return kEncodeMaps[Checked(codePage)]; }

void DecodeBytes(int codePage, char* data, std::size_t size) {
    if (Converts(codePage)) TranslateBytes(kDecodeMaps[codePage], data, size);
}

void EncodeBytes(int codePage, char* data, std::size_t size) {
    if (Converts(codePage)) TranslateBytes(kEncodeMaps[codePage], data, size);
}

char32_t CodePageCharacter(int codePage, unsigned char byte) {
    return CharacterOf(IsByteCodePage(codePage) ? codePage : cpCP1250, byte);
}

char32_t TextCharacter(int textCodePage, unsigned char byte) {
    return Conversions().character[Checked(textCodePage)][byte];
}

bool Lacks(int textCodePage, int fileCodePage, unsigned char byte) {
    textCodePage = Checked(textCodePage);
    fileCodePage = Checked(fileCodePage);
    if (fileCodePage == cpUTF8) return TextCharacter(textCodePage, byte) == kNoCharacter;
    return Conversions().lacking[textCodePage][fileCodePage][byte];
}

void ConvertBytes(int textCodePage, int fileCodePage, char* data, std::size_t size) {
    TranslateBytes(Conversions().byte[Checked(textCodePage)][Checked(fileCodePage)], data, size);
}

std::optional<TBedCodePageMisfit> FindCodePageMisfit(const TBedEditStringList& lines, int textCodePage,
                                                     int fileCodePage) {
    if (Checked(textCodePage) == Checked(fileCodePage)) return std::nullopt;
    std::array<bool, 256> members{};
    for (int b = 0; b < 256; ++b) members[size_t(b)] = Lacks(textCodePage, fileCodePage, uint8_t(b));
    const TBedByteSet lacking(members);
    // The breaks between the lines of a block are in every code page: one look at the block
    // tells whether any line needs a look of its own.
    if (const auto whole = lines.UnchangedLoadedText(); whole && lacking.Count(whole->data(), whole->size()) == 0)
        return std::nullopt;
    std::optional<TBedCodePageMisfit> first;
    for (int i = 0, n = lines.Count(); i < n; ++i) {
        const std::string_view line = lines.GetView(i);
        const int count = int(lacking.Count(line.data(), line.size()));
        if (count == 0) continue;
        if (!first) {
            const auto c =
                uint8_t(*std::find_if(line.begin(), line.end(), [&](char c) { return lacking.Has(uint8_t(c)); }));
            first = TBedCodePageMisfit{i + 1, TextCharacter(textCodePage, c), c, 0};
        }
        first->count += count;
    }
    return first;
}

void Decode(int codePage, std::string& line) { DecodeBytes(codePage, line.data(), line.size()); }
void Encode(int codePage, std::string& line) { EncodeBytes(codePage, line.data(), line.size()); }

const std::array<TBedCodePageRow, kCodePageCount> kCodePages = {{
    {cpCP1250, "CP1250", "CP 1250", "WC", "CP 1250", {".CP1250", ".WIN"}, 1, "CP1250W", "&CP 1250 (Win)"},
    {cpISO88592,
     "ISO-8859-2",
     "ISO-8859-2",
     "2I",
     "ISO-8859-2",
     {".IL2", ".ISOLAT2", ".ISO8859"},
     0,
     "ISO8859",
     "&ISO-8859-2 (Unix)"},
    {cpPCLatin2,
     "PC Latin 2",
     "PC Latin 2",
     "LP",
     "PC Latin 2",
     {".PCL2", ".L2"},
     2,
     "PCLatin2",
     "&PC Latin 2 (DOS,OS/2)"},
    {cpKamenicky, "Kamenických", "Kamenických", "K", "kód Kamenických", {".KAM"}, 3, "Kamenicti1", "&Kameničtí (DOS)"},
    {cpKOI8CS, "KOI8 ČS", "KOI8 ČS", "8", "KOI8 ČS", {".KOI", ".8CS", ".KOI8CS"}, 4, "koi8cs", "KOI&8 ČS (Amiga)"},
    {cpUTF8,
     "UTF-8",
     "UTF-8",
     "U",
     "UTF-8 (soubor se znaky, které CP 1250 nemá, zůstane nepřevedený a jen pro čtení)",
     {},
     -1,
     "UTF8",
     "&UTF-8"},
}};

const TBedCodePageRow& CodePageRow(int codePage) {
    const int checked = Checked(codePage);
    return *std::find_if(kCodePages.begin(), kCodePages.end(),
                         [&](const TBedCodePageRow& row) { return row.codePage == checked; });
}

std::optional<TBedCodePage> CodePageOfLetter(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? char(letter - 'a' + 'A') : letter;
    for (const TBedCodePageRow& row : kCodePages)
        if (row.letters.find(upper) != std::string_view::npos) return row.codePage;
    return std::nullopt;
}

std::string_view CodePageName(int codePage) { return CodePageRow(codePage).name; }

std::string CodePageMisfitMessage(const TBedCodePageMisfit& misfit, int fileCodePage) {
    char buffer[96];
    std::string what;
    if (misfit.character == kNoCharacter) {
        std::snprintf(buffer, sizeof buffer, "bajt 0x%02X, který nestojí za žádný znak,", unsigned(misfit.byte));
        what = buffer;
    } else {
        what = "znak ";
        // A control character would show as nothing: then only its code point.
        if (misfit.character >= 0xA0) what += "„" + Utf8Of(misfit.character) + "“ ";
        std::snprintf(buffer, sizeof buffer, "(U+%04X)", unsigned(misfit.character));
        what += buffer;
    }
    std::snprintf(buffer, sizeof buffer, " z řádku %d", misfit.line);
    std::string text = "Kódování " + std::string(CodePageName(fileCodePage)) + " nemá " + what + buffer;
    if (misfit.count > 1) {
        std::snprintf(buffer, sizeof buffer, " (takových znaků je v textu %d)", misfit.count);
        text += buffer;
    }
    return text + ". Zapsat soubor přesto, s „" + kBedMisfitSubstitute + "“ místo " +
           (misfit.count > 1 ? "nich?" : "něj?");
}

std::string CodePageTitleSuffix(int codePage) {
    if (Checked(codePage) == cpCP1250) return {};
    return " v kódování " + std::string(CodePageName(codePage));
}

std::optional<TBedCodePage> CodePageNamedBy(std::string_view fileName) {
    // Only the file's own name: on this platform directories such as ~/.wine or ~/.kamil are
    // common and must not choose the code page of the files inside them.
    const auto slash = fileName.rfind('/');
    const std::string name =
        BedAsciiUpperCase(std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1)));
    const TBedCodePageRow* chosen = nullptr;
    for (const TBedCodePageRow& row : kCodePages)
        if ((!chosen || row.nameRank > chosen->nameRank) &&
            std::any_of(row.nameTexts.begin(), row.nameTexts.end(),
                        [&](std::string_view t) { return !t.empty() && name.find(t) != std::string::npos; }))
            chosen = &row;
    if (!chosen) return std::nullopt;
    return chosen->codePage;
}

TBedCodePage CodePageForFileName(std::string_view fileName, TBedCodePage current, bool automatic) {
    if (!automatic) return current;
    return CodePageNamedBy(fileName).value_or(current);
}
