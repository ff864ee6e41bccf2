#include "BlockFormat.h"

#include "TextToolEdit.h"

#include <algorithm>

int IndentationCount(std::string_view line) {
    int n = 0;
    while (n + 1 < int(line.size()) && line[n] == ' ') ++n;
    return n;
}

namespace {

// The lines first..last that exist in the document, 0-based [begin, end).
std::pair<int, int> Range(const TBedTextToolEdit& edit, int first, int last) {
    const int count = edit.Count();
    const int begin = std::max(first, 1) - 1;
    const int end = last < 0 ? count : std::min(last, count);
    return {begin, std::max(begin, end)};
}

}  // namespace

void ShiftLinesRight(TBedTextToolEdit& edit, int first, int last) {
    const auto [begin, end] = Range(edit, first, last);
    for (int i = begin; i < end; ++i) edit.Put(i, ' ' + std::string(edit.Get(i)));
}

void ShiftLinesLeft(TBedTextToolEdit& edit, int first, int last) {
    const auto [begin, end] = Range(edit, first, last);
    for (int i = begin; i < end; ++i) {
        const std::string_view line = edit.Get(i);
        if (!line.empty() && line[0] == ' ') edit.Put(i, std::string(line.substr(1)));
    }
}

void AlignLines(TBedTextToolEdit& edit, int first, int last) {
    const auto [begin, end] = Range(edit, first, last);
    int deepest = 0;
    for (int i = begin; i < end; ++i) deepest = std::max(deepest, IndentationCount(edit.Get(i)));
    for (int i = begin; i < end; ++i) {
        const std::string_view line = edit.Get(i);
        edit.Put(i, std::string(deepest - IndentationCount(line) + 1, ' ') + std::string(line));
    }
}

void DeleteLine(TBedTextToolEdit& edit, int line) {
    if (line >= 1 && line <= edit.Count()) edit.Delete(line - 1);
}

void AddToLines(TBedTextToolEdit& edit, const std::string& text, bool atStart, int first, int last) {
    if (text.empty()) return;  // every line would stay as it is
    const auto [begin, end] = Range(edit, first, last);
    for (int i = begin; i < end; ++i) {
        const std::string_view line = edit.Get(i);
        std::string result;
        result.reserve(line.size() + text.size());
        if (atStart)
            result.append(text).append(line);
        else
            result.append(line).append(text);
        edit.Put(i, std::move(result));
    }
}

void AppendHtmlHeader(TBedTextToolEdit& edit) {
    static constexpr const char* kLines[] = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">",
        "<HTML>",
        "<HEAD>",
        "<TITLE></TITLE>",
        "</HEAD>",
        "<BODY>",
        "</BODY>",
        "</HTML>",
    };
    for (const char* line : kLines) edit.Add(line);
}
