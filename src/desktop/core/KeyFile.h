#pragma once
// Reading the freedesktop key files the editor edits (desktop entries, mimeapps.list): lines of
// "[Group]", "Key=Value", comments and blanks. Qt-free.
#include <string>
#include <string_view>
#include <vector>

struct TKeyFileLine {
    enum Kind { Blank, Comment, Group, Entry, Other };
    Kind kind = Other;
    std::string name;   // the group's or the key's name
    std::string value;  // an entry's value, blanks around it removed
};

TKeyFileLine ParseKeyFileLine(std::string_view line);

// The lines of a text, split at LF, CR LF or a lone CR.
std::vector<std::string> TextLines(const std::string& text);

// "a;b;" → {"a", "b"}; empty items are dropped.
std::vector<std::string> SplitKeyFileList(const std::string& value);
