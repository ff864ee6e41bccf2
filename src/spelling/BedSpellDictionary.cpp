#include "BedSpellDictionary.h"

#include "XdgDirs.h"

#include <sys/stat.h>

namespace {

void AddList(const char* list, const std::string& suffix, std::vector<std::string>& dirs) {
    std::string rest = list ? list : "";
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string dir = rest.substr(0, colon);
        if (!dir.empty()) dirs.push_back(dir + suffix);
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
    }
}

bool IsFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::vector<std::string> BedDictionaryDirectories(const std::function<const char*(const char*)>& getenv) {
    std::vector<std::string> dirs;
    AddList(getenv("DICPATH"), "", dirs);
    std::vector<std::string> data;
    const std::string dataHome = XdgDirsFromEnvironment(getenv).dataHome;
    if (!dataHome.empty()) data.push_back(dataHome);
    const char* dataDirs = getenv("XDG_DATA_DIRS");
    AddList(dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share", "", data);
    for (const std::string& d : data) {
        dirs.push_back(d + "/hunspell");
        dirs.push_back(d + "/myspell");
    }
    return dirs;
}

std::optional<TBedDictionaryFiles> BedFindDictionary(const std::vector<std::string>& dirs,
                                                     const std::string& language) {
    for (const std::string& dir : dirs) {
        TBedDictionaryFiles f{dir + "/" + language + ".aff", dir + "/" + language + ".dic"};
        if (IsFile(f.aff) && IsFile(f.dic)) return f;
    }
    return std::nullopt;
}
