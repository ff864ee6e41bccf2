// Perl; keywords, word operators, pragmas and special variables found by the sum of their
// character codes, sigil included, and compared exactly (case matters). Punctuation variables
// such as "$_", operators of up to three characters. No range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Hashes of the listed words run up to 2167 ("$FORMAT_LINE_BREAK_CHARACTERS").
constexpr int kKeywordSlots = 2168;

// The characters of a word, sigils included, and their values: their own codes.
constexpr TBedCharFlags kWordRunChars = BedCharFlags("$%0-9@-Z_a-z");
constexpr TBedCharValues kCodeValues = [] {
    TBedCharValues v{};
    for (int c = 0; c < 256; ++c)
        if (kWordRunChars[c]) v[c] = static_cast<uint8_t>(c);
    return v;
}();

// What makes "$" and the next character a variable of its own, such as "$_", "$0" or "$@".
constexpr TBedCharFlags kPunctuationVariables = BedCharFlags("!-+--@[\\]_`|~");
// "$^" and one of these: "$^W" and the like.
constexpr TBedCharFlags kCaretVariables = BedCharFlags("ADFILPTWX");
constexpr TBedCharFlags kNumberChars = BedCharFlags("0-9A-FX_a-fx");
constexpr TBedCharFlags kLettersAndUnderscore = BedCharFlags("A-Z_a-z");

class TPerlHighlighter : public TBedScannerHighlighter<TPerlHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkIdentifier,
        tkKey,
        tkNull,
        tkNumber,
        tkOperator,
        tkPragma,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown,
        tkVariable
    };

    TPerlHighlighter();

private:
    void CommentProc();
    void DoubleQuoteProc();
    void SingleQuoteProc();
    void IdentProc();
    void PointProc();
    void NumberProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedSumHashKeywords keywords_;
};

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"InvalidAttri", "Illegal char"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"OperatorAttri", "Operator"},
                                            {"PragmaAttri", "Pragma", fsBold},
                                            {"SpaceAttri", "Space", 0, clWindow},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"},
                                            {"VariableAttri", "Variable", fsBold}};
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri",     nullptr,
                                  "NumberAttri",  "OperatorAttri",   "PragmaAttri",  "SpaceAttri",
                                  "StringAttri",  "SymbolAttri",     "InvalidAttri", "VariableAttri"};
static_assert(std::size(kKinds) == TPerlHighlighter::tkVariable + 1);

