#include "General.h"

#include "BedHighlighterList.h"
#include "BedTextLetters.h"

#include <algorithm>

namespace {

// Identifier characters of the scanner: the ASCII word characters with "-" and ":" (so mail
// headers such as "Subject:" are one word) and the lower-case Czech letters the code page
// puts at š ť ž á č é í ř ý.
constexpr TBedCharFlags kIdentChars = [] {
    TBedCharFlags t = BedCharFlags("-0-9:A-Z_a-z");
    for (int c : {0x9A, 0x9D, 0x9E, 0xE1, 0xE8, 0xE9, 0xED, 0xF8, 0xFD}) t[c] = true;
    return t;
}();

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"},
                                            {"PreprocessorAttri", "Preprocessor"}};
constexpr const char* kKinds[] = {"CommentAttri",      "IdentifierAttri", "KeyAttri",    nullptr,       "NumberAttri",
                                  "PreprocessorAttri", "SpaceAttri",      "StringAttri", "SymbolAttri", "SymbolAttri"};
static_assert(std::size(kKinds) == TGeneralHighlighter::tkUnknown + 1);

// Spreads the bytes of a keyword over the table's slots.
constexpr uint32_t KeyWordHash(uint32_t hash, unsigned char c) { return (hash ^ c) * 16777619u; }

}  // namespace

// The main window has three instances of its own (Mailbox.cpp, Shell.cpp and Czech.cpp).
constinit const TBedLanguage kBedGeneralLanguage = {.className = "TGeneralHighlighter",
                                                    .create = &BedCreate<TGeneralHighlighter>,
                                                    .languageName = "General",
                                                    .attributes = kAttributes,
                                                    .kinds = kKinds,
                                                    .initialRange = TGeneralHighlighter::rsUnknown,
                                                    .defaultFilter = "",
                                                    .wordCharacters = ""};

TGeneralHighlighter::TGeneralHighlighter() : TBedScannerHighlighter(kBedGeneralLanguage, tkNull) {
    BindAttributes({{&CommentAttri, "CommentAttri"},
                    {&IdentifierAttri, "IdentifierAttri"},
                    {&KeyAttri, "KeyAttri"},
                    {&NumberAttri, "NumberAttri"},
                    {&PreprocessorAttri, "PreprocessorAttri"},
                    {&SpaceAttri, "SpaceAttri"},
                    {&StringAttri, "StringAttri"},
                    {&SymbolAttri, "SymbolAttri"}});
    MakeDispatchTable();
}

void TGeneralHighlighter::MakeDispatchTable() {
    FillProcs<&TGeneralHighlighter::UnknownProc>();
    SetProc<&TGeneralHighlighter::NullProc>(0);
    SetProcs<&TGeneralHighlighter::SpaceProc>(kBedSpaceChars);
    SetProc<&TGeneralHighlighter::LFProc>('\n');
    SetProc<&TGeneralHighlighter::CRProc>('\r');
    SetProc<&TGeneralHighlighter::HashProc>('#');
    SetProc<&TGeneralHighlighter::HexProc>('$');
    SetProc<&TGeneralHighlighter::RoundOpenProc>('(');
    SetProc<&TGeneralHighlighter::SlashProc>('/');
    SetProcs<&TGeneralHighlighter::NumberProc>("0-9");
    SetProc<&TGeneralHighlighter::SemicolonProc>(';');
    SetProcs<&TGeneralHighlighter::IdentProc>("A-Z_a-z");
    SetProc<&TGeneralHighlighter::BraceOpenProc>('{');
    SetProc<&TGeneralHighlighter::StringProc>(stringDelimCh_);
}

void TGeneralHighlighter::SetComments(CommentStyles value) {
    comments_ = value;
    NotifyChanged();
}

void TGeneralHighlighter::SetDetectPreprocessor(bool value) {
    if (value != detectPreprocessor_) {
        detectPreprocessor_ = value;
        NotifyChanged();
    }
}

