#pragma once
// Deterministic Czech text in CP 1250 for the benchmarks: lines of 30 to 100 bytes built from
// everyday prose, so accented letters turn up about as often as in real text.
#include "BedTextCp1250.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Everyday Czech prose; generated lines draw words from it, so the accented letters turn up
// about as often as in real text.
constexpr const char* kWords =
    "Když jsme v úterý ráno přijeli do města, bylo ještě šero a na náměstí stálo jen několik "
    "aut. Paní Nováková otevřela obchod s ovocem a zeleninou a její muž nosil bedny ze skladu. "
    "Řekl jsem dětem, že si nejdřív dáme snídani v kavárně u řeky a potom půjdeme do muzea, kde "
    "je výstava o historii železnice. Žádný z nich nechtěl čekat, ale nakonec jsme si sedli "
    "k oknu, objednali čaj, kávu a čerstvé rohlíky s máslem. Číšník byl velmi ochotný a "
    "vyprávěl nám, že most přes řeku se bude opravovat celé léto. Ve čtvrtek odpoledne začalo "
    "pršet, takže jsme zůstali v hotelu, hráli karty a četli si. Šimon si půjčil knihu o "
    "hvězdách a Zuzana psala dopis babičce do Českých Budějovic. Večer jsme šli na procházku "
    "podél zdi starého hřbitova, kde rostou vysoké lípy a duby. Ďáblova skála nad údolím byla "
    "v mlze skoro neviditelná. Ťuhýk seděl na plotě a díval se na nás. Úřad na radnici měl "
    "zavřeno, protože byl státní svátek, a tak jsme pohlednice koupili až v pondělí. Ještě "
    "předtím jsme ale museli vyřídit spoustu věcí: zaplatit účet za elektřinu, odnést kolo do "
    "opravy, vyzvednout balík na poště a zavolat instalatérovi kvůli kapajícímu kohoutku. "
    "Ľudovít z Bratislavy nám poslal fotografie z hôr a pozval nás na budúci rok. Ňadra, "
    "Ódy a Ýpsilon jsou slova, která se v běžné řeči moc nepoužívají. Ve středu bude podle "
    "předpovědi slunečno, teploty vystoupí až na dvacet osm stupňů a vítr bude slabý. Ráno "
    "pojedeme vlakem do Brna, odkud se vrátíme v sobotu večer. Úterní schůze výboru se "
    "přesouvá na příští týden, protože předseda onemocněl chřipkou.";

// UTF-8 to CP 1250, letter by letter; the prose above holds nothing CP 1250 lacks.
inline std::vector<std::string> Cp1250Words() {
    std::vector<std::string> words(1);
    for (const char* p = kWords; *p;) {
        char32_t cp = static_cast<unsigned char>(*p++);
        if (cp >= 0xC0) cp = ((cp & 0x1F) << 6) | (static_cast<unsigned char>(*p++) & 0x3F);
        if (cp == ' ') {
            words.emplace_back();
            continue;
        }
        words.back() += static_cast<char>(UnicodeToCp1250(cp));
    }
    return words;
}

// About `bytes` bytes of lines of 30 to 100 bytes, each ended by lineEnd.
inline std::string GenerateCzechText(std::size_t bytes, std::string_view lineEnd) {
    const auto words = Cp1250Words();
    std::string text;
    text.reserve(bytes + 128);
    uint64_t state = 0x2545F4914F6CDD1DULL;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    while (text.size() < bytes) {
        const std::size_t target = 30 + next() % 71, start = text.size();
        while (text.size() - start < target) {
            if (text.size() > start) text += ' ';
            text += words[next() % words.size()];
        }
        text += lineEnd;
    }
    return text;
}

// The plain read the benchmarks compare with: one buffer of the file's size, one read.
inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(std::size_t(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), std::streamsize(bytes.size()));
    return bytes;
}

inline void WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace bench
