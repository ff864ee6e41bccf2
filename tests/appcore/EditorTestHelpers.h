#pragma once
// An editing component without a window, filled with lines, for the text tools' tests.
#include "BedEditCore.h"
#include "BedTextCp1250.h"

#include <string>
#include <vector>

inline void Fill(TCustomBedEdit& editor, const std::vector<std::string>& lines) {
    editor.Lines().Clear();
    for (const auto& line : lines) editor.Lines().Add(line);
}

inline std::vector<std::string> TextOf(const TCustomBedEdit& editor) {
    std::vector<std::string> lines;
    for (int i = 0; i < editor.Lines().Count(); ++i) lines.push_back(editor.Lines().Get(i));
    return lines;
}

// UTF-8 to CP 1250, for readable expectations.
inline std::string Cp(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) bytes += static_cast<char>(UnicodeToCp1250(c));
    return bytes;
}