void TGeneralHighlighter::SetStringDelim(TStringDelim value) {
    if (value != stringDelim_) {
        stringDelim_ = value;
        stringDelimCh_ = value == sdSingleQuote ? '\'' : '"';
        MakeDispatchTable();
    }
}

std::string TGeneralHighlighter::IdentifierChars() const {
    const TBedCharSet set = WordCharacters();
    std::string chars;
    for (int c = 0; c < 256; ++c)
        if (set[static_cast<size_t>(c)]) chars += static_cast<char>(c);
    return chars;
}

void TGeneralHighlighter::SetIdentifierChars(const std::string& value) {
    TBedCharSet set;
    for (char c : value) set.set(static_cast<unsigned char>(c));
    SetWordCharacters(set);
}

std::vector<std::string> TGeneralHighlighter::KeyWords() const { return keyWords_; }

void TGeneralHighlighter::SetKeyWordList(std::vector<std::string> words) {
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    keyWords_ = std::move(words);
    size_t size = 8;
    while (size < 2 * keyWords_.size()) size *= 2;
    keyWordSlots_.assign(size, -1);
    longestKeyWord_ = 0;
    keyWordFirsts_.reset();
    for (size_t i = 0; i < keyWords_.size(); ++i) {
        const std::string& w = keyWords_[i];
        uint32_t hash = 0;
        for (char c : w) hash = KeyWordHash(hash, static_cast<unsigned char>(c));
        size_t slot = hash & (size - 1);
        while (keyWordSlots_[slot] >= 0) slot = (slot + 1) & (size - 1);
        keyWordSlots_[slot] = static_cast<int>(i);
        longestKeyWord_ = std::max(longestKeyWord_, w.size());
        if (!w.empty()) keyWordFirsts_.set(static_cast<unsigned char>(w[0]));
    }
}

void TGeneralHighlighter::SetKeyWords(const std::vector<std::string>& words) {
    std::vector<std::string> upper;
    upper.reserve(words.size());
    for (const std::string& w : words) upper.push_back(BedCp1250UpperCase(w));
    SetKeyWordList(std::move(upper));
    NotifyChanged();
}

bool TGeneralHighlighter::IsKeyword(const unsigned char* text, int length) const {
    if (length > 0 && !keyWordFirsts_[BedCp1250Upper(text[0])]) return false;
    uint32_t hash = 0;
    for (int i = 0; i < length; ++i) hash = KeyWordHash(hash, BedCp1250Upper(text[i]));
    return IsKeyword(text, length, hash);
}

bool TGeneralHighlighter::IsKeyword(const unsigned char* text, int length, uint32_t hash) const {
    const auto len = static_cast<size_t>(length);
    if (len > longestKeyWord_) return false;
    const size_t mask = keyWordSlots_.size() - 1;
    for (size_t slot = hash & mask; keyWordSlots_[slot] >= 0; slot = (slot + 1) & mask) {
        const std::string& word = keyWords_[static_cast<size_t>(keyWordSlots_[slot])];
        if (word.size() != len) continue;
        size_t i = 0;
        while (i < len && static_cast<unsigned char>(word[i]) == BedCp1250Upper(text[i])) ++i;
        if (i == len) return true;
    }
    return false;
}

