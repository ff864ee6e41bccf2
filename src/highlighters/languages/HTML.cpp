// HTML documents: tag names found by the sum of their letter values, case ignored; comments,
// "<% %>" blocks, unfinished tags and expected values carried as range states; character
// entities found in the text by a list.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"
#include "BedTextLetters.h"

#include <string_view>

namespace {

// Tag names hash up to 243 ("/BLOCKQUOTE"); a longer sum is taken as an attribute name.
constexpr int kKeywordSlots = 244;

// "!" and "/" have values of their own, letters 1 ... 26 in either case, digits 0 (they add
// their own value to the hash instead).
constexpr TBedCharValues kTagValues = [] {
    TBedCharValues v = kBedLetterValues;
    v['!'] = 123;
    v['/'] = 122;
    return v;
}();
constexpr TBedCharFlags kTagChars = BedCharFlags("!/A-Za-z");

// A tab starts a space token but does not continue one.
constexpr TBedCharFlags kSpaceRunChars = [] {
    TBedCharFlags t = kBedSpaceChars;
    t['\t'] = false;
    return t;
}();
// What text runs over: everything but control characters, "<" and "&".
constexpr TBedCharFlags kTextChars = [] {
    TBedCharFlags t{};
    for (int c = 32; c < 256; ++c) t[c] = c != '<' && c != '&';
    return t;
}();
// An attribute name ends at a blank or control character, a double quote, "=" or ">"; an
// unquoted value at a blank or control character or ">".
constexpr TBedCharFlags kNameChars = [] {
    TBedCharFlags t{};
    for (int c = 33; c < 256; ++c) t[c] = c != '"' && c != '=' && c != '>';
    return t;
}();
constexpr TBedCharFlags kValueChars = [] {
    TBedCharFlags t{};
    for (int c = 33; c < 256; ++c) t[c] = c != '>';
    return t;
}();

// The hash of the tag name at text (the run of "!", "/" and letters and the digits after
// it), past the slots once it is too large to be a known name; its length goes to *length.
int TagNameHash(const unsigned char* text, int* length) {
    int hash = 0;
    int i = 0;
    for (; kTagChars[text[i]]; ++i)
        if (hash < kKeywordSlots) hash += kTagValues[text[i]];
    for (; kBedDigits[text[i]]; ++i)
        if (hash < kKeywordSlots) hash += text[i] - '0';
    *length = i;
    return hash;
}

class THTMLHighlighter : public TBedScannerHighlighter<THTMLHighlighter> {
public:
    enum TokenKinds {
        tkAmpersand,
        tkASP,
        tkComment,
        tkIdentifier,
        tkKey,
        tkNull,
        tkSpace,
        tkString,
        tkSymbol,
        tkText,
        tkUndefKey,
        tkValue
    };
    // rsAmpersand never ends a line: the entity that it announces follows at once.
    enum RangeStates { rsAmpersand = 0, rsASP, rsComment, rsKey, rsParam, rsText, rsValue = 7 };

    THTMLHighlighter();

    void NextToken() override;
    // A pending entity belongs to one position of one line: a new line or state drops it.
    void StartLine(std::string_view text, int lineIndex) override {
        pendingEntity_ = -1;
        TBedScannerHighlighter::StartLine(text, lineIndex);
    }
    void RestoreRange(TBedRange value) override {
        pendingEntity_ = -1;
        TBedScannerHighlighter::RestoreRange(value);
    }
    void ClearRange() override {
        pendingEntity_ = -1;
        TBedScannerHighlighter::ClearRange();
    }

private:
    void BlockProc(int kind, std::string_view before);
    void TextProc();
    void SpaceProc();
    void StringProc();
    void AmpersandProc();
    void BraceOpenProc();
    void EqualProc();
    void BraceCloseProc();
    void WordProc();
    void TagNameProc();
    int EntityAt() const;

