#pragma once
// Whether the user may write an existing file, asked when it is opened (to open it read-only)
// and before it is saved. Qt-free.
#include <optional>
#include <string>

// Why the file can't be written, in Czech (UTF-8), or nothing when it can or does not exist. A
// file without any write permission counts as read-only also for root, who could write it.
std::optional<std::string> WhyNotWritable(const std::string& fileName);
