#pragma once
// The machinery every scanning highlighter shares: the line being scanned, the position, the
// current token's start and kind, the range state, a 256-entry dispatch table of scanning
// procedures, the kind-to-attribute map and helpers for the runs most languages have.
// A language derives from TBedScannerHighlighter<Itself> and supplies only its procedures:
//   - its constructor passes its facts (kBedFooLanguage) and its end-of-line kind, which give
//     the class its name, its attributes and the attribute of each kind; it fills its keyword
//     table (from the facts' keywords where it has them) and the dispatch table with
//     FillProcs/SetProc(s)<&TFooHighlighter::SomeProc>; a class with members for its
//     attributes binds them with BindAttributes;
//   - NextToken() calls Start(), then continues a multi-line construct or Dispatch()es; a
//     language with nothing to continue keeps the one given here.
// SetBlankProcs fills the entries for NUL, blanks, LF and CR of a language that gives them
// no meaning of their own; SetOperators those of its operators.
#include "BedHighlighter.h"
#include "BedHighlighterKeywords.h"
#include "BedHighlighterLanguage.h"

#include <algorithm>
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
            for (int c = first; c <= static_cast<unsigned char>(ranges[i + 2]); ++c) t[c] = true;
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
    for (int c = 1; c <= 32; ++c) t[c] = c != 10 && c != 13;
    return t;
}();
// Those and NUL, LF and CR: every code from 0 to 32.
constexpr TBedCharFlags kBedBlankChars = [] {
    TBedCharFlags t{};
    for (int c = 0; c <= 32; ++c) t[c] = true;
    return t;
}();
constexpr TBedCharFlags kBedLineEndChars = BedCharFlags(std::string_view("\0\n\r", 3));
constexpr TBedCharFlags kBedDigits = BedCharFlags("0-9");
constexpr TBedCharFlags kBedHexDigits = BedCharFlags("0-9A-Fa-f");
constexpr TBedCharFlags kBedLetters = BedCharFlags("A-Za-z");
constexpr TBedCharFlags kBedWordChars = BedCharFlags("0-9A-Z_a-z");

// How a language's strings end, for SkipString.
struct TBedStringRules {
    bool tripleOpener = false;   // two more delimiters right after the opener belong to it
    unsigned char escape = 0;    // a delimiter right after this character stays inside
    bool escapedEscape = false;  // and so does a second escape ("\\" then the quote closes)
    bool doubledInside = false;  // a doubled delimiter stays inside
};
// The backslash escapes of the C family.
constexpr TBedStringRules kBedBackslashEscapes{.escape = '\\', .escapedEscape = true};

// The class a scanning procedure is a member of.
template <class Proc>
struct TBedProcClass;
template <class C>
struct TBedProcClass<void (C::*)()> {
    using type = C;
};

template <class Derived>
class TBedScannerHighlighter : public TBedCustomHighlighter {
public:
    // A procedure as the dispatch table holds it: a plain function that calls the member, so
    // that dispatching is one indirect call.
    using TScanProc = void (*)(Derived&);
    using TDispatchTable = std::array<TScanProc, 256>;

    const char* ClassName() const override { return language_.className; }
    bool AtLineEnd() const override { return kind_ == eolKind_; }
    std::string TokenText() const override {
        return line_.substr(static_cast<size_t>(tokenPos_), static_cast<size_t>(run_ - tokenPos_));
    }
    int TokenStart() const override { return tokenPos_; }
    int TokenLength() const override { return run_ - tokenPos_; }
    int TokenKind() const override { return kind_; }
    TBedHighlighterAttributes* TokenAttribute() const override {
        const int kind = TokenKind();
        return kind >= 0 && kind < static_cast<int>(kindAttributes_.size()) ? kindAttributes_[static_cast<size_t>(kind)]
                                                                            : nullptr;
    }
    TBedRange CurrentRange() const override { return language_.initialRange ? range_ : 0; }
    void RestoreRange(TBedRange value) override {
        if (language_.initialRange) range_ = value;
    }
    void ClearRange() override { range_ = language_.initialRange.value_or(0); }
    std::string LanguageName() const override { return language_.languageName; }
    // By the usual property names, null where the language has none; a language that
    // answers otherwise overrides it.
    TBedHighlighterAttributes* StandardAttribute(int kind) const override {
        return kind >= 0 && kind < static_cast<int>(standard_.size()) ? standard_[static_cast<size_t>(kind)] : nullptr;
    }
    TBedCharSet WordCharacters() const override { return wordCharacters_; }

