#include "BedEditLineEdits.h"

#include "BedEditStringList.h"

void TBedEditLineEdits::Put(int index, std::string before) { edits_.push_back({Kind::Put, index, std::move(before)}); }

void TBedEditLineEdits::Insert(int index) { edits_.push_back({Kind::Insert, index, {}}); }

void TBedEditLineEdits::Delete(int index, std::string text) {
    edits_.push_back({Kind::Delete, index, std::move(text)});
}

void TBedEditLineEdits::Apply(TBedEditStringList& lines, Edit& e, bool inverse) {
    const bool inserts = (e.kind == Kind::Insert) != inverse;
    switch (e.kind) {
        case Kind::Put: {
            std::string now = lines.Get(e.index);
            lines.Put(e.index, std::move(e.other));
            e.other = std::move(now);
            break;
        }
        case Kind::Insert:
        case Kind::Delete:
            if (inserts) {
                lines.Insert(e.index, std::move(e.other));
                e.other.clear();
            } else {
                e.other = lines.Get(e.index);
                lines.Delete(e.index);
            }
            break;
    }
}

void TBedEditLineEdits::Undo(TBedEditStringList& lines) {
    TBedLinesUpdate update(lines);
    for (auto e = edits_.rbegin(); e != edits_.rend(); ++e) Apply(lines, *e, true);
}

void TBedEditLineEdits::Redo(TBedEditStringList& lines) {
    TBedLinesUpdate update(lines);
    for (Edit& e : edits_) Apply(lines, e, false);
}
