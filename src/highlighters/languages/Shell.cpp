// Shell scripts: the general highlighter with the shell's words and the usual commands as its
// keywords, and double-quoted strings.
#include "BedHighlighterList.h"
#include "General.h"

namespace {

void Configure(TBedCustomHighlighter& hl) {
    BedConfigureWordList(
        hl, {"ALIAS", "AR",      "AS",       "AWK",    "BG",      "BIND",     "BREAK",   "BUILTIN", "CASE",   "CAT",
             "CD",    "CONSOLE", "CONTINUE", "CP",     "CSLATEX", "CSTEX",    "CUT",     "DATE",    "DD",     "DEV",
             "DF",    "DO",      "DONE",     "EGREP",  "ECHO",    "ELIF",     "ELSE",    "ENV",     "ESAC",   "EVAL",
             "EX",    "EXEC",    "EXIT",     "EXPORT", "EXPR",    "FALSE",    "FC",      "FG",      "FGREP",  "FI",
             "FIND",  "FOR",     "FUNCTION", "GAWK",   "GCC",     "GDB",      "GETOPTS", "GREP",    "GROFF",  "GUNZIP",
             "GZIP",  "HASH",    "HEAD",     "HELP",   "HISTORY", "IF",       "IN",      "JOBS",    "JOIN",   "KILL",
             "LATEX", "LD",      "LDD",      "LESS",   "LET",     "LN",       "LOCAL",   "LOGOUT",  "LPR",    "LS",
             "MAIL",  "MAKE",    "MAN",      "MAWK",   "MORE",    "MV",       "NICE",    "NL",      "NM",     "NOHUP",
             "NULL",  "OBJDUMP", "OD",       "PASTE",  "PATCH",   "PDFLATEX", "PDFTEX",  "PERL",    "PR",     "PRINTF",
             "PWD",   "READ",    "READONLY", "RETURN", "RM",      "RSH",      "SCP",     "SED",     "SELECT", "SET",
             "SHIFT", "SHOPT",   "SLEEP",    "SORT",   "SOURCE",  "SPLIT",    "SSH",     "STDIN",   "STDOUT", "STRACE",
             "STTY",  "SU",      "SUSPEND",  "SYSLOG", "TAIL",    "TALK",     "TEE",     "TEST",    "TEX",    "THEN",
             "TIME",  "TIMES",   "TOUCH",    "TR",     "TRAP",    "TROFF",    "TRUE",    "TTY",     "TYPE",   "ULIMIT",
             "UMASK", "UNALIAS", "UNAME",    "UNIQ",   "UNSET",   "UNTIL",    "USLEEP",  "VI",      "VIEW",   "VIM",
             "WAIT",  "WHILE",   "WHO",      "WHOAMI", "XARGS",   "ZERO"})
        .SetStringDelim(sdDoubleQuote);
}

constexpr TBedAttributeSetting kColours[] = {{.property = "KeyAttri", .foreground = clBlue},
                                             {.property = "StringAttri", .style = fsItalic}};

}  // namespace

constinit const TBedMainWindowInstance kBedShellInstance = {"hl_shell", "shell1", "shell", ".SH", kColours, &Configure};
