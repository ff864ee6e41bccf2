#pragma once
// Whether the desktop asks programs for dark colours, where the toolkit's own palette doesn't
// tell: GTK's theme variable and GTK's settings, as GNOME, Xfce and Cinnamon write them. Qt-free.
#include "XdgDirs.h"

#include <functional>
#include <string>

// Reads a whole file; empty when there is none.
using TReadFile = std::function<std::string(const std::string&)>;

bool DesktopPrefersDark(const TGetEnv& getenv, const TReadFile& readFile);
