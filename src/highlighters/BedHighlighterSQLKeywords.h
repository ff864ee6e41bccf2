#pragma once
// The keyword texts of the SQL dialects: comma-separated words, each text of one token kind.
// No word stands twice in a dialect, not even under two kinds (the keyword table refuses it).
// A word of two kinds is a data type before a function and a function before a reserved
// word; in Oracle, the words of procedures and their control flow are PL/SQL words and those
// of statements reserved words.
#include "BedHighlighterSQL.h"

#include <span>

struct TBedSQLKeywordText {
    int kind;  // a TSQLHighlighter token kind
    const char* text;
};

std::span<const TBedSQLKeywordText> BedSQLStandardKeywords();
std::span<const TBedSQLKeywordText> BedSQLInterbase6Keywords();
std::span<const TBedSQLKeywordText> BedSQLMSSQL7Keywords();
std::span<const TBedSQLKeywordText> BedSQLMySQLKeywords();
std::span<const TBedSQLKeywordText> BedSQLOracleKeywords();
std::span<const TBedSQLKeywordText> BedSQLSybaseKeywords();
std::span<const TBedSQLKeywordText> BedSQLIngresKeywords();

std::span<const TBedSQLKeywordText> BedSQLKeywordTexts(TSQLDialect dialect);
