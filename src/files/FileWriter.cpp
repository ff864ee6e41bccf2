#include "FileWriter.h"

#include <algorithm>
#include <cerrno>

TBedEditFileWriter::TBedEditFileWriter(const std::string& fileName, size_t bufferSize)
    : TBedEditFiler(fileName),
      buffer_(std::max<size_t>(bufferSize, 2)),
      target_(FindSaveTarget(fileName)),
      notes_(OpenNotesDirectory(true)) {
    if (notes_.fd) note_ = TBedSaveNote(notes_, target_.path);
    // The save goes on, but a crash in it could not be recovered from.
    if (!notes_.problem.empty()) remarks_.push_back(notes_.problem);
    save_ = StartSave({fileName, target_, note_, notes_});
}

TBedEditFileWriter::~TBedEditFileWriter() = default;

void TBedEditFileWriter::WriteAround(std::string_view bytes) {
    Flush();
    // Longer than the whole buffer: copying it first would gain nothing.
    if (bytes.size() >= buffer_.size()) {
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    std::memcpy(buffer_.data(), bytes.data(), bytes.size());
    used_ = bytes.size();
}

void TBedEditFileWriter::Flush() {
    WriteAll(buffer_.data(), used_);
    used_ = 0;
}

void TBedEditFileWriter::WriteAll(const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = sys::Write(save_->Fd(), data, size);
        if (written < 0) Fail(EBedFileError::Write, errno);
        if (written == 0) Fail(EBedFileError::Write, ENOSPC);
        data += written;
        size -= size_t(written);
        written_ += uint64_t(written);
    }
}

void TBedEditFileWriter::Commit() {
    Flush();
    identity_ = save_->Commit(written_, remarks_);
    save_.reset();
    note_.Finish(remarks_);
}
