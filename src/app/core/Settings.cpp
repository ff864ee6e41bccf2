#include "Settings.h"

#include "DocumentDirectory.h"
#include "IniFile.h"
#include "LineWrap.h"
#include "XdgDirs.h"

#include <cerrno>
#include <cstdlib>
#include <type_traits>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string kBed = "bed";

std::string RecentSection(int k) { return "soubor" + std::to_string(k); }

bool IsTextColor(int color) { return (color >= 0 && color <= 0xFFFFFF) || color == clWindowText; }
bool IsUsableWrapWidth(int width) { return IsWrapWidth(width); }

template <class Record>
using TMember = std::variant<int Record::*, bool Record::*, std::string Record::*>;

// One row per key: its name as it is written (keys match ignoring case, so files that spell
// it otherwise still read), the setting, and for a number the values it may take (another
// reads like a value that is not a number). Written in this order.
template <class Record>
struct TKey {
    const char* name;
    TMember<Record> member;
    bool (*usable)(int) = nullptr;
};

const TKey<TBedSettings> kBedKeys[] = {
    {"vyska", &TBedSettings::vyska},
    {"sirka", &TBedSettings::sirka},
    {"y", &TBedSettings::y},
    {"x", &TBedSettings::x},
    {"hraniceZlomu", &TBedSettings::hraniceZlomu, IsUsableWrapWidth},
    {"font", &TBedSettings::font},
    {"fontCharset", &TBedSettings::fontCharset},
    {"ukladaciCesta", &TBedSettings::ukladaciCesta},
    {"nahravaciCesta", &TBedSettings::nahravaciCesta},
    {"filterIndex", &TBedSettings::filterIndex},
    {"velikostFontu", &TBedSettings::velikostFontu},
    {"barvaFontu", &TBedSettings::barvaFontu, IsTextColor},
    {"podlePripony", &TBedSettings::podlePripony},
    {"pomListaL", &TBedSettings::pomListaL},
    {"autokodovani", &TBedSettings::autokodovani},
    {"rozpoznatKodovani", &TBedSettings::rozpoznatKodovani},
    {"zalamovani", &TBedSettings::zalamovani},
    {"ukazHraniciZlomu", &TBedSettings::ukazHraniciZlomu},
    {"escKonci", &TBedSettings::escKonci},
    {"panelV", &TBedSettings::panelV},
    {"autoZalam", &TBedSettings::autoZalam},
    {"implicitniKodovani", &TBedSettings::implicitniKodovani},
    {"kontrolaPravopisu", &TBedSettings::kontrolaPravopisu},
};

// Sections "soubor1".."soubor5", one recent file each.
const TKey<TSouborMenu> kRecentKeys[] = {
    {"jmeno", &TSouborMenu::name},
    {"x", &TSouborMenu::x},
    {"y", &TSouborMenu::y},
};

template <class Record, std::size_t N>
void ReadKeys(const TIniFile& ini, const std::string& section, const TKey<Record> (&keys)[N], Record& r) {
    for (const TKey<Record>& key : keys)
        std::visit(
            [&](auto Record::*member) {
                auto& value = r.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    value = ini.ReadString(section, key.name, value);
                } else if constexpr (std::is_same_v<T, bool>) {
                    value = ini.ReadBool(section, key.name, value);
                } else {
                    const int read = ini.ReadInteger(section, key.name, value);
                    if (!key.usable || key.usable(read)) value = read;
                }
            },
            key.member);
}

template <class Record, std::size_t N>
void WriteKeys(TIniFile& ini, const std::string& section, const TKey<Record> (&keys)[N], const Record& r) {
    for (const TKey<Record>& key : keys)
        std::visit(
            [&](auto Record::*member) {
                const auto& value = r.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    ini.WriteString(section, key.name, value);
                else if constexpr (std::is_same_v<T, bool>)
                    ini.WriteBool(section, key.name, value);
                else
                    ini.WriteInteger(section, key.name, value);
            },
            key.member);
}

}  // namespace

TBedSettings ReadSettings(const TIniFile& ini) {
    TBedSettings s;
    s.ukladaciCesta = s.nahravaciCesta = DefaultDocumentDirectory(StartedFromTerminal());
    ReadKeys(ini, kBed, kBedKeys, s);
    for (int k = 1; k <= 5; ++k) ReadKeys(ini, RecentSection(k), kRecentKeys, s.recent[k - 1]);
    return s;
}

void WriteSettings(TIniFile& ini, const TBedSettings& s) {
    WriteKeys(ini, kBed, kBedKeys, s);
    for (int k = 1; k <= 5; ++k) WriteKeys(ini, RecentSection(k), kRecentKeys, s.recent[k - 1]);
}

namespace {

bool OwnedByMe(const std::string& path, bool missingIsMine) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return missingIsMine && errno == ENOENT;
    return st.st_uid == ::geteuid();
}

// Settings beside the program are this user's only in a folder of theirs that they may write,
// holding no bed.ini of someone else: never root's file for everyone, nor a user's for root.
bool ProgramDirectoryIsMine(const std::string& programDir) {
    return ::faccessat(AT_FDCWD, programDir.c_str(), W_OK | X_OK, AT_EACCESS) == 0 && OwnedByMe(programDir, false) &&
           OwnedByMe(programDir + "bed.ini", true);
}

}  // namespace

std::string SettingsDirectory(const std::string& programDir) {
    // An installed program's folder is not the user's: the settings then live in the user's
    // configuration folder, unless bedpath.ini names another.
    std::string own = programDir;
    if (!ProgramDirectoryIsMine(programDir)) {
        const std::string config =
            XdgDirsFromEnvironment([](const char* name) { return std::getenv(name); }).configHome;
        if (!config.empty()) own = config + "/bed/";
    }
    // bedpath.ini is the user's own or the administrator's.
    const std::string bedpathFile = programDir + "bedpath.ini";
    struct stat st;
    const bool trusted = ::stat(bedpathFile.c_str(), &st) == 0 && (st.st_uid == ::geteuid() || st.st_uid == 0);
    std::string dir = trusted ? TIniFile(bedpathFile).ReadString(kBed, "cesta", own) : own;
    if (dir == "." || dir.empty()) dir = own;  // an empty value would name the root
    if (dir.back() != '/') dir += '/';
    return dir;
}
