#pragma once
// The one way a document's file comes into the editor: its bytes are read once, whole; the
// line-end mode and a T602 document are recognised from them; the T602 conversion and the
// decoding to CP 1250 run over the block; the line buffer takes the result in one step, its
// lines pointing into the block. Qt-free.
#include "FileReader.h"
#include "T602Session.h"
#include "Utf8.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TBedEditStringList;

// A file's bytes, read whole, and the file as it was when it was opened.
struct TBedFileContents {
    TBedEditBlock bytes;
    TBedFileIdentity identity;
};

// Opens a file and reads it whole. Raises EBedFileError (Open, Read).
using TBedFileOpener = std::function<TBedFileContents(const std::string& fileName)>;
TBedFileContents ReadFileContents(const std::string& fileName);

// A document's file as it was read, ready to become the document.
struct TBedDocumentFile {
    std::string fileName;
    TBedFileContents contents;
    bool unixLineEnds = false;  // the line-end mode, taken from the first line
};

// The line-end mode of a document with these bytes: UNIX unless the byte before the first LF
// (before the last byte, when there is no LF) is CR; an empty file is DOS.
bool DetectUnixLineEnds(std::string_view bytes);

// Reads the file through `open`: the only time a document's file is opened. Raises
// EBedFileError (Open, Read); nothing has changed then.
TBedDocumentFile ReadDocumentFile(const std::string& fileName, const TBedFileOpener& open = ReadFileContents);

// What loading found out besides the text.
struct TBedLoadOutcome {
    bool byteOrderMark = false;  // a UTF-8 file began with one (not part of the text)
    // A UTF-8 file that CP 1250 can't hold: the first misfit; the text holds a placeholder for
    // each (Utf8.h), so it must not be written.
    std::optional<TBedUtf8Misfit> misfit;
};

// Replaces the lines by the document. In a DOS code page the first line may show a T602
// document (the session may ask the user); a converted document loses its leading dot-command
// lines. The lines are then decoded from the code page to CP 1250. Raises EBedFileError (Read)
// when the document does not fit in memory.
TBedLoadOutcome LoadDocument(TBedDocumentFile file, int codePage, T602Session& t602,
                             const T602Session::AskUser& askUser, TBedEditStringList& lines);
