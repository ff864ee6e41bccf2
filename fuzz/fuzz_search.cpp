// Search and replace over arbitrary lines, pattern, replacement, options, caret and selection.
// Lines are views into one block sized to the text, so a read past a line's end is caught. The
// engine must agree with a plain search on every line, and undoing every replacement must give
// back the text byte for byte, redoing them the replaced text.
#include "BedEditCore.h"
#include "FileReader.h"
#include "FileWriter.h"
#include "BedEditSearch.h"
#include "BedTextLetters.h"
#include "../tests/editor/PlainSearch.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::vector<std::string> Text(const TCustomBedEdit& e) {
    std::vector<std::string> lines;
    for (int i = 0; i < e.Lines().Count(); ++i) lines.emplace_back(e.Lines().GetView(i));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    const TBedSearchOptions options = data[0];
    const auto mode = TBedSelectionMode(data[1] % 3);
    const TBedPoint from{data[2] % 40, data[3] % 8}, to{data[4] % 40, data[5] % 8};
    const size_t patternLength = data[6] % 8, replaceLength = data[7] % 8;
    data += 8;
    size -= 8;
    if (size < patternLength + replaceLength) return 0;
    const std::string pattern(reinterpret_cast<const char*>(data), patternLength);
    const std::string replacement(reinterpret_cast<const char*>(data) + patternLength, replaceLength);
    data += patternLength + replaceLength;
    size -= patternLength + replaceLength;

    TCustomBedEdit e;
    TBedEditBlock block{std::make_unique<char[]>(size), size};
    if (size) std::memcpy(block.bytes.get(), data, size);
    e.Lines().LoadFromBlock(std::move(block));

    if (!pattern.empty()) {
        TBedEditSearch search;
        search.SetSensitive(options & ssoMatchCase);
        search.SetWhole(options & ssoWholeWord);
        search.SetPattern(pattern);
        for (int i = 0; i < e.Lines().Count(); ++i) {
            const std::string_view line = e.Lines().GetView(i);
            const int n = search.FindAll(line);
            std::vector<int> found;
            for (int k = 0; k < n; ++k) found.push_back(search.Results(k));
            Check(found == PlainFind(line, pattern, options & ssoMatchCase, options & ssoWholeWord));
        }
    }

    e.SetSelectionMode(mode);
    e.SetCaretXY(to);
    e.SetSelFrom(from);
    e.SetSelTo(to);
    const std::vector<std::string> before = Text(e);
    const int count = e.SearchReplace(pattern, replacement, options);
    Check(count >= 0);
    const std::vector<std::string> after = Text(e);
    if (!(options & (ssoReplace | ssoReplaceAll)) || count == 0) Check(after == before);
    if (e.UndoList().RecordsDropped()) return 0;
    while (e.CanUndo()) e.Undo();
    Check(Text(e) == before);
    while (e.CanRedo()) e.Redo();
    Check(Text(e) == after);
    return 0;
}
