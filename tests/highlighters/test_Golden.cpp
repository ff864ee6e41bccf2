// Every built highlighter of the main window against the samples in its own folder,
// tests/data/highlighters/<the instance's name without "hl_", in lower case>/.
#include "BedHighlighterList.h"
#include "General.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSamples = fs::path(BED_TEST_DATA) / "highlighters";

std::string FolderOf(const TBedMainWindowHighlighter& hl) {
    std::string folder = std::string(hl.instance->name).substr(3);
    for (char& c : folder)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folder;
}

// The samples of a folder: every file but the expected tokens and the review copies.
std::vector<std::string> SamplesIn(const std::string& folder) {
    std::vector<std::string> samples;
    if (!fs::is_directory(kSamples / folder)) return samples;
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples / folder)) {
        const std::string ext = e.path().extension().string();
        if (e.is_regular_file() && ext != ".tokens" && ext != ".new")
            samples.push_back(folder + "/" + e.path().filename().string());
    }
    std::sort(samples.begin(), samples.end());
    return samples;
}

std::vector<TBedMainWindowHighlighter> BuiltInstances() {
    std::vector<TBedMainWindowHighlighter> built;
    for (const TBedMainWindowHighlighter& hl : BedMainWindowHighlighters())
        if (hl.language->create) built.push_back(hl);
    return built;
}

}  // namespace

// Failures name the instance rather than its bytes.
void PrintTo(const TBedMainWindowHighlighter& hl, std::ostream* os) { *os << hl.instance->name; }

namespace {

class Golden : public testing::TestWithParam<TBedMainWindowHighlighter> {};

}  // namespace

TEST_P(Golden, SamplesOfTheInstance) {
    const std::vector<std::string> samples = SamplesIn(FolderOf(GetParam()));
    ASSERT_FALSE(samples.empty()) << GetParam().instance->name << " has no samples in "
                                  << (kSamples / FolderOf(GetParam())).string();
    const auto hl = BedCreateInstance(*GetParam().language, *GetParam().instance);
    for (const std::string& sample : samples) CheckGolden(*hl, sample);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Golden, testing::ValuesIn(BuiltInstances()),
                         [](const auto& info) { return FolderOf(info.param); });

// A misnamed folder would silently never be scanned.
TEST(GoldenFolders, EachBelongsToAnInstance) {
    std::set<std::string> known = {"general"};
    for (const TBedMainWindowHighlighter& hl : BedMainWindowHighlighters()) known.insert(FolderOf(hl));
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples))
        EXPECT_TRUE(!e.is_directory() || known.count(e.path().filename().string())) << e.path().string();
}

TEST(GoldenFolders, GeneralWithEveryCommentStyle) {
    TGeneralHighlighter hl;
    hl.SetComments(csAnsiStyle | csPasStyle | csCStyle | csAsmStyle);
    hl.SetDetectPreprocessor(true);
    hl.SetKeyWords({"begin", "end", "if", "then", "procedure", "asm", "mov"});
    // A Pascal text exercises all three block comments.
    CheckGolden(hl, "pas/sample.pas", "general/sample.pas");
}
