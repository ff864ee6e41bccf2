#pragma once
// What sets each highlighter class apart, as data: its attributes with their names and
// built-in styles and colours, its file filter, word characters, keyword scheme and range
// states. Each language's source file builds its highlighter from its row.
#include "BedHighlighter.h"

#include <optional>
#include <string_view>
#include <vector>

struct TBedAttributeSpec {
    const char* property;  // the published property, e.g. "StringAttri"
    const char* name;      // the attribute's name, e.g. "String"
    TFontStyles style = 0;
    TColor foreground = clNone;
    TColor background = clNone;
};

enum class TBedKeywordScheme : char {
    SumHash = 'A',     // sum of character values, one keyword list per hash value
    HashTable = 'B',   // TBedHashEntryList
    SortedList = 'C',  // binary search in a sorted list
    None = 'D',
};

struct TBedFamilyMember {
    const char* className;
    const char* languageName;
    std::vector<TBedAttributeSpec> attributes;  // in creation order
    const char* defaultFilter;
    const char* wordCharacters;  // for BedCharSetOf; empty: every character 33-255
    TBedKeywordScheme keywords;
    // The range state after construction and ClearRange; none for a class without states.
    std::optional<TBedRange> initialRange;
};

// The nineteen language classes in the order of the class list.
const std::vector<TBedFamilyMember>& BedFamily();
// Raises std::out_of_range for a name that is not in the family.
const TBedFamilyMember& BedFamilyMember(std::string_view className);
