#include "Shortcuts.h"

std::string ShortcutName(TShortcutPlace place) {
    return place == TShortcutPlace::SendTo ? "do Brousek editoru" : "Brousek Editor";
}

std::string ShortcutFolder(TShortcutPlace place, const TXdgDirs& dirs) {
    const std::string own = place == TShortcutPlace::Desktop ? dirs.desktop : dirs.Applications();
    return own.empty() ? dirs.desktop : own;
}

std::string ShortcutBaseName(const std::string& name) {
    std::string base = name;
    for (char& c : base)
        if (c == '/') c = '-';
    const size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) base.erase(dot);
    return base;
}

std::vector<std::string> ShortcutFileCandidates(const std::string& folder, const std::string& name) {
    const std::string stem = folder + "/" + ShortcutBaseName(name);
    return {stem + ".desktop", stem + " (1).desktop", stem + " (2).desktop"};
}
