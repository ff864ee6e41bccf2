#pragma once
// Buffered line reading and safe writing of text files for the line buffer (and for the main
// window's document writer). Qt-free, POSIX.
#include "BedEditTypes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kBedFilerBufferSize = 16384;

// Line-break styles of a text file.
constexpr int kLineBreakLF = 0;
constexpr int kLineBreakCRLF = 1;

// The first CR or LF in [p, end), or end.
const char* FindLineBreak(const char* p, const char* end);

// Calls onLine(begin, end) for every line of [p, end), split at CR LF, lone CR or lone LF; a final
// break adds no empty line. Returns whether a CR was met.
template <typename F>
bool SplitLines(const char* p, const char* end, F onLine) {
    bool sawCR = false;
    while (p < end) {
        const char* lineBreak = FindLineBreak(p, end);
        onLine(p, lineBreak);
        if (lineBreak == end) break;
        if (*lineBreak == '\r') {
            sawCR = true;
            if (lineBreak + 1 < end && lineBreak[1] == '\n') ++lineBreak;
        }
        p = lineBreak + 1;
    }
    return sawCR;
}

// The part shared by the reader and the writer: the file, its name and the byte buffer.
class TBedEditFiler {
public:
    TBedEditFiler(const TBedEditFiler&) = delete;
    TBedEditFiler& operator=(const TBedEditFiler&) = delete;

    const std::string& FileName() const { return fileName_; }

protected:
    TBedEditFiler(const std::string& fileName, size_t bufferSize);
    ~TBedEditFiler();

    // Raises EBedFileError with a message for the user naming the file and the system's reason.
    [[noreturn]] void Fail(EBedFileError::Kind kind, int error) const;
    void CloseFile();

    std::string fileName_;
    int fd_ = -1;
    std::vector<char> buffer_;
};

// Splits a file into lines at LF, CR LF or a lone CR. Lines may be of any length; NUL bytes are
// ordinary characters. A final line break adds no empty line.
class TBedEditFileReader : public TBedEditFiler {
public:
    // Raises EBedFileError (Open) when the file can't be opened for reading or is a directory.
    explicit TBedEditFileReader(const std::string& fileName,
                                size_t bufferSize = kBedFilerBufferSize);

    // The next line, without its break; false at the end of input. Raises EBedFileError (Read).
    bool ReadLine(std::string& line);
    // All bytes not yet returned, in one block of `size` bytes. Raises EBedFileError (Read).
    std::unique_ptr<char[]> ReadRest(size_t& size);
    // kLineBreakLF until the first CR has been met, then kLineBreakCRLF.
    int LineBreakStyle() const { return style_; }
    // The size when the file was opened.
    int64_t FileSize() const { return fileSize_; }

private:
    // Moves the unread bytes to the start of the buffer (doubling it when they fill more than
    // half) and reads more behind them.
    void Refill();

    size_t position_ = 0;
    size_t end_ = 0;
    bool exhausted_ = false;
    int style_ = kLineBreakLF;
    int64_t fileSize_ = 0;
};

// Writes a file so that the old contents survive any failure: the text goes to a temporary file
// beside the target, which replaces the target only once it is complete and on disk. A symbolic
// link is followed, so the file it points to is replaced, not the link.
class TBedEditFileWriter : public TBedEditFiler {
public:
    // Raises EBedFileError (Create) when the temporary file can't be created or the target
    // can't be written.
    explicit TBedEditFileWriter(const std::string& fileName,
                                size_t bufferSize = kBedFilerBufferSize);
    // Without a successful Commit the temporary file is removed and the target left alone.
    ~TBedEditFileWriter();

    // Raises EBedFileError (Write).
    void Write(std::string_view bytes) {
        // Inline: saving calls this twice per line.
        if (bytes.size() > buffer_.size() - used_) return WriteAround(bytes);
        if (!bytes.empty()) std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    // Flushes, syncs and renames over the target (keeping its permission bits, or the umask
    // default for a new file). Raises EBedFileError (Write).
    void Commit();

private:
    void WriteAround(std::string_view bytes);
    void Flush();
    void WriteAll(const char* data, size_t size);

    std::string target_;
    std::string tempName_;
    bool targetExists_ = false;
    uint32_t targetMode_ = 0;
    uint32_t targetUid_ = 0;
    uint32_t targetGid_ = 0;
    size_t used_ = 0;
    bool committed_ = false;
};
