#include "MimeApps.h"

#include "KeyFile.h"

#include <vector>

std::string SetDefaultApplication(const std::string& text, const std::string& mimeType, const std::string& desktopId) {
    static const std::string kGroup = "Default Applications";
    const std::string entry = mimeType + "=" + desktopId + ";";
    std::vector<std::string> lines = TextLines(text);
    std::vector<std::string> result;
    bool inGroup = false;
    bool groupSeen = false;
    bool written = false;
    size_t insertAt = 0;  // behind the group's last line that is not blank
    for (const std::string& line : lines) {
        const TKeyFileLine l = ParseKeyFileLine(line);
        if (l.kind == TKeyFileLine::Group) {
            inGroup = l.name == kGroup;
            groupSeen = groupSeen || inGroup;
        } else if (inGroup && l.kind == TKeyFileLine::Entry && l.name == mimeType) {
            if (written) continue;  // a second line for the type would contradict the first
            result.push_back(entry);
            written = true;
            continue;
        }
        result.push_back(line);
        if (inGroup && l.kind != TKeyFileLine::Blank) insertAt = result.size();
    }
    if (!groupSeen) {
        if (!result.empty() && !result.back().empty()) result.emplace_back();
        result.push_back("[" + kGroup + "]");
        result.push_back(entry);
    } else if (!written) {
        result.insert(result.begin() + long(insertAt), entry);
    }
    std::string out;
    for (const std::string& line : result) out += line + "\n";
    return out;
}
