#include "BedHighlighterJScript.h"

namespace {

// Keywords and the names of the browser's objects, properties and events. Eight names stand
// twice, in two spellings; the comparison ignores case, so the first one answers.
constexpr const char* kKeywords[] = {
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

}  // namespace

std::span<const char* const> BedJScriptKeywords() { return kKeywords; }
