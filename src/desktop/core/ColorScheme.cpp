#include "ColorScheme.h"

#include "BedTextLetters.h"

namespace {

bool NamesDark(std::string theme) {
    theme = BedAsciiUpperCase(theme);
    return theme.find(":DARK") != std::string::npos || theme.find("-DARK") != std::string::npos;
}

// The value of `key=` in GTK's settings.ini, blanks around it trimmed.
std::string SettingsValue(const std::string& text, const std::string& key) {
    size_t at = 0;
    while ((at = text.find(key, at)) != std::string::npos) {
        const bool lineStart = at == 0 || text[at - 1] == '\n';
        size_t p = at + key.size();
        while (p < text.size() && text[p] == ' ') ++p;
        if (lineStart && p < text.size() && text[p] == '=') {
            size_t begin = text.find_first_not_of(' ', p + 1);
            if (begin == std::string::npos) return {};
            const size_t end = text.find_first_of("\r\n", begin);
            std::string value = text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
            while (!value.empty() && value.back() == ' ') value.pop_back();
            return value;
        }
        at = p;
    }
    return {};
}

}  // namespace

bool DesktopPrefersDark(const TGetEnv& getenv, const TReadFile& readFile) {
    if (const char* theme = getenv("GTK_THEME"); theme && *theme) return NamesDark(theme);
    const std::string config = XdgDirsFromEnvironment(getenv).configHome;
    if (config.empty()) return false;
    for (const char* version : {"/gtk-4.0/settings.ini", "/gtk-3.0/settings.ini"}) {
        const std::string text = readFile(config + version);
        const std::string prefer = SettingsValue(text, "gtk-application-prefer-dark-theme");
        if (prefer == "1" || BedAsciiUpperCase(prefer) == "TRUE") return true;
        if (NamesDark(SettingsValue(text, "gtk-theme-name"))) return true;
    }
    return false;
}
