#pragma once
// A big block of text or of line records is filled right after it is allocated. Backed by huge
// pages where the system offers them (on request), filling it costs a fraction of the page
// faults: loading 100 MB then spends its time on the text, not on the memory. Qt-free, POSIX.
#include <cstddef>
#include <cstdint>

// Asks for huge pages for [data, data + size) when it is large enough to gain; a hint, without
// effect where the system has none.
void AdviseHugePages(void* data, std::size_t size);

// The memory this process may still take without the system swapping or refusing it: the
// system's available memory, within this process's own limits.
uint64_t AvailableMemoryBytes();
