#pragma once
// Reading and safely replacing the small configuration files the editor edits. Qt-free.
#include <optional>
#include <string>

// The bytes of a regular file, empty when there is none; nullopt when it is there but can't be
// read (or is not a regular file), with the reason for the user in `reason` when given.
std::optional<std::string> ReadTextFile(const std::string& fileName, std::string* reason = nullptr);

// Creates the missing folders and replaces the file only once the new text is complete and on
// disk. Returns the reason for the user when that fails (naming the file), else an empty text.
std::string WriteTextFile(const std::string& fileName, const std::string& text);
