#include "TclTk.h"

#include "BedHighlighterList.h"

namespace {

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"SecondKeyAttri", "Second reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"}};
constexpr const char* kKinds[] = {"CommentAttri",   "IdentifierAttri", "KeyAttri",    nullptr,       "NumberAttri",
                                  "SecondKeyAttri", "SpaceAttri",      "StringAttri", "SymbolAttri", "SymbolAttri"};
static_assert(std::size(kKinds) == TTclTkHighlighter::tkUnknown + 1);

// The form of the main window sets the same list again.
void SetMainWindowKeyWords(TBedCustomHighlighter& hl) {
    std::vector<std::string> words = BedTclTkKeyWords();
    static_cast<TTclTkHighlighter&>(hl).SetKeyWords(words);
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Every byte as itself, a-z as A-Z.
constexpr TBedCharValues kUpperValues = [] {
    TBedCharValues v{};
    for (int c = 0; c < 256; ++c) v[c] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return v;
}();
constexpr int kHashMultiplier = 7;

}  // namespace

constinit const TBedLanguage kBedTclTkLanguage = {
    .className = "TTclTkHighlighter",
    .create = &BedCreate<TTclTkHighlighter>,
    .languageName = "Tcl/Tk",
    .attributes = kAttributes,
    .kinds = kKinds,
    .initialRange = 0,
    .defaultFilter = "Tcl/Tk files (*.tcl)|*.tcl",
    .wordCharacters = "",
    .mainWindow = {"hl_tcl", "TCL1", "TCL", ".TCL", kBedNumberBlueStringRedItalic, &SetMainWindowKeyWords}};

std::vector<std::string> BedTclTkKeyWords() {
    return {"AFTER",
            "APPEND",
            "ARRAY",
            "BELL",
            "BGERROR",
            "BINARY",
            "BIND",
            "BINDIDPROC",
            "BINDPROC",
            "BINDTAGS",
            "BITMAP",
            "BREAK",
            "BUTTON",
            "CANVAS",
            "CATCH",
            "CD",
            "CLIPBOARD",
            "CLOCK",
            "CLOSE",
            "CONCAT",
            "CONTINUE",
            "DESTROY",
            "ELSE",
            "ENTRY",
            "EOF",
            "ERROR",
            "EVAL",
            "EVENT",
            "EXEC",
            "EXIT",
            "EXPR",
            "FBLOCKED",
            "FCONFIGURE",
            "FCOPY",
            "FILE",
            "FILEEVENT",
            "FILENAME",
            "FLUSH",
            "FOCUS",
            "FONT",
            "FOR",
            "FOREACH",
            "FORMAT",
            "FRAME",
            "GETS",
            "GLOB",
            "GLOBAL",
            "GRAB",
            "GRID",
            "HISTORY",
            "HTTP",
            "CHECKBUTTON",
            "IF",
            "IMAGE",
            "INCR",
            "INFO",
            "INTERP",
            "JOIN",
            "LABEL",
            "LAPPEND",
            "LIBRARY",
            "LINDEX",
            "LINSERT",
            "LIST",
            "LISTBOX",
            "LLENGTH",
            "LOAD",
            "LOADTK",
            "LOWER",
            "LRANGE",
            "LREPLACE",
            "LSEARCH",
            "LSORT",
            "MENU",
            "MESSAGE",
            "NAMESPACE",
            "NAMESPUPD",
            "OPEN",
            "OPTION",
            "OPTIONS",
            "PACK",
            "PACKAGE",
            "PHOTO",
            "PID",
            "PKG_MKINDEX",
            "PLACE",
            "PROC",
            "PUTS",
            "PWD",
            "RADIOBUTTON",
            "RAISE",
            "READ",
            "REGEXP",
            "REGISTRY",
            "REGSUB",
            "RENAME",
            "RESOURCE",
            "RETURN",
            "RGB",
            "SAFEBASE",
            "SCALE",
            "SCAN",
            "SEEK",
            "SELECTION",
            "SEND",
            "SENDOUT",
            "SET",
            "SOCKET",
            "SOURCE",
            "SPLIT",
            "STRING",
            "SUBST",
            "SWITCH",
            "TCL",
            "TCLVARS",
            "TELL",
            "TEXT",
            "THEN",
            "TIME",
            "TK",
            "TK_BISQUE",
            "TK_DIALOG",
            "TK_FOCUSFOLLOWSMOUSE",
            "TK_FOCUSNEXT",
            "TK_FOCUSPREV",
            "TK_GETOPENFILE",
            "TK_GETSAVEFILE",
            "TK_CHOOSECOLOR",
            "TK_MESSAGEBOX",
            "TK_OPTIONMENU",
            "TK_POPUP",
            "TK_SETPALETTE",
            "TKERROR",
            "TKVARS",
            "TKWAIT",
            "TOPLEVEL",
            "TRACE",
            "UNKNOWN",
            "UNSET",
            "UPDATE",
            "UPLEVEL",
            "UPVAR",
            "VARIABLE",
            "VWAIT",
            "WHILE",
            "WINFO",
            "WM"};
}

