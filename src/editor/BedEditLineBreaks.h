#pragma once
// The line breaks a text had when it was read, kept so that writing it back gives the same bytes:
// mixed line ends, lone CRs and a missing final break survive a save. Held as runs of lines with
// the same break, so a file with one kind of break costs one run. Lines added later have no break
// of their own and take the document's. Qt-free.
#include <cstddef>
#include <cstdint>
#include <vector>

struct TBedLinesChange;

enum class TBedLineBreak : uint8_t {
    Unknown,  // not read from a file: the document's line-end mode decides
    LF,
    CRLF,
    CR,
    None,  // the file's last line ended without a break
};

// The break that ends a line at lineEnd in a text that ends at end.
TBedLineBreak LineBreakAt(const char* lineEnd, const char* end);

// Lines first .. first + count - 1 all ended with `kind`.
struct TBedLineBreakRun {
    int first;
    int count;
    TBedLineBreak kind;
};

class TBedEditLineBreaks {
public:
    // Records the break of the next line while a text is read, lines in order from 0.
    void Append(TBedLineBreak lineBreak);
    // Keeps each recorded break with its line as lines are inserted and deleted.
    void Follow(const TBedLinesChange& change);
    // Forgets every recorded break: all lines take the document's from now on.
    void Clear() { runs_.clear(); }
    bool Empty() const { return runs_.empty(); }

    // Reads the breaks of lines in ascending order, each in amortised constant time.
    class TReader {
    public:
        explicit TReader(const TBedEditLineBreaks& breaks) : runs_(breaks.runs_) {}
        TBedLineBreak At(int line);

    private:
        const std::vector<TBedLineBreakRun>& runs_;
        size_t next_ = 0;
    };

private:
    void Insert(int first, int count);
    void Delete(int first, int count);

    std::vector<TBedLineBreakRun> runs_;
};
