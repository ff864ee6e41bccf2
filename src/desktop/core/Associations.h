#pragma once
// What the "Asociuj" dialog does on OK: makes the editor the program that opens files of the
// chosen extensions and places shortcuts to it, on freedesktop terms. Qt-free; the MIME database
// and the helper tools come from the host.
#include "XdgDirs.h"

#include <optional>
#include <string>
#include <vector>

// The desktop entry that opens associated files; it stays out of the application menu.
constexpr const char* kAssociationDesktopId = "BrousekEditorFile.desktop";

// What the user ticked.
struct TAssociationRequest {
    std::vector<std::string> extensions;  // ticked extensions of the dialog, with their dots
    bool ownExtension = false;
    std::string ownExtensionText;  // as typed
    bool sendTo = false;
    bool startMenu = false;
    bool desktop = false;
};

// The program being registered and where the user's files go.
struct TAssociationTarget {
    std::string program;     // the executable's full path
    std::string programDir;  // ends with "/"
    std::string icon;        // the Icon value of the entries
    TXdgDirs dirs;
};

class TAssociationHost {
public:
    virtual ~TAssociationHost() = default;
    // The type the MIME database gives files with this extension; empty when it knows none.
    virtual std::string KnownMimeType(const std::string& extension) = 0;
    // Runs a helper tool (update-mime-database…) when it is installed; the reason for the user
    // when it failed, else an empty text.
    virtual std::string RunTool(const std::string& tool, const std::vector<std::string>& arguments) = 0;
};

struct TAssociationOutcome {
    bool refused = false;               // the request was not acceptable: nothing was written
    std::vector<std::string> messages;  // for the user, one for each failure
};

// A typed extension made acceptable: letters a-z and A-Z, digits, "_", "+", "-", with one
// leading dot added when it was left out. nullopt for anything else (an empty text too).
std::optional<std::string> NormalizeExtension(const std::string& typed);

// Runs the ticked actions, each on its own: the extensions (the dialog's in alphabetical order,
// then the own one), then the shortcut for "Odeslat", the menu and the desktop.
TAssociationOutcome RunAssociations(const TAssociationRequest& request, const TAssociationTarget& target,
                                    TAssociationHost& host);
