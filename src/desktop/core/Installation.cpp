#include "Installation.h"

#include <filesystem>

// The build passes the install layout, so it is stated once, in CMakeLists.txt.
const char* const kBedAppId = BED_APP_ID;

namespace {

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string Normal(const std::string& path) { return std::filesystem::path(path).lexically_normal().string(); }

}  // namespace

std::vector<std::string> DataFileCandidates(const std::string& programDir, const std::string& file) {
    return {programDir + file, Normal(programDir + BED_DATA_FROM_BIN "/" + file)};
}

std::string FindDataFile(const std::string& programDir, const std::string& file) {
    for (const std::string& candidate : DataFileCandidates(programDir, file))
        if (IsRegularFile(candidate)) return candidate;
    return {};
}

std::string DesktopIconValue(const std::string& programDir) {
    const std::string file = std::string(kBedAppId) + ".svg";
    if (IsRegularFile(Normal(programDir + BED_ICON_FROM_BIN "/" + file))) return kBedAppId;
    if (IsRegularFile(programDir + file)) return programDir + file;
    return kBedAppId;
}
