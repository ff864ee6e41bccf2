#include "BedEditPrintWrap.h"

#include <algorithm>

bool WrapAtBreakCharacters(std::string_view s, std::string_view breaks, int C, TWrapPositions& positions) {
    if (C < 1) return false;
    const size_t added = positions.size();
    for (size_t rowStart = 0; s.size() - rowStart > size_t(C);) {
        const size_t last = s.substr(rowStart, size_t(C)).find_last_of(breaks);
        if (last == std::string_view::npos) {
            positions.resize(added);
            return false;
        }
        rowStart += last + 1;
        positions.push_back(TWrapPos(rowStart));
    }
    return true;
}

TWrapPositions PrintWrapPositions(std::string_view s, int C, bool atWords) {
    C = std::max(1, C);  // a row holds at least one character, or the cutting never ends
    TWrapPositions positions;
    if (atWords && (WrapAtBreakCharacters(s, std::string_view("\t ,-"), C, positions) ||
                    WrapAtBreakCharacters(s, ").;", C, positions)))
        return positions;
    for (size_t end = size_t(C); end < s.size(); end += size_t(C)) positions.push_back(TWrapPos(end));
    return positions;
}
