#pragma once
// Where the open and save dialogs start before any folder is remembered. Qt-free.
#include <string>

// The working directory of a program started from a terminal (the user is "in" a folder there);
// else, started from a menu or a launcher, the home folder, not the program's own folder. With
// a trailing slash.
std::string DefaultDocumentDirectory(bool fromTerminal);
// Whether one of the standard streams is a terminal.
bool StartedFromTerminal();
