#pragma once
// The editor's command line: file names and options "letter=value", processed left to right.
// Qt-free.
#include "T602.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct TCommandLineParam {
    bool isOption = false;
    char letter = 0;    // upper-cased first character of an option
    std::string value;  // text after the first "="; or the file name
};

// A parameter that contains "=" is an option; anything else names a file.
TCommandLineParam ClassifyParam(const std::string& param);

// The first character of an option value, upper-cased (0 for an empty value).
char ValueLetter(const std::string& value);

// 6=: the T602 mode the value's first letter names; none for another letter.
std::optional<TBedT602Mode> T602Option(char valueLetter);

// A decimal option value (L, S, V, X, Y); throws EConvertError when it isn't a number.
int ParseNumericOption(const std::string& value);
// What EConvertError says of a value that is not a whole number.
std::string NotANumberMessage(const std::string& value);

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Option R: "search,replacement" split at the last comma that leaves a non-empty replacement
// scan (the scan starts at the value's last character, so a trailing comma belongs to the
// replacement). Returns false when the value holds no usable comma.
bool SplitReplaceOption(const std::string& value, std::string& search, std::string& replacement);
