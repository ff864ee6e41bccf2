#include "BedEditFileCopy.h"

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

bool CopyFileBytes(int from, int to) {
    constexpr size_t kChunk = size_t(1) << 20;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunk);
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(from, buffer.get(), kChunk, offset);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::pwrite(to, buffer.get() + done, size_t(got - done), offset + done);
            if (put < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            done += put;
        }
        offset += got;
    }
    return ::ftruncate(to, offset) == 0 && ::fsync(to) == 0;
}

void CopyExtendedAttributes(const char* from, int to) {
    const ssize_t size = ::listxattr(from, nullptr, 0);
    if (size <= 0) return;
    std::vector<char> names(static_cast<size_t>(size));
    const ssize_t got = ::listxattr(from, names.data(), names.size());
    if (got <= 0) return;
    std::vector<char> value;
    for (size_t at = 0; at < size_t(got);) {
        const char* name = names.data() + at;
        at += std::char_traits<char>::length(name) + 1;
        const ssize_t length = ::getxattr(from, name, nullptr, 0);
        if (length < 0) continue;
        value.resize(size_t(length));
        const ssize_t read = ::getxattr(from, name, value.data(), value.size());
        // Some names only a privileged user may set (security.*, trusted.*): those are left.
        if (read >= 0) ::fsetxattr(to, name, value.data(), size_t(read), 0);
    }
}
