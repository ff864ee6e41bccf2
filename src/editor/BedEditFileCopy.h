#pragma once
// Copying a file's bytes and extended attributes between open files. Qt-free, POSIX.

// Makes the file `to` hold exactly the bytes of `from` (both read from their start), on disk when
// it returns true; false with errno set on failure.
bool CopyFileBytes(int from, int to);

// Gives `to` the extended attributes of the file named `from` (access lists among them), as far as
// this user may set them.
void CopyExtendedAttributes(const char* from, int to);
