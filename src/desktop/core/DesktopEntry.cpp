#include "DesktopEntry.h"

#include "Installation.h"
#include "KeyFile.h"

#include <cstring>

namespace {

bool IsFieldCode(const std::string& a) {
    return a.size() == 2 && a[0] == '%' && std::strchr("fFuUick", a[1]) != nullptr;
}

std::string JoinList(const std::vector<std::string>& items) {
    std::string result;
    for (const std::string& item : items) result += item + ';';
    return result;
}

}  // namespace

std::string DesktopExecArgument(const std::string& argument) {
    if (IsFieldCode(argument)) return argument;
    static constexpr const char* kReserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    std::string result = quote ? "\"" : "";
    for (const char c : argument) {
        if (c == '%') {
            result += "%%";
            continue;
        }
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) result += '\\';
        result += c;
    }
    if (quote) result += '"';
    return result;
}

std::string DesktopStringValue(const std::string& value) {
    std::string result;
    for (size_t i = 0; i < value.size(); ++i) {
        switch (const char c = value[i]) {
            case '\\': result += "\\\\"; break;
            case '\n': result += "\\n"; break;
            case '\t': result += "\\t"; break;
            case '\r': result += "\\r"; break;
            case ' ': result += i == 0 ? "\\s" : " "; break;
            default: result += c; break;
        }
    }
    return result;
}

std::string DesktopEntryText(const TDesktopEntry& e) {
    std::string exec;
    for (const std::string& argument : e.exec) {
        if (!exec.empty()) exec += ' ';
        exec += DesktopExecArgument(argument);
    }
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.4\n";
    text += "Name=" + DesktopStringValue(e.name) + "\n";
    if (!e.genericName.empty()) text += "GenericName=" + DesktopStringValue(e.genericName) + "\n";
    if (!e.comment.empty()) text += "Comment=" + DesktopStringValue(e.comment) + "\n";
    // The quoting rules come first; the string escaping then applies to the whole value.
    text += "Exec=" + DesktopStringValue(exec) + "\n";
    if (!e.path.empty()) text += "Path=" + DesktopStringValue(e.path) + "\n";
    if (!e.icon.empty()) text += "Icon=" + DesktopStringValue(e.icon) + "\n";
    text += "Terminal=false\n";
    text += std::string("StartupWMClass=") + kBedWindowClass + "\n";
    if (!e.mimeTypes.empty()) text += "MimeType=" + JoinList(e.mimeTypes) + "\n";
    if (!e.categories.empty()) text += "Categories=" + JoinList(e.categories) + "\n";
    if (e.noDisplay) text += "NoDisplay=true\n";
    return text;
}

std::vector<std::string> DesktopEntryMimeTypes(const std::string& text) {
    bool inEntryGroup = false;
    for (const std::string& line : TextLines(text)) {
        const TKeyFileLine l = ParseKeyFileLine(line);
        if (l.kind == TKeyFileLine::Group) inEntryGroup = l.name == "Desktop Entry";
        if (inEntryGroup && l.kind == TKeyFileLine::Entry && l.name == "MimeType") return SplitKeyFileList(l.value);
    }
    return {};
}
