#pragma once
// The machinery every scanning highlighter shares: the line being scanned, the position, the
// current token's start and kind, the range state, a 256-entry dispatch table of scanning
// procedures, the kind-to-attribute map and helpers for the runs most languages have.
// A language derives from TBedScannerHighlighter<Itself> and supplies only its procedures:
//   - its constructor passes its facts (kBedFooLanguage) and its end-of-line kind; binds its
//     attribute members with BindAttributes; maps kinds to attributes with SetKindAttributes;
//     calls HookAttributeChanges; fills the table with FillProcs/SetProc(s);
//   - NextToken() calls Start(), then continues a multi-line construct or Dispatch()es.
#include "BedHighlighter.h"
#include "BedHighlighterLanguage.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A 256-entry membership table over bytes.
using TBedCharFlags = std::array<bool, 256>;

constexpr TBedCharFlags BedCharFlags(std::string_view ranges) {
    // Same description as BedCharSetOf: "0-9A-Z_a-z".
    TBedCharFlags t{};
    for (size_t i = 0; i < ranges.size(); ++i) {
        const auto first = static_cast<unsigned char>(ranges[i]);
        if (i + 2 < ranges.size() && ranges[i + 1] == '-') {
            for (int c = first; c <= static_cast<unsigned char>(ranges[i + 2]); ++c)
                t[c] = true;
            i += 2;
        } else {
            t[first] = true;
        }
    }
    return t;
}

// Blanks and control characters other than NUL, LF and CR: codes 1-9, 11, 12, 14-32.
constexpr TBedCharFlags kBedSpaceChars = [] {
    TBedCharFlags t{};
    for (int c = 1; c <= 32; ++c)
        t[c] = c != 10 && c != 13;
    return t;
}();
constexpr TBedCharFlags kBedLineEndChars = BedCharFlags(std::string_view("\0\n\r", 3));
constexpr TBedCharFlags kBedDigits = BedCharFlags("0-9");
constexpr TBedCharFlags kBedHexDigits = BedCharFlags("0-9A-Fa-f");
constexpr TBedCharFlags kBedLetters = BedCharFlags("A-Za-z");
constexpr TBedCharFlags kBedWordChars = BedCharFlags("0-9A-Z_a-z");

template <class Derived>
class TBedScannerHighlighter : public TBedCustomHighlighter {
public:
    using TScanProc = void (Derived::*)();
    using TDispatchTable = std::array<TScanProc, 256>;

    bool AtLineEnd() const override { return kind_ == eolKind_; }
    std::string TokenText() const override {
        return line_.substr(static_cast<size_t>(tokenPos_), static_cast<size_t>(run_ - tokenPos_));
    }
    int TokenStart() const override { return tokenPos_; }
    int TokenLength() const { return run_ - tokenPos_; }
    int TokenKind() const override { return kind_; }
    TBedHighlighterAttributes* TokenAttribute() const override {
        const int kind = TokenKind();
        return kind >= 0 && kind < static_cast<int>(kindAttributes_.size())
                   ? kindAttributes_[static_cast<size_t>(kind)]
                   : nullptr;
    }
    TBedRange CurrentRange() const override { return language_.initialRange ? range_ : 0; }
    void RestoreRange(TBedRange value) override {
        if (language_.initialRange)
            range_ = value;
    }
    void ClearRange() override { range_ = language_.initialRange.value_or(0); }
    std::string LanguageName() const override { return language_.languageName; }
    // By the usual property names, null where the language has none; a language that
    // answers otherwise overrides it.
    TBedHighlighterAttributes* StandardAttribute(int kind) const override {
        return kind >= 0 && kind < static_cast<int>(standard_.size())
                   ? standard_[static_cast<size_t>(kind)]
                   : nullptr;
    }
    TBedCharSet WordCharacters() const override { return wordCharacters_; }

    void StartLine(std::string_view text, int lineIndex) override {
        line_.assign(text);  // keeps its capacity: no allocation per line once warmed up
        p_ = reinterpret_cast<const unsigned char*>(line_.c_str());
        lineIndex_ = lineIndex;
        run_ = 0;
        NextToken();
    }

protected:
    // Attributes, word characters, filter and range state come from the language's facts.
    TBedScannerHighlighter(const TBedLanguage& language, int eolKind)
        : language_(language), eolKind_(eolKind) {
        procs_.fill(nullptr);
        for (const TBedAttributeSpec& spec : language.attributes) {
            auto* attr = new TBedHighlighterAttributes(spec.name);
            attr->SetStyle(spec.style);
            attr->SetForeground(spec.foreground);
            attr->SetBackground(spec.background);
            RegisterAttribute(attr);
        }
        wordCharacters_ = *language.wordCharacters ? BedCharSetOf(language.wordCharacters)
                                                   : BedNonBlankCharacters();
        range_ = language.initialRange.value_or(0);
        defaultFilter_ = language.defaultFilter;
        const char* standard[] = {"CommentAttri", "IdentifierAttri", "KeyAttri", "StringAttri",
                                  "SpaceAttri"};
        for (size_t kind = 0; kind < standard_.size(); ++kind)
            for (const TBedAttributeSpec& spec : language.attributes)
                if (std::string_view(spec.property) == standard[kind])
                    standard_[kind] = Attr(spec.property);
    }

