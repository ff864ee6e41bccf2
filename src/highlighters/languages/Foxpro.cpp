// FoxPro: the VBScript scanner with FoxPro's reserved words, "&&" comments and "*" comments in
// the first column, strings in double quotes, apostrophes or braces, logical constants and
// operators written with dots (".T.", ".AND."), and C-like comparison operators.
#include "BedHighlighterList.h"
#include "VBScript.h"

namespace {

// The largest sum of a reserved word is 160 ("_msysmenu").
constexpr int kKeywordSlots = 161;

constexpr const char* kWords[] = {
    "if",         "do",        "and",        "at",          "bar",        "of",         "go",         "abs",
    "bof",        "asc",       "all",        "dele",        "eof",        "dim",        "rgb",        "off",
    "tag",        "read",      "call",       "case",        "on",         "blan",       "chr",        "date",
    "echo",       "bell",      "get",        "again",       "file",       "acti",       "or",         "val",
    "to",         "para",      "gath",       "rela",        "field",      "atan",       "begin",      "scan",
    "appe",       "endif",     "cancel",     "near",        "edit",       "fill",       "for",        "clear",
    "debug",      "table",     "blank",      "seek",        "else",       "help",       "modi",       "box",
    "lock",       "key",       "sele",       "enddo",       "alias",      "define",     "scat",       "local",
    "mark",       "ansi",      "set",        "clock",       "func",       "comm",       "talk",       "space",
    "modal",      "use",       "say",        "path",        "memo",       "blink",      "accept",     "build",
    "device",     "fixed",     "escape",     "not",         "year",       "clos",       "top",        "repl",
    "delete",     "files",     "endcase",    "create",      "from",       "repla",      "proc",       "wait",
    "exact",      "menu",      "scheme",     "database",    "class",      "close",      "recno",      "deleted",
    "skip",       "fields",    "index",      "append",      "fopen",      "this",       "locate",     "while",
    "bott",       "str",       "machelp",    "mackey",      "brow",       "into",       "fcreate",    "view",
    "copy",       "gather",    "with",       "endscan",     "order",      "fclose",     "replace",    "step",
    "proced",     "atline",    "endfor",     "border",      "margin",     "color",      "array",      "command",
    "topic",      "next",      "scatt",      "public",      "retu",       "select",     "screen",     "push",
    "carry",      "release",   "relati",     "decimals",    "event",      "quit",       "headings",   "collate",
    "region",     "message",   "default",    "text",        "filter",     "modify",     "schemes",    "memvar",
    "databases",  "functi",    "curdir",     "mouse",       "format",     "between",    "point",      "endproc",
    "safety",     "xcmdfile",  "classlib",   "store",       "delimite",   "confirm",    "caption",    "empty",
    "refresh",    "fcount",    "palette",    "capslock",    "backcolor",  "hours",      "fwrite",     "activate",
    "regional",   "commands",  "fputs",      "nowait",      "browse",     "console",    "library",    "bottom",
    "events",     "typeahead", "insert",     "alltrim",     "display",    "scatter",    "unique",     "sticky",
    "aplabout",   "keycomp",   "volume",     "window",      "notify",     "shadows",    "readborder", "private",
    "barcount",   "cursor",    "relation",   "odometer",    "_screen",    "compatible", "alternate",  "fullpath",
    "return",     "parameter", "udfparms",   "prompt",      "scoreboard", "status",     "printer",    "pdsetup",
    "dimension",  "function",  "blocksize",  "autosave",    "resource",   "procedure",  "century",    "macdesktop",
    "currency",   "thisform",  "memowidth",  "helpfilter",  "ansitooem",  "trbetween",  "separator",  "optimize",
    "delimiters", "sysmenu",   "parameters", "textmerge",   "reprocess",  "barprompt",  "brstatus",   "nocptrans",
    "exclusive",  "otherwise", "logerrors",  "development", "dohistory",  "intensity",  "multilocks", "_msysmenu"};
constexpr TBedKeywordList kKeywords[] = {{TVBScriptHighlighter::tkKey, kWords}};

class TFoxproHighlighter : public TVBScriptHighlighter {
public:
    TFoxproHighlighter();

private:
    void AmpersandProc();
    void StarProc();
    void BraceProc() { String('}'); }
    void DotProc() { Token(tkSymbol, std::max(MatchedLength({".T.", ".F.", ".OR.", ".AND.", ".NOT."}), 1)); }
    void AtProc() { Token(tkKey, 1); }
};

}  // namespace

constinit const TBedLanguage kBedFoxproLanguage = {
    .className = "TFoxproHighlighter",
    .create = &BedCreate<TFoxproHighlighter>,
    .languageName = "Foxpro",
    .attributes = kBedPlainStandardAttributes,
    .kinds = kBedVBScriptKinds,
    .keywords = kKeywords,
    .defaultFilter = "Foxpro Files (*.prg)|*.prg",
    .mainWindow = {"hl_fox", "FoxPro1", "FoxPro", ".PRG", kBedNumberBlueStringRedItalic}};

TFoxproHighlighter::TFoxproHighlighter() : TVBScriptHighlighter(kBedFoxproLanguage, kKeywordSlots, tkUnknown) {
    SetProc<&TFoxproHighlighter::AmpersandProc>('&');
    SetProc<&TFoxproHighlighter::StarProc>('*');
    SetProc<&TFoxproHighlighter::ApostropheStringProc>('\'');
    SetProc<&TFoxproHighlighter::BraceProc>('{');
    SetProcs<&TFoxproHighlighter::RangeNumberProc>("0-9");
    SetProc<&TFoxproHighlighter::DotProc>('.');
    SetDialectOperators();
    SetProc<&TFoxproHighlighter::AtProc>('@');
    SetProcs<&TFoxproHighlighter::SymbolProc>("!%?[]|~");
    SetProcs<&TFoxproHighlighter::UnknownProc>("#}");
}

void TFoxproHighlighter::AmpersandProc() {
    if (Ch(1) == '&')
        CommentProc();
    else
        SymbolProc();
}

// Only in the first column does a "*" open a comment; elsewhere it multiplies.
void TFoxproHighlighter::StarProc() {
    if (run_ == 0)
        CommentProc();
    else
        SymbolProc();
}
