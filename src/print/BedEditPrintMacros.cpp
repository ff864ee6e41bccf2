#include "BedEditPrintMacros.h"

#include "BedTextLetters.h"

#include <algorithm>
#include <optional>

using uchar = unsigned char;

std::string RomanNumerals(int n) {
    // Each numeral repeats while it fits; the subtractive pairs (CM, CD, XC, XL, IX, IV) once.
    static const struct {
        int value;
        const char* text;
        bool repeats;
    } kNumerals[] = {{1000, "M", true}, {900, "CM", false}, {500, "D", true},  {400, "CD", false}, {100, "C", true},
                     {90, "XC", false}, {50, "L", true},    {40, "XL", false}, {10, "X", true},    {9, "IX", false},
                     {5, "V", true},    {4, "IV", false},   {1, "I", true}};
    std::string result;
    for (const auto& numeral : kNumerals) {
        if (n >= numeral.value && !numeral.repeats) {
            result += numeral.text;
            n -= numeral.value;
        }
        for (; numeral.repeats && n >= numeral.value; n -= numeral.value) result += numeral.text;
    }
    return result;
}

namespace {

std::optional<std::string> MacroValue(std::string_view candidate, const TBedPrintMacroValues& v) {
    const std::string upper = BedAsciiUpperCase(std::string(candidate));
    if (upper == "$PAGENUM$") return v.RomanNumbers ? RomanNumerals(v.PageNumber) : std::to_string(v.PageNumber);
    if (upper == "$PAGECOUNT$") return std::to_string(v.PageCount);
    if (upper == "$TITLE$") return v.Title;
    if (upper == "$DATE$") return v.Date;
    if (upper == "$TIME$") return v.Time;
    if (upper == "$DATETIME$") return v.Date + " " + v.Time;
    if (upper == "$TIMEDATE$") return v.Time + " " + v.Date;
    return std::nullopt;
}

}  // namespace

std::string ExpandMacros(std::string_view text, const TBedPrintMacroValues& values) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) <= 0x20; })) return {};
    std::string result;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find('$', pos);
        const size_t close = open == std::string_view::npos ? open : text.find('$', open + 1);
        if (close == std::string_view::npos) {
            result += text.substr(pos);
            break;
        }
        result += text.substr(pos, open - pos);
        if (auto value = MacroValue(text.substr(open, close - open + 1), values)) {
            result += *value;
            pos = close + 1;
        } else {
            result += text.substr(open, close - open);  // the closing "$" may open a macro
            pos = close;
        }
    }
    return result;
}
