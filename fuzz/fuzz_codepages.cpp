// Decode and Encode on arbitrary bytes in every code page (and in numbers that are none).
// Besides not crashing, each byte must satisfy the round-trip laws exactly where they hold:
//   Encode(Decode(c)) == c  unless c is a CP 1250 letter value that no letter has in the file;
//   Decode(Encode(b)) == b  unless b is no letter but some letter's value in the file.
#include "CodePages.h"

#include <cstdlib>
#include <string>

namespace {

struct Sets {
    bool letter[256] = {};
    bool inFile[4][256] = {};
    Sets() {
        for (const auto& l : kCodePageLetters) {
            letter[l.cp1250] = true;
            for (int cp = 0; cp < 4; ++cp) inFile[cp][l.inFile[cp]] = true;
        }
    }
};
const Sets sets;

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int codePage = data[0] % 7;  // 5 and 6 are no code page
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool converts = codePage < 4;

    std::string decoded = input;
    Decode(codePage, decoded);
    std::string there = decoded;
    Encode(codePage, there);
    std::string encoded = input;
    Encode(codePage, encoded);
    std::string back = encoded;
    Decode(codePage, back);
    Check(decoded.size() == input.size() && there.size() == input.size() && back.size() == input.size());

    for (size_t i = 0; i < input.size(); ++i) {
        const uint8_t c = input[i];
        if (c < 0x80 || !converts) {
            Check(uint8_t(decoded[i]) == c && uint8_t(encoded[i]) == c);
            continue;
        }
        const bool encodeDecodeHolds = sets.inFile[codePage][c] || !sets.letter[c];
        Check((uint8_t(there[i]) == c) == encodeDecodeHolds);
        const bool decodeEncodeHolds = sets.letter[c] || !sets.inFile[codePage][c];
        Check((uint8_t(back[i]) == c) == decodeEncodeHolds);
        // What Decode produces is always text Encode can write back.
        Check(uint8_t(decoded[i]) == c || sets.letter[uint8_t(decoded[i])]);
    }
    return 0;
}
