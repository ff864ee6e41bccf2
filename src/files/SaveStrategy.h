#pragma once
// How a save's bytes become the file: by replacing it with a new file through a rename, or by
// writing it in place after a backup of its old bytes. One place chooses. Qt-free, POSIX.
#include "FileIdentity.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TBedSaveTarget;
struct TBedPrivateDirectory;
class TBedSaveNote;

// One save under way. Going without Commit leaves the target with its old bytes.
class TBedSave {
public:
    virtual ~TBedSave() = default;
    // Where the new bytes go, from its start.
    virtual int Fd() const = 0;
    // The `written` bytes become the target, on disk. Raises EBedFileError (Write); what could be
    // done but not kept as it was (the mode, the owner, a clean-up) goes to `remarks`, in Czech.
    virtual TBedFileIdentity Commit(uint64_t written, std::vector<std::string>& remarks) = 0;
};

// Everything a save works with; `userName` is the file as the user named it, for messages.
struct TBedSaveContext {
    std::string userName;
    TBedSaveTarget& target;
    TBedSaveNote& note;
    TBedPrivateDirectory& notes;
};

// A new file, one with other names (hard links), special mode bits, an owner or group that a new
// file could not be given, or a directory this user can't write, is written in place; anything
// else is replaced. Raises EBedFileError (Create).
std::unique_ptr<TBedSave> StartSave(const TBedSaveContext& context);

// The two ways, each raising EBedFileError (Create) when it can't begin.
class TBedSaveByRename;
std::unique_ptr<TBedSaveByRename> ReplaceByRename(const TBedSaveContext& context);
std::unique_ptr<TBedSave> WriteInPlace(const TBedSaveContext& context);

// The name part of the files a save of `target` leaves beside it on the way.
std::string SaveSideName(const std::string& target, const std::string& suffix);
