#include "BedHighlighterGeneralInstances.h"

#include "BedHighlighterGeneral.h"

#include <string>
#include <vector>

namespace {

// No comment styles, no preprocessor lines, every character from 33 to 255 in words.
TGeneralHighlighter& Configure(TBedCustomHighlighter& instance,
                               const std::vector<std::string>& words) {
    auto& hl = static_cast<TGeneralHighlighter&>(instance);
    hl.SetComments(0);
    hl.SetDetectPreprocessor(false);
    std::string chars;
    for (int c = 33; c <= 255; ++c)
        chars += static_cast<char>(c);
    hl.SetIdentifierChars(chars);
    hl.SetKeyWords(words);
    return hl;
}

void ConfigureMailbox(TBedCustomHighlighter& hl) {
    Configure(hl, {"CONTENT-DESCRIPTION:", "CONTENT-DISPOSITION:", "CONTENT-TRANSFER-ENCODING:",
                   "CONTENT-TYPE:", "DATE:", "ERRORS-TO:", "FROM:", "IN-REPLY-TO:", "MESSAGE-ID:",
                   "MIME-VERSION:", "NEWSGROUPS:", "ORGANIZATION:", "PRIORITY:", "RECEIVED:",
                   "REFERENCES:", "REPLY-TO:", "SENDER:", "STATUS:", "SUBJECT:", "TO:",
                   "VERSION:", "X-COMMENT:", "X-MAILER:", "X-PRIORITY:"});
}

void ConfigureShell(TBedCustomHighlighter& hl) {
    Configure(hl,
        {"ALIAS", "AR", "AS", "AWK", "BG", "BIND", "BREAK", "BUILTIN", "CASE", "CAT", "CD",
         "CONSOLE", "CONTINUE", "CP", "CSLATEX", "CSTEX", "CUT", "DATE", "DD", "DEV", "DF",
         "DO", "DONE", "EGREP", "ECHO", "ELIF", "ELSE", "ENV", "ESAC", "EVAL", "EX", "EXEC",
         "EXIT", "EXPORT", "EXPR", "FALSE", "FC", "FG", "FGREP", "FI", "FIND", "FOR",
         "FUNCTION", "GAWK", "GCC", "GDB", "GETOPTS", "GREP", "GROFF", "GUNZIP", "GZIP", "HASH",
         "HEAD", "HELP", "HISTORY", "IF", "IN", "JOBS", "JOIN", "KILL", "LATEX", "LD", "LDD",
         "LESS", "LET", "LN", "LOCAL", "LOGOUT", "LPR", "LS", "MAIL", "MAKE", "MAN", "MAWK",
         "MORE", "MV", "NICE", "NL", "NM", "NOHUP", "NULL", "OBJDUMP", "OD", "PASTE", "PATCH",
         "PDFLATEX", "PDFTEX", "PERL", "PR", "PRINTF", "PWD", "READ", "READONLY", "RETURN",
         "RM", "RSH", "SCP", "SED", "SELECT", "SET", "SHIFT", "SHOPT", "SLEEP", "SORT",
         "SOURCE", "SPLIT", "SSH", "STDIN", "STDOUT", "STRACE", "STTY", "SU", "SUSPEND",
         "SYSLOG", "TAIL", "TALK", "TEE", "TEST", "TEX", "THEN", "TIME", "TIMES", "TOUCH", "TR",
         "TRAP", "TROFF", "TRUE", "TTY", "TYPE", "ULIMIT", "UMASK", "UNALIAS", "UNAME", "UNIQ",
         "UNSET", "UNTIL", "USLEEP", "VI", "VIEW", "VIM", "WAIT", "WHILE", "WHO", "WHOAMI",
         "XARGS", "ZERO"})
        .SetStringDelim(sdDoubleQuote);
}

void ConfigureCzech(TBedCustomHighlighter& hl) {
    // CP 1250: \xC8 = Č, \x8E = Ž, \x8D = Ť.
    Configure(hl, {"A", "ALE", "ANI", "\xC8" "I", "\xC8" "ILI", "I", "JEN\x8E" "E", "NEBO",
                   "NEBO\x8D", "PROTO\x8E" "E", "TAK\x8E" "E"});
}

constexpr TBedAttributeSetting kMailboxColours[] = {
    {.property = "CommentAttri", .style = 0},
    {.property = "KeyAttri", .foreground = clBlue}};
constexpr TBedAttributeSetting kShellColours[] = {
    {.property = "KeyAttri", .foreground = clBlue},
    {.property = "StringAttri", .style = fsItalic}};
constexpr TBedAttributeSetting kCzechColours[] = {
    {.property = "CommentAttri", .style = 0},
    {.property = "KeyAttri", .style = fsItalic}};

}  // namespace

constinit const TBedMainWindowInstance kBedMailboxInstance = {
    "hl_Mailbox", "mailbox1", "mailbox", "", kMailboxColours, &ConfigureMailbox, true, true};
constinit const TBedMainWindowInstance kBedShellInstance = {
    "hl_shell", "shell1", "shell", ".SH", kShellColours, &ConfigureShell};
constinit const TBedMainWindowInstance kBedCzechInstance = {
    "hl_cz", "etina1", "čeština", "", kCzechColours, &ConfigureCzech, true, true};