    void NextToken() override {
        Start();
        Dispatch();
    }
    // The language's own NextToken, called directly: a full rescan spends most of its time
    // between tokens.
    void ScanToLineEnd() override {
        auto& self = static_cast<Derived&>(*this);
        while (kind_ != eolKind_) self.Derived::NextToken();
    }

    void StartLine(std::string_view text, int lineIndex) override {
        line_.assign(text);  // keeps its capacity: no allocation per line once warmed up
        p_ = reinterpret_cast<const unsigned char*>(line_.c_str());
        lineIndex_ = lineIndex;
        run_ = 0;
        NextToken();
    }
    // A language whose procedures look neither behind the token nor at members other than the
    // range declares `static constexpr bool kResumesMidLine = true;`.
    static constexpr bool kResumesMidLine = false;
    bool ResumeLine(std::string_view text, int lineIndex, int at, TBedRange range) override {
        if constexpr (!Derived::kResumesMidLine) {
            return false;
        } else {
            line_.assign(text);
            p_ = reinterpret_cast<const unsigned char*>(line_.c_str());
            lineIndex_ = lineIndex;
            run_ = std::clamp(at, 0, static_cast<int>(line_.size()));
            RestoreRange(range);
            NextToken();
            return true;
        }
    }

protected:
    // Attributes and the attribute of each kind, word characters, filter and range state come
    // from the language's facts; every attribute change from then on tells the editors.
    TBedScannerHighlighter(const TBedLanguage& language, int eolKind) : language_(language), eolKind_(eolKind) {
        procs_.fill(nullptr);
        for (const TBedAttributeRow& row : language.attributes) {
            auto* attr = new TBedHighlighterAttributes(row.name);
            attr->SetStyle(row.style);
            attr->SetForeground(row.foreground);
            attr->SetBackground(row.background);
            RegisterAttribute(attr);
        }
        for (const char* property : language.kinds) kindAttributes_.push_back(property ? Attr(property) : nullptr);
        wordCharacters_ = *language.wordCharacters ? BedCharSetOf(language.wordCharacters) : BedNonBlankCharacters();
        range_ = language.initialRange.value_or(0);
        defaultFilter_ = language.defaultFilter;
        const char* standard[] = {"CommentAttri", "IdentifierAttri", "KeyAttri", "StringAttri", "SpaceAttri"};
        for (size_t kind = 0; kind < standard_.size(); ++kind)
            for (const TBedAttributeRow& row : language.attributes)
                if (std::string_view(row.property) == standard[kind]) standard_[kind] = Attr(row.property);
        HookAttributeChanges();
    }

    // The attribute of a property of the facts (e.g. "StringAttri"); raises for an unknown one.
    TBedHighlighterAttributes* Attr(std::string_view property) const {
        return BedAttributeOf(*this, language_, property);
    }
    // Points each member at the attribute of its property: {{&KeyAttri, "KeyAttri"}, ...}.
    void BindAttributes(std::initializer_list<std::pair<TBedHighlighterAttributes**, const char*>> members) {
        for (const auto& [member, property] : members) *member = Attr(property);
    }
    void SetWordCharacters(const TBedCharSet& set) { wordCharacters_ = set; }