constexpr const char* kReservedWords[] = {"m",
                                          "q",
                                          "lc",
                                          "if",
                                          "do",
                                          "uc",
                                          "no",
                                          "qq",
                                          "tr",
                                          "my",
                                          "qw",
                                          "qx",
                                          "die",
                                          "abs",
                                          "eof",
                                          "ref",
                                          "chr",
                                          "vec",
                                          "map",
                                          "tie",
                                          "log",
                                          "hex",
                                          "ord",
                                          "cos",
                                          "oct",
                                          "for",
                                          "sin",
                                          "sub",
                                          "int",
                                          "use",
                                          "exp",
                                          "pop",
                                          "pos",
                                          "each",
                                          "read",
                                          "bind",
                                          "pack",
                                          "getc",
                                          "glob",
                                          "exec",
                                          "rand",
                                          "seek",
                                          "eval",
                                          "else",
                                          "chop",
                                          "redo",
                                          "send",
                                          "kill",
                                          "grep",
                                          "pipe",
                                          "link",
                                          "time",
                                          "recv",
                                          "join",
                                          "tell",
                                          "open",
                                          "fork",
                                          "last",
                                          "wait",
                                          "dump",
                                          "warn",
                                          "goto",
                                          "exit",
                                          "keys",
                                          "stat",
                                          "next",
                                          "push",
                                          "sort",
                                          "sqrt",
                                          "atan2",
                                          "chdir",
                                          "local",
                                          "chmod",
                                          "alarm",
                                          "flock",
                                          "undef",
                                          "elsif",
                                          "close",
                                          "mkdir",
                                          "fcntl",
                                          "chomp",
                                          "index",
                                          "srand",
                                          "sleep",
                                          "while",
                                          "bless",
                                          "ioctl",
                                          "shift",
                                          "rmdir",
                                          "chown",
                                          "umask",
                                          "times",
                                          "reset",
                                          "semop",
                                          "utime",
                                          "untie",
                                          "lstat",
                                          "write",
                                          "split",
                                          "print",
                                          "crypt",
                                          "study",
                                          "accept",
                                          "caller",
                                          "delete",
                                          "scalar",
                                          "rename",
                                          "fileno",
                                          "splice",
                                          "select",
                                          "length",
                                          "unpack",
                                          "gmtime",
                                          "semget",
                                          "msgget",
                                          "shmget",
                                          "semctl",
                                          "socket",
                                          "format",
                                          "rindex",
                                          "msgctl",
                                          "shmctl",
                                          "msgsnd",
                                          "listen",
                                          "chroot",
                                          "values",
                                          "unlink",
                                          "msgrcv",
                                          "unless",
                                          "import",
                                          "return",
                                          "exists",
                                          "substr",
                                          "system",
                                          "package",
                                          "defined",
                                          "foreach",
                                          "readdir",
                                          "binmode",
                                          "shmread",
                                          "dbmopen",
                                          "seekdir",
                                          "connect",
                                          "getppid",
                                          "telldir",
                                          "opendir",
                                          "waitpid",
                                          "lcfirst",
                                          "getpgrp",
                                          "sysread",
                                          "syscall",
                                          "reverse",
                                          "require",
                                          "ucfirst",
                                          "unshift",
                                          "setpgrp",
                                          "sprintf",
                                          "symlink",
                                          "dbmclose",
                                          "readlink",
                                          "getgrgid",
                                          "getgrnam",
                                          "closedir",
                                          "endgrent",
                                          "getlogin",
                                          "formline",
                                          "getgrent",
                                          "getpwnam",
                                          "endpwent",
                                          "truncate",
                                          "getpwuid",
                                          "setgrent",
                                          "getpwent",
                                          "shmwrite",
                                          "setpwent",
                                          "shutdown",
                                          "syswrite",
                                          "localtime",
                                          "endnetent",
                                          "rewinddir",
                                          "getnetent",
                                          "quotemeta",
                                          "wantarray",
                                          "setnetent",
                                          "socketpair",
                                          "endhostent",
                                          "endservent",
                                          "getsockopt",
                                          "gethostent",
                                          "getservent",
                                          "setsockopt",
                                          "sethostent",
                                          "setservent",
                                          "getpeername",
                                          "getsockname",
                                          "endprotoent",
                                          "getprotoent",
                                          "getpriority",
                                          "setprotoent",
                                          "setpriority",
                                          "getnetbyaddr",
                                          "getnetbyname",
                                          "gethostbyaddr",
                                          "gethostbyname",
                                          "getservbyname",
                                          "getservbyport",
                                          "getprotobyname",
                                          "getprotobynumber"};
constexpr const char* kWordOperators[] = {"ge", "le", "ne", "eq", "gt", "lt", "or", "and", "cmp", "not", "xor"};
constexpr const char* kPragmas[] = {"less",    "vars",    "subs",     "locale",     "strict",
                                    "integer", "sigtrap", "constant", "diagnostics"};
constexpr const char* kVariables[] = {"$NR",
                                      "$RS",
                                      "$GID",
                                      "$ARG",
                                      "%INC",
                                      "$PID",
                                      "$UID",
                                      "$SIG",
                                      "$ENV",
                                      "$ORS",
                                      "@INC",
                                      "$EGID",
                                      "$EUID",
                                      "$ARGV",
                                      "$OFMT",
                                      "@ARGV",
                                      "$MATCH",
                                      "$ERRNO",
                                      "$PERLDB",
                                      "$SUBSEP",
                                      "$WARNING",
                                      "$BASETIME",
                                      "$PREMATCH",
                                      "$OS_ERROR",
                                      "$DEBUGGING",
                                      "$POSTMATCH",
                                      "$PROCESS_ID",
                                      "$EVAL_ERROR",
                                      "$ACCUMULATOR",
                                      "$FORMAT_NAME",
                                      "$CHILD_ERROR",
                                      "$INPLACE_EDIT",
                                      "$PROGRAM_NAME",
                                      "$REAL_USER_ID",
                                      "$PERL_VERSION",
                                      "$REAL_GROUP_ID",
                                      "$SYSTEM_FD_MAX",
                                      "$LIST_SEPARATOR",
                                      "$EXECUTABLE_NAME",
                                      "$FORMAT_FORMFEED",
                                      "$FORMAT_TOP_NAME",
                                      "$LAST_PAREN_MATCH",
                                      "$OUTPUT_AUTOFLUSH",
                                      "$EFFECTIVE_USER_ID",
                                      "$FORMAT_LINES_LEFT",
                                      "$INPUT_LINE_NUMBER",
                                      "$MULTILINE_MATCHING",
                                      "$EFFECTIVE_GROUP_ID",
                                      "$FORMAT_PAGE_NUMBER",
                                      "$SUBSCRIPT_SEPARATOR",
                                      "$FORMAT_LINES_PER_PAGE",
                                      "$INPUT_RECORD_SEPARATOR",
                                      "$OUTPUT_FIELD_SEPARATOR",
                                      "$FORMAT_LINE_BREAK_CHARACTERS"};

