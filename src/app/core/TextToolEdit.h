#pragma once
// One run of a text tool (case change, diacritics, wrapping, block shifts, ...) that rewrites
// lines of the document directly rather than through the component's recorded editing. Qt-free.
//
// Such writes are not recorded for undo, so they would leave the document looking unchanged
// and the undo records pointing at positions the tool has moved. For the length of the run this
// guard:
//   - refuses the run while the component is read-only (Refused(); every write is then ignored);
//   - brackets the writes as one update of the lines (one repaint, the selection collapses at
//     the caret when it ends);
//   - and when the run changed at least one line, at its end (also when an exception leaves the
//     run) clears the undo and redo lists, sets the component's modified state and calls
//     markModified, through which the owner flags the document as modified.
#include "BedEditCore.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TBedTextToolEdit {
public:
    TBedTextToolEdit(TCustomBedEdit& editor, std::function<void()> markModified);
    ~TBedTextToolEdit();
    TBedTextToolEdit(const TBedTextToolEdit&) = delete;
    TBedTextToolEdit& operator=(const TBedTextToolEdit&) = delete;

    // The document is read-only: the tool must leave it as it is.
    bool Refused() const { return refused_; }
    // At least one line was written with a new text, inserted or deleted.
    bool Changed() const { return changed_; }

    TCustomBedEdit& Editor() { return editor_; }
    int Count() const { return editor_.Lines().Count(); }
    // The line's bytes, valid until the next write.
    std::string_view Get(int index) const { return editor_.Lines().GetView(index); }

    // Writes a line (0-based) only when its text differs; true when it did.
    bool Put(int index, std::string text);
    void Insert(int index, std::string text);
    void Add(std::string text);
    void Delete(int index);

private:
    TCustomBedEdit& editor_;
    std::function<void()> markModified_;
    bool refused_;
    bool changed_ = false;
    std::optional<TBedLinesUpdate> update_;
};
