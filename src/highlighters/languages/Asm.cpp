// x86 assembler: instruction mnemonics in a hashed keyword table (case ignored), numbers with
// hexadecimal digits and an "h" suffix, double-quoted strings, comments opened by ";", "#" or
// "//". The apostrophe is a symbol, not a string delimiter.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Letters 1-26 in either case, digits 27-36: the hash and the comparison ignore case.
constexpr TBedCharValues kValues = [] {
    TBedCharValues v = kBedLetterValues;
    v['_'] = 0;
    for (int c = '0'; c <= '9'; ++c) v[c] = static_cast<uint8_t>(c - '0' + 27);
    return v;
}();

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9A-FHa-fh");

class TAsmHighlighter : public TBedScannerHighlighter<TAsmHighlighter> {
public:
    enum TokenKinds { tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol };

    TAsmHighlighter();

private:
    void CommentProc() { ScanRestOfLine(tkComment); }
    void SlashProc();
    // A lone quote at the end of the line is a string of its own.
    void StringProc() {
        SkipString('"', {.tripleOpener = true});
        kind_ = tkString;
    }
    void NumberProc() { ScanRun(tkNumber, kNumberChars); }
    void SymbolProc() { Token(tkSymbol, 1); }
    void IdentProc();
    void UnknownProc() { Token(tkIdentifier, 1); }

    TBedHashedKeywords keywords_;
};

constexpr const char* kWords[] = {
    "aaa",       "aad",       "aam",     "adc",     "add",      "and",       "arpl",      "bound",     "bsf",
    "bsr",       "bswap",     "bt",      "btc",     "btr",      "bts",       "call",      "cbw",       "cdq",
    "clc",       "cld",       "cli",     "clts",    "cmc",      "cmp",       "cmps",      "cmpsb",     "cmpsd",
    "cmpsw",     "cmpxchg",   "cwd",     "cwde",    "daa",      "das",       "dec",       "div",       "emms",
    "enter",     "f2xm1",     "fabs",    "fadd",    "faddp",    "fbld",      "fbstp",     "fchs",      "fclex",
    "fcmovb",    "fcmovbe",   "fcmove",  "fcmovnb", "fcmovnbe", "fcmovne",   "fcmovnu",   "fcmovu",    "fcom",
    "fcomi",     "fcomip",    "fcomp",   "fcompp",  "fcos",     "fdecstp",   "fdiv",      "fdivp",     "fdivr",
    "fdivrp",    "femms",     "ffree",   "fiadd",   "ficom",    "ficomp",    "fidiv",     "fidivr",    "fild",
    "fimul",     "fincstp",   "finit",   "fist",    "fistp",    "fisub",     "fisubr",    "fld",       "fld1",
    "fldcw",     "fldenv",    "fldl2e",  "fldl2t",  "fldlg2",   "fldln2",    "fldpi",     "fldz",      "fmul",
    "fmulp",     "fnclex",    "fninit",  "fnop",    "fnsave",   "fnstcw",    "fnstenv",   "fnstsw",    "fpatan",
    "fprem1",    "fptan",     "frndint", "frstor",  "fsave",    "fscale",    "fsin",      "fsincos",   "fsqrt",
    "fst",       "fstcw",     "fstenv",  "fstp",    "fstsw",    "fsub",      "fsubp",     "fsubr",     "fsubrp",
    "ftst",      "fucom",     "fucomi",  "fucomip", "fucomp",   "fucompp",   "fwait",     "fxch",      "fxtract",
    "fyl2xp1",   "hlt",       "idiv",    "imul",    "in",       "inc",       "ins",       "insb",      "insd",
    "insw",      "int",       "into",    "invd",    "invlpg",   "iret",      "iretd",     "iretw",     "ja",
    "jae",       "jb",        "jbe",     "jc",      "jcxz",     "je",        "jecxz",     "jg",        "jge",
    "jl",        "jle",       "jmp",     "jna",     "jnae",     "jnb",       "jnbe",      "jnc",       "jne",
    "jng",       "jnge",      "jnl",     "jnle",    "jno",      "jnp",       "jns",       "jnz",       "jo",
    "jp",        "jpe",       "jpo",     "js",      "jz",       "lahf",      "lar",       "lds",       "lea",
    "leave",     "les",       "lfs",     "lgdt",    "lgs",      "lidt",      "lldt",      "lmsw",      "lock",
    "lods",      "lodsb",     "lodsd",   "lodsw",   "loop",     "loope",     "loopne",    "loopnz",    "loopz",
    "lsl",       "lss",       "ltr",     "mov",     "movd",     "movq",      "movs",      "movsb",     "movsd",
    "movsw",     "movsx",     "movzx",   "mul",     "neg",      "nop",       "not",       "or",        "out",
    "outs",      "outsb",     "outsd",   "outsw",   "packssdw", "packsswb",  "packuswb",  "paddb",     "paddd",
    "paddsb",    "paddsw",    "paddusb", "paddusw", "paddw",    "pand",      "pandn",     "pavgusb",   "pcmpeqb",
    "pcmpeqd",   "pcmpeqw",   "pcmpgtb", "pcmpgtd", "pcmpgtw",  "pf2id",     "pfacc",     "pfadd",     "pfcmpeq",
    "pfcmpge",   "pfcmpgt",   "pfmax",   "pfmin",   "pfmul",    "pfrcp",     "pfrcpit1",  "pfrcpit2",  "pfrsqit1",
    "pfrsqrt",   "pfsub",     "pfsubr",  "pi2fd",   "pmaddwd",  "pmulhrw",   "pmulhw",    "pmullw",    "pop",
    "popad",     "popaw",     "popf",    "popfd",   "popfw",    "por",       "prefetch",  "prefetchw", "pslld",
    "psllq",     "psllw",     "psrad",   "psraw",   "psrld",    "psrlq",     "psrlw",     "psubb",     "psubd",
    "psubsb",    "psubsw",    "psubusb", "psubusw", "psubw",    "punpckhbw", "punpckhdq", "punpckhwd", "punpcklbw",
    "punpckldq", "punpcklwd", "push",    "pusha",   "pushad",   "pushaw",    "pushf",     "pushfd",    "pushfw",
    "pxor",      "rcl",       "rcr",     "rep",     "repe",     "repne",     "repnz",     "repz",      "ret",
    "rol",       "ror",       "sahf",    "sal",     "sar",      "sbb",       "scas",      "scasb",     "scasd",
    "scasw",     "seta",      "setae",   "setb",    "setbe",    "setc",      "sete",      "setg",      "setge",
    "setl",      "setle",     "setna",   "setnae",  "setnb",    "setnbe",    "setnc",     "setne",     "setng",
    "setnge",    "setnl",     "setnle",  "setno",   "setnp",    "setns",     "setnz",     "seto",      "setp",
    "setpo",     "sets",      "setz",    "sgdt",    "shl",      "shld",      "shr",       "shrd",      "sidt",
    "sldt",      "smsw",      "stc",     "std",     "sti",      "stos",      "stosb",     "stosd",     "stosw",
    "str",       "sub",       "test",    "verr",    "verw",     "wait",      "wbinvd",    "xadd",      "xchg",
    "xlat",      "xlatb",     "xor"};
