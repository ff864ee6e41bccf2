#include "SaveStrategy.h"

#include "SaveByRename.h"
#include "SaveTarget.h"

#include <unistd.h>

namespace {

bool MustWriteInPlace(const TBedSaveTarget& t) {
    // Replacing would part the file from its other names, or give it this user as its owner.
    if (t.st.st_nlink > 1) return true;
    if (t.st.st_uid != ::geteuid() && ::geteuid() != 0) return true;
    // Set-user and set-group bits mean something only on the file they were given to.
    if (t.st.st_mode & (S_ISUID | S_ISGID | S_ISVTX)) return true;
    // No new file can be made beside it (a file bind-mounted alone, a read-only shared folder).
    return !DirectoryWritable(t);
}

}  // namespace

std::string SaveSideName(const std::string& target, const std::string& suffix) {
    // Kept within the file system's name limit.
    return "." + target.substr(target.rfind('/') + 1).substr(0, 200) + ".bed-" + suffix;
}

std::unique_ptr<TBedSave> StartSave(const TBedSaveContext& c) {
    const TBedSaveTarget& t = c.target;
    // A running program can only be replaced.
    if (t.exists && t.writable && MustWriteInPlace(t)) return WriteInPlace(c);
    std::unique_ptr<TBedSaveByRename> save = ReplaceByRename(c);
    if (!t.exists || !t.writable || save->OwnerKept()) return save;
    // The system would not give the new file the old owner and group.
    save.reset();
    return WriteInPlace(c);
}
