#pragma once
// Desktop entries (.desktop files) written by the editor: launchers, the "Open With" entry and
// the entry that opens associated files. Quoting and escaping follow the Desktop Entry rules so
// that any program path survives. Qt-free.
#include <string>
#include <vector>

struct TDesktopEntry {
    std::string name;
    std::string genericName;
    std::string comment;
    std::vector<std::string> exec;  // the program and its arguments, field codes such as %f included
    std::string path;               // working directory; empty: none
    std::string icon;
    std::vector<std::string> mimeTypes;
    std::vector<std::string> categories;
    bool noDisplay = false;  // kept out of the application menu
};

// One argument of an Exec key: quoted when it holds a reserved character, with '"', '`', '$'
// and '\' escaped inside the quotes and every '%' doubled. A field code ("%f") is passed as is.
std::string DesktopExecArgument(const std::string& argument);

// The escaping of a string value: '\' doubled, newline, tab and CR written as \n, \t, \r, and a
// leading blank as \s.
std::string DesktopStringValue(const std::string& value);

// The whole file, group "[Desktop Entry]" of type Application.
std::string DesktopEntryText(const TDesktopEntry& entry);

// The types of the MimeType key of an existing entry's text (empty when there is none).
std::vector<std::string> DesktopEntryMimeTypes(const std::string& text);
