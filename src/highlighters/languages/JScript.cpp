#include "JScript.h"

#include "BedHighlighterList.h"

namespace {

// Keyword hashes run up to 252.
constexpr int kKeywordSlots = 253;

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");

// Keywords and the names of the browser's objects, properties and events. Eight names stand
// twice, in two spellings; the comparison ignores case, so the first one answers.
constexpr const char* kWords[] = {
    "E", "if", "back", "big", "abs", "go", "in", "Area", "PI", "LN10", "LN2", "NaN", "ceil",
    "Date", "bold", "name", "log", "Image", "tan", "min", "hash", "atan2", "atan", "break",
    "href", "cos", "click", "acos", "max", "LOG10E", "LOG2E", "for", "checked", "eval", "src",
    "else", "var", "Math", "self", "sin", "new", "sub", "asin", "Frame", "Hidden", "UTC", "exp",
    "Link", "link", "Radio", "join", "embeds", "blink", "fixed", "escape", "open", "charAt",
    "top", "URL", "caller", "Form", "form", "hspace", "blur", "pow", "close", "search",
    "images", "object", "reload", "this", "alert", "sup", "domain", "index", "isNaN", "small",
    "while", "height", "cookie", "closed", "loop", "parse", "Anchor", "anchor", "with",
    "replace", "onLoad", "value", "action", "getDate", "getDay", "border", "host", "frames",
    "Array", "array", "next", "Boolean", "Select", "select", "taint", "focus", "width",
    "method", "filename", "links", "random", "vspace", "length", "title", "type", "appName",
    "floor", "onClick", "onChange", "reset", "Reset", "port", "Text", "text", "Applet",
    "target", "Checkbox", "encoding", "forms", "round", "sort", "bgColor", "italics", "Number",
    "opener", "selected", "sqrt", "SQRT2", "parent", "setDate", "write", "fgColor", "split",
    "javaEnabled", "indexOf", "anchors", "confirm", "pathname", "Plugin", "getTime", "refresh",
    "scroll", "getYear", "onBlur", "strike", "valueOf", "comment", "submit", "unescape",
    "onAbort", "forward", "String", "window", "location", "complete", "applets", "Option",
    "lowsrc", "setTime", "Button", "reverse", "appCodeName", "setYear", "referrer", "elements",
    "onFocus", "onSelect", "Textarea", "hostname", "document", "onUnload", "return", "onReset",
    "prompt", "plugins", "current", "untaint", "status", "FileUpload", "writeln", "continue",
    "getMonth", "Function", "function", "parseInt", "onError", "SQRT1_2", "MimeType",
    "taintEnabled", "navigator", "defaultChecked", "options", "suffixes", "linkColor",
    "userAgent", "alinkColor", "getSeconds", "onSubmit", "parseFloat", "getHours", "fontsize",
    "history", "setMonth", "protocol", "Password", "lastModified", "fontcolor", "arguments",
    "toString", "enabledPlugin", "setSeconds", "previous", "setHours", "mimeTypes", "MIN_VALUE",
    "lastIndexOf", "substring", "selectedIndex", "defaultValue", "MAX_VALUE", "vlinkColor",
    "description", "property", "getMinutes", "appVersion", "toLowerCase", "toUpperCase",
    "defaultSelected", "clearTimeout", "setMinutes", "setTimeout", "prototype", "onMouseOut",
    "toGMTString", "onMouseOver", "constructor", "defaultStatus", "toLocaleString",
    "getTimezoneOffset", "NEGATIVE_INFINITY", "POSITIVE_INFINITY"};
constexpr TBedKeywordList kKeywords[] = {{TJScriptHighlighter::tkKey, kWords}};

// Characters that are not JavaScript are drawn like strings.
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri", nullptr,
                                  "NumberAttri", "SpaceAttri", "StringAttri", "SymbolAttri",
                                  "StringAttri"};
static_assert(std::size(kKinds) == TJScriptHighlighter::tkUnknown + 1);

}  // namespace

constinit const TBedLanguage kBedJScriptLanguage = {
    .className = "TJScriptHighlighter", .create = &BedCreate<TJScriptHighlighter>,
    .languageName = "Javascript", .attributes = kBedStandardAttributes, .kinds = kKinds,
    .keywords = kKeywords, .initialRange = 0,
    .defaultFilter = "Javascript files (*.js)|*.js",
    .mainWindow = {"hl_js", "JavaScript1", "JavaScript", ".JS", kBedNumberBlueStringRedItalic}};

TJScriptHighlighter::TJScriptHighlighter()
    : TBedScannerHighlighter(kBedJScriptLanguage, tkNull),
      keywords_(kBedLetterValues, kKeywordSlots, false) {
    keywords_.Add(kKeywords);

    FillProcs<&TJScriptHighlighter::OperatorProc>();
    SetOperators(tkSymbol, {"%=", "&&", "&=", "*=", "++", "+=", "--", "-=", "->", "...", "/=",
                            "||", "|="});
    SetBlankProcs(tkSpace);
    SetProcs<&TJScriptHighlighter::StringProc>("\"'");
    SetProc<&TJScriptHighlighter::AsciiCharProc>('#');
    SetProc<&TJScriptHighlighter::IntegerProc>('$');
    SetProc<&TJScriptHighlighter::SlashProc>('/');
    SetProcs<&TJScriptHighlighter::NumberProc>("0-9");
    SetProcs<&TJScriptHighlighter::UnknownProc>("?@\\^`\x7F-\xFF");
    SetProcs<&TJScriptHighlighter::IdentProc>("A-Z_a-z");
}

void TJScriptHighlighter::NextToken() {
    Start();
    if (range_ == rsAnsiC)
        ContinueBlock(tkComment, "*/", rsUnknown);
    else
        Dispatch();
}

// No escape character: a backslash before the quote does not keep it inside.
void TJScriptHighlighter::StringProc() {
    const char delim[] = {static_cast<char>(Ch()), 0};
    run_ += Ch(1) == delim[0] && Ch(2) == delim[0] ? 3 : 1;
    SkipPast(delim);
    kind_ = tkString;
}

void TJScriptHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

void TJScriptHighlighter::IdentProc() {
    ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier);
}
