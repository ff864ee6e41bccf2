#pragma once
// Where the system's dictionaries are, and the Czech one among them. Qt-free.
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TBedDictionaryFiles {
    std::string aff;
    std::string dic;
};

// Hunspell's own search order: $DICPATH (colon-separated), the user's and the system's data
// folders ($XDG_DATA_HOME, $XDG_DATA_DIRS) with hunspell/ and myspell/.
std::vector<std::string> BedDictionaryDirectories(const std::function<const char*(const char*)>& getenv);

// The first folder holding both files of the language, e.g. cs_CZ.aff and cs_CZ.dic.
std::optional<TBedDictionaryFiles> BedFindDictionary(const std::vector<std::string>& dirs,
                                                     const std::string& language = "cs_CZ");

// Why spelling can't be checked, for the user, when no Czech dictionary is installed.
inline constexpr const char* kBedNoDictionaryReason =
    "Kontrola pravopisu není k dispozici: chybí český slovník (balíček hunspell-cs).";
