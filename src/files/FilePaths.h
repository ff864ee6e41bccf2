#pragma once
// Paths as the system gives them: byte strings, never converted. Qt-free, POSIX.
#include <string>

// The directory part of a path including its final slash; empty for a bare file name.
std::string DirectoryPrefix(const std::string& path);
// The last part of a path.
std::string FilePart(const std::string& path);
// The path from the root: a relative one is taken from the working directory now.
std::string AbsolutePath(const std::string& path);
// The path from the root with every link resolved; AbsolutePath when there is no such file.
std::string RealPath(const std::string& path);
// Six letters and digits drawn at random, for names nobody can guess beforehand.
std::string RandomNameSuffix();