    TBedSumHashKeywords keywords_;
    int pendingEntity_ = -1;  // the entity that starts at the position, announced by the text
};

// The known tag names, the closing forms and "!DOCTYPE" among them.
constexpr const char* kTags[] = {
    "A",         "B",        "DD",       "I",         "H1",        "H2",        "H3",        "H4",          "H5",
    "H6",        "DL",       "P",        "KBD",       "Q",         "BIG",       "EM",        "HEAD",        "S",
    "BR",        "DEL",      "LI",       "U",         "ABBR",      "DFN",       "DT",        "TD",          "AREA",
    "HR",        "BASE",     "CODE",     "OL",        "TH",        "EMBED",     "IMG",       "COL",         "MAP",
    "DIR",       "LABEL",    "UL",       "DIV",       "CITE",      "THEAD",     "TR",        "META",        "PRE",
    "TABLE",     "TT",       "var",      "INS",       "SUB",       "FRAME",     "WBR",       "BODY",        "LINK",
    "LEGend",    "BLINK",    "NOBR",     "PARAM",     "SAMP",      "SPAN",      "FORM",      "IFRAME",      "HTML",
    "MENU",      "XMP",      "FONT",     "object",    "SUP",       "SMALL",     "NOEMBED",   "LAYER",       "SPACER",
    "SELECT",    "CENTER",   "TBODY",    "TITLE",     "KEYGEN",    "ADDRESS",   "APPLET",    "ILAYER",      "NEXTID",
    "TFOOT",     "CAPTION",  "FIELDSET", "INPUT",     "MARQUEE",   "STYLE",     "BASEFONT",  "BGSOUND",     "STRIKE",
    "COMMENT",   "ISINDEX",  "SCRIPT",   "SERVER",    "FRAMESET",  "ACRONYM",   "OPTION",    "LISTING",     "NOLAYER",
    "NOFRAMES",  "BUTTON",   "STRONG",   "TEXTAREA",  "MULTICOL",  "COLGROUP",  "NOSCRIPT",  "BLOCKQUOTE",  "PLAINTEXT",
    "/A",        "/B",       "/DD",      "/I",        "/H1",       "/H2",       "/H3",       "/H4",         "/H5",
    "/H6",       "/DL",      "/P",       "/KBD",      "/Q",        "/BIG",      "/EM",       "/HEAD",       "/S",
    "/DEL",      "/LI",      "/U",       "/ABBR",     "/DFN",      "/DT",       "/TD",       "/CODE",       "/OL",
    "/TH",       "/EMBED",   "/MAP",     "/DIR",      "/LABEL",    "/UL",       "/DIV",      "/CITE",       "/THEAD",
    "/TR",       "/PRE",     "/TABLE",   "/TT",       "/var",      "/INS",      "/SUB",      "/BODY",       "/LEGend",
    "/BLINK",    "/NOBR",    "/SAMP",    "/SPAN",     "/FORM",     "/IFRAME",   "/HTML",     "/MENU",       "/XMP",
    "/FONT",     "/object",  "/SUP",     "/SMALL",    "/NOEMBED",  "/LAYER",    "/SELECT",   "/CENTER",     "/TBODY",
    "/TITLE",    "/ADDRESS", "/APPLET",  "/ILAYER",   "/TFOOT",    "/CAPTION",  "/FIELDSET", "/MARQUEE",    "/STYLE",
    "/STRIKE",   "/COMMENT", "/SCRIPT",  "/FRAMESET", "/SERVER",   "/ACRONYM",  "/OPTION",   "/LISTING",    "/NOLAYER",
    "/NOFRAMES", "/BUTTON",  "/STRONG",  "/TEXTAREA", "/MULTICOL", "/COLGROUP", "/NOSCRIPT", "/BLOCKQUOTE", "!DOCTYPE"};
// In matching order; "&divide" has no ";", so it also takes the start of "&dividend".
constexpr const char* kEntities[] = {
    "&amp;",    "&lt;",     "&gt;",     "&quot;",   "&trade;",  "&nbsp;",   "&copy;",   "&reg;",    "&Agrave;",
    "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;", "&Egrave;", "&Eacute;",
    "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",   "&ETH;",    "&Ntilde;", "&Ograve;",
    "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",
    "&Yacute;", "&THORN;",  "&szlig;",  "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",
    "&aelig;",  "&ccedil;", "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",
    "&iuml;",   "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&oslash;",
    "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",   "&iexcl;",  "&cent;",
    "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",   "&uml;",    "&ordf;",   "&laquo;",  "&shy;",
    "&macr;",   "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",  "&middot;", "&cedil;",
    "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;", "&iquest;", "&times;",  "&divide",
    "&euro;",   "&#9;",     "&#127;",   "&#128;",   "&#129;",   "&#130;",   "&#131;",   "&#132;",   "&ldots;",
    "&#134;",   "&#135;",   "&#136;",   "&#137;",   "&#138;",   "&#139;",   "&#140;",   "&#141;",   "&#142;",
    "&#143;",   "&#144;",   "&#152;",   "&#153;",   "&#154;",   "&#155;",   "&#156;",   "&#157;",   "&#158;",
    "&#159;",   "&#161;",   "&#162;",   "&#163;",   "&#164;",   "&#165;",   "&#166;",   "&#167;",   "&#168;",
    "&#170;",   "&#175;",   "&#176;",   "&#177;",   "&#178;",   "&#180;",   "&#181;",   "&#183;",   "&#184;",
    "&#185;",   "&#186;",   "&#188;",   "&#189;",   "&#190;",   "&#191;",   "&#215;"};
constexpr TBedKeywordList kKeywords[] = {{THTMLHighlighter::tkKey, kTags}, {THTMLHighlighter::tkAmpersand, kEntities}};

constexpr TBedAttributeRow kAttributes[] = {{"ASPAttri", "Asp", 0, 0x000000, 0x00FFFF},
                                            {"CommentAttri", "Comment"},
                                            {"IdentifierAttri", "Identifier", fsBold},
                                            {"KeyAttri", "Reserved word"},
                                            {"SpaceAttri", "Space"},
                                            {"SymbolAttri", "Symbol", fsBold},
                                            {"TextAttri", "Text"},
                                            {"UndefKeyAttri", "Unknown word"},
                                            {"ValueAttri", "Value", 0, 0xFF8000},
                                            {"AndAttri", "Escape ampersand"}};

// Strings look like values.
constexpr const char* kKinds[] = {"AndAttri",    "ASPAttri",  "CommentAttri",  "IdentifierAttri",
                                  "KeyAttri",    nullptr,     "SpaceAttri",    "ValueAttri",
                                  "SymbolAttri", "TextAttri", "UndefKeyAttri", "ValueAttri"};
static_assert(std::size(kKinds) == THTMLHighlighter::tkValue + 1);

constexpr TBedAttributeSetting kMainWindowColours[] = {{.property = "CommentAttri", .style = fsItalic}};

}  // namespace

