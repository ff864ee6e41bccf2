#include "Associations.h"

#include "DesktopEntry.h"
#include "MimeApps.h"
#include "MimePackage.h"
#include "Shortcuts.h"
#include "TextFiles.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

bool IsExtensionCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '+' ||
           c == '-';
}

void AddUnique(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

void Report(std::vector<std::string>& messages, const std::string& error) {
    if (!error.empty()) messages.push_back(error);
}

// A file that is there but can't be read is left as it is: writing it anew would lose what it
// holds (the user's other associations, say).
std::optional<std::string> ReadToUpdate(const std::string& file, std::vector<std::string>& messages) {
    std::string reason;
    std::optional<std::string> text = ReadTextFile(file, &reason);
    if (!text)
        messages.push_back("Soubor " + file + " nelze přečíst (" + reason +
                           "), a proto zůstává, jak je: jeho přepsáním by se ztratilo, co v něm je.");
    return text;
}

TDesktopEntry EditorEntry(const TAssociationTarget& target, const std::string& name) {
    TDesktopEntry entry;
    entry.name = name;
    entry.genericName = "Textový editor";
    entry.comment = "Textový editor pro práci s čistým textem";
    entry.exec = {target.program, "%f"};
    entry.path = target.programDir;
    entry.icon = target.icon;
    entry.categories = {"Utility", "TextEditor"};
    return entry;
}

// The MIME package gains the extensions the database did not know, and the database is rebuilt.
void AddOwnTypes(const std::vector<std::string>& extensions, const TXdgDirs& dirs, TAssociationHost& host,
                 std::vector<std::string>& messages) {
    const std::string mimeDir = dirs.dataHome + "/mime";
    const std::string packageFile = mimeDir + "/packages/" + kMimePackageFile;
    const std::optional<std::string> package = ReadToUpdate(packageFile, messages);
    if (!package) return;
    std::vector<std::string> all = MimePackageExtensions(*package);
    all.insert(all.end(), extensions.begin(), extensions.end());
    const std::string error = WriteTextFile(packageFile, MimePackageText(all));
    Report(messages, error);
    if (error.empty()) Report(messages, host.RunTool("update-mime-database", {mimeDir}));
}

void RegisterExtensions(const std::vector<std::string>& extensions, const TAssociationTarget& target,
                        TAssociationHost& host, std::vector<std::string>& messages) {
    const TXdgDirs& dirs = target.dirs;
    if (dirs.dataHome.empty() || dirs.configHome.empty()) {
        messages.push_back(
            "Nelze určit, kam zapsat asociace: není nastavena proměnná HOME ani XDG_DATA_HOME a "
            "XDG_CONFIG_HOME.");
        return;
    }
    std::vector<std::string> types;
    std::vector<std::string> unknown;
    for (const std::string& extension : extensions) {
        std::string type = host.KnownMimeType(extension);
        if (type.empty()) {
            type = OwnMimeType(extension);
            unknown.push_back(extension);
        }
        AddUnique(types, type);
    }
    if (!unknown.empty()) AddOwnTypes(unknown, dirs, host, messages);

    // The entry keeps the types of earlier associations.
    const std::string entryFile = dirs.Applications() + "/" + kAssociationDesktopId;
    TDesktopEntry entry = EditorEntry(target, "Brousek editor");
    entry.noDisplay = true;
    if (const std::optional<std::string> old = ReadToUpdate(entryFile, messages)) {
        entry.mimeTypes = DesktopEntryMimeTypes(*old);
        for (const std::string& type : types) AddUnique(entry.mimeTypes, type);
        Report(messages, WriteTextFile(entryFile, DesktopEntryText(entry)));
    }

    const std::string mimeApps = dirs.configHome + "/mimeapps.list";
    if (std::optional<std::string> text = ReadToUpdate(mimeApps, messages)) {
        for (const std::string& type : types) *text = SetDefaultApplication(*text, type, kAssociationDesktopId);
        Report(messages, WriteTextFile(mimeApps, *text));
    }
    Report(messages, host.RunTool("update-desktop-database", {dirs.Applications()}));
}

TDesktopEntry ShortcutEntry(TShortcutPlace place, const TAssociationTarget& target) {
    TDesktopEntry entry = EditorEntry(target, ShortcutName(place));
    if (place == TShortcutPlace::SendTo) {
        // Offered under "Open With" for every file, kept out of the menu.
        entry.mimeTypes = {"application/octet-stream", "text/plain"};
        entry.noDisplay = true;
    }
    return entry;
}

// An existing file of the same name is replaced; the numbered names are tried only after a
// failed save.
void CreateShortcut(TShortcutPlace place, const TAssociationTarget& target, std::vector<std::string>& messages) {
    const std::string folder = ShortcutFolder(place, target.dirs);
    if (folder.empty()) {
        messages.push_back("Could not determine where to create new shortcut!");
        return;
    }
    const std::string text = DesktopEntryText(ShortcutEntry(place, target));
    for (const std::string& file : ShortcutFileCandidates(folder, ShortcutName(place))) {
        if (!WriteTextFile(file, text).empty()) continue;
        // A launcher on the desktop must be executable to be started from there.
        if (place == TShortcutPlace::Desktop && ::chmod(file.c_str(), 0755) != 0) continue;
        return;
    }
    messages.push_back("Could not create shortcut to " + target.program);
}

}  // namespace

