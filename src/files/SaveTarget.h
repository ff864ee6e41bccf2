#pragma once
// The file a save goes to, found once: the name made absolute, its symbolic links followed one
// at a time under the rules the kernel keeps for shared directories, its directory opened, and
// the file itself (when it exists) opened once. Every later step of the save works on these
// descriptors, so the names can't be swapped under it. Qt-free, POSIX.
#include "SystemCalls.h"

#include <string>

#include <sys/stat.h>

struct TBedSaveTarget {
    std::string path;  // absolute, links resolved
    std::string name;  // its last part
    TBedFd directory;
    struct stat directoryStat {};
    bool exists = false;
    struct stat st {};      // the target as found, when it exists
    TBedFd file;            // the target, when it exists
    bool writable = false;  // opened for writing too (a running program can't be)
};

// Raises EBedFileError (Create) naming `fileName` when the target can't be found or is refused:
// a directory, pipe, socket or device; a file or link another user owns in a shared sticky
// directory; a file this user may not write.
TBedSaveTarget FindSaveTarget(const std::string& fileName);

// The directory's entries may be made and removed by this user.
bool DirectoryWritable(const TBedSaveTarget& target);
