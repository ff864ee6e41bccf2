#pragma once
// The line writes of one text-tool run, kept so that the run can be undone and redone as one
// step: each write with the text before and after it. Only the lines the run touched are kept.
// Qt-free.
#include <string>
#include <vector>

class TBedEditStringList;

class TBedEditLineEdits {
public:
    void Put(int index, std::string before, std::string after);
    void Insert(int index, std::string text);
    void Delete(int index, std::string text);
    bool Empty() const { return edits_.empty(); }

    // Puts the lines back as they were before the writes, newest write first.
    void Undo(TBedEditStringList& lines) const;
    // Writes them again in their order.
    void Redo(TBedEditStringList& lines) const;

private:
    enum class Kind { Put, Insert, Delete };
    struct Edit {
        Kind kind;
        int index;
        std::string before, after;  // Insert has no before, Delete no after
    };
    std::vector<Edit> edits_;
};
