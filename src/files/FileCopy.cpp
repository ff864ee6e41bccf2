#include "FileCopy.h"

#include "FileChecksum.h"
#include "SystemCalls.h"

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <sys/xattr.h>
#include <unistd.h>

bool CopyFileBytes(int from, int to, TBedChecksum* sum) {
    constexpr size_t kChunk = size_t(1) << 20;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunk);
    off_t offset = 0;
    for (;;) {
        const ssize_t got = sys::PRead(from, buffer.get(), kChunk, offset);
        if (got < 0) return false;
        if (got == 0) break;
        if (sum) sum->Add(std::string_view(buffer.get(), size_t(got)));
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = sys::PWrite(to, buffer.get() + done, size_t(got - done), offset + done);
            if (put < 0) return false;
            if (put == 0) {
                errno = ENOSPC;
                return false;
            }
            done += put;
        }
        offset += got;
    }
    return sys::Ftruncate(to, offset) == 0 && sys::Sync(to) == 0;
}

bool CopyExtendedAttributes(int from, int to) {
    const ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size <= 0) return true;
    std::vector<char> names(static_cast<size_t>(size));
    const ssize_t got = ::flistxattr(from, names.data(), names.size());
    if (got <= 0) return true;
    bool allKept = true;
    std::vector<char> value;
    for (size_t at = 0; at < size_t(got);) {
        const std::string name = names.data() + at;
        at += name.size() + 1;
        const ssize_t length = ::fgetxattr(from, name.c_str(), nullptr, 0);
        if (length < 0) continue;
        value.resize(size_t(length));
        const ssize_t read = ::fgetxattr(from, name.c_str(), value.data(), value.size());
        if (read < 0) continue;
        if (sys::Fsetxattr(to, name.c_str(), value.data(), size_t(read)) == 0) continue;
        // Names only a privileged user may set (security.*, trusted.*) are not the user's to keep.
        if (name.starts_with("user.") || name.starts_with("system.")) allKept = false;
    }
    return allKept;
}
