#include "HelpTexts.h"
#include "Installation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(HelpTexts, EachFileHasItsWindowAndCommandLine) {
    const struct {
        const char* file;
        const char* size;
    } kExpected[] = {{"HELP.TXT", "S=490"}, {"BED_VER.TXT", "S=490"}, {"BED_FAQ.TXT", "S=525"}, {"OPROG.TXT", "S=470"}};
    for (const auto& e : kExpected) {
        const THelpText* help = FindHelpText(e.file);
        ASSERT_NE(help, nullptr) << e.file;
        EXPECT_EQ(HelpWindowArguments("/usr/share/bed/" + std::string(e.file), *help),
                  (std::vector<std::string>{"/usr/share/bed/" + std::string(e.file), "^=1", e.size, "V=500", "C=R"}));
    }
    EXPECT_EQ(FindHelpText("help.txt"), nullptr);
    EXPECT_STREQ(kHelpTexts[0].caption, "Nápověda k Brousek Editoru");
}

TEST(HelpTexts, DataFilesAreFoundBesideTheProgramThenInTheInstalledLayout) {
    EXPECT_EQ(DataFileCandidates("/usr/bin/", "HELP.TXT"),
              (std::vector<std::string>{"/usr/bin/HELP.TXT", "/usr/share/bed/HELP.TXT"}));
    const auto root = std::filesystem::temp_directory_path() / "bed-test-layout";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root / "share/bed");
    const std::string bin = (root / "bin").string() + "/";
    EXPECT_EQ(FindDataFile(bin, "HELP.TXT"), "");
    std::ofstream(root / "share/bed/HELP.TXT") << "x";
    EXPECT_EQ(FindDataFile(bin, "HELP.TXT"), (root / "share/bed/HELP.TXT").string());
    std::ofstream(root / "bin/HELP.TXT") << "x";
    EXPECT_EQ(FindDataFile(bin, "HELP.TXT"), bin + "HELP.TXT");
    std::filesystem::create_directories(root / "bin/OPROG.TXT");  // a folder is no help text
    EXPECT_EQ(FindDataFile(bin, "OPROG.TXT"), "");

    // The icon: its themed name once installed, else the file beside the program.
    EXPECT_EQ(DesktopIconValue(bin), kBedAppId);
    std::ofstream(root / ("bin/" + std::string(kBedAppId) + ".svg")) << "x";
    EXPECT_EQ(DesktopIconValue(bin), bin + kBedAppId + ".svg");
    std::filesystem::create_directories(root / "share/icons/hicolor/scalable/apps");
    std::ofstream(root / ("share/icons/hicolor/scalable/apps/" + std::string(kBedAppId) + ".svg")) << "x";
    EXPECT_EQ(DesktopIconValue(bin), kBedAppId);
    std::filesystem::remove_all(root);
}
