#pragma once
// The user's folders by the XDG base-directory and user-dirs rules. Qt-free.
#include <functional>
#include <string>

struct TXdgDirs {
    std::string dataHome;    // $XDG_DATA_HOME, else ~/.local/share; empty when unknown
    std::string configHome;  // $XDG_CONFIG_HOME, else ~/.config
    std::string desktop;     // $XDG_DESKTOP_DIR, else user-dirs.dirs, else ~/Desktop

    // Where desktop entries of the user's applications live; empty when unknown.
    std::string Applications() const { return dataHome.empty() ? "" : dataHome + "/applications"; }
};

// getenv returns null for a variable that is not set.
using TGetEnv = std::function<const char*(const char*)>;

// Relative values of the variables are ignored, as the rules say.
TXdgDirs XdgDirsFromEnvironment(const TGetEnv& getenv);
// $XDG_STATE_HOME, else ~/.local/state; empty when unknown. Reads no file: every start asks.
std::string XdgStateHome(const TGetEnv& getenv);

// The folder a user-dirs.dirs text gives for a key such as "XDG_DESKTOP_DIR" ("$HOME/…" or an
// absolute path in double quotes); empty when the key is missing or its value unusable.
std::string UserDirsValue(const std::string& text, const std::string& key, const std::string& home);
