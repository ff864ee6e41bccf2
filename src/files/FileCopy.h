#pragma once
// Copying a file's bytes and extended attributes between open files. Qt-free, POSIX.
class TBedChecksum;

// Makes the file `to` hold exactly the bytes of `from` (both from their start), on disk when it
// returns true; false with errno set on failure. The bytes copied go into `sum` when given.
bool CopyFileBytes(int from, int to, TBedChecksum* sum = nullptr);

// Gives `to` the extended attributes of the open file `from` (access lists among them), as far as
// this user and the file system allow; false when one could not be kept.
bool CopyExtendedAttributes(int from, int to);