    // Dispatch on the character at the position.
    void Dispatch() { procs_[p_[run_]](static_cast<Derived&>(*this)); }
    // Proc is a member of the language's class, of its base or of a dialect derived from it
    // (whose own constructor sets it), e.g. SetProc<&TFooHighlighter::StringProc>('"').
    template <auto Proc>
    void SetProc(unsigned char c) {
        procs_[c] = &Call<Proc>;
    }
    template <auto Proc>
    void SetProcs(std::string_view ranges) {
        SetProcs<Proc>(BedCharFlags(ranges));
    }
    template <auto Proc>
    void SetProcs(const TBedCharFlags& flags) {
        for (int c = 0; c < 256; ++c)
            if (flags[c]) procs_[static_cast<size_t>(c)] = &Call<Proc>;
    }
    template <auto Proc>
    void FillProcs() {
        procs_.fill(&Call<Proc>);
    }
    // The language's operators, one-character ones included: each character that starts one
    // becomes a token of the kind, the longest form the text starts with.
    void SetOperators(int kind, std::initializer_list<std::string_view> forms) {
        operatorKind_ = kind;
        std::array<bool, 256> replaced{};  // a dialect's forms replace those of its base
        for (std::string_view form : forms) {
            const auto first = static_cast<unsigned char>(form[0]);
            std::vector<std::string_view>& list = operators_[first];
            if (!replaced[first]) list.clear();
            replaced[first] = true;
            const std::string_view rest = form.substr(1);
            auto shorter = [&](std::string_view r) { return r.size() < rest.size(); };
            if (!rest.empty()) list.insert(std::find_if(list.begin(), list.end(), shorter), rest);
            SetProc<&TBedScannerHighlighter::OperatorProc>(first);
        }
    }
    // What most languages do with NUL (the end of the line), blanks and control characters
    // (one run of spaceKind), LF and CR (a CR with the LF after it).
    void SetBlankProcs(int spaceKind) {
        spaceKind_ = spaceKind;
        SetProc<&TBedScannerHighlighter::LineEndProc>(0);
        SetProcs<&TBedScannerHighlighter::SpacesProc>(kBedSpaceChars);
        SetProc<&TBedScannerHighlighter::LineFeedProc>('\n');
        SetProc<&TBedScannerHighlighter::CarriageReturnProc>('\r');
    }
    // The operator the text at the position starts with, of the kind SetOperators gave.
    void OperatorProc() {
        for (std::string_view rest : operators_[p_[run_]])
            if (LookingAt(rest, 1)) {
                Token(operatorKind_, 1 + static_cast<int>(rest.size()));
                return;
            }
        Token(operatorKind_, 1);
    }

