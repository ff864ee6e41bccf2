#pragma once
// A big block of text or of line records is filled right after it is allocated. Backed by huge
// pages where the system offers them (on request), filling it costs a fraction of the page
// faults: loading 100 MB then spends its time on the text, not on the memory. Qt-free, POSIX.
#include <cstddef>

// Asks for huge pages for [data, data + size) when it is large enough to gain; a hint, without
// effect where the system has none.
void AdviseHugePages(void* data, std::size_t size);
