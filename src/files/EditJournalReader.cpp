#include "EditJournalReader.h"

#include "FileChecksum.h"

using namespace journal;

namespace {

bool ParseHeader(std::string_view in, TBedJournalBase& base) {
    if (in.empty() || static_cast<unsigned char>(in[0]) > 1) return false;
    base.fromFile = in[0] == 1;
    in.remove_prefix(1);
    uint64_t size = 0, modified = 0;
    if (!TakeBytes(in, base.path) || !TakeU64(in, base.identity.device) || !TakeU64(in, base.identity.inode) ||
        !TakeU64(in, size) || !TakeU64(in, modified) || !TakeBytes(in, base.settings) || !in.empty())
        return false;
    base.identity.size = int64_t(size);
    base.identity.modifiedNs = int64_t(modified);
    return true;
}

bool ParseEdit(std::string_view in, TBedJournalEdit& edit) {
    if (in.empty() || static_cast<unsigned char>(in[0]) > TBedJournalEdit::Join) return false;
    edit.kind = TBedJournalEdit::Kind(in[0]);
    in.remove_prefix(1);
    uint32_t lines = 0;
    if (!TakeU32(in, edit.first) || !TakeU32(in, edit.count) || !TakeU32(in, edit.from) || !TakeU32(in, edit.kept) ||
        !TakeU32(in, lines))
        return false;
    // Each line takes at least its length field: a count beyond that is damage, not a reason
    // to allocate.
    if (lines > in.size() / 4) return false;
    edit.lines.resize(lines);
    for (std::string& line : edit.lines)
        if (!TakeBytes(in, line)) return false;
    if (!in.empty()) return false;
    switch (edit.kind) {
        case TBedJournalEdit::Insert: return edit.count == lines;
        case TBedJournalEdit::Replace:
        case TBedJournalEdit::Join: return lines == 1;
        case TBedJournalEdit::Delete:
        case TBedJournalEdit::Clear: return lines == 0;
    }
    return false;
}

}  // namespace

std::optional<TBedJournalContents> ReadJournal(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) return std::nullopt;
    std::string_view in = bytes.substr(kMagic.size());
    TBedJournalContents contents;
    bool headerSeen = false;
    for (;;) {
        std::string_view frame = in;
        uint32_t length = 0;
        uint64_t checksum = 0;
        if (!TakeU32(frame, length) || frame.size() < size_t(length) + 9) break;
        const std::string_view typed = frame.substr(0, size_t(length) + 1);
        frame.remove_prefix(typed.size());
        if (!TakeU64(frame, checksum) || checksum != ChecksumOf(typed)) break;
        const auto type = static_cast<uint8_t>(typed[0]);
        const std::string_view payload = typed.substr(1);
        // The header comes first and once.
        if ((type == kHeader) == headerSeen) break;
        bool understood = true;
        switch (type) {
            case kHeader:
                understood = ParseHeader(payload, contents.base);
                headerSeen = understood;
                break;
            case kSnapshot: contents.snapshot = std::string(payload); break;
            case kChecksum: {
                std::string_view p = payload;
                uint64_t sum = 0;
                understood = TakeU64(p, sum) && p.empty();
                if (understood) contents.checksum = sum;
                break;
            }
            case kState: contents.state = std::string(payload); break;
            case kEdit: {
                TBedJournalEdit edit;
                understood = ParseEdit(payload, edit);
                if (understood) {
                    contents.edits.push_back(std::move(edit));
                    contents.editBytes += payload.size();
                }
                break;
            }
            case kCaret: {
                std::string_view p = payload;
                uint32_t x = 0, y = 0;
                understood = TakeU32(p, x) && TakeU32(p, y) && p.empty();
                if (understood) contents.caret.emplace(int(x), int(y));
                break;
            }
            default: understood = false;
        }
        if (!understood) break;
        in.remove_prefix(kFrameBytes + length);
    }
    if (!headerSeen) return std::nullopt;
    contents.validLength = bytes.size() - in.size();
    contents.complete = in.empty();
    return contents;
}
