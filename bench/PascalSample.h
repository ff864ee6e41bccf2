#pragma once
// A generated Pascal program for the benchmarks: units of classes, properties, comments of both
// kinds, strings and an assembler block, repeated with numbered names.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline const char* const kPascalTemplate[] = {
    "unit Generated%d;",
    "",
    "{ Generated unit number %d: a comment in braces that runs",
    "  over two lines with some words in it }",
    "interface",
    "uses SysUtils, Classes, Windows;",
    "type",
    "  TItem%d = class(TObject)",
    "  private",
    "    FValue: Integer; // the stored value",
    "    FName: string;",
    "    procedure SetValue(const AValue: Integer); overload;",
    "  public",
    "    property Value: Integer read FValue write SetValue default 0;",
    "    property Name: string read FName write FName;",
    "  end;",
    "const",
    "  Limit = $FF00; Ratio = 1.5e3; Range = 1..10; Crlf = #13#10;",
    "  Greeting = 'Hello, it''s a generated string with some text';",
    "implementation",
    "(* An old-style comment",
    "   spanning lines *)",
    "procedure TItem%d.SetValue(const AValue: Integer);",
    "var",
    "  I, Total: Integer;",
    "begin",
    "  Total := 0;",
    "  for I := 0 to AValue - 1 do",
    "    if (I mod 3 = 0) and not (I > 1000) then",
    "      Total := Total + I * 2",
    "    else",
    "      Total := Total - 1;",
    "  FValue := Total; FName := IntToStr(Total) + ' items';",
    "end;",
    "function Sum(A, B: Integer): Integer; assembler;",
    "asm",
    "  MOV EAX, A   { first operand }",
    "  ADD EAX, B   (* second *)",
    "end;",
    "end.",
    "",
};

// Whole units until the text holds `bytes` bytes (LF ends counted) or `lines` lines.
inline std::vector<std::string> GeneratePascalLines(size_t bytes, size_t lines) {
    std::vector<std::string> v;
    size_t total = 0;
    char buf[256];
    for (int unit = 0; total < bytes && v.size() < lines; ++unit) {
        for (const char* t : kPascalTemplate) {
            std::snprintf(buf, sizeof buf, t, unit);
            v.emplace_back(buf);
            total += v.back().size() + 1;
        }
    }
    return v;
}

}  // namespace bench
