#pragma once
// The user's own words: a plain list, one word a line in UTF-8, beside bed.ini. Qt-free.
#include <string>
#include <string_view>
#include <vector>

class TBedPersonalWords {
public:
    explicit TBedPersonalWords(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    // Reads the file (a missing one is an empty list) and gives the words CP 1250 can hold.
    std::vector<std::string> Load();
    // Adds a CP 1250 word and writes the list at once, safely; words of the file that CP 1250
    // can't hold stay in it. Raises EBedFileError when it can't be written.
    void Add(std::string_view cp1250);

private:
    std::string path_;
    std::vector<std::string> lines_;  // UTF-8, as in the file
};
