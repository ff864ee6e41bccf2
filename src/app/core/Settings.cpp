#include "Settings.h"

#include "DocumentDirectory.h"
#include "IniFile.h"
#include "LineWrap.h"
#include "XdgDirs.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::string kBed = "bed";

std::string RecentSection(int k) { return "soubor" + std::to_string(k); }
}  // namespace

TBedSettings ReadSettings(const TIniFile& ini) {
    TBedSettings s;
    s.vyska = ini.ReadInteger(kBed, "vyska", s.vyska);
    s.sirka = ini.ReadInteger(kBed, "sirka", s.sirka);
    s.y = ini.ReadInteger(kBed, "y", s.y);
    s.x = ini.ReadInteger(kBed, "x", s.x);
    s.panelV = ini.ReadBool(kBed, "panelV", s.panelV);
    s.font = ini.ReadString(kBed, "font", s.font);
    s.velikostFontu = ini.ReadInteger(kBed, "velikostFontu", s.velikostFontu);
    s.fontCharset = ini.ReadInteger(kBed, "fontCharset", s.fontCharset);
    const TColor color = ini.ReadInteger(kBed, "barvaFontu", s.barvaFontu);
    if ((color >= 0 && color <= 0xFFFFFF) || color == clWindowText) s.barvaFontu = color;
    s.autokodovani = ini.ReadBool(kBed, "autokodovani", s.autokodovani);
    s.rozpoznatKodovani = ini.ReadBool(kBed, "rozpoznatKodovani", s.rozpoznatKodovani);
    const std::string documents = DefaultDocumentDirectory(StartedFromTerminal());
    s.ukladaciCesta = ini.ReadString(kBed, "ukladaciCesta", documents);
    s.nahravaciCesta = ini.ReadString(kBed, "nahravaciCesta", documents);
    s.filterIndex = ini.ReadInteger(kBed, "filterIndex", s.filterIndex);
    s.podlePripony = ini.ReadBool(kBed, "PodlePripony", s.podlePripony);
    s.pomListaL = ini.ReadBool(kBed, "pomListaL", s.pomListaL);
    s.zalamovani = ini.ReadBool(kBed, "zalamovani", s.zalamovani);
    s.implicitniKodovani = ini.ReadInteger(kBed, "implicitniKodovani", s.implicitniKodovani);
    s.escKonci = ini.ReadBool(kBed, "escKonci", s.escKonci);
    s.autoZalam = ini.ReadBool(kBed, "autoZalam", s.autoZalam);
    s.ukazHraniciZlomu = ini.ReadBool(kBed, "ukazHraniciZlomu", s.ukazHraniciZlomu);
    // A width no wrap can use is taken like a value that is not a number.
    const int width = ini.ReadInteger(kBed, "hraniceZlomu", s.hraniceZlomu);
    if (IsWrapWidth(width)) s.hraniceZlomu = width;
    s.kontrolaPravopisu = ini.ReadBool(kBed, "kontrolaPravopisu", s.kontrolaPravopisu);
    for (int k = 1; k <= 5; ++k) {
        TSouborMenu& r = s.recent[k - 1];
        r.name = ini.ReadString(RecentSection(k), "jmeno", "");
        r.x = ini.ReadInteger(RecentSection(k), "x", 0);
        r.y = ini.ReadInteger(RecentSection(k), "y", 0);
    }
    return s;
}

void WriteSettings(TIniFile& ini, const TBedSettings& s) {
    ini.WriteInteger(kBed, "vyska", s.vyska);
    ini.WriteInteger(kBed, "sirka", s.sirka);
    ini.WriteInteger(kBed, "y", s.y);
    ini.WriteInteger(kBed, "x", s.x);
    ini.WriteInteger(kBed, "hraniceZlomu", s.hraniceZlomu);
    ini.WriteString(kBed, "font", s.font);
    ini.WriteInteger(kBed, "fontCharset", s.fontCharset);
    ini.WriteString(kBed, "ukladaciCesta", s.ukladaciCesta);
    ini.WriteString(kBed, "nahravaciCesta", s.nahravaciCesta);
    ini.WriteInteger(kBed, "filterIndex", s.filterIndex);
    ini.WriteInteger(kBed, "velikostFontu", s.velikostFontu);
    ini.WriteInteger(kBed, "barvaFontu", s.barvaFontu);
    ini.WriteBool(kBed, "podlePripony", s.podlePripony);
    ini.WriteBool(kBed, "pomListaL", s.pomListaL);
    ini.WriteBool(kBed, "autokodovani", s.autokodovani);
    ini.WriteBool(kBed, "rozpoznatKodovani", s.rozpoznatKodovani);
    ini.WriteBool(kBed, "zalamovani", s.zalamovani);
    ini.WriteBool(kBed, "ukazHraniciZlomu", s.ukazHraniciZlomu);
    ini.WriteBool(kBed, "escKonci", s.escKonci);
    ini.WriteBool(kBed, "panelV", s.panelV);
    ini.WriteBool(kBed, "autoZalam", s.autoZalam);
    ini.WriteInteger(kBed, "implicitniKodovani", s.implicitniKodovani);
    ini.WriteBool(kBed, "kontrolaPravopisu", s.kontrolaPravopisu);
    for (int k = 1; k <= 5; ++k) {
        const TSouborMenu& r = s.recent[k - 1];
        ini.WriteString(RecentSection(k), "jmeno", r.name);
        ini.WriteInteger(RecentSection(k), "x", r.x);
        ini.WriteInteger(RecentSection(k), "y", r.y);
    }
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
