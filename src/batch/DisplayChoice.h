#pragma once
// Whether a run has a screen a person could see, decided before anything of Qt's GUI is loaded,
// as Qt would decide it: by the platform "-platform NAME" among the parameters names, else
// QT_QPA_PLATFORM, else by a display named in DISPLAY or WAYLAND_DISPLAY. The platforms
// "offscreen" and "minimal" (the tests' and a script's) draw nowhere. Qt-free.
#include "XdgDirs.h"

#include <string>
#include <vector>

bool HasDisplay(int argc, const char* const* argv, const TGetEnv& getEnv);

// The parameters after the program's name, without "-platform NAME": those the window would
// have been given once Qt took its own options out.
std::vector<std::string> CommandLineParams(int argc, const char* const* argv);
