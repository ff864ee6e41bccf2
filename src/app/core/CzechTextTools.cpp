#include "CzechTextTools.h"

#include "BedTextDiacritics.h"
#include "BedTextLetters.h"
#include "TextToolEdit.h"

#include <algorithm>
#include <string>

namespace {

unsigned char Changed(unsigned char c, TBedCaseChange change) {
    switch (change) {
        case TBedCaseChange::Upper: return BedCp1250Upper(c);
        case TBedCaseChange::Lower: return BedCp1250Lower(c);
        case TBedCaseChange::Swap: return BedCp1250SwapCase(c);
    }
    return c;
}

// The first byte of the line that the table changes, or npos.
size_t FirstChanged(std::string_view line, const bedtext::TByteTable& table) {
    for (size_t i = 0; i < line.size(); ++i)
        if (table[uint8_t(line[i])] != uint8_t(line[i])) return i;
    return std::string_view::npos;
}

}  // namespace

void ChangeCaseOfBlock(TBedTextToolEdit& edit, TBedPoint from, TBedPoint to, TBedSelectionMode mode,
                       TBedCaseChange change) {
    if (edit.Refused()) return;
    // The columns first .. last - 1 of a line change: in a column block its rectangle, in line
    // mode whole lines, in normal mode the selected text from `from` to `to`.
    int left = std::min(from.X, to.X), right = std::max(from.X, to.X);
    if (mode == smColumn ? left == right : from == to) return;
    for (int y = from.Y; y <= to.Y && y <= edit.Count(); ++y) {
        std::string line(edit.Get(y - 1));
        int first = left, last = right;
        if (mode != smColumn) {
            first = mode == smNormal && y == from.Y ? from.X : 1;
            last = mode == smNormal && y == to.Y ? to.X : int(line.size()) + 1;
        }
        const int end = std::min(last - 1, int(line.size()));
        for (int x = first; x <= end; ++x) line[size_t(x - 1)] = char(Changed(uint8_t(line[size_t(x - 1)]), change));
        edit.Put(y - 1, std::move(line));
    }
}

void RemoveDiacritics(TBedTextToolEdit& edit) {
    if (edit.Refused()) return;
    const auto& table = kBedCp1250WithoutDiacritics;
    for (int i = 0, n = edit.Count(); i < n; ++i) {
        // Most lines of a text hold no such letter; those are only read.
        const std::string_view view = edit.Get(i);
        const size_t start = FirstChanged(view, table);
        if (start == std::string_view::npos) continue;
        std::string line(view);
        for (size_t k = start; k < line.size(); ++k) line[k] = char(table[uint8_t(line[k])]);
        edit.Put(i, std::move(line));
    }
}
