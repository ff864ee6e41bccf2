#pragma once
// Tab expansion of one line: tab stops at every multiple of the tab width, columns counted from 0
// over the expanded text. Qt-free.
#include <cstddef>
#include <string>
#include <string_view>

// Returns false when the text holds no tab (out is then left alone). Otherwise stores the
// expanded length in `length` and, when `out` is given, the expanded text.
using TBedTabExpander = bool (*)(std::string_view text, int tabWidth, std::string* out, size_t& length);

// The routine for a tab width: one space per tab for widths up to 1, masking for powers of two,
// division otherwise. All give the same result for the same width.
TBedTabExpander TabExpanderFor(int tabWidth);
