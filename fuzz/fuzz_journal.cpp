// Journals of unsaved edits, as a crash, a power cut or a hostile hand leaves them: read and
// played back onto a small text, they never crash, hang or allocate beyond what they hold. The
// input is read as it is, and also framed record by record with the right checksums, so that
// the fuzzer reaches the records' parsers behind them.
#include "BedEditStringList.h"
#include "EditJournalReader.h"
#include "UnsavedJournal.h"

#include <string>
#include <string_view>

namespace {

void ReadAndReplay(const std::string& bytes) {
    const std::optional<TBedJournalContents> journal = ReadJournal(bytes);
    if (!journal) return;
    TBedEditStringList lines;
    lines.Add("Příliš žluťoučký");
    lines.Add("");
    lines.Add("kůň");
    ReplayJournal(*journal, lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ReadAndReplay(std::string(input));
    // Records of the input: a type byte and a length byte, then that many bytes of payload.
    std::string framed(journal::kMagic);
    journal::AppendRecord(framed, journal::kHeader, journal::HeaderPayload({}));
    for (std::string_view rest = input; rest.size() >= 2;) {
        const auto type = static_cast<journal::RecordType>(static_cast<uint8_t>(rest[0]) % 8);
        const size_t length = std::min<size_t>(static_cast<uint8_t>(rest[1]), rest.size() - 2);
        journal::AppendRecord(framed, type, rest.substr(2, length));
        rest.remove_prefix(2 + length);
    }
    ReadAndReplay(framed);
    return 0;
}
