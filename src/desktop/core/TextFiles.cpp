#include "TextFiles.h"

#include "FileReader.h"
#include "FileWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

std::optional<std::string> ReadTextFile(const std::string& fileName, std::string* reason) {
    const auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (reason) *reason = why;
        return std::nullopt;
    };
    struct stat st;
    if (::stat(fileName.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::string();
        return fail(FileErrorReason(errno));
    }
    // Only a regular file: a folder fails to read and a FIFO would block.
    if (!S_ISREG(st.st_mode)) return fail(NonRegularFileReason(st.st_mode));
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return fail(FileErrorReason(errno ? errno : EACCES));
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return fail(FileErrorReason(EIO));
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
