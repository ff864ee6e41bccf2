#pragma once
// Where the program's own files lie: beside the executable in a build folder, or in the shared
// data folders of an installation (<prefix>/bin/bed, <prefix>/share/bed/…). Qt-free.
#include <string>
#include <vector>

// The application's identifier: the name of its desktop entry, icon and metainfo.
extern const char* const kBedAppId;
// The class of the editor's windows (WM_CLASS), which its launchers name as StartupWMClass so
// that docks group the windows with them; the application's name, which gives it.
inline constexpr const char* kBedWindowClass = "bed";

// The places a data file of the program may lie, most specific first. programDir ends with "/".
std::vector<std::string> DataFileCandidates(const std::string& programDir, const std::string& file);

// The first candidate that is a regular file; empty when there is none.
std::string FindDataFile(const std::string& programDir, const std::string& file);

// The Icon value of desktop entries written for this program: the themed name when the icon is
// installed, else the icon file beside the program.
std::string DesktopIconValue(const std::string& programDir);
