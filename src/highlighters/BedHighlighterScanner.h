#pragma once
// The machinery every scanning highlighter shares: the line being scanned, the position, the
// current token's start and kind, the range state, a 256-entry dispatch table of scanning
// procedures, the kind-to-attribute map and helpers for the runs most languages have.
// A language derives from TBedScannerHighlighter<Itself> and supplies only its procedures:
//   - its constructor passes its row, BedFamilyMember("TFooHighlighter"), and its end-of-line
//     kind; takes its attributes with Attr("KeyAttri"); maps kinds to attributes with
//     SetKindAttributes; calls HookAttributeChanges; fills the table with FillProcs/SetProc(s);
//   - NextToken() calls Start(), then continues a multi-line construct or Dispatch()es;
//   - its source file registers the class with a TBedHighlighterRegistrar, and the main
//     window's instance gets its creator in HighlighterChoice.cpp.
#include "BedHighlighter.h"
#include "BedHighlighterFamily.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
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
    TBedRange CurrentRange() const override { return initialRange_ ? range_ : 0; }
    void RestoreRange(TBedRange value) override {
        if (initialRange_)
            range_ = value;
    }
    void ClearRange() override { range_ = initialRange_.value_or(0); }
    std::string LanguageName() const override { return family_ ? family_->languageName : "<Unknown>"; }
    TBedCharSet WordCharacters() const override { return wordCharacters_; }

    void StartLine(std::string_view text, int lineIndex) override {
        line_.assign(text);  // keeps its capacity: no allocation per line once warmed up
        p_ = reinterpret_cast<const unsigned char*>(line_.c_str());
        lineIndex_ = lineIndex;
        run_ = 0;
        NextToken();
    }

protected:
    // A member of the family builds its attributes, word characters, filter and range state
    // from its row; the general highlighter passes none and sets its own.
    explicit TBedScannerHighlighter(const TBedFamilyMember* family, int eolKind)
        : family_(family), eolKind_(eolKind) {
        procs_.fill(nullptr);
        if (!family)
            return;
        for (const TBedAttributeSpec& desc : family->attributes) {
            auto* attr = new TBedHighlighterAttributes(desc.name);
            attr->SetStyle(desc.style);
            attr->SetForeground(desc.foreground);
            attr->SetBackground(desc.background);
            RegisterAttribute(attr);
            created_.push_back(attr);
        }
        wordCharacters_ = *family->wordCharacters ? BedCharSetOf(family->wordCharacters)
                                                  : BedNonBlankCharacters();
        initialRange_ = family->initialRange;
        range_ = initialRange_.value_or(0);
        defaultFilter_ = family->defaultFilter;
    }

    // The attribute of the row's property (e.g. "StringAttri"); raises for an unknown one.
    TBedHighlighterAttributes* Attr(std::string_view property) const {
        for (size_t i = 0; i < created_.size(); ++i)
            if (property == family_->attributes[i].property)
                return created_[i];
        throw std::out_of_range("no attribute property " + std::string(property));
    }
    // Attribute per token kind, indexed by the kind's ordinal (null: no attribute).
    void SetKindAttributes(std::vector<TBedHighlighterAttributes*> map) {
        kindAttributes_ = std::move(map);
    }
    void SetRangeStates(std::optional<TBedRange> initial) {
        initialRange_ = initial;
        range_ = initial.value_or(0);
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

    const TBedFamilyMember* family_;
    std::string line_;
    const unsigned char* p_ = reinterpret_cast<const unsigned char*>("");
    int lineIndex_ = 0;
    int run_ = 0;
    int tokenPos_ = 0;
    int kind_ = 0;
    int eolKind_;
    TBedRange range_ = 0;

private:
    std::optional<TBedRange> initialRange_;
    TBedCharSet wordCharacters_ = BedNonBlankCharacters();
    TDispatchTable procs_;
    std::vector<TBedHighlighterAttributes*> created_;
    std::vector<TBedHighlighterAttributes*> kindAttributes_;
};
