#pragma once
// The line buffer of the editing component: an ordered list of CP 1250 lines with the per-line
// caches the editor needs on every paint (highlighter start state, expanded length, tab flags).
// Qt-free.
#include "BedEditTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class EBedEditStringList : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum : uint8_t {
    lfHasTabs = 1,        // the line holds at least one tab
    lfHasNoTabs = 2,      // the line is known to hold no tab: expanded text == text
    lfLengthUnknown = 4,  // the expanded length must be recomputed before use
};

class TBedEditFileReader;
class TBedEditFileWriter;

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
    void* GetObject(int index) const;
    TBedRange GetRange(int index) const;
    std::string ExpandedLine(int index);
    int LongestLineLength();

    // Writing raises EBedEditStringList("Invalid stringlist index %d") for a bad index.
    void Put(int index, std::string text);
    void PutObject(int index, void* object);
    void PutRange(int index, TBedRange range);
    int Add(std::string text);
    void AddStrings(const TBedEditStringList& source);
    void AddStrings(const std::vector<std::string>& source);
    void Insert(int index, std::string text);
    void InsertEmptyLines(int index, int count);
    void Delete(int index);
    void DeleteLines(int index, int count);
    void Exchange(int index1, int index2);
    void Clear();

    int Capacity() const;
    void SetCapacity(int capacity);
    int TabWidth() const;
    void SetTabWidth(int width);
    // 0 = LF only, 1 = CR LF. Detected by LoadFromFile, used by SaveToFile.
    int LineBreakStyle() const;
    void SetLineBreakStyle(int style);

    // Raises EBedFileError (Open) when the file can't be read; the list is then unchanged.
    void LoadFromFile(const std::string& fileName);
    // Raises EBedFileError; the file on disk is replaced only once the new text is complete.
    void SaveToFile(const std::string& fileName);
    // The bodies of the two above, for a reader or writer set up by the caller.
    void LoadFromReader(TBedEditFileReader& reader);
    void SaveToWriter(TBedEditFileWriter& writer) const;

    // All lines, each followed by CR LF.
    std::string Text() const;
    // Clears and splits at CR LF, lone CR or lone LF (a final break adds no empty line).
    void SetText(std::string_view text);
    void Assign(const TBedEditStringList& source);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const;

    // Owner notifications, each fired only when assigned.
    std::function<void()> OnChanged;
    std::function<void()> OnChanging;
    std::function<void(int)> OnLinesAdded;
    std::function<void()> OnLinesCleared;
    std::function<void(int)> OnLineDeleted;
    std::function<void(int)> OnLineInserted;
    std::function<void(int)> OnLineReplaced;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
