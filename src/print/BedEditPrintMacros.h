#pragma once
// The macros of header and footer texts ($PAGENUM$, $PAGECOUNT$, $TITLE$, $DATE$, $TIME$,
// $DATETIME$, $TIMEDATE$, in any letter case) and the Roman numerals of page numbers.
#include <string>
#include <string_view>

// Upper-case Roman numerals; 0 and below give an empty text, thousands repeat M (4000 = MMMM).
std::string RomanNumerals(int n);

struct TBedPrintMacroValues {
    int PageNumber = 0;
    int PageCount = 0;
    bool RomanNumbers = false;  // $PAGENUM$ in Roman numerals
    std::string Title;
    std::string Date;
    std::string Time;
};

// The text with every macro replaced by its value. A text of blanks only gives an empty text;
// "$…$" that is no macro stays as it is, and its closing "$" may open the next macro.
std::string ExpandMacros(std::string_view text, const TBedPrintMacroValues& values);
