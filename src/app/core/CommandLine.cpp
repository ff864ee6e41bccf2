#include "CommandLine.h"

#include "BedTextLetters.h"
#include "CodePages.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <stdexcept>

TCommandLineParam ClassifyParam(const std::string& param) {
    TCommandLineParam p;
    const size_t eq = param.find('=');
    if (eq == std::string::npos) {
        p.value = param;
        return p;
    }
    p.isOption = true;
    p.letter = ValueLetter(param);
    p.value = param.substr(eq + 1);
    return p;
}

char ValueLetter(const std::string& value) {
    if (value.empty()) return 0;
    return BedAsciiUpper(value[0]);
}

std::optional<TBedT602Mode> T602Option(char v) {
    if (v == '?') return t602Ask;
    if (v == 'C' || v == 'T') return t602Text;
    if (v == 'H') return t602Html;
    if (v == 'N' || v == 'Z') return t602Leave;
    return std::nullopt;
}

std::string NotANumberMessage(const std::string& value) { return "Hodnota '" + value + "' není celé číslo."; }

int ParseNumericOption(const std::string& value) {
    const std::string message = NotANumberMessage(value);
    size_t i = value.find_first_not_of(' ');
    if (i == std::string::npos) throw EConvertError(message);
    errno = 0;
    char* end = nullptr;
    const char* start = value.c_str() + i;
    long long n = std::strtoll(start, &end, 10);
    if (end == start || *end != '\0' || errno != 0 || n < INT_MIN || n > INT_MAX) throw EConvertError(message);
    return static_cast<int>(n);
}

bool SplitReplaceOption(const std::string& value, std::string& search, std::string& replacement) {
    if (value.size() < 2) return false;
    // The scan for the comma starts before the last character, which always belongs to the
    // replacement.
    const size_t comma = value.rfind(',', value.size() - 2);
    if (comma == std::string::npos) return false;
    search = value.substr(0, comma);
    replacement = value.substr(comma + 1);
    return true;
}
