#include "BedSpellHunspell.h"

#include "Utf8.h"

#include <hunspell.hxx>

#include <fstream>

namespace {

std::string ToUtf8(std::string_view cp1250) {
    std::string out(cp1250.size() * kUtf8MaxBytesPerCp1250Byte, '\0');
    out.resize(EncodeUtf8(cp1250, out.data()));
    return out;
}

bool Readable(const std::string& path) { return std::ifstream(path).good(); }

}  // namespace

std::unique_ptr<TBedSpellChecker> TBedHunspellChecker::Open(const TBedDictionaryFiles& files) {
    if (!Readable(files.aff) || !Readable(files.dic)) return nullptr;
    auto hunspell = std::make_unique<Hunspell>(files.aff.c_str(), files.dic.c_str());
    if (hunspell->get_dict_encoding() != "UTF-8") return nullptr;
    return std::unique_ptr<TBedSpellChecker>(new TBedHunspellChecker(std::move(hunspell)));
}

TBedHunspellChecker::TBedHunspellChecker(std::unique_ptr<Hunspell> hunspell) : hunspell_(std::move(hunspell)) {}

TBedHunspellChecker::~TBedHunspellChecker() = default;

bool TBedHunspellChecker::Check(std::string_view word) { return hunspell_->spell(ToUtf8(word)); }

std::vector<std::string> TBedHunspellChecker::Suggest(std::string_view word) {
    std::vector<std::string> result;
    for (const std::string& s : hunspell_->suggest(ToUtf8(word))) {
        std::string cp1250(s.size(), '\0');
        size_t size = 0;
        if (DecodeUtf8(s, cp1250.data(), size)) continue;  // a letter CP 1250 lacks
        cp1250.resize(size);
        result.push_back(std::move(cp1250));
    }
    return result;
}

void TBedHunspellChecker::Accept(std::string_view word) { hunspell_->add(ToUtf8(word)); }
