#pragma once
// The five 8-bit code pages the editor reads and writes. The text inside the editor is always
// CP 1250; every character two code pages share converts between them, and every file byte
// comes back unchanged when it is read and written in the same code page. Qt-free.
#include "ByteMap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class TBedEditStringList;

// The numbers are stored in bed.ini and in the file history: keep them.
enum TBedCodePage : uint8_t {
    cpKamenicky = 0,
    cpISO88592 = 1,
    cpKOI8CS = 2,
    cpPCLatin2 = 3,
    cpCP1250 = 4,
    cpUTF8 = 5,  // converted by Utf8.h; the byte conversions below leave it alone
};
constexpr int kCodePageCount = 6;

// True for 0..5. Anything else (a damaged bed.ini, say) is treated as CP 1250 by every
// function below.
constexpr bool IsCodePage(int codePage) { return codePage >= 0 && codePage < kCodePageCount; }
// The code pages of one byte a character, which the 256-entry maps below convert.
constexpr bool IsByteCodePage(int codePage) { return codePage >= 0 && codePage <= cpCP1250; }

// The 32 letters in their CP 1250 byte values, and the value each code page 0..3 gives them.
struct TBedCodePageLetter {
    uint8_t cp1250;
    std::array<uint8_t, 4> inFile;  // indexed by code page 0..3
};
extern const std::array<TBedCodePageLetter, 32> kCodePageLetters;

// The per-code-page table indexed by a CP 1250 value 0x80..0xFD (entry = table[value - 0x80]);
// 0 means the value is not converted. Code page 4 has none (an empty span).
constexpr std::size_t kConversionTableSize = 126;
std::span<const uint8_t> ConversionTable(int codePage);

// Both directions as one 256-byte translation table per code page, so converting is one
// lookup per byte; bytes 0x00-0x7F map to themselves. Code pages 4 and 5 (and any invalid
// number) give the identity.
const TBedByteMap& DecodeMap(int codePage);  // file byte -> CP 1250
const TBedByteMap& EncodeMap(int codePage);  // CP 1250 -> file byte

// Decode: every byte of the code page whose character CP 1250 has becomes that character; the
// bytes of characters CP 1250 lacks take CP 1250 values the code page does not need (see the
// .cpp). Encode, for a file in the code page the text was read in, is the exact inverse. In
// place; CP 1250 and UTF-8 leave the line untouched.
void Decode(int codePage, std::string& line);
void Encode(int codePage, std::string& line);
// The same over a raw range, for callers that hold the bytes of a whole file.
void DecodeBytes(int codePage, char* data, std::size_t size);
void EncodeBytes(int codePage, char* data, std::size_t size);

// The character a byte of a code page 0..4 stands for, kNoCharacter where it defines none.
inline constexpr char32_t kNoCharacter = 0xFFFFFFFF;
char32_t CodePageCharacter(int codePage, unsigned char byte);
// The character a CP 1250 byte of a text read in `textCodePage` stands for: a byte that keeps a
// character CP 1250 lacks (the box drawing of a DOS file, say) stands for that character.
char32_t TextCharacter(int textCodePage, unsigned char byte);

// Converting a text read in one code page for a file in another: every character both have
// converts to itself. A character the file's code page lacks is written as this:
inline constexpr char kBedMisfitSubstitute = '?';
// True when the file's code page lacks what the byte stands for (never for the same code page).
bool Lacks(int textCodePage, int fileCodePage, unsigned char byte);
// In place, to a code page of one byte a character (0..4).
void ConvertBytes(int textCodePage, int fileCodePage, char* data, std::size_t size);
// The first character of the text that the file's code page lacks, and how many there are.
struct TBedCodePageMisfit {
    int line = 0;                       // counted from 1
    char32_t character = kNoCharacter;  // kNoCharacter: a byte that stands for none
    unsigned char byte = 0;
    int count = 0;
};
std::optional<TBedCodePageMisfit> FindCodePageMisfit(const TBedEditStringList& lines, int textCodePage,
                                                     int fileCodePage);
// The question before writing anyway, in Czech (UTF-8).
std::string CodePageMisfitMessage(const TBedCodePageMisfit& misfit, int fileCodePage);

// What the program knows of a code page besides its bytes (CodePageCharacters.h and the letters
// above): one row each, in the order of the Čeština menu, of the options dialog, of the help
// text and of the preference among code pages that read a sample alike. Texts are UTF-8.
struct TBedCodePageRow {
    TBedCodePage codePage;
    std::string_view name;        // status bar, dialog titles, messages: "Kamenických"
    std::string_view optionName;  // the options dialog's list
    std::string_view letters;     // the values of K= that choose it, the first one in the help text first
    std::string_view help;        // what the help text says of it
    // Texts that choose it when a file's name holds them (in capitals, any case matches).
    std::array<std::string_view, 3> nameTexts;
    // Of two texts in one name, the higher rank's code page wins (x.win.il2 is CP 1250).
    int nameRank;
    std::string_view menuObject;   // the Čeština menu's item: "CP1250W"
    std::string_view menuCaption;  // with its '&' access key
};
extern const std::array<TBedCodePageRow, kCodePageCount> kCodePages;
// The row of the code page; CP 1250's for a number that is none.
const TBedCodePageRow& CodePageRow(int codePage);
// The code page a value of K= chooses (either case); none for a letter that chooses none.
std::optional<TBedCodePage> CodePageOfLetter(char letter);

std::string_view CodePageName(int codePage);
// Appended to the open and save dialogs' titles: empty for CP 1250.
std::string CodePageTitleSuffix(int codePage);

// The code page the texts in a file's own name ask for; none when nothing matches.
std::optional<TBedCodePage> CodePageNamedBy(std::string_view fileName);
// The code page a file name asks for: when `automatic` is on, the extension-like texts found
// in the file's name (see the .cpp) choose it, a later rule overriding an earlier one;
// otherwise, or when nothing matches, `current` stays.
TBedCodePage CodePageForFileName(std::string_view fileName, TBedCodePage current, bool automatic);
