#include "FilePaths.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <random>

#include <sys/random.h>
#include <unistd.h>

std::string DirectoryPrefix(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FilePart(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AbsolutePath(const std::string& path) {
    if (path.starts_with('/')) return path;
    std::string cwd(PATH_MAX, '\0');
    if (!::getcwd(cwd.data(), cwd.size())) return path;
    cwd.resize(cwd.find('\0'));
    if (cwd.back() != '/') cwd += '/';
    return cwd + (path.starts_with("./") ? path.substr(2) : path);
}

std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return AbsolutePath(path);
    std::string resolved = real;
    std::free(real);
    return resolved;
}

std::string RandomNameSuffix() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, 0) != sizeof bits) bits = std::random_device()() * 0x9E3779B97F4A7C15ull;
    std::string suffix(6, 'x');
    for (char& c : suffix) {
        c = kLetters[bits % 62];
        bits /= 62;
    }
    return suffix;
}
