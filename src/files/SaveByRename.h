#pragma once
// A save that writes a new file beside the target and renames it over the target once it is
// complete and on disk: the target is at every moment its old text or its new one. Qt-free, POSIX.
#include "SaveStrategy.h"
#include "SystemCalls.h"

class TBedSaveByRename : public TBedSave {
public:
    explicit TBedSaveByRename(const TBedSaveContext& context);
    ~TBedSaveByRename() override;

    int Fd() const override { return temp_.Get(); }
    TBedFileIdentity Commit(uint64_t written, std::vector<std::string>& remarks) override;
    // The new file has the old one's owner and group (or there was no old one).
    bool OwnerKept() const { return ownerKept_; }

private:
    TBedSaveContext c_;
    TBedFd temp_;
    std::string tempName_;
    bool ownerKept_ = true;
    bool renamed_ = false;
};
