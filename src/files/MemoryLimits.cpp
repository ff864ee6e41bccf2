#include "MemoryLimits.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include <sys/mman.h>
#include <sys/resource.h>

void AdviseHugePages(void* data, std::size_t size) {
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::size_t kWorthIt = std::size_t(8) << 20;
    if (size < kWorthIt) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kPage - 1);
    ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

uint64_t AvailableMemoryBytes() {
    uint64_t available = UINT64_MAX;
    if (std::FILE* meminfo = std::fopen("/proc/meminfo", "re")) {
        char line[256];
        unsigned long long kib = 0;
        while (std::fgets(line, sizeof line, meminfo))
            if (std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1) {
                available = uint64_t(kib) * 1024;
                break;
            }
        std::fclose(meminfo);
    }
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        struct rlimit limit;
        if (::getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
            available = std::min<uint64_t>(available, limit.rlim_cur);
    }
    return available;
}
