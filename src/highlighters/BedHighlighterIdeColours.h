#pragma once
// Taking a highlighter's colours from an installed IDE's colour scheme in the settings store.
#include "BedHighlighter.h"

#include <string>
#include <utility>
#include <vector>

struct TBedIdeColourScheme {
    std::string versionsKey;     // under the local-machine root; its subkeys are the versions
    std::string oldFormatLeads;  // first characters of the version names of the old format
    std::string oldKeyPrefix;    // key = prefix + version + "\Highlight"
    std::string newKeyPrefix;    // key = prefix + version + "\Editor\Highlight"
};

// The version names, empty when the versions key does not open.
std::vector<std::string> BedListIdeVersions(TBedSettingsStore& store, const TBedIdeColourScheme& scheme);

// Loads each (attribute, IDE entry name) in order under the current-user root, stopping at the
// first failure; on failure every attribute gets its previous values back. False also for an
// index outside the version list.
bool BedApplyIdeColours(TBedSettingsStore& store, const TBedIdeColourScheme& scheme, int index,
                        const std::vector<std::pair<TBedHighlighterAttributes*, std::string>>& entries);
