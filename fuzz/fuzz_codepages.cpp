// Decode and Encode on arbitrary bytes in every code page (and in numbers that are none).
// Besides not crashing, they must be inverse permutations: every byte comes back both ways,
// ASCII never moves, and a code page's letters convert as its table says.
#include "CodePages.h"

#include <cstdlib>
#include <string>

namespace {

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
    Check(there == input && back == input);

    for (size_t i = 0; i < input.size(); ++i) {
        const uint8_t c = input[i];
        if (c < 0x80 || !converts) Check(uint8_t(decoded[i]) == c && uint8_t(encoded[i]) == c);
    }
    if (converts)
        for (const auto& letter : kCodePageLetters) {
            std::string one(1, char(letter.cp1250));
            Encode(codePage, one);
            Check(uint8_t(one[0]) == letter.inFile[codePage]);
        }
    return 0;
}
