#pragma once
// The user MIME package that gives a type to extensions the system's MIME database does not
// know, $XDG_DATA_HOME/mime/packages/brousek-editor.xml. Qt-free.
#include <string>
#include <vector>

constexpr const char* kMimePackageFile = "brousek-editor.xml";
// The description of those types in file managers.
constexpr const char* kOwnTypeComment = "Textový soubor pro Brousek Editor";

// ".DIZ" → "text/x-bed-diz": a plain-text type of the editor's own.
std::string OwnMimeType(const std::string& extension);

// The package for these extensions (with their dots), each once, in the order given.
std::string MimePackageText(const std::vector<std::string>& extensions);

// The extensions of a package written by MimePackageText.
std::vector<std::string> MimePackageExtensions(const std::string& text);
