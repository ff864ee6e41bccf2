#include "DisplayChoice.h"

#include <string_view>

namespace {

// "-platform" as Qt reads it, also written "--platform".
bool IsPlatformOption(std::string_view arg) { return arg == "-platform" || arg == "--platform"; }

}  // namespace

bool HasDisplay(int argc, const char* const* argv, const TGetEnv& getEnv) {
    const auto set = [&](const char* name) {
        const char* value = getEnv(name);
        return value && *value;
    };
    std::string platform = set("QT_QPA_PLATFORM") ? getEnv("QT_QPA_PLATFORM") : "";
    for (int i = 1; i + 1 < argc; ++i)
        if (IsPlatformOption(argv[i])) platform = argv[++i];
    if (platform.empty()) return set("DISPLAY") || set("WAYLAND_DISPLAY");
    // The first of the platforms to try, without its options ("offscreen:fontengine=freetype").
    platform = platform.substr(0, platform.find_first_of(";:"));
    return platform != "offscreen" && platform != "minimal";
}

std::vector<std::string> CommandLineParams(int argc, const char* const* argv) {
    std::vector<std::string> params;
    for (int i = 1; i < argc; ++i) {
        if (IsPlatformOption(argv[i]) && i + 1 < argc)
            ++i;
        else
            params.emplace_back(argv[i]);
    }
    return params;
}
