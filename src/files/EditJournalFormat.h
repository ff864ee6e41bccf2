#pragma once
// The journal of a document's unsaved edits: what its text started from (its file as loaded, or
// nothing) and every change since, as line edits, appended as they happen. A record is framed by
// its length and a checksum, so that a journal cut anywhere (a power cut, a kill) reads up to its
// last whole record and nothing beyond. Qt-free.
#include "FileIdentity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the document's text started from.
struct TBedJournalBase {
    bool fromFile = false;      // false: an untitled document, empty at the start
    std::string path;           // the file, from the root
    TBedFileIdentity identity;  // as it was loaded
    std::string settings;       // how it was loaded, in the document's own words
};

// One change of the lines.
struct TBedJournalEdit {
    enum Kind : uint8_t { Insert, Delete, Replace, Clear, Join };
    Kind kind = Clear;
    uint32_t first = 0;              // Insert, Delete: the first line; Replace, Join: the line
    uint32_t count = 0;              // Delete: lines removed; Join: lines joined to the line
    uint32_t from = 0;               // Replace: bytes kept at the line's start
    uint32_t kept = 0;               // Replace: bytes kept at its end
    std::vector<std::string> lines;  // Insert: the new lines; Replace: the new middle; Join: the line
};

namespace journal {

enum RecordType : uint8_t { kHeader = 1, kSnapshot, kChecksum, kState, kEdit, kCaret };

// The journal's first bytes.
constexpr std::string_view kMagic = "BEDJOURNAL1\n";
// A record: payload length (4 bytes), type (1), payload, checksum of type and payload (8).
constexpr size_t kFrameBytes = 13;

// Frames a record and appends it to `out`.
void AppendRecord(std::string& out, RecordType type, std::string_view payload);

// The payloads.
std::string HeaderPayload(const TBedJournalBase& base);
std::string EditPayload(const TBedJournalEdit& edit);
// The same for the changes as they happen, from views of the lines (nothing copied twice).
std::string ReplacePayload(uint32_t line, uint32_t from, uint32_t kept, std::string_view middle);
std::string InsertPayload(uint32_t first, const std::vector<std::string_view>& lines);
std::string DeletePayload(uint32_t first, uint32_t count);
std::string ClearPayload();
std::string JoinPayload(uint32_t line, uint32_t count, std::string_view text);
std::string CaretPayload(int x, int y);
std::string ChecksumPayload(uint64_t checksum);

// Little-endian fields, read from the front of `in`; false when it is too short.
void PutU32(std::string& out, uint32_t value);
void PutU64(std::string& out, uint64_t value);
void PutBytes(std::string& out, std::string_view bytes);
bool TakeU32(std::string_view& in, uint32_t& value);
bool TakeU64(std::string_view& in, uint64_t& value);
bool TakeBytes(std::string_view& in, std::string& bytes);

}  // namespace journal
