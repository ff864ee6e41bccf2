#pragma once
// The one way a document goes to its file: its lines encoded from CP 1250 to the code page a
// chunk at a time and written atomically (the old file stays whole until the new one is
// complete on disk). Qt-free.
#include "FileIdentity.h"

#include <vector>

#include <string>

class TBedEditStringList;

// Every line ends with the break it had in the file it was read from, so that an unchanged
// document is written back byte for byte (mixed breaks, lone CRs, a last line without a break or
// an empty one with a break); other lines end with CR LF (DOS) or LF (UNIX). A line's own
// trailing LF is dropped first. An empty last line (or one beginning with LF) not read from the
// file adds nothing, so an empty document gives an empty file. In UTF-8 a byte-order mark goes
// first when asked for (the file had one). A text read in another code page (textCodePage; -1:
// the file's own) is converted, what the file's code page lacks written as the substitute (see
// CodePages.h). Raises EBedFileError (Create, Write); the file on disk is then as it was.
struct TBedWrittenFile {
    TBedFileIdentity identity;         // the file as written
    std::vector<std::string> remarks;  // what could not be kept as it was (the mode, the owner…)
    // Loading the file in the same code page, unconverted and unwrapped, gives these lines again:
    // none holds a line-break byte, and every byte comes back from the code page unchanged.
    bool reloadsExactly = true;
    // ... but for an empty last line, which loading never makes.
    bool emptyLastLine = false;
};
TBedWrittenFile WriteDocument(const std::string& fileName, const TBedEditStringList& lines, int codePage,
                              bool unixLineEnds, bool byteOrderMark = false, int textCodePage = -1);
