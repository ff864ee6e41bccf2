#include "MimePackage.h"

#include <algorithm>

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

constexpr std::string_view kGlobStart = "<glob pattern=\"*";

}  // namespace

std::string OwnMimeType(const std::string& extension) {
    return "text/x-bed-" + Lower(extension.substr(extension.rfind('.') + 1));
}

std::string MimePackageText(const std::vector<std::string>& extensions) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    std::vector<std::string> written;
    for (const std::string& extension : extensions) {
        const std::string ext = Lower(extension);
        if (std::find(written.begin(), written.end(), ext) != written.end()) continue;
        written.push_back(ext);
        text += "  <mime-type type=\"" + OwnMimeType(ext) + "\">\n";
        text += "    <sub-class-of type=\"text/plain\"/>\n";
        text += std::string("    <comment>") + kOwnTypeComment + "</comment>\n";
        text += "    " + std::string(kGlobStart) + ext + "\"/>\n";
        text += "  </mime-type>\n";
    }
    text += "</mime-info>\n";
    return text;
}

std::vector<std::string> MimePackageExtensions(const std::string& text) {
    std::vector<std::string> extensions;
    for (size_t p = text.find(kGlobStart); p != std::string::npos; p = text.find(kGlobStart, p)) {
        p += kGlobStart.size();
        const size_t quote = text.find('"', p);
        if (quote == std::string::npos) break;
        extensions.push_back(text.substr(p, quote - p));
    }
    return extensions;
}