constinit const TBedLanguage kBedHTMLLanguage = {
    .className = "THTMLHighlighter",
    .create = &BedCreate<THTMLHighlighter>,
    .languageName = "HTML Document",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .initialRange = THTMLHighlighter::rsText,
    .defaultFilter = "HTML Document (*.htm,*.html)|*.htm;*.html",
    .wordCharacters = "0-9A-Za-z",
    .mainWindow = {"hl_html", "HTML1", "HTML", ".HTML .HTM", kMainWindowColours}};

THTMLHighlighter::THTMLHighlighter()
    : TBedScannerHighlighter(kBedHTMLLanguage, tkNull), keywords_(kTagValues, kKeywordSlots, false) {
    // Each tag at the hash the scanner gives it, in which digits count by their own values.
    for (const char* tag : kTags) {
        int length;
        const int hash = TagNameHash(reinterpret_cast<const unsigned char*>(tag), &length);
        keywords_.AddAt(hash, tag, tkKey);
    }

    FillProcs<&THTMLHighlighter::WordProc>();
    SetBlankProcs(tkSpace);
    SetProcs<&THTMLHighlighter::SpaceProc>(kBedSpaceChars);
    SetProc<&THTMLHighlighter::StringProc>('"');
    SetProc<&THTMLHighlighter::AmpersandProc>('&');
    SetProc<&THTMLHighlighter::BraceOpenProc>('<');
    SetProc<&THTMLHighlighter::EqualProc>('=');
    SetProc<&THTMLHighlighter::BraceCloseProc>('>');
}

void THTMLHighlighter::NextToken() {
    Start();
    switch (range_) {
        case rsASP: BlockProc(tkASP, "%"); break;
        case rsComment: BlockProc(tkComment, "--"); break;
        case rsText: TextProc(); break;
        default: Dispatch();
    }
}

