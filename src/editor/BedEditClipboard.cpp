#include "BedEditClipboard.h"

#include "BedTextCp1250.h"

namespace bedclip {

std::string EncodeBlock(const std::string& text, TBedSelectionMode mode) {
    std::string data(1, char(mode));
    return data + text;
}

TBedClipboardText DecodeBlock(const std::string& data) {
    if (data.empty() || static_cast<unsigned char>(data[0]) > smColumn)
        throw EBedEditError("Clipboard paste operation failed.");
    TBedClipboardText result;
    result.mode = TBedSelectionMode(data[0]);
    // The text runs to the end of the data: NUL bytes are characters of a line like any other.
    result.text = data.substr(1);
    return result;
}

std::u32string ToUnicode(const std::string& cp1250) {
    std::u32string result;
    result.reserve(cp1250.size());
    for (unsigned char c : cp1250) result += char32_t(Cp1250ToUnicode(c));
    return result;
}

std::string FromUnicode(const std::u32string& text, bool& lossy) {
    std::string result;
    result.reserve(text.size());
    lossy = false;
    for (char32_t u : text) {
        const int c = UnicodeToCp1250(u);
        if (c < 0) lossy = true;
        result += c < 0 ? '?' : char(c);
    }
    return result;
}

}  // namespace bedclip
