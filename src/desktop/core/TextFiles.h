#pragma once
// Reading and safely replacing the small configuration files the editor edits. Qt-free.
#include <optional>
#include <string>

// The bytes of a regular file; nullopt when there is none or it can't be read.
std::optional<std::string> ReadTextFile(const std::string& fileName);

// Creates the missing folders and replaces the file only once the new text is complete and on
// disk. Returns the reason for the user when that fails (naming the file), else an empty text.
std::string WriteTextFile(const std::string& fileName, const std::string& text);
