// File names as bytes through Qt's text: every byte value comes back, and a name the file
// dialog shows with U+FFFD is found on disk.
#include "FilePathText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

TEST(FilePathText, EveryNameComesBackByteForByte) {
    std::string everyByte;
    for (int b = 1; b < 256; ++b) everyByte += char(b);
    for (const std::string& name :
         {everyByte, std::string("/home/jan/Dokumenty/dopis-\xE8\xED.txt"), std::string("řádky \xF0\x9F\x98\x80.txt"),
          std::string("\xED\xA0\x80"), std::string("\xC0\xAF\xF4\x90\x80\x80")})
        EXPECT_EQ(PathBytes(PathText(name)), name);
    EXPECT_EQ(PathText("řádky.txt"), QString::fromUtf8("řádky.txt"));
}

TEST(FilePathText, TheDialogsReplacementCharactersAreLookedUpOnDisk) {
    char tmpl[] = "/tmp/bedpathsXXXXXX";
    const std::string dir = ::mkdtemp(tmpl);
    const std::string raw = dir +
                            "/sl\xE8"
                            "ek/dopis-\xE8\xED.txt";
    std::filesystem::create_directory(dir +
                                      "/sl\xE8"
                                      "ek");
    std::ofstream(raw) << "x";
    const QString shown = QString::fromStdString(dir) + QString::fromUtf8("/sl\uFFFDek/dopis-\uFFFD\uFFFD.txt");
    EXPECT_EQ(PathBytes(DiskPathFromDialog(shown)), raw);
    EXPECT_EQ(DiskPathFromDialog(QString::fromUtf8("/tmp/nový.txt")), QString::fromUtf8("/tmp/nový.txt"));
    std::filesystem::remove_all(dir);
}
