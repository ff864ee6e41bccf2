#include "FileAccess.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> WhyNotWritable(const std::string& fileName) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) return std::nullopt;
    if (::access(fileName.c_str(), W_OK) != 0) {
        switch (errno) {
            case EACCES:
            case EPERM: return "nemáte právo do něj zapisovat";
            case EROFS: return "leží na disku připojeném jen pro čtení";
            case ETXTBSY: return "právě běží jako program";
            default: return std::strerror(errno);
        }
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return "je jen pro čtení (nikdo do něj nemá právo zapisovat)";
    return std::nullopt;
}
