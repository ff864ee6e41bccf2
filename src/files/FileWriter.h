#pragma once
// Writing a file so that the old contents survive any failure, kill or power cut: the line
// buffer's files, the documents and the settings go out through here. Qt-free, POSIX.
#include "FileIdentity.h"
#include "Filer.h"
#include "SaveNotes.h"
#include "SaveStrategy.h"
#include "SaveTarget.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kBedFilerBufferSize = 16384;

// The target is found once (its links followed, its directory opened) and written the way that
// keeps it whole and keeps what it is (see StartSave); each save is noted for the next start.
class TBedEditFileWriter : public TBedEditFiler {
public:
    // Raises EBedFileError (Create) when the target can't be written or is refused.
    explicit TBedEditFileWriter(const std::string& fileName, size_t bufferSize = kBedFilerBufferSize);
    // Without a successful Commit the target keeps its old bytes and nothing stays beside it.
    ~TBedEditFileWriter();

    // Raises EBedFileError (Write).
    void Write(std::string_view bytes) {
        // Inline: saving calls this twice per line.
        if (bytes.size() > buffer_.size() - used_) return WriteAround(bytes);
        if (!bytes.empty()) std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    // The text becomes the file, on disk. Raises EBedFileError (Write).
    void Commit();
    // The file as written, once committed.
    const TBedFileIdentity& Identity() const { return identity_; }
    // What was saved but could not be kept as it was, in Czech sentences; empty as a rule.
    const std::vector<std::string>& Remarks() const { return remarks_; }

private:
    void WriteAround(std::string_view bytes);
    void Flush();
    void WriteAll(const char* data, size_t size);

    std::vector<char> buffer_;
    size_t used_ = 0;
    uint64_t written_ = 0;
    TBedSaveTarget target_;
    TBedPrivateDirectory notes_;
    TBedSaveNote note_;
    std::unique_ptr<TBedSave> save_;  // goes before the note it records into
    TBedFileIdentity identity_;
    std::vector<std::string> remarks_;
};