    // The attribute of a property of the facts (e.g. "StringAttri"); raises for an unknown one.
    TBedHighlighterAttributes* Attr(std::string_view property) const {
        return BedAttributeOf(*this, language_, property);
    }
    // Points each member at the attribute of its property: {{&KeyAttri, "KeyAttri"}, ...}.
    void BindAttributes(
        std::initializer_list<std::pair<TBedHighlighterAttributes**, const char*>> members) {
        for (const auto& [member, property] : members)
            *member = Attr(property);
    }
    // Attribute per token kind, indexed by the kind's ordinal (null: no attribute).
    void SetKindAttributes(std::vector<TBedHighlighterAttributes*> map) {
        kindAttributes_ = std::move(map);
    }
    void SetWordCharacters(const TBedCharSet& set) { wordCharacters_ = set; }

    // Dispatch on the character at the position.
    void Dispatch() { (static_cast<Derived*>(this)->*procs_[p_[run_]])(); }
    void SetProcs(std::string_view ranges, TScanProc proc) {
        const TBedCharFlags flags = BedCharFlags(ranges);
        for (int c = 0; c < 256; ++c)
            if (flags[c])
                procs_[static_cast<size_t>(c)] = proc;
    }
    void SetProcs(const TBedCharFlags& flags, TScanProc proc) {
        for (int c = 0; c < 256; ++c)
            if (flags[c])
                procs_[static_cast<size_t>(c)] = proc;
    }
    void SetProc(unsigned char c, TScanProc proc) { procs_[c] = proc; }
    void FillProcs(TScanProc proc) { procs_.fill(proc); }

    unsigned char Ch(int offset = 0) const { return p_[run_ + offset]; }
    bool AtLineBreak() const { return kBedLineEndChars[p_[run_]]; }
    // Whether the text at the position starts with s (never reads past the line's end).
    bool LookingAt(std::string_view s) const {
        for (size_t i = 0; i < s.size(); ++i)
            if (p_[run_ + static_cast<int>(i)] != static_cast<unsigned char>(s[i]))
                return false;
        return true;
    }
    void Start() { tokenPos_ = run_; }
    void Token(int kind, int length) {
        run_ += length;
        kind_ = kind;
    }

    // ---- runs shared by the languages; each leaves the position after the token.
    void ScanLineEnd(int eolKind) { kind_ = eolKind; }
    // A run of blanks and control characters (the first already known to be one).
    void ScanSpaces(int spaceKind) {
        ++run_;
        SkipWhile(kBedSpaceChars);
        kind_ = spaceKind;
    }
    void ScanLF(int spaceKind) { Token(spaceKind, 1); }
    void ScanCR(int spaceKind) { Token(spaceKind, p_[run_ + 1] == '\n' ? 2 : 1); }
    // The loops work on locals: the position member would otherwise be stored on every step.
    void SkipWhile(const TBedCharFlags& table) {
        const unsigned char* p = p_;
        int run = run_;
        while (table[p[run]])
            ++run;
        run_ = run;
    }
    void SkipToLineEnd() {
        const unsigned char* p = p_;
        int run = run_;
        while (!kBedLineEndChars[p[run]])
            ++run;
        run_ = run;
    }
    // Advances past the closer (true) or to the end of the line (false); with
    // nulOnly, LF and CR do not end the line.
    bool SkipPast(std::string_view closer, bool nulOnly = false) {
        const unsigned char* p = p_;
        const auto first = static_cast<unsigned char>(closer[0]);
        int run = run_;
        for (;; ++run) {
            const unsigned char c = p[run];
            if (c == 0 || (!nulOnly && (c == '\n' || c == '\r'))) {
                run_ = run;
                return false;
            }
            if (c != first)
                continue;
            size_t i = 1;  // stops at the NUL at the latest: closers hold no NUL
            while (i < closer.size() && p[run + static_cast<int>(i)] ==
                                            static_cast<unsigned char>(closer[i]))
                ++i;
            if (i == closer.size()) {
                run_ = run + static_cast<int>(i);
                return true;
            }
        }
    }
    // From the opening delimiter to the closing one (included) or the end of the line; with
    // doubledInside a doubled delimiter does not close the string.
    bool SkipQuoted(unsigned char delim, bool doubledInside) {
        ++run_;
        for (;;) {
            while (!kBedLineEndChars[p_[run_]] && p_[run_] != delim)
                ++run_;
            if (p_[run_] != delim)
                return false;
            ++run_;
            if (!doubledInside || p_[run_] != delim)
                return true;
            ++run_;
        }
    }

    const TBedLanguage& language_;
    std::string line_;
    const unsigned char* p_ = reinterpret_cast<const unsigned char*>("");
    int lineIndex_ = 0;
    int run_ = 0;
    int tokenPos_ = 0;
    int kind_ = 0;
    int eolKind_;
    TBedRange range_ = 0;

private:
    TBedCharSet wordCharacters_ = BedNonBlankCharacters();
    TDispatchTable procs_;
    std::array<TBedHighlighterAttributes*, 5> standard_{};  // comment ... whitespace
    std::vector<TBedHighlighterAttributes*> kindAttributes_;
};
