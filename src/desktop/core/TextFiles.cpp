#include "TextFiles.h"

#include "BedEditFiles.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

std::optional<std::string> ReadTextFile(const std::string& fileName) {
    // Only a regular file: a folder fails to read and a FIFO would block.
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return std::nullopt;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return text;
}

std::string WriteTextFile(const std::string& fileName, const std::string& text) {
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) return "Složku nelze vytvořit: " + folder.string() + " (" + error.message() + ")";
    try {
        TBedEditFileWriter writer(fileName);
        writer.Write(text);
        writer.Commit();
    } catch (const EBedFileError& e) {
        return e.what();
    }
    return {};
}
