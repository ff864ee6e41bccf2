#include "BedSpellWords.h"

#include "BedTextLetters.h"

namespace {

bool IsLetterAt(std::string_view s, int i) {
    return i >= 0 && i < int(s.size()) && BedIsLetter(static_cast<unsigned char>(s[i]));
}

bool IsNameJoint(char c) {
    return BedIsDigit(static_cast<unsigned char>(c)) || c == '_' || c == '@' || c == '/' || c == '\\';
}

bool HasInnerCapital(std::string_view word) {
    for (size_t i = 1; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        const auto before = static_cast<unsigned char>(word[i - 1]);
        if (BedCp1250Lower(c) != c && BedCp1250Upper(before) != before) return true;
    }
    return false;
}

bool IsWord(std::string_view line, int start, int end) {
    if (end - start < 2) return false;
    if (start > 0 && IsNameJoint(line[start - 1])) return false;
    if (end < int(line.size()) && IsNameJoint(line[end])) return false;
    if (start > 0 && line[start - 1] == '.' && IsLetterAt(line, start - 2)) return false;
    if (end < int(line.size()) && line[end] == '.' && IsLetterAt(line, end + 1)) return false;
    return !HasInnerCapital(line.substr(start, end - start));
}

}  // namespace

void BedSpellableWords(std::string_view line, TBedTextSpan range, std::vector<TBedTextSpan>& out) {
    const int stop = std::min<int>(range.start + range.length, int(line.size()));
    int i = range.start;
    // A range that begins inside a word doesn't start a word there.
    while (i < stop && IsLetterAt(line, i) && IsLetterAt(line, i - 1)) ++i;
    while (i < stop) {
        if (!IsLetterAt(line, i)) {
            ++i;
            continue;
        }
        int end = i;
        while (IsLetterAt(line, end)) ++end;
        if (IsWord(line, i, end)) out.push_back({i, end - i});
        i = end;
    }
}

std::optional<TBedTextSpan> BedWordAt(std::string_view line, int offset) {
    if (!IsLetterAt(line, offset)) --offset;
    if (!IsLetterAt(line, offset)) return std::nullopt;
    int start = offset, end = offset;
    while (IsLetterAt(line, start - 1)) --start;
    while (IsLetterAt(line, end)) ++end;
    return TBedTextSpan{start, end - start};
}
