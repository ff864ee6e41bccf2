#pragma once
// UTF-8 files for a text kept in CP 1250: a file converts only when every character it holds
// has a place in CP 1250, so nothing is ever lost on the way in or out. Qt-free.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Why a UTF-8 file can't become CP 1250 text: the first character CP 1250 has no place for, or
// the first byte that is no well-formed UTF-8 (overlong forms, surrogates and code points past
// U+10FFFF included).
struct TBedUtf8Misfit {
    std::size_t offset = 0;  // of the character's first byte, or of the bad byte
    char32_t codePoint = 0;  // the character; for malformed input the bad byte
    bool malformed = false;
    int line = 0;  // counted from 1 as the line buffer splits lines
};

// Decodes UTF-8 to CP 1250 into `out`, which must have room for in.size() bytes; `outSize` is
// the number written. On failure `out` is unspecified.
std::optional<TBedUtf8Misfit> DecodeUtf8(std::string_view in, char* out, std::size_t& outSize);
// The same to the end, for showing what does not fit: each character CP 1250 lacks, and each
// malformed byte, becomes the placeholder, a byte CP 1250 leaves undefined, which the editor
// draws as a visible mark. Returns the first misfit.
inline constexpr char kBedUtf8Placeholder = '\x81';
std::optional<TBedUtf8Misfit> DecodeUtf8WithPlaceholders(std::string_view in, char* out, std::size_t& outSize);

// Encodes CP 1250 to UTF-8. `out` must have room for 3 bytes per input byte; returns the
// number written.
std::size_t EncodeUtf8(std::string_view cp1250, char* out);
// The same for a text read in another code page (CodePages.h): each byte as the character it
// stands for there, one that stands for none as the substitute.
std::size_t EncodeUtf8(std::string_view text, char* out, int textCodePage);
constexpr std::size_t kUtf8MaxBytesPerCp1250Byte = 3;

// Well-formed UTF-8 and whether it has any sequence of several bytes. A sequence cut off by
// `in`'s end counts as well formed when `truncatedTailOk` (a sample of a longer file).
struct TBedUtf8Shape {
    bool wellFormed = true;
    bool multiByte = false;
};
TBedUtf8Shape Utf8Shape(std::string_view in, bool truncatedTailOk = false);

// One character in UTF-8.
std::string Utf8Of(char32_t codePoint);

// What does not fit, and where (UTF-8 text for the user interface).
std::string Utf8MisfitReason(const TBedUtf8Misfit& misfit);
// The user's message for a file shown with placeholders.
std::string Utf8MisfitMessage(const TBedUtf8Misfit& misfit);
