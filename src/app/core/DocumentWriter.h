#pragma once
// The one way a document goes to its file: its lines encoded from CP 1250 to the code page a
// chunk at a time and written atomically (the old file stays whole until the new one is
// complete on disk). Qt-free.
#include <string>

class TBedEditStringList;

// Every line ends with CR LF (DOS) or LF (UNIX); a line's own trailing LF is dropped first. An
// empty last line (or one beginning with LF) adds nothing, so an empty document gives an empty
// file. In UTF-8 a byte-order mark goes first when asked for (the file had one). Raises
// EBedFileError (Create, Write); the file on disk is then as it was.
void WriteDocument(const std::string& fileName, const TBedEditStringList& lines, int codePage,
                   bool unixLineEnds, bool byteOrderMark = false);
