#include "IniFile.h"
#include "DocumentDirectory.h"
#include "Settings.h"
#include "WindowGeometry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        char tmpl[] = "/tmp/bedsettingsXXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string Str() const { return path.string() + "/"; }
};

void Write(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

std::string Read(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

}  // namespace

TEST(IniFile, IntegersFollowTheSettingsRules) {
    int v = 7;
    EXPECT_TRUE(ParseIniInteger("42", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ParseIniInteger("-3", v));
    EXPECT_EQ(v, -3);
    EXPECT_TRUE(ParseIniInteger("0x1F", v));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(ParseIniInteger("0XFF", v));
    EXPECT_EQ(v, 255);
    EXPECT_TRUE(ParseIniInteger("0x1FFFFFFF", v));  // a colour value
    EXPECT_EQ(v, 0x1FFFFFFF);
    for (const char* bad : {"", "abc", "12abc", "0x", "0xZZ", "99999999999", "1.5", "--1"})
        EXPECT_FALSE(ParseIniInteger(bad, v)) << bad;
}

TEST(IniFile, KeysAndSectionsIgnoreCaseAndGarbageYieldsDefaults) {
    TempDir dir;
    Write(dir.path / "a.ini", "[BED]\nVyska=300\nsirka=nonsense\nfont=" + std::string(2000, 'x') + "\n");
    const TIniFile ini((dir.path / "a.ini").string());
    EXPECT_EQ(ini.ReadInteger("bed", "vyska", 1), 300);
    EXPECT_EQ(ini.ReadInteger("bed", "sirka", 518), 518);
    EXPECT_EQ(ini.ReadString("bed", "font", "").size(), 1023u);
    EXPECT_EQ(ini.ReadString("bed", "missing", "def"), "def");
    EXPECT_TRUE(ini.ReadBool("bed", "vyska", false));
}

TEST(IniFile, MissingFileReadsAsEmptyAndWritingKeepsOtherEntries) {
    TempDir dir;
    const std::string name = (dir.path / "b.ini").string();
    {
        TIniFile ini(name);
        EXPECT_EQ(ini.ReadInteger("bed", "x", 20), 20);
        ini.WriteInteger("bed", "x", 5);
        ini.WriteString("other", "keep", "yes");
        ini.UpdateFile();
    }
    TIniFile again(name);
    again.WriteBool("bed", "panelV", false);
    again.UpdateFile();
    const TIniFile check(name);
    EXPECT_EQ(check.ReadInteger("bed", "x", 0), 5);
    EXPECT_EQ(check.ReadString("other", "keep", ""), "yes");
    EXPECT_EQ(check.ReadString("bed", "panelV", ""), "0");
}

TEST(Settings, DefaultsRoundTripAndThePodlePriponyPair) {
    TempDir dir;
    const std::string name = (dir.path / "bed.ini").string();
    const TBedSettings defaults = ReadSettings(TIniFile(name));
    EXPECT_EQ(defaults.vyska, 516);
    EXPECT_EQ(defaults.sirka, 518);
    EXPECT_EQ(defaults.x, 20);
    // Not the program's folder (/usr/bin for an installed one): the home folder when started
    // from a menu, the working directory from a terminal.
    EXPECT_EQ(defaults.ukladaciCesta, DefaultDocumentDirectory(StartedFromTerminal()));
    EXPECT_EQ(defaults.nahravaciCesta, defaults.ukladaciCesta);
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/uzivatel", 1);
    EXPECT_EQ(DefaultDocumentDirectory(false), "/home/uzivatel/");
    setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(DefaultDocumentDirectory(true), std::filesystem::current_path().string() + "/");
    EXPECT_EQ(defaults.hraniceZlomu, 80);
    EXPECT_EQ(defaults.implicitniKodovani, 4);
    EXPECT_EQ(defaults.barvaFontu, clWindowText);

    Write(name, "[bed]\nPodlePripony=0\nbarvaFontu=0x1FFFFFFF\n");  // no colour for text
    TBedSettings s = ReadSettings(TIniFile(name));
    EXPECT_FALSE(s.podlePripony);
    EXPECT_EQ(s.barvaFontu, clWindowText);
    s.barvaFontu = 0x563412;
    s.podlePripony = true;
    s.vyska = 700;
    s.font = "Liberation Mono";
    s.recent[2] = {"/home/a/b.txt", 3, 17};
    {
        TIniFile ini(name);
        WriteSettings(ini, s);
        ini.UpdateFile();
    }
    const TBedSettings back = ReadSettings(TIniFile(name));
    EXPECT_TRUE(back.podlePripony);  // written as "podlePripony", the same entry
    EXPECT_EQ(back.vyska, 700);
    EXPECT_EQ(back.font, "Liberation Mono");
    EXPECT_EQ(back.recent[2].name, "/home/a/b.txt");
    EXPECT_EQ(back.recent[2].y, 17);
    EXPECT_EQ(back.barvaFontu, 0x563412);
    EXPECT_EQ(Read(name).find("PodlePripony=1") != std::string::npos ||
                  Read(name).find("podlePripony=1") != std::string::npos,
              true);
}

TEST(Settings, SettingsDirectoryFromBedpath) {
    TempDir dir;
    EXPECT_EQ(SettingsDirectory(dir.Str()), dir.Str());
    Write(dir.path / "bedpath.ini", "[bed]\ncesta=.\n");
    EXPECT_EQ(SettingsDirectory(dir.Str()), dir.Str());
    Write(dir.path / "bedpath.ini", "[bed]\ncesta=/etc/cfg\n");
    EXPECT_EQ(SettingsDirectory(dir.Str()), "/etc/cfg/");
    Write(dir.path / "bedpath.ini", "[bed]\ncesta=\n");
    EXPECT_EQ(SettingsDirectory(dir.Str()), dir.Str());

    // A program folder even root can't write, as an installed program's: the user's folder.
    setenv("XDG_CONFIG_HOME", (dir.path / "config").c_str(), 1);
    EXPECT_EQ(SettingsDirectory("/proc/1/"), dir.Str() + "config/bed/");
    unsetenv("XDG_CONFIG_HOME");
    TIniFile ini(dir.Str() + "config/bed/bed.ini");
    ini.WriteInteger("bed", "x", 5);
    ini.UpdateFile();  // creates the folder
    EXPECT_EQ(TIniFile(dir.Str() + "config/bed/bed.ini").ReadInteger("bed", "x", 0), 5);
}

TEST(Settings, AnotherUsersSettingsBesideTheProgramAreNotUsed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to a second user";
    TempDir dir;
    setenv("XDG_CONFIG_HOME", (dir.path / "config").c_str(), 1);
    const std::string config = dir.Str() + "config/bed/";
    // A user's portable copy, started by root: neither their bed.ini nor their bedpath.ini.
    Write(dir.path / "bed.ini", "[bed]\n");
    ::chown((dir.path / "bed.ini").c_str(), 65534, 65534);
    EXPECT_EQ(SettingsDirectory(dir.Str()), config);
    Write(dir.path / "bedpath.ini", "[bed]\ncesta=/srv/jejich\n");
    ::chown((dir.path / "bedpath.ini").c_str(), 65534, 65534);
    EXPECT_EQ(SettingsDirectory(dir.Str()), config);
    ::chown(dir.path.c_str(), 65534, 65534);
    fs::remove(dir.path / "bed.ini");
    EXPECT_EQ(SettingsDirectory(dir.Str()), config);
    // Root's own folder and file are root's to use.
    ::chown(dir.path.c_str(), 0, 0);
    fs::remove(dir.path / "bedpath.ini");
    EXPECT_EQ(SettingsDirectory(dir.Str()), dir.Str());
    unsetenv("XDG_CONFIG_HOME");
}

TEST(IniFile, EveryByteOfAValueComesBackAndNoneMakesAKey) {
    TempDir dir;
    const std::string name = dir.Str() + "bed.ini";
    std::string everyByte = " ";
    for (int b = 0; b < 256; ++b) everyByte += char(b);
    everyByte += "\\x41 \\\\ \t";
    const std::string injection = "soubor.txt\n[bed]\nescKonci=0\r\nx=1";
    {
        TIniFile ini(name);
        ini.WriteString("soubor1", "jmeno", everyByte);
        ini.WriteString("bed", "hledat", injection);
        ini.WriteString("bed", "cesta", "C:\\Dokumenty\\");
        ini.UpdateFile();
    }
    const TIniFile back(name);
    EXPECT_EQ(back.ReadString("soubor1", "jmeno", ""), everyByte);
    EXPECT_EQ(back.ReadString("bed", "hledat", ""), injection);
    EXPECT_EQ(back.ReadString("bed", "escKonci", "none"), "none");
    EXPECT_EQ(back.ReadString("bed", "cesta", ""), "C:\\Dokumenty\\");
    // A backslash an older file holds reads as itself.
    Write(name, "[bed]\ncesta=C:\\Dokumenty\\novy\\\n");
    EXPECT_EQ(TIniFile(name).ReadString("bed", "cesta", ""), "C:\\Dokumenty\\novy\\");
}

TEST(Settings, AWindowGeometryIsFittedIntoTheScreensArea) {
    const TBedWindowGeometry area{0, 30, 1280, 994};
    // Twice too large and off the screen, as a scale of 2 would bring it.
    const TBedWindowGeometry big = FittedInto({2000, 1500, 2560, 2048}, area);
    EXPECT_EQ(big.x, 0);
    EXPECT_EQ(big.y, 30);
    EXPECT_EQ(big.width, 1280);
    EXPECT_EQ(big.height, 994);
    const TBedWindowGeometry off = FittedInto({1200, 10, 518, 516}, area);  // partly off
    EXPECT_EQ(off.x, 1280 - 518);
    EXPECT_EQ(off.y, 30);
    const TBedWindowGeometry inside = FittedInto({20, 40, 518, 516}, area);
    EXPECT_EQ(inside.x, 20);
    EXPECT_EQ(inside.y, 40);
    EXPECT_EQ(inside.width, 518);
}
