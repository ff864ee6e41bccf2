#include "EditJournalFormat.h"

#include "FileChecksum.h"

namespace journal {

void PutU32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += char((value >> (8 * i)) & 0xFF);
}

void PutU64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i) out += char((value >> (8 * i)) & 0xFF);
}

void PutBytes(std::string& out, std::string_view bytes) {
    PutU32(out, uint32_t(bytes.size()));
    out += bytes;
}

bool TakeU32(std::string_view& in, uint32_t& value) {
    if (in.size() < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) value |= uint32_t(static_cast<unsigned char>(in[size_t(i)])) << (8 * i);
    in.remove_prefix(4);
    return true;
}

bool TakeU64(std::string_view& in, uint64_t& value) {
    if (in.size() < 8) return false;
    value = 0;
    for (int i = 0; i < 8; ++i) value |= uint64_t(static_cast<unsigned char>(in[size_t(i)])) << (8 * i);
    in.remove_prefix(8);
    return true;
}

bool TakeBytes(std::string_view& in, std::string& bytes) {
    uint32_t size = 0;
    // The length is checked against what is there before anything is allocated.
    if (!TakeU32(in, size) || size > in.size()) return false;
    bytes.assign(in.data(), size);
    in.remove_prefix(size);
    return true;
}

void AppendRecord(std::string& out, RecordType type, std::string_view payload) {
    PutU32(out, uint32_t(payload.size()));
    const size_t typeAt = out.size();
    out += char(type);
    out += payload;
    PutU64(out, ChecksumOf(std::string_view(out).substr(typeAt)));
}

std::string HeaderPayload(const TBedJournalBase& base) {
    std::string out;
    out += char(base.fromFile ? 1 : 0);
    PutBytes(out, base.path);
    PutU64(out, base.identity.device);
    PutU64(out, base.identity.inode);
    PutU64(out, uint64_t(base.identity.size));
    PutU64(out, uint64_t(base.identity.modifiedNs));
    PutBytes(out, base.settings);
    return out;
}

namespace {

std::string EditFields(TBedJournalEdit::Kind kind, uint32_t first, uint32_t count, uint32_t from, uint32_t kept,
                       size_t lines, size_t bytes) {
    std::string out;
    out.reserve(21 + lines * 4 + bytes);
    out += char(kind);
    PutU32(out, first);
    PutU32(out, count);
    PutU32(out, from);
    PutU32(out, kept);
    PutU32(out, uint32_t(lines));
    return out;
}

}  // namespace

std::string EditPayload(const TBedJournalEdit& edit) {
    size_t bytes = 0;
    for (const std::string& line : edit.lines) bytes += line.size();
    std::string out = EditFields(edit.kind, edit.first, edit.count, edit.from, edit.kept, edit.lines.size(), bytes);
    for (const std::string& line : edit.lines) PutBytes(out, line);
    return out;
}

std::string ReplacePayload(uint32_t line, uint32_t from, uint32_t kept, std::string_view middle) {
    std::string out = EditFields(TBedJournalEdit::Replace, line, 0, from, kept, 1, middle.size());
    PutBytes(out, middle);
    return out;
}

std::string InsertPayload(uint32_t first, const std::vector<std::string_view>& lines) {
    size_t bytes = 0;
    for (std::string_view line : lines) bytes += line.size();
    std::string out = EditFields(TBedJournalEdit::Insert, first, uint32_t(lines.size()), 0, 0, lines.size(), bytes);
    for (std::string_view line : lines) PutBytes(out, line);
    return out;
}

std::string DeletePayload(uint32_t first, uint32_t count) {
    return EditFields(TBedJournalEdit::Delete, first, count, 0, 0, 0, 0);
}

std::string ClearPayload() { return EditFields(TBedJournalEdit::Clear, 0, 0, 0, 0, 0, 0); }

std::string JoinPayload(uint32_t line, uint32_t count, std::string_view text) {
    std::string out = EditFields(TBedJournalEdit::Join, line, count, 0, 0, 1, text.size());
    PutBytes(out, text);
    return out;
}

std::string CaretPayload(int x, int y) {
    std::string out;
    PutU32(out, uint32_t(x));
    PutU32(out, uint32_t(y));
    return out;
}

std::string ChecksumPayload(uint64_t checksum) {
    std::string out;
    PutU64(out, checksum);
    return out;
}

}  // namespace journal
