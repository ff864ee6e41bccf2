#pragma once
// One run of a text tool (case change, diacritics, wrapping, block shifts, ...) that rewrites
// lines of the document directly rather than through the component's recorded editing. Qt-free.
//
// For the length of the run this guard:
//   - refuses the run while the component is read-only (Refused(); every write is then ignored);
//   - brackets the writes as one update of the lines (one repaint, the selection collapses at
//     the caret when it ends);
//   - and when the run changed at least one line, at its end (also when an exception leaves the
//     run) records all its writes as one undo step, which flags the document as modified
//     through the component's change event.
#include "BedEditCore.h"
#include "BedEditLineEdits.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class TBedTextToolEdit {
public:
    explicit TBedTextToolEdit(TCustomBedEdit& editor);
    ~TBedTextToolEdit();
    TBedTextToolEdit(const TBedTextToolEdit&) = delete;
    TBedTextToolEdit& operator=(const TBedTextToolEdit&) = delete;

    // The document is read-only: the tool must leave it as it is.
    bool Refused() const { return refused_; }
    // At least one line was written with a new text, inserted or deleted.
    bool Changed() const { return !edits_->Empty(); }

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
    bool refused_;
    TBedPoint caretBefore_;
    std::shared_ptr<TBedEditLineEdits> edits_ = std::make_shared<TBedEditLineEdits>();
    std::optional<TBedLinesUpdate> update_;
};
