#include "Shortcuts.h"
#include "XdgDirs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

TGetEnv Env(std::map<std::string, std::string> vars) {
    return [vars](const char* name) -> const char* {
        const auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second.c_str();
    };
}

}  // namespace

TEST(XdgDirs, VariablesWinAndRelativeValuesAreIgnored) {
    TXdgDirs d = XdgDirsFromEnvironment(Env({{"HOME", "/home/jan"}}));
    EXPECT_EQ(d.dataHome, "/home/jan/.local/share");
    EXPECT_EQ(d.configHome, "/home/jan/.config");
    EXPECT_EQ(d.Applications(), "/home/jan/.local/share/applications");
    d = XdgDirsFromEnvironment(Env({{"HOME", "/home/jan"},
                                    {"XDG_DATA_HOME", "/d"},
                                    {"XDG_CONFIG_HOME", "relative"},
                                    {"XDG_DESKTOP_DIR", "/plocha"}}));
    EXPECT_EQ(d.dataHome, "/d");
    EXPECT_EQ(d.configHome, "/home/jan/.config");
    EXPECT_EQ(d.desktop, "/plocha");
    d = XdgDirsFromEnvironment(Env({}));
    EXPECT_EQ(d.dataHome, "");
    EXPECT_EQ(d.Applications(), "");
    EXPECT_EQ(d.desktop, "");
}

TEST(XdgDirs, TheDesktopComesFromUserDirs) {
    const std::string text =
        "# XDG_DESKTOP_DIR=\"/commented\"\n"
        "XDG_DOWNLOAD_DIR=\"$HOME/Stažené\"\n"
        "XDG_DESKTOP_DIR=\"$HOME/Plocha\"\n";
    EXPECT_EQ(UserDirsValue(text, "XDG_DESKTOP_DIR", "/home/jan"), "/home/jan/Plocha");
    EXPECT_EQ(UserDirsValue("XDG_DESKTOP_DIR=\"/srv/my \\\"desk\\\"\"", "XDG_DESKTOP_DIR", "/h"), "/srv/my \"desk\"");
    EXPECT_EQ(UserDirsValue("XDG_DESKTOP_DIR=\"$HOMEX/a\"", "XDG_DESKTOP_DIR", "/h"), "");
    EXPECT_EQ(UserDirsValue("XDG_DESKTOP_DIR=relative", "XDG_DESKTOP_DIR", "/h"), "");
    EXPECT_EQ(UserDirsValue("", "XDG_DESKTOP_DIR", "/h"), "");

    const auto config = std::filesystem::temp_directory_path() / "bed-test-xdg-config";
    std::filesystem::create_directories(config);
    std::ofstream(config / "user-dirs.dirs") << text;
    TXdgDirs d = XdgDirsFromEnvironment(Env({{"HOME", "/home/jan"}, {"XDG_CONFIG_HOME", config.string()}}));
    EXPECT_EQ(d.desktop, "/home/jan/Plocha");
    d = XdgDirsFromEnvironment(Env({{"HOME", "/home/jan"}, {"XDG_CONFIG_HOME", "/nonexistent"}}));
    EXPECT_EQ(d.desktop, "/home/jan/Desktop");
    std::filesystem::remove_all(config);
}

TEST(Shortcuts, NamesFoldersAndTheFilesTried) {
    EXPECT_EQ(ShortcutName(TShortcutPlace::SendTo), "do Brousek editoru");
    EXPECT_EQ(ShortcutName(TShortcutPlace::StartMenu), "Brousek Editor");
    EXPECT_EQ(ShortcutName(TShortcutPlace::Desktop), "Brousek Editor");
    EXPECT_EQ(ShortcutBaseName("a/b/c"), "a-b-c");
    EXPECT_EQ(ShortcutBaseName("Editor 1.2/x.exe"), "Editor 1.2-x");
    EXPECT_EQ(ShortcutBaseName(".profile"), ".profile");
    EXPECT_EQ(ShortcutFileCandidates("/d", "Brousek Editor"),
              (std::vector<std::string>{"/d/Brousek Editor.desktop", "/d/Brousek Editor (1).desktop",
                                        "/d/Brousek Editor (2).desktop"}));

    TXdgDirs dirs{"/data", "/config", "/plocha"};
    EXPECT_EQ(ShortcutFolder(TShortcutPlace::SendTo, dirs), "/data/applications");
    EXPECT_EQ(ShortcutFolder(TShortcutPlace::StartMenu, dirs), "/data/applications");
    EXPECT_EQ(ShortcutFolder(TShortcutPlace::Desktop, dirs), "/plocha");
    dirs.dataHome.clear();  // a place without a folder of its own falls back to the desktop
    EXPECT_EQ(ShortcutFolder(TShortcutPlace::StartMenu, dirs), "/plocha");
    dirs.desktop.clear();
    EXPECT_EQ(ShortcutFolder(TShortcutPlace::StartMenu, dirs), "");
}
