#include "T602.h"

namespace {

constexpr std::array<uint8_t, 8> kControlBytes = {0x02, 0x04, 0x0F, 0x10, 0x13, 0x14, 0x16, 0x1D};
// 0x0F and 0x10 share an element but keep separate toggles.
constexpr std::array<std::string_view, 8> kElements = {"B", "I", "H2", "H2", "U", "SUP", "SUB", "H1"};

// Index into kControlBytes, or -1.
int ControlIndex(uint8_t byte) {
    for (int i = 0; i < int(kControlBytes.size()); ++i)
        if (kControlBytes[i] == byte) return i;
    return -1;
}

// Soft line ends become CR, single-line box drawing of the DOS code pages becomes ASCII.
constexpr std::array<uint8_t, 256> BuildPlainMap() {
    std::array<uint8_t, 256> map{};
    for (int b = 0; b < 256; ++b) map[b] = static_cast<uint8_t>(b);
    map[0x8D] = '\r';
    map[0xB3] = '|';
    map[0xC4] = '-';
    for (uint8_t corner : {0xB4, 0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xD9, 0xDA}) map[corner] = '+';
    return map;
}
constexpr auto kPlainMap = BuildPlainMap();

}  // namespace

bool IsDotCommandLine(std::string_view line) {
    auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    return line.size() >= 3 && line[0] == '@' && capital(line[1]) && capital(line[2]);
}

bool IsT602FirstLine(std::string_view line) { return line.starts_with("@CT "); }

void ConvertT602Line(std::string_view line, TBedT602Mode mode, TBedT602Toggles& toggles, std::string& out) {
    if ((mode != t602Text && mode != t602Html) || IsDotCommandLine(line)) {
        out += line;
        return;
    }
    const size_t start = out.size();
    for (const char c : line) {
        const uint8_t byte = kPlainMap[static_cast<uint8_t>(c)];
        const int control = ControlIndex(byte);
        if (control < 0) {
            // The text's own markup characters must not become markup.
            if (mode == t602Html && byte == '<')
                out += "&lt;";
            else if (mode == t602Html && byte == '>')
                out += "&gt;";
            else if (mode == t602Html && byte == '&')
                out += "&amp;";
            else
                out += static_cast<char>(byte);
        } else if (mode == t602Html) {
            bool& open = toggles.open_[control];
            out += open ? "</" : "<";
            out += kElements[control];
            out += '>';
            open = !open;
        }
    }
    // One trailing soft line end goes.
    if (out.size() > start && out.back() == '\r') out.pop_back();
    if (mode == t602Html) out += "<BR>";
}
