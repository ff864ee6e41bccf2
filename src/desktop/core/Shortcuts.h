#pragma once
// Shortcuts to the editor: desktop entries in the application menu ("Start"), on the desktop and
// in the "Open With" list ("Odeslat"), with their names and the file names they are saved as.
// Qt-free.
#include "XdgDirs.h"

#include <string>
#include <vector>

enum class TShortcutPlace { SendTo, StartMenu, Desktop };

// "do Brousek editoru" for "Odeslat", "Brousek Editor" for the menu and the desktop.
std::string ShortcutName(TShortcutPlace place);

// The folder of the place; a place without a folder of its own falls back to the desktop.
// Empty when neither is known.
std::string ShortcutFolder(TShortcutPlace place, const TXdgDirs& dirs);

// The name with every "/" replaced by "-" and its extension (if it has one) removed.
std::string ShortcutBaseName(const std::string& name);

// The files tried in turn: "NAME.desktop", then "NAME (1).desktop" and "NAME (2).desktop" when
// the save before failed.
std::vector<std::string> ShortcutFileCandidates(const std::string& folder, const std::string& name);
