#pragma once
// What the tests of loading and writing documents share: a private directory, a scripted T602
// prompt, and the lines of a list.
#include "BedEditStringList.h"
#include "BedTextCp1250.h"
#include "T602Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "beddoc.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Make(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Contents(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir_;
};

// Answers the T602 prompt and counts how often it was asked.
struct Asker {
    TBedT602Mode answer;
    int asked = 0;
    T602Session::AskUser operator()() {
        return [this] {
            ++asked;
            return answer;
        };
    }
};

inline std::vector<std::string> Lines(const TBedEditStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

// Readable CP 1250 text.
inline std::string Cp(std::u32string_view text) {
    std::string bytes;
    for (char32_t c : text) bytes += static_cast<char>(UnicodeToCp1250(c));
    return bytes;
}
