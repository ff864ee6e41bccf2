#include "BedEditTabs.h"

#include <bit>

namespace {

template <typename SpacesAt>
bool Expand(std::string_view text, std::string* out, size_t& length, SpacesAt spacesAt) {
    const size_t first = text.find('\t');
    if (first == std::string_view::npos) return false;
    size_t column = first;
    for (size_t i = first; i < text.size(); ++i) column += text[i] == '\t' ? spacesAt(column) : 1;
    length = column;
    if (out) {
        out->assign(length, ' ');
        char* p = out->data();
        for (char c : text) {
            if (c == '\t')
                p += spacesAt(size_t(p - out->data()));
            else
                *p++ = c;
        }
    }
    return true;
}

bool ExpandToOneSpace(std::string_view text, int, std::string* out, size_t& length) {
    return Expand(text, out, length, [](size_t) { return size_t(1); });
}

bool ExpandByMask(std::string_view text, int tabWidth, std::string* out, size_t& length) {
    const size_t width = size_t(tabWidth), mask = width - 1;
    return Expand(text, out, length, [=](size_t column) { return width - (column & mask); });
}

bool ExpandByDivision(std::string_view text, int tabWidth, std::string* out, size_t& length) {
    const size_t width = size_t(tabWidth);
    return Expand(text, out, length, [=](size_t column) { return width - column % width; });
}

}  // namespace

TBedTabExpander TabExpanderFor(int tabWidth) {
    if (tabWidth <= 1) return ExpandToOneSpace;
    if (tabWidth <= 65536 && std::has_single_bit(unsigned(tabWidth))) return ExpandByMask;
    return ExpandByDivision;
}
