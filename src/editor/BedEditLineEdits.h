#pragma once
// The line writes of one text-tool run, kept so that the run can be undone and redone as one
// step. Each write keeps only the text of the other side: before the undo the lines as they
// were, after it the lines as the run left them, so a run costs one copy of the lines it
// touched. Qt-free.
#include <string>
#include <vector>

class TBedEditStringList;

class TBedEditLineEdits {
public:
    void Put(int index, std::string before);
    void Insert(int index);
    void Delete(int index, std::string text);
    bool Empty() const { return edits_.empty(); }

    // Puts the lines back as they were before the writes, newest write first.
    void Undo(TBedEditStringList& lines);
    // Writes them again in their order.
    void Redo(TBedEditStringList& lines);

private:
    enum class Kind { Put, Insert, Delete };
    struct Edit {
        Kind kind;
        int index;
        std::string other;  // the line's text on the side not in the buffer (none for a line not there)
    };
    // Undoing an insertion is a deletion, and back: `inverse` tells which way a write goes.
    static void Apply(TBedEditStringList& lines, Edit& e, bool inverse);
    std::vector<Edit> edits_;
};