constexpr TBedKeywordList kKeywords[] = {{TPerlHighlighter::tkKey, kReservedWords},
                                         {TPerlHighlighter::tkOperator, kWordOperators},
                                         {TPerlHighlighter::tkPragma, kPragmas},
                                         {TPerlHighlighter::tkVariable, kVariables}};

}  // namespace

constinit const TBedLanguage kBedPerlLanguage = {
    .className = "TPerlHighlighter",
    .create = &BedCreate<TPerlHighlighter>,
    .languageName = "Perl",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .defaultFilter = "Perl files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi",
    .wordCharacters = "$%0-9@-Z_a-z",
    .mainWindow = {"hl_pl", "Perl1", "Perl", ".PL .PM", kBedNumberBlueStringRedItalic}};

TPerlHighlighter::TPerlHighlighter()
    : TBedScannerHighlighter(kBedPerlLanguage, tkNull), keywords_(kCodeValues, kKeywordSlots, true) {
    keywords_.Add(kKeywords);

    FillProcs<&TPerlHighlighter::SymbolProc>();
    SetBlankProcs(tkSpace);
    SetOperators(tkSymbol, {"!=", "!~", "!",  "&&=", "&&", "&=", "&",  "**=", "**",  "*=",  "*",  "++", "+=", "+",
                            "--", "-=", "->", "-",   "/=", "/",  "::", ":",   "<<=", "<=>", "<<", "<=", "<",  "==",
                            "=>", "=~", "=",  ">>=", ">>", ">=", ">",  "^=",  "^",   "||=", "||", "|=", "|"});
    SetProc<&TPerlHighlighter::DoubleQuoteProc>('"');
    SetProc<&TPerlHighlighter::CommentProc>('#');
    SetProcs<&TPerlHighlighter::IdentProc>("$%@-Z_a-z");
    SetProc<&TPerlHighlighter::SingleQuoteProc>('\'');
    SetProc<&TPerlHighlighter::PointProc>('.');
    SetProcs<&TPerlHighlighter::NumberProc>("0-9");
    SetProcs<&TPerlHighlighter::UnknownProc>("`\x7F-\xFF");
}

void TPerlHighlighter::CommentProc() {
    SkipToLineEnd();
    kind_ = tkComment;
}

// A backslash keeps a double quote inside; single-quoted strings know no escapes.
void TPerlHighlighter::DoubleQuoteProc() {
    SkipString('"', {.tripleOpener = true, .escape = '\\'});
    kind_ = tkString;
}

void TPerlHighlighter::SingleQuoteProc() {
    SkipString('\'', {});
    kind_ = tkString;
}

void TPerlHighlighter::IdentProc() {
    const unsigned char first = Ch();
    const unsigned char next = Ch(1);
    if (first == '$') {
        if (kPunctuationVariables[next]) {
            Token(tkVariable, 2);
            return;
        }
        if (next == '^' && kBedLineEndChars[Ch(2)]) {
            Token(tkVariable, 2);
            return;
        }
        if (next == '^' && kCaretVariables[Ch(2)]) {
            Token(tkVariable, 3);
            return;
        }
    } else if (first == '%' || first == 'x') {
        // The modulo and repetition operators, alone or with "=".
        if (kBedLineEndChars[next]) {
            Token(tkSymbol, 1);
            return;
        }
        if (next == '=') {
            Token(tkSymbol, 2);
            return;
        }
    }
    const int hash = SkipSumming(kWordRunChars, kCodeValues, kKeywordSlots);
    const int kind = keywords_.Find(hash, p_ + tokenPos_, run_ - tokenPos_);
    kind_ = kind >= 0 ? kind : tkIdentifier;
}

void TPerlHighlighter::PointProc() {
    const unsigned char next = Ch(1);
    if (next == '.')
        Token(tkSymbol, Ch(2) == '.' ? 3 : 2);
    else if (next == '=')
        Token(tkSymbol, 2);
    else if (kLettersAndUnderscore[next])
        Token(tkSymbol, 1);
    else
        NumberProc();
}

// Decimal, hexadecimal and "_"-grouped digits; "-" only before an exponent letter, and a "."
// not before another ".".
void TPerlHighlighter::NumberProc() {
    ++run_;
    for (;;) {
        const unsigned char c = Ch();
        if (kNumberChars[c] || (c == '.' && Ch(1) != '.') || (c == '-' && (Ch(1) == 'e' || Ch(1) == 'E')))
            ++run_;
        else
            break;
    }
    kind_ = tkNumber;
}
