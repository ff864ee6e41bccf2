#pragma once
// The user's own directories in the state directory (the notes of saves, the journals of unsaved
// work): used only when they are theirs alone, so that nobody else can plant what the program
// would act on. Qt-free, POSIX.
#include "SystemCalls.h"

#include <string>

struct TBedPrivateDirectory {
    TBedFd fd;            // invalid: the directory can't be used
    std::string path;     // ends with a slash
    std::string problem;  // why a configured directory can't be used (Czech), empty otherwise
};

// Opens the directory `path` (made with its parents, private, when `make`), refusing one that is
// not this user's or that others may write; `what` names its use in the messages. A missing
// directory that was not to be made is no problem.
TBedPrivateDirectory OpenPrivateDirectory(const std::string& path, bool make, const std::string& what);
