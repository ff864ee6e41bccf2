// The UTF-8 decoder, the code-page recogniser and loading a UTF-8 document on arbitrary bytes:
// no crash; the decoder accepts exactly what re-encodes to the same bytes (so never malformed
// input); a recognised code page is a real one; a document CP 1250 can't hold loads with every
// byte unchanged.
#include "BedEditStringList.h"
#include "BedTextLines.h"
#include "CodePageRecognition.h"
#include "DocumentLoader.h"
#include "Utf8.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> lines;
    SplitLines(text.data(), text.data() + text.size(),
               [&](const char* b, const char* e) { lines.emplace_back(b, std::size_t(e - b)); });
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto preferred = TBedCodePage(data[0] % 5);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    if (const auto cp = RecogniseCodePage(text, preferred)) Check(IsCodePage(*cp));

    std::string decoded(text.size(), '\0');
    std::size_t decodedSize = 0;
    const auto misfit = DecodeUtf8(text, decoded.data(), decodedSize);
    const TBedUtf8Shape shape = Utf8Shape(text);
    if (misfit) {
        Check(misfit->offset < text.size());
        // The first fault is reported: a character CP 1250 lacks may come before malformed bytes.
        if (misfit->malformed) Check(!shape.wellFormed);
        Check(misfit->line >= 1);
    } else {
        Check(shape.wellFormed);
        decoded.resize(decodedSize);
        std::string again(decoded.size() * kUtf8MaxBytesPerCp1250Byte, '\0');
        again.resize(EncodeUtf8(decoded, again.data()));
        Check(again == text);
    }

    TBedDocumentFile file;
    file.contents.bytes = {std::make_unique_for_overwrite<char[]>(text.size()), text.size()};
    if (!text.empty()) std::memcpy(file.contents.bytes.bytes.get(), text.data(), text.size());
    T602Session session;
    TBedEditStringList lines;
    const TBedLoadOutcome outcome = LoadDocument(std::move(file), cpUTF8, session, {}, lines);
    Check(outcome.misfit.has_value() == misfit.has_value() ||
          (text.starts_with(kUtf8ByteOrderMark) && outcome.byteOrderMark));
    std::vector<std::string> expected;
    if (outcome.misfit) {
        expected = Split(text);  // unconverted, the mark included
    } else {
        std::string_view body = text;
        if (outcome.byteOrderMark) body.remove_prefix(kUtf8ByteOrderMark.size());
        std::string cp1250(body.size(), '\0');
        std::size_t n = 0;
        Check(!DecodeUtf8(body, cp1250.data(), n));
        cp1250.resize(n);
        expected = Split(cp1250);
    }
    Check(lines.Count() == int(expected.size()));
    for (int i = 0; i < lines.Count(); ++i) Check(lines.Get(i) == expected[std::size_t(i)]);
    return 0;
}
