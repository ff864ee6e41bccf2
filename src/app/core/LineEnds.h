#pragma once
// Line-end detection of a document: a buffered byte reader over the file's first line.
// Qt-free.
#include <string>

// true for UNIX (the first line ends with a bare LF, or there is no CR LF at all), false for
// DOS. An empty file is DOS. Raises EBedFileError when the file can't be opened or read.
bool DetectUnixLineEnds(const std::string& fileName);
