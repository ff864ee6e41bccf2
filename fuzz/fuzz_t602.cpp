// T602 conversion of arbitrary lines in every mode, with the toggles carried from line to line
// as in a load: no crash, no hang, bounded output, and the results each mode promises.
#include "T602.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool IsControl(char c) {
    return std::string_view("\x02\x04\x0F\x10\x13\x14\x16\x1D", 8).find(c) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto mode = static_cast<TBedT602Mode>(data[0] % 5);  // 4 is no mode
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    IsT602FirstLine(text.substr(0, text.find('\n')));

    TBedT602Toggles toggles;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view raw = text.substr(start, end - start);
        std::string line = "x";  // the conversion appends
        ConvertT602Line(raw, mode, toggles, line);
        Check(line[0] == 'x');
        line.erase(0, 1);
        if (mode == t602Text && !IsDotCommandLine(raw)) {
            Check(line.size() <= raw.size());
            for (char c : line) Check(!IsControl(c) && c != '\x8D' && c != '\xB3' && c != '\xC4');
        } else if (mode == t602Html && !IsDotCommandLine(raw)) {
            Check(line.size() <= raw.size() * 6 + 4);
            Check(line.size() >= 4 && line.ends_with("<BR>"));
        } else {
            Check(line == raw);
        }
        start = end + 1;
    }
    return 0;
}
