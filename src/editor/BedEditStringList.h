#pragma once
// The line buffer of the editing component: an ordered list of CP 1250 lines with the per-line
// caches the editor needs on every paint (highlighter start state, expanded length, tab flags).
// Qt-free.
#include "BedEditTypes.h"
#include "FileError.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class EBedEditStringList : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TBedEditBlock;

// Line-break styles of a text file.
constexpr int kLineBreakLF = 0;
constexpr int kLineBreakCRLF = 1;
class TBedEditFileWriter;
class TBedEditLineBreaks;

// What one change did to the lines: `count` lines from index `first` were inserted (also at the
// end), deleted or given new text; or all `count` lines were cleared away (first is 0). Of a
// replaced line, the `from` bytes at its start and the `kept` bytes at its end stayed as they
// were. Only the journal hears of lines joined: the `count` lines after `first` were joined to
// it (the owner hears of the line replaced and the others deleted).
enum class TBedLinesChangeKind : uint8_t { Inserted, Deleted, Replaced, Cleared, Joined };
struct TBedLinesChange {
    TBedLinesChangeKind kind;
    int first;
    int count;
    int from = 0;
    int kept = 0;
    friend bool operator==(const TBedLinesChange&, const TBedLinesChange&) = default;
};

class TBedEditStringList {
public:
    TBedEditStringList();
    ~TBedEditStringList();
    TBedEditStringList(const TBedEditStringList&) = delete;
    TBedEditStringList& operator=(const TBedEditStringList&) = delete;

    int Count() const;
    // Reading never raises: a bad index yields the empty value.
    const std::string& Get(int index) const;
    // The same bytes as Get, valid until the line or the list is changed or the line is asked
    // for through Get. Cheaper for walking the whole text: a line that was loaded and never
    // changed is not copied into a string.
    std::string_view GetView(int index) const;
    // The whole block of bytes the line was loaded into and still points into, empty when it
    // has a string of its own: the lines and breaks that follow it there can be read with it.
    std::string_view LoadedBlock(int index) const;
    // The block LoadFromBlock split into lines at their breaks, while lines still point into it:
    // a line that lies in it holds no break. Empty otherwise.
    std::string_view SplitLoadedBlock() const;
    // That block, while the lines are still all and only its lines with the breaks they had
    // there: writing them is writing it.
    std::optional<std::string_view> UnchangedLoadedText() const;
    void* GetObject(int index) const;
    TBedRange GetRange(int index) const;
    std::string ExpandedLine(int index);
    // The tab-expanded line, at least its first `columns` columns: the stored bytes themselves
    // when the line holds no tab, else expanded into `buffer`. Valid as GetView is.
    std::string_view ExpandedView(int index, int columns, std::string& buffer);
    int LongestLineLength();
    // CharPosToDisplayColumn and ColumnCountToCharPos over a line with the list's tab width;
    // at once for a line known to hold no tab, however long.
    bool HasTabs(int index) const;
    int DisplayColumn(int index, int x) const;
    int CharPosAtColumns(int index, int n) const;

    // Writing raises EBedEditStringList("Invalid stringlist index %d") for a bad index.
    void Put(int index, std::string text);
    // Replaces `count` bytes at offset `at` of the line by `text` in place (both clamped to the
    // line), so that typing into a line of millions of bytes moves only what follows.
    void Splice(int index, int at, int count, std::string_view text);
    void PutObject(int index, void* object);
    void PutRange(int index, TBedRange range);
    int Add(std::string text);
    void AddStrings(const TBedEditStringList& source);
    void AddStrings(const std::vector<std::string>& source);
    void Insert(int index, std::string text);
    void InsertEmptyLines(int index, int count);
    void Delete(int index);
    void DeleteLines(int index, int count);
    // Line index becomes `text`, which takes in the `count` lines below it: they go, and the
    // joined line ends with the break the last of them had. Notifies Replaced(index), then
    // Deleted(index + 1, count).
    void JoinLines(int index, int count, std::string text);
    void Exchange(int index1, int index2);
    void Clear();

    int Capacity() const;
    void SetCapacity(int capacity);
    int TabWidth() const;
    void SetTabWidth(int width);
    // 0 = LF only, 1 = CR LF. Detected by LoadFromFile and LoadFromBlock, used by SaveToFile.
    int LineBreakStyle() const;
    void SetLineBreakStyle(int style);

    // The break each line ended with in the block it was loaded from; lines added since have
    // none. A change that leaves the text one empty line forgets them: a document whose whole
    // text was deleted keeps no break of its own.
    const TBedEditLineBreaks& LineBreaks() const;
    // From now on every line takes the break of the document's line-end mode.
    void ForgetLineBreaks();

    // Raises EBedFileError (Open, Read) when the file can't be read; the list is then unchanged.
    void LoadFromFile(const std::string& fileName);
    // Replaces all lines by those of a block, which the list takes over: split at CR LF, lone CR
    // or lone LF (a final break adds no empty line), they point into it instead of each having
    // a string. Sets the line-break style: CR LF when a CR was met. Notifies Cleared (when there
    // were lines) and Inserted once.
    void LoadFromBlock(TBedEditBlock block);
    // The same with the lines already cut out of the block, each view inside it, and the break
    // each of them ended with. The line-break style stays.
    void LoadFromBlock(TBedEditBlock block, const std::vector<std::string_view>& lines, TBedEditLineBreaks breaks);
    // Raises EBedFileError; the file on disk is replaced only once the new text is complete.
    void SaveToFile(const std::string& fileName);
    // The body of the above, for a writer set up by the caller.
    void SaveToWriter(TBedEditFileWriter& writer) const;

    // All lines, each followed by CR LF.
    std::string Text() const;
    // Clears and splits at CR LF, lone CR or lone LF (a final break adds no empty line).
    void SetText(std::string_view text);
    void Assign(const TBedEditStringList& source);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const;

    // Owner notifications, each fired only when assigned: the update bracket (the first
    // BeginUpdate, the last EndUpdate) and every change of the lines inside it.
    std::function<void()> OnChanging;
    std::function<void()> OnChanged;
    std::function<void(const TBedLinesChange&)> OnLinesChange;
    // Hears of every change after the owner did, the line's new text in place: the journal of
    // unsaved edits records it.
    std::function<void(const TBedLinesChange&)> OnJournal;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// One update of the list for a scope: the owner hears Changing and Changed once around every
// change made meanwhile, and Changed also when a change fails.
using TBedLinesUpdate = TBedScope<TBedEditStringList, &TBedEditStringList::BeginUpdate, &TBedEditStringList::EndUpdate>;
