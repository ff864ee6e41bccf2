#include "BedHighlighterFoxpro.h"

namespace {

constexpr const char* kKeywords[] = {
    "if", "do", "and", "at", "bar", "of", "go", "abs", "bof", "asc", "all", "dele", "eof",
    "dim", "rgb", "off", "tag", "read", "call", "case", "on", "blan", "chr", "date", "echo",
    "bell", "get", "again", "file", "acti", "or", "val", "to", "para", "gath", "rela", "field",
    "atan", "begin", "scan", "appe", "endif", "cancel", "near", "edit", "fill", "for", "clear",
    "debug", "table", "blank", "seek", "else", "help", "modi", "box", "lock", "key", "sele",
    "enddo", "alias", "define", "scat", "local", "mark", "ansi", "set", "clock", "func", "comm",
    "talk", "space", "modal", "use", "say", "path", "memo", "blink", "accept", "build",
    "device", "fixed", "escape", "not", "year", "clos", "top", "repl", "delete", "files",
    "endcase", "create", "from", "repla", "proc", "wait", "exact", "menu", "scheme",
    "database", "class", "close", "recno", "deleted", "skip", "fields", "index", "append",
    "fopen", "this", "locate", "while", "bott", "str", "machelp", "mackey", "brow", "into",
    "fcreate", "view", "copy", "gather", "with", "endscan", "order", "fclose", "replace",
    "step", "proced", "atline", "endfor", "border", "margin", "color", "array", "command",
    "topic", "next", "scatt", "public", "retu", "select", "screen", "push", "carry", "release",
    "relati", "decimals", "event", "quit", "headings", "collate", "region", "message",
    "default", "text", "filter", "modify", "schemes", "memvar", "databases", "functi",
    "curdir", "mouse", "format", "between", "point", "endproc", "safety", "xcmdfile",
    "classlib", "store", "delimite", "confirm", "caption", "empty", "refresh", "fcount",
    "palette", "capslock", "backcolor", "hours", "fwrite", "activate", "regional", "commands",
    "fputs", "nowait", "browse", "console", "library", "bottom", "events", "typeahead",
    "insert", "alltrim", "display", "scatter", "unique", "sticky", "aplabout", "keycomp",
    "volume", "window", "notify", "shadows", "readborder", "private", "barcount", "cursor",
    "relation", "odometer", "_screen", "compatible", "alternate", "fullpath", "return",
    "parameter", "udfparms", "prompt", "scoreboard", "status", "printer", "pdsetup",
    "dimension", "function", "blocksize", "autosave", "resource", "procedure", "century",
    "macdesktop", "currency", "thisform", "memowidth", "helpfilter", "ansitooem", "trbetween",
    "separator", "optimize", "delimiters", "sysmenu", "parameters", "textmerge", "reprocess",
    "barprompt", "brstatus", "nocptrans", "exclusive", "otherwise", "logerrors",
    "development", "dohistory", "intensity", "multilocks", "_msysmenu"};

}  // namespace

std::span<const char* const> TFoxproHighlighter::Keywords() { return kKeywords; }