namespace {

// Why a typed extension is refused, in Czech: the first character it may not hold.
std::string RefusalReason(const std::string& typed) {
    if (typed.empty()) return "Zadejte vlastní příponu, například .dopis, nebo zrušte její zaškrtnutí.";
    std::string reason = "Vlastní přípona „" + typed + "“ není platná";
    const size_t body = typed[0] == '.' ? 1 : 0;
    const auto bad = std::find_if_not(typed.begin() + std::ptrdiff_t(body), typed.end(), IsExtensionCharacter);
    if (bad == typed.end()) return reason + ": za tečkou chybí přípona.";
    if (*bad == ' ') return reason + ": obsahuje mezeru.";
    // The whole character, however many bytes of UTF-8 it takes.
    auto end = bad + 1;
    while (end != typed.end() && (uint8_t(*end) & 0xC0) == 0x80) ++end;
    return reason + ": obsahuje znak „" + std::string(bad, end) + "“.";
}

}  // namespace

std::optional<std::string> NormalizeExtension(const std::string& typed) {
    const std::string body = !typed.empty() && typed[0] == '.' ? typed.substr(1) : typed;
    if (body.empty() || !std::all_of(body.begin(), body.end(), IsExtensionCharacter)) return std::nullopt;
    return "." + body;
}

TAssociationOutcome RunAssociations(const TAssociationRequest& request, const TAssociationTarget& target,
                                    TAssociationHost& host) {
    TAssociationOutcome outcome;
    std::vector<std::string> extensions = request.extensions;
    std::sort(extensions.begin(), extensions.end());
    if (request.ownExtension) {
        const auto own = NormalizeExtension(request.ownExtensionText);
        if (!own) {
            outcome.refused = true;
            outcome.messages.push_back(
                RefusalReason(request.ownExtensionText) +
                " Přípona smí obsahovat jen písmena bez diakritiky, číslice a znaky _ + - (tečku na "
                "začátku můžete vynechat). Nic nebylo zapsáno.");
            return outcome;
        }
        AddUnique(extensions, *own);
    }
    if (!extensions.empty()) RegisterExtensions(extensions, target, host, outcome.messages);
    if (request.sendTo) CreateShortcut(TShortcutPlace::SendTo, target, outcome.messages);
    if (request.startMenu) CreateShortcut(TShortcutPlace::StartMenu, target, outcome.messages);
    if (request.desktop) CreateShortcut(TShortcutPlace::Desktop, target, outcome.messages);
    return outcome;
}
