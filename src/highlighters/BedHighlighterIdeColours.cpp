#include "BedHighlighterIdeColours.h"

#include <algorithm>
#include <memory>

std::vector<std::string> BedListIdeVersions(TBedSettingsStore& store, const TBedIdeColourScheme& scheme) {
    store.SetRootKey(TBedRootKey::LocalMachine);
    if (!store.OpenKeyReadOnly(scheme.versionsKey)) return {};
    return store.SubKeys();
}

bool BedApplyIdeColours(TBedSettingsStore& store, const TBedIdeColourScheme& scheme, int index,
                        const std::vector<std::pair<TBedHighlighterAttributes*, std::string>>& entries) {
    const std::vector<std::string> versions = BedListIdeVersions(store, scheme);
    if (index < 0 || index >= static_cast<int>(versions.size())) return false;
    const std::string& version = versions[static_cast<size_t>(index)];
    const bool oldFormat = !version.empty() && scheme.oldFormatLeads.find(version[0]) != std::string::npos;
    const std::string key = oldFormat ? scheme.oldKeyPrefix + version + "\\Highlight"
                                      : scheme.newKeyPrefix + version + "\\Editor\\Highlight";

    std::vector<std::pair<TBedHighlighterAttributes*, std::unique_ptr<TBedHighlighterAttributes>>> saved;
    for (const auto& [attr, name] : entries) {
        if (std::none_of(saved.begin(), saved.end(), [a = attr](const auto& s) { return s.first == a; })) {
            auto copy = std::make_unique<TBedHighlighterAttributes>(attr->Name());
            copy->Assign(attr);
            saved.emplace_back(attr, std::move(copy));
        }
    }
    for (const auto& [attr, name] : entries) {
        std::string valueName = name;
        if (oldFormat) std::replace(valueName.begin(), valueName.end(), ' ', '_');
        if (!attr->LoadFromIdeRegistry(store, TBedRootKey::CurrentUser, key, oldFormat, valueName)) {
            for (const auto& [target, copy] : saved) target->Assign(copy.get());
            return false;
        }
    }
    return true;
}
