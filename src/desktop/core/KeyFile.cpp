#include "KeyFile.h"

#include "BedTextLines.h"

namespace {

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

TKeyFileLine ParseKeyFileLine(std::string_view line) {
    TKeyFileLine result;
    const std::string_view t = Trimmed(line);
    if (t.empty()) {
        result.kind = TKeyFileLine::Blank;
    } else if (t.front() == '#') {
        result.kind = TKeyFileLine::Comment;
    } else if (t.front() == '[' && t.back() == ']') {
        result.kind = TKeyFileLine::Group;
        result.name = std::string(t.substr(1, t.size() - 2));
    } else if (const size_t eq = t.find('='); eq != std::string_view::npos && eq > 0) {
        result.kind = TKeyFileLine::Entry;
        result.name = std::string(Trimmed(t.substr(0, eq)));
        result.value = std::string(Trimmed(t.substr(eq + 1)));
    }
    return result;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    SplitLines(text.data(), text.data() + text.size(),
               [&lines](const char* b, const char* e) { lines.emplace_back(b, e); });
    return lines;
}

std::vector<std::string> SplitKeyFileList(const std::string& value) {
    std::vector<std::string> items;
    size_t p = 0;
    while (p <= value.size()) {
        size_t semicolon = value.find(';', p);
        if (semicolon == std::string::npos) semicolon = value.size();
        const std::string_view item = Trimmed(std::string_view(value).substr(p, semicolon - p));
        if (!item.empty()) items.emplace_back(item);
        p = semicolon + 1;
    }
    return items;
}
