// Visual Basic: the VBScript scanner with the 213 reserved words of Visual Basic ("Rem" is not
// one of them), and its own kind for characters without a scanner of their own.
#include "BedHighlighterList.h"
#include "VBScript.h"

namespace {

// The largest sum of a reserved word is 133, as in VBScript.
constexpr int kKeywordSlots = 134;

constexpr const char* kWords[] = {
    "ddb",        "if",          "each",       "me",           "and",       "do",           "as",        "cdbl",
    "abs",        "end",         "asc",        "tab",          "iif",       "mid",          "eof",       "dim",
    "rgb",        "base",        "fv",         "beep",         "call",      "case",         "is",        "on",
    "chr",        "loc",         "date",       "dir",          "len",       "mod",          "get",       "name",
    "lof",        "or",          "cdate",      "log",          "val",       "tan",          "to",        "atn",
    "clng",       "rnd",         "cos",        "begin",        "let",       "hex",          "spc",       "pv",
    "imp",        "oct",         "dateadd",    "clear",        "for",       "fix",          "seek",      "sgn",
    "line",       "lcase",       "lock",       "err",          "else",      "chdir",        "sub",       "sin",
    "new",        "csng",        "int",        "left",         "cvar",      "kill",         "set",       "rate",
    "space",      "eqv",         "ccur",       "irr",          "sln",       "exp",          "cint",      "wend",
    "time",       "cbool",       "then",       "long",         "syd",       "erase",        "ucase",     "redim",
    "pmt",        "not",         "circle",     "open",         "raise",     "now",          "npv",       "byte",
    "form",       "nper",        "sqr",        "class",        "close",     "mkdir",        "datediff",  "object",
    "cbyte",      "lset",        "shell",      "elseif",       "str",       "goto",         "xor",       "put",
    "while",      "mirr",        "isdate",     "ipmt",         "exit",      "loop",         "double",    "with",
    "second",     "cstr",        "pset",       "trim",         "rmdir",     "right",        "rset",      "hour",
    "next",       "filelen",     "public",     "command",      "array",     "select",       "gosub",     "boolean",
    "width",      "timer",       "ppmt",       "freefile",     "single",    "cverr",        "reset",     "lbound",
    "chdrive",    "stop",        "month",      "module",       "const",     "compare",      "ltrim",     "static",
    "curdir",     "format",      "weekday",    "error",        "write",     "until",        "unlock",    "ubound",
    "print",      "integer",     "rtrim",      "empty",        "instr",     "input",        "msgbox",    "deftype",
    "resume",     "minute",      "switch",     "qbcolor",      "isobject",  "variant",      "datepart",  "string",
    "nothing",    "isnull",      "getobject",  "option",       "private",   "datevalue",    "fileattr",  "isarray",
    "filecopy",   "getattr",     "dateserial", "return",       "environ",   "explicit",     "typename",  "system",
    "function",   "version",     "sendkeys",   "iserror",      "setattr",   "doevents",     "strcomp",   "randomize",
    "isempty",    "currency",    "vartype",    "createobject", "timevalue", "filedatetime", "isnumeric", "strconv",
    "timeserial", "appactivate", "attribute",  "ismissing",    "property"};
constexpr TBedKeywordList kKeywords[] = {{TVBScriptHighlighter::tkKey, kWords}};

class TVBHighlighter : public TVBScriptHighlighter {
public:
    TVBHighlighter();
};

}  // namespace

constinit const TBedLanguage kBedVBLanguage = {
    .className = "TVBHighlighter",
    .create = &BedCreate<TVBHighlighter>,
    .languageName = "Visual Basic",
    .attributes = kBedStandardAttributes,
    .kinds = kBedVBScriptKinds,
    .keywords = kKeywords,
    .defaultFilter = "Visual Basic files (*.bas)|*.bas",
    .mainWindow = {"hl_bas", "Basic1", "Basic", ".BAS", kBedNumberBlueStringRedItalic}};

TVBHighlighter::TVBHighlighter() : TVBScriptHighlighter(kBedVBLanguage, kKeywordSlots, tkUnknown) {}