bool TGeneralHighlighter::IsKeywordText(const std::string& text) {
    return IsKeyword(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
}

void TGeneralHighlighter::NextToken() {
    Start();
    if (range_ == rsAnsi || range_ == rsPasStyle || range_ == rsCStyle)
        ContinueComment();
    else
        Dispatch();
}

void TGeneralHighlighter::ContinueComment() {
    switch (Ch()) {
        case 0: NullProc(); return;
        case '\n': LFProc(); return;
        case '\r': CRProc(); return;
    }
    ScanCommentTo(range_ == rsAnsi ? "*)" : range_ == rsPasStyle ? "}" : "*/");
}

// The comment runs to its closer (range back to none) or to the end of the line.
void TGeneralHighlighter::ScanCommentTo(const char* closer) {
    kind_ = tkComment;
    if (SkipPast(closer)) range_ = rsUnknown;
}

// A word whose first character starts no keyword is taken at once; another is hashed as it is
// taken.
void TGeneralHighlighter::IdentProc() {
    if (!keyWordFirsts_[BedCp1250Upper(Ch())]) {
        SkipWhile(kIdentChars);
        kind_ = tkIdentifier;
        return;
    }
    const unsigned char* p = p_;
    int run = run_;
    uint32_t hash = 0;
    for (; kIdentChars[p[run]]; ++run) hash = KeyWordHash(hash, BedCp1250Upper(p[run]));
    run_ = run;
    kind_ = IsKeyword(p + tokenPos_, run - tokenPos_, hash) ? tkKey : tkIdentifier;
}

void TGeneralHighlighter::NumberProc() {
    ++run_;
    kind_ = tkNumber;
    for (;;) {
        const unsigned char c = Ch();
        if (kBedDigits[c] || c == 'E' || c == 'e' || (c == '.' && Ch(1) != '.')) {
            ++run_;
        } else if (c == 'x') {
            HexProc();
            return;
        } else {
            return;
        }
    }
}

void TGeneralHighlighter::HexProc() {
    ++run_;
    SkipWhile(kBedHexDigits);
    kind_ = tkNumber;
}

void TGeneralHighlighter::HashProc() {
    if (detectPreprocessor_) {
        SkipToLineEnd();
        kind_ = tkPreprocessor;
    } else {
        ++run_;
        SkipWhile(kBedDigits);
        kind_ = tkString;
    }
}

void TGeneralHighlighter::StringProc() {
    kind_ = tkString;
    const unsigned char d = stringDelimCh_;
    // A string that opens with a doubled delimiter keeps it inside.
    if (Ch(1) == d && Ch(2) == d) run_ += 2;
    do {
        if (AtLineBreak()) return;
        ++run_;
    } while (Ch() != d);
    ++run_;
}

void TGeneralHighlighter::RoundOpenProc() {
    if ((comments_ & csAnsiStyle) && Ch(1) == '*') {
        run_ += 2;
        range_ = rsAnsi;
        ScanCommentTo("*)");
    } else if ((comments_ & csAnsiStyle) && Ch(1) == '.') {
        Token(tkSymbol, 2);
    } else {
        Token(tkSymbol, 1);
    }
}

void TGeneralHighlighter::BraceOpenProc() {
    if (comments_ & csPasStyle) {
        ++run_;
        range_ = rsPasStyle;
        ScanCommentTo("}");
    } else {
        Token(tkSymbol, 1);
    }
}

void TGeneralHighlighter::SlashProc() {
    if (Ch(1) == '*' && (comments_ & csCStyle)) {
        run_ += 2;
        range_ = rsCStyle;
        ScanCommentTo("*/");
    } else if (Ch(1) == '/') {
        SkipToLineEnd();
        kind_ = tkComment;
    } else {
        Token(tkSymbol, 1);
    }
}

void TGeneralHighlighter::SemicolonProc() {
    if (comments_ & (csAsmStyle | csBasStyle)) {
        SkipToLineEnd();
        kind_ = tkComment;
    } else {
        Token(tkSymbol, 1);
    }
}

bool TGeneralHighlighter::LoadAttributesFromRegistry(TBedSettingsStore& store, TBedRootKey root,
                                                     const std::string& key) {
    return LoadKeyWordsAndAttributes(store, root, key,
                                     [this](std::vector<std::string> words) { SetKeyWordList(std::move(words)); });
}

bool TGeneralHighlighter::SaveAttributesToRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) {
    return SaveKeyWordsAndAttributes(store, root, key, keyWords_);
}

TGeneralHighlighter& BedConfigureWordList(TBedCustomHighlighter& instance, const std::vector<std::string>& words) {
    auto& hl = static_cast<TGeneralHighlighter&>(instance);
    hl.SetComments(0);
    hl.SetDetectPreprocessor(false);
    std::string chars;
    for (int c = 33; c <= 255; ++c) chars += static_cast<char>(c);
    hl.SetIdentifierChars(chars);
    hl.SetKeyWords(words);
    return hl;
}