// A comment or "<%" block continued to the first ">" that has `before` right in front of it
// in this line, or to the end of the line.
void THTMLHighlighter::BlockProc(int kind, std::string_view before) {
    if (AtLineBreak()) {
        Dispatch();
        return;
    }
    kind_ = kind;
    const int n = static_cast<int>(before.size());
    for (;;) {
        const unsigned char c = Ch();
        if (kBedLineEndChars[c]) return;
        ++run_;
        if (c == '>' && run_ - 1 - n >= 0 &&
            std::string_view(line_).substr(static_cast<size_t>(run_ - 1 - n), before.size()) == before) {
            range_ = rsText;
            return;
        }
    }
}

// Text up to a control character, a "<" or an entity, which the next token takes.
void THTMLHighlighter::TextProc() {
    if (Ch() < 32 || Ch() == '<') {
        Dispatch();
        return;
    }
    kind_ = tkText;
    for (;;) {
        SkipWhile(kTextChars);
        if (Ch() != '&') return;
        const int entity = EntityAt();
        if (entity < 0) {
            ++run_;  // a bare "&" is text
            continue;
        }
        pendingEntity_ = entity;
        range_ = rsAmpersand;
        if (run_ == tokenPos_) AmpersandProc();  // the entity itself, rather than an empty text before it
        return;
    }
}

// The index of the entity that the text at the position starts with, ignoring case; -1.
int THTMLHighlighter::EntityAt() const {
    const unsigned char* text = p_ + run_;
    for (size_t e = 0; e < std::size(kEntities); ++e) {
        const char* entity = kEntities[e];
        size_t i = 1;  // both start with "&"; the line's NUL ends a partial match
        while (entity[i] && BedCp1250Lower(text[i]) == BedCp1250Lower(static_cast<unsigned char>(entity[i]))) ++i;
        if (!entity[i]) return static_cast<int>(e);
    }
    return -1;
}

// The entity the text announced; any other "&" goes back to text, which takes it.
void THTMLHighlighter::AmpersandProc() {
    const int entity = pendingEntity_;
    pendingEntity_ = -1;
    range_ = rsText;
    if (entity >= 0)
        Token(tkAmpersand, static_cast<int>(std::string_view(kEntities[static_cast<size_t>(entity)]).size()));
    else
        TextProc();
}

void THTMLHighlighter::SpaceProc() {
    ++run_;
    SkipWhile(kSpaceRunChars);
    kind_ = tkSpace;
}

void THTMLHighlighter::StringProc() {
    if (range_ == rsValue) {
        range_ = rsParam;
        kind_ = tkValue;
    } else {
        kind_ = tkString;
    }
    ++run_;
    SkipPast("\"");
}

void THTMLHighlighter::BraceOpenProc() {
    if (LookingAt("<!--")) {
        Token(tkComment, 4);
        range_ = rsComment;
    } else if (Ch(1) == '%') {
        Token(tkASP, 2);
        range_ = rsASP;
    } else {
        Token(tkSymbol, 1);
        range_ = rsKey;
    }
}

void THTMLHighlighter::EqualProc() {
    Token(tkSymbol, 1);
    range_ = rsValue;
}

void THTMLHighlighter::BraceCloseProc() {
    Token(tkSymbol, 1);
    range_ = rsText;
}

// A tag name after "<", an unquoted value after "=", an attribute name elsewhere.
void THTMLHighlighter::WordProc() {
    switch (range_) {
        case rsKey: TagNameProc(); break;
        case rsValue:
            range_ = rsParam;
            kind_ = tkValue;
            SkipWhile(kValueChars);
            break;
        default: kind_ = tkIdentifier; SkipWhile(kNameChars);
    }
}

void THTMLHighlighter::TagNameProc() {
    range_ = rsParam;
    int length;
    const int hash = TagNameHash(p_ + run_, &length);
    if (length == 0) {
        WordProc();  // no name, as in "<?xml": what follows is scanned as inside the tag
        return;
    }
    run_ += length;
    if (hash >= kKeywordSlots)
        kind_ = tkIdentifier;
    else
        kind_ = keywords_.Find(hash, p_ + tokenPos_, length) >= 0 ? tkKey : tkUndefKey;
}
