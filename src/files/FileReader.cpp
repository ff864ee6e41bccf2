#include "FileReader.h"

#include "MemoryLimits.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::string Megabytes(uint64_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB"; }

}  // namespace

std::string NonRegularFileReason(unsigned mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return FileErrorReason(EISDIR);
    if (S_ISFIFO(mode)) return "není to obyčejný soubor, ale roura";
    if (S_ISSOCK(mode)) return "není to obyčejný soubor, ale soket";
    return "není to obyčejný soubor, ale zařízení";
}

std::string ReadFromStart(int fd, size_t most) {
    std::string bytes(most, '\0');
    size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t got = sys::PRead(fd, bytes.data() + used, bytes.size() - used, off_t(used));
        if (got <= 0) break;
        used += size_t(got);
    }
    bytes.resize(used);
    return bytes;
}

void RefuseNonRegularFile(const std::string& fileName) {
    struct stat st;
    if (sys::FstatAt(AT_FDCWD, fileName.c_str(), st, 0) == 0 && !S_ISREG(st.st_mode))
        FailFile(EBedFileError::Open, fileName, NonRegularFileReason(st.st_mode));
}

TBedEditFileReader::TBedEditFileReader(const std::string& fileName) : TBedEditFiler(fileName) {
    RefuseNonRegularFile(fileName);
    // Not blocking, in case a pipe took the file's place since it was looked at.
    fd_.Reset(sys::OpenAt(AT_FDCWD, fileName.c_str(), O_RDONLY | O_NONBLOCK));
    if (!fd_) Fail(EBedFileError::Open, errno);
    struct stat st;
    if (sys::Fstat(fd_.Get(), st) != 0) Fail(EBedFileError::Open, errno);
    if (!S_ISREG(st.st_mode)) FailFile(EBedFileError::Open, fileName, NonRegularFileReason(st.st_mode));
    ::fcntl(fd_.Get(), F_SETFL, ::fcntl(fd_.Get(), F_GETFL) & ~O_NONBLOCK);
    identity_ = IdentityOf(st);
    // Refused before a byte is read: reading it would fail half way, or make the system swap.
    const uint64_t available = AvailableMemoryBytes();
    if (uint64_t(st.st_size) > available)
        FailFile(EBedFileError::Open, fileName,
                 "soubor je větší než volná paměť (" + Megabytes(uint64_t(st.st_size)) + ", volných je " +
                     Megabytes(available) + ")");
}

namespace {

// From a file this big on, the two halves are read at once.
constexpr size_t kReadInHalves = size_t(32) << 20;

// Reads up to `size` bytes at `offset`, fewer only at the end of the file; -1 with errno set.
ssize_t ReadRange(int fd, char* into, size_t size, off_t offset) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = sys::PRead(fd, into + done, size - done, offset + off_t(done));
        if (got < 0) return -1;
        if (got == 0) break;
        done += size_t(got);
    }
    return ssize_t(done);
}

}  // namespace

size_t TBedEditFileReader::ReadInHalves(char* into, size_t size) {
    // Most of a big read is the kernel giving the block its pages; two cores do that in half
    // the time. Huge pages stay whole on both sides of the cut.
    const size_t half = (size / 2) & ~((size_t(2) << 20) - 1);
    ssize_t second = 0;
    int secondError = 0;
    std::thread helper;
    try {
        helper = std::thread([&] {
            second = ReadRange(fd_.Get(), into + half, size - half, off_t(half));
            secondError = errno;
        });
    } catch (const std::system_error&) {
        return 0;  // no thread to be had: read in one piece
    }
    const ssize_t first = ReadRange(fd_.Get(), into, half, 0);
    const int firstError = errno;
    helper.join();
    if (first < 0) Fail(EBedFileError::Read, firstError);
    if (second < 0) Fail(EBedFileError::Read, secondError);
    // A file that shrank meanwhile ends where the first short read does.
    return size_t(first) < half ? size_t(first) : half + size_t(second);
}

TBedEditBlock TBedEditFileReader::ReadAll() {
    // Sized for the file as it was opened; a file that grows since is still read whole.
    size_t capacity = size_t(std::max<int64_t>(identity_.size, 0));
    TBedEditBlock block{std::make_unique_for_overwrite<char[]>(capacity), 0};
    AdviseHugePages(block.bytes.get(), capacity);
    if (capacity >= kReadInHalves) block.size = ReadInHalves(block.bytes.get(), capacity);
    char probe[4096];
    for (;;) {
        // A full block reads on into the probe, so a file of the expected size needs no growing.
        const bool full = block.size == capacity;
        char* into = full ? probe : block.bytes.get() + block.size;
        const size_t room = full ? sizeof probe : capacity - block.size;
        const ssize_t got = sys::PRead(fd_.Get(), into, room, off_t(block.size));
        if (got < 0) Fail(EBedFileError::Read, errno);
        if (got == 0) break;
        if (full) {
            capacity = capacity * 2 + sizeof probe;
            auto grown = std::make_unique_for_overwrite<char[]>(capacity);
            if (block.size) std::memcpy(grown.get(), block.bytes.get(), block.size);
            std::memcpy(grown.get() + block.size, probe, size_t(got));
            block.bytes = std::move(grown);
        }
        block.size += size_t(got);
    }
    return block;
}
