// The command line run on the document alone, in this process.
#include "BatchRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(BatchRun, AReplaceIsSavedAndKeepsNoUndoRecords) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("bed-batch-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "a.txt", std::ios::binary) << "Soubor a soubor\r\nsoubor\r\n";
    std::FILE* out = std::tmpfile();
    TBedHeadlessPrompts prompts(out);
    TBedBatchRun run(prompts, dir.string() + "/");
    run.Run({(dir / "a.txt").string(), "R=soubor,dokument"});
    EXPECT_EQ(ReadAll(dir / "a.txt"), "dokument a dokument\r\ndokument\r\n");
    // Nobody could undo what a run without a screen replaced: it records nothing for it.
    EXPECT_FALSE(run.Document().Editor().CanUndo());
    EXPECT_EQ(run.Finish(), 0);
    EXPECT_FALSE(prompts.ErrorShown());
    std::fclose(out);
    std::filesystem::remove_all(dir);
}
