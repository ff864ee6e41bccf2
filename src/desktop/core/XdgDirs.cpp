#include "XdgDirs.h"

#include "KeyFile.h"
#include "TextFiles.h"

namespace {

std::string AbsoluteVariable(const TGetEnv& getenv, const char* name) {
    const char* value = getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string Unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return {};
    std::string result;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) ++i;
        result += value[i];
    }
    return result;
}

}  // namespace

std::string UserDirsValue(const std::string& text, const std::string& key, const std::string& home) {
    for (const std::string& line : TextLines(text)) {
        const TKeyFileLine l = ParseKeyFileLine(line);
        if (l.kind != TKeyFileLine::Entry || l.name != key) continue;
        const std::string path = Unquoted(l.value);
        if (path.rfind("$HOME", 0) == 0 && (path.size() == 5 || path[5] == '/'))
            return home.empty() ? "" : home + path.substr(5);
        return !path.empty() && path[0] == '/' ? path : "";
    }
    return {};
}

TXdgDirs XdgDirsFromEnvironment(const TGetEnv& getenv) {
    const std::string home = AbsoluteVariable(getenv, "HOME");
    TXdgDirs dirs;
    dirs.dataHome = AbsoluteVariable(getenv, "XDG_DATA_HOME");
    if (dirs.dataHome.empty() && !home.empty()) dirs.dataHome = home + "/.local/share";
    dirs.configHome = AbsoluteVariable(getenv, "XDG_CONFIG_HOME");
    if (dirs.configHome.empty() && !home.empty()) dirs.configHome = home + "/.config";
    dirs.desktop = AbsoluteVariable(getenv, "XDG_DESKTOP_DIR");
    if (dirs.desktop.empty() && !dirs.configHome.empty())
        if (const auto text = ReadTextFile(dirs.configHome + "/user-dirs.dirs"))
            dirs.desktop = UserDirsValue(*text, "XDG_DESKTOP_DIR", home);
    if (dirs.desktop.empty() && !home.empty()) dirs.desktop = home + "/Desktop";
    return dirs;
}

std::string XdgStateHome(const TGetEnv& getenv) {
    std::string state = AbsoluteVariable(getenv, "XDG_STATE_HOME");
    if (!state.empty()) return state;
    const std::string home = AbsoluteVariable(getenv, "HOME");
    return home.empty() ? "" : home + "/.local/state";
}