TTclTkHighlighter::TTclTkHighlighter()
    : TBedScannerHighlighter(kBedTclTkLanguage, tkNull),
      keyWords_{{}, {kUpperValues, kHashMultiplier}},
      secondKeyWords_{{}, {kUpperValues, kHashMultiplier}} {
    std::vector<std::string> words = BedTclTkKeyWords();
    SetList(keyWords_, words);

    FillProcs<&TTclTkHighlighter::UnknownProc>();
    SetBlankProcs(tkSpace);
    SetProcs<&TTclTkHighlighter::CommentProc>("#/");
    SetProc<&TTclTkHighlighter::StringProc>('"');
    SetProcs<&TTclTkHighlighter::NumberProc>("0-9");
    SetProcs<&TTclTkHighlighter::IdentProc>("A-Z_a-z");
    SetProcs<&TTclTkHighlighter::SymbolProc>("(;{");
}

std::vector<std::string> TTclTkHighlighter::WordsOf(const TWordList& list) {
    std::vector<std::string> words;
    words.reserve(list.sorted.Words().size());
    for (const auto& entry : list.sorted.Words()) words.push_back(entry.first);
    return words;
}

void TTclTkHighlighter::SetList(TWordList& list, std::vector<std::string>& words) {
    std::vector<std::pair<std::string, int>> entries;
    entries.reserve(words.size());
    for (std::string& w : words) {
        for (char& c : w) c = AsciiUpper(c);
        entries.emplace_back(w, 0);
    }
    list.sorted.Assign(std::move(entries));
    list.index.Clear();
    for (const auto& entry : list.sorted.Words())  // upper-cased and without duplicates
        list.index.AddKeyword(entry.first, 0);
}

void TTclTkHighlighter::SetKeyWords(std::vector<std::string>& words) {
    SetList(keyWords_, words);
    NotifyChanged();
}

void TTclTkHighlighter::SetSecondKeyWords(std::vector<std::string>& words) {
    SetList(secondKeyWords_, words);
    NotifyChanged();
}

// A word in both lists is a reserved word of the first.
int TTclTkHighlighter::WordKind(const unsigned char* text, int length) {
    if (keyWords_.index.Find(text, length, -1) == 0) return tkKey;
    if (secondKeyWords_.index.Find(text, length, -1) == 0) return tkSecondKey;
    return tkIdentifier;
}

bool TTclTkHighlighter::IsKeywordText(const std::string& text) {
    return WordKind(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size())) == tkKey;
}

void TTclTkHighlighter::NextToken() {
    Start();
    if (range_ == rsAnsi || range_ == rsPasStyle || range_ == rsCStyle)
        ContinueComment();
    else
        Dispatch();
}

void TTclTkHighlighter::ContinueComment() {
    if (ScanLineBreak()) return;
    kind_ = tkComment;
    if (SkipPast(range_ == rsAnsi ? "*)" : range_ == rsPasStyle ? "}" : "*/")) range_ = rsUnknown;
}

// "#" or "/" comments out the rest of the line, even as a division ("a / b"), unless a "*"
// follows: then it is a symbol of its own.
void TTclTkHighlighter::CommentProc() {
    if (Ch(1) == '*') {
        UnknownProc();
        return;
    }
    SkipToLineEnd();
    kind_ = tkComment;
}

void TTclTkHighlighter::StringProc() {
    SkipString('"', {.tripleOpener = true});
    kind_ = tkString;
}

void TTclTkHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

void TTclTkHighlighter::IdentProc() {
    SkipWhile(kBedWordChars);
    kind_ = WordKind(p_ + tokenPos_, run_ - tokenPos_);
}

bool TTclTkHighlighter::LoadAttributesFromRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) {
    return LoadKeyWordsAndAttributes(store, root, key, [this](std::vector<std::string> words) { SetKeyWords(words); });
}

bool TTclTkHighlighter::SaveAttributesToRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) {
    return SaveKeyWordsAndAttributes(store, root, key, KeyWords());
}