constexpr TBedKeywordList kKeywords[] = {{TAsmHighlighter::tkKey, kWords}};

constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri",    nullptr,
                                  "NumberAttri",  "SpaceAttri",      "StringAttri", "SymbolAttri"};
static_assert(std::size(kKinds) == TAsmHighlighter::tkSymbol + 1);

}  // namespace

constinit const TBedLanguage kBedAsmLanguage = {
    .className = "TAsmHighlighter",
    .create = &BedCreate<TAsmHighlighter>,
    .languageName = "x86 Assembly Language",
    .attributes = kBedStandardAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .defaultFilter = "x86 Assembly Files (*.asm)|*.ASM",
    .mainWindow = {"hl_asm", "asm1", "Assembler x86", ".ASM .ASI", kBedNumberBlueStringRedItalic}};

TAsmHighlighter::TAsmHighlighter() : TBedScannerHighlighter(kBedAsmLanguage, tkNull), keywords_(kValues, 7) {
    keywords_.Add(kKeywords);

    FillProcs<&TAsmHighlighter::UnknownProc>();
    SetBlankProcs(tkSpace);
    SetProcs<&TAsmHighlighter::CommentProc>(";#");
    SetProc<&TAsmHighlighter::SlashProc>('/');
    SetProc<&TAsmHighlighter::StringProc>('"');
    SetProcs<&TAsmHighlighter::NumberProc>("0-9");
    SetOperators(tkSymbol, {"<=", "<>", "<", ">=", ">"});
    SetProcs<&TAsmHighlighter::SymbolProc>("&'()*+.:=^{}-");
    SetProcs<&TAsmHighlighter::IdentProc>("A-Z_a-z");
}

void TAsmHighlighter::SlashProc() {
    if (Ch(1) == '/')
        CommentProc();
    else
        SymbolProc();
}

void TAsmHighlighter::IdentProc() {
    const int start = run_;
    SkipWhile(kBedWordChars);
    kind_ = keywords_.Find(p_ + start, run_ - start, tkIdentifier);
}