    unsigned char Ch(int offset = 0) const { return p_[run_ + offset]; }
    bool AtLineBreak() const { return kBedLineEndChars[p_[run_]]; }
    // Whether the text offset characters on from the position starts with s (never reads past
    // the line's end).
    bool LookingAt(std::string_view s, int offset = 0) const {
        const unsigned char* text = p_ + run_ + offset;
        for (size_t i = 0; i < s.size(); ++i)
            if (text[i] != static_cast<unsigned char>(s[i])) return false;
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
    // The rest of a construct that may span lines, from the position: of the kind, up to and
    // including the closer, after which the range becomes `after`; at the end of the line the
    // range stays.
    void ScanBlock(int kind, std::string_view closer, TBedRange after) {
        kind_ = kind;
        if (SkipPast(closer)) range_ = after;
    }
    // The same continued at the start of a token: a line break gives its own token first, so
    // that the scan always moves on.
    void ContinueBlock(int kind, std::string_view closer, TBedRange after) {
        if (!ScanLineBreak()) ScanBlock(kind, closer, after);
    }
    // At "/": "//" comments to the end of the line, "/*" opens a comment that takes the range
    // until "*/" and then `after`; any other is the operator.
    void ScanSlash(int commentKind, TBedRange blockRange, TBedRange after) {
        switch (p_[run_ + 1]) {
            case '*':
                range_ = blockRange;
                run_ += 2;
                ScanBlock(commentKind, "*/", after);
                break;
            case '/': ScanRestOfLine(commentKind); break;
            default: OperatorProc();
        }
    }
    // A lead character and the run of chars after it, e.g. "$FF".
    void ScanRun(int kind, const TBedCharFlags& chars) {
        ++run_;
        SkipWhile(chars);
        kind_ = kind;
    }
    // A number: the character at the position and the run of chars after it, in which a "."
    // followed by another "." ends it, so that ranges such as "1..10" stay apart.
    void ScanNumber(int kind, const TBedCharFlags& chars) {
        const unsigned char* p = p_;
        int run = run_ + 1;
        while (chars[p[run]] && !(p[run] == '.' && p[run + 1] == '.')) ++run;
        run_ = run;
        kind_ = kind;
    }
    // Everything up to the end of the line, e.g. a line comment.
    void ScanRestOfLine(int kind) {
        SkipToLineEnd();
        kind_ = kind;
    }
    void ScanLF(int spaceKind) { Token(spaceKind, 1); }
    void ScanCR(int spaceKind) { Token(spaceKind, p_[run_ + 1] == '\n' ? 2 : 1); }
    // At the end of the line or a line break, its token as the language's table makes it,
    // and true; false elsewhere. For a construct carried over from an earlier line, which
    // lets these go first so that the scan always moves on.
    bool ScanLineBreak() {
        if (!AtLineBreak()) return false;
        Dispatch();
        return true;
    }
    // The loops work on locals: the position member would otherwise be stored on every step.
    void SkipWhile(const TBedCharFlags& table) {
        const unsigned char* p = p_;
        int run = run_;
        while (table[p[run]]) ++run;
        run_ = run;
    }
    void SkipToLineEnd() {
        const unsigned char* p = p_;
        int run = run_;
        while (!kBedLineEndChars[p[run]]) ++run;
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
            if (c != first && !kBedLineEndChars[c]) continue;
            if (c == 0 || (!nulOnly && (c == '\n' || c == '\r'))) {
                run_ = run;
                return false;
            }
            if (c != first) continue;
            size_t i = 1;  // stops at the NUL at the latest: closers hold no NUL
            while (i < closer.size() && p[run + static_cast<int>(i)] == static_cast<unsigned char>(closer[i])) ++i;
            if (i == closer.size()) {
                run_ = run + static_cast<int>(i);
                return true;
            }
        }
    }
    // Takes the run of chars and returns the sum of their values, or limit when it is larger:
    // a keyword table of limit slots needs no more.
    int SkipSumming(const TBedCharFlags& chars, const TBedCharValues& values, int limit) {
        const unsigned char* p = p_;
        int run = run_;
        size_t sum = 0;  // no line is long enough to overflow it
        while (chars[p[run]]) {
            sum += values[p[run]];
            ++run;
        }
        run_ = run;
        return static_cast<int>(std::min(sum, static_cast<size_t>(limit)));
    }
    // The run of chars at the token's start; keyKind when the keywords know the word, else
    // identKind. The hash is summed in the same pass.
    void ScanWord(const TBedCharFlags& chars, const TBedSumHashKeywords& keywords, int keyKind, int identKind) {
        const int hash = SkipSumming(chars, keywords.Values(), keywords.Slots());
        kind_ = keywords.Find(hash, p_ + tokenPos_, run_ - tokenPos_) >= 0 ? keyKind : identKind;
    }
    // A string from its opening delimiter at the position past the closing one (true) or to
    // the end of the line (false).
    bool SkipString(unsigned char delim, TBedStringRules rules = {}) {
        run_ += rules.tripleOpener && Ch(1) == delim && Ch(2) == delim ? 3 : 1;
        return SkipStringRest(delim, rules);
    }
    // The same from inside the string, as on a line that continues it. Each character is
    // tested before the one after it, so the scan never reads past the line's end.
    bool SkipStringRest(unsigned char delim, TBedStringRules rules) {
        const unsigned char* p = p_;
        int run = run_;
        for (;;) {
            const unsigned char c = p[run];
            if (kBedLineEndChars[c]) {
                run_ = run;
                return false;
            }
            if (c == delim) {
                if (!rules.doubledInside || p[run + 1] != delim) {
                    run_ = run + 1;
                    return true;
                }
                run += 2;
            } else if (rules.escape && c == rules.escape &&
                       (p[run + 1] == delim || (rules.escapedEscape && p[run + 1] == c))) {
                run += 2;
            } else {
                ++run;
            }
        }
    }
    // Whether the text at the position starts with s, ASCII letters in either case.
    bool LookingAtIgnoringCase(std::string_view s) const {
        for (size_t i = 0; i < s.size(); ++i) {
            const unsigned char c = p_[run_ + static_cast<int>(i)];
            const auto w = static_cast<unsigned char>(s[i]);
            if (c != w && !(kBedLetters[w] && (c | 0x20) == (w | 0x20)))
                return false;  // a NUL never matches: no read past the line's end
        }
        return true;
    }
    // The length of the first word the text at the position starts with, letters in either
    // case; 0 when none does.
    int MatchedLength(std::initializer_list<std::string_view> words) const {
        for (std::string_view w : words)
            if (LookingAtIgnoringCase(w)) return static_cast<int>(w.size());
        return 0;
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
    template <auto Proc>
    static void Call(Derived& self) {
        (static_cast<typename TBedProcClass<decltype(Proc)>::type&>(self).*Proc)();
    }

    void LineEndProc() { ScanLineEnd(eolKind_); }
    void SpacesProc() { ScanSpaces(spaceKind_); }
    void LineFeedProc() { ScanLF(spaceKind_); }
    void CarriageReturnProc() { ScanCR(spaceKind_); }

    int spaceKind_ = 0;
    TBedCharSet wordCharacters_ = BedNonBlankCharacters();
    TDispatchTable procs_;
    // By first character, the forms longer than it without it, longest first.
    std::array<std::vector<std::string_view>, 256> operators_;
    int operatorKind_ = 0;
    std::array<TBedHighlighterAttributes*, 5> standard_{};    // comment ... whitespace
    std::vector<TBedHighlighterAttributes*> kindAttributes_;  // by kind, null: none
};
