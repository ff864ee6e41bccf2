// The choice between a window and a batch run, made before anything of Qt is loaded.
#include "DisplayChoice.h"

#include <gtest/gtest.h>

#include <map>

namespace {

bool Display(std::map<std::string, std::string> env, std::vector<const char*> args = {}) {
    args.insert(args.begin(), "bed");
    return HasDisplay(int(args.size()), args.data(), [&](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    });
}

}  // namespace

TEST(DisplayChoice, APlatformThatDrawsNowhereMeansABatchRun) {
    EXPECT_FALSE(Display({}));
    EXPECT_FALSE(Display({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}));
    EXPECT_TRUE(Display({{"DISPLAY", ":0"}}));
    EXPECT_TRUE(Display({{"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_FALSE(Display({{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "offscreen"}}));
    EXPECT_FALSE(Display({{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "minimal:enable_fonts"}}));
    EXPECT_TRUE(Display({{"QT_QPA_PLATFORM", "xcb"}}));
    EXPECT_TRUE(Display({{"QT_QPA_PLATFORM", "wayland;offscreen"}}));
    // The parameter outweighs the environment, as in Qt.
    EXPECT_FALSE(Display({{"DISPLAY", ":0"}}, {"a.txt", "-platform", "offscreen"}));
    EXPECT_TRUE(Display({{"QT_QPA_PLATFORM", "offscreen"}}, {"--platform", "xcb"}));
}

TEST(DisplayChoice, TheParametersLeaveOutThePlatformOption) {
    const char* argv[] = {"bed", "a.txt", "-platform", "offscreen", "K=W", "-platform"};
    EXPECT_EQ(CommandLineParams(6, argv), (std::vector<std::string>{"a.txt", "K=W", "-platform"}));
}
