#pragma once
// The settings kept in bed.ini between runs, with their defaults, read and written in the order
// of the file. Qt-free.
#include "BedTextColors.h"

#include <array>
#include <string>

class TIniFile;

// One recent file of the Soubor menu: name and the caret where the user left it.
struct TSouborMenu {
    std::string name;
    int x = 0;
    int y = 0;
};

struct TBedSettings {
    int vyska = 516;     // window height
    int sirka = 518;     // window width
    int y = 20;          // window top
    int x = 20;          // window left
    bool panelV = true;  // tool panel visible
    std::string font = "Courier New";
    int velikostFontu = 10;  // points
    int fontCharset = 1;
    TColor barvaFontu = clWindowText;  // text colour: an RGB value, or the desktop's text colour
    bool autokodovani = true;          // code page chosen by the file name's extension
    bool rozpoznatKodovani = true;     // and, where the name doesn't tell, by the file's content
    std::string ukladaciCesta;         // save directory
    std::string nahravaciCesta;        // load directory
    int filterIndex = 1;
    bool podlePripony = true;    // highlighter chosen by the file name's extension
    bool pomListaL = false;      // gutter visible
    bool zalamovani = false;     // wrap on load
    int implicitniKodovani = 4;  // default code page
    bool escKonci = true;        // Esc quits
    bool autoZalam = true;       // wrap while typing
    bool ukazHraniciZlomu = false;
    int hraniceZlomu = 80;           // right edge / wrap width
    bool kontrolaPravopisu = false;  // spelling checked
    std::array<TSouborMenu, 5> recent;
    // For this run only, not in bed.ini:
    bool tiskSeZvyraznenim = true;  // "Tisknout i se zvýrazněním"
    bool prehoditYZ = false;        // "Přehodit y a z": typed y and z swap
};

// Reads section "bed" and "soubor1".."soubor5"; the directories default to
// DefaultDocumentDirectory (DocumentDirectory.h).
TBedSettings ReadSettings(const TIniFile& ini);
void WriteSettings(TIniFile& ini, const TBedSettings& s);

// The directory of bed.ini, always ending with a slash: the program directory when it is this
// user's (theirs, writable, without another user's bed.ini), else $XDG_CONFIG_HOME/bed/; key
// "cesta" of a bedpath.ini in the program directory (the user's own or root's) names another
// ("." or empty: the one just said).
std::string SettingsDirectory(const std::string& programDir);
