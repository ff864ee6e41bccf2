#include "BedEditLineEdits.h"

#include "BedEditStringList.h"

void TBedEditLineEdits::Put(int index, std::string before, std::string after) {
    edits_.push_back({Kind::Put, index, std::move(before), std::move(after)});
}

void TBedEditLineEdits::Insert(int index, std::string text) {
    edits_.push_back({Kind::Insert, index, {}, std::move(text)});
}

void TBedEditLineEdits::Delete(int index, std::string text) {
    edits_.push_back({Kind::Delete, index, std::move(text), {}});
}

void TBedEditLineEdits::Undo(TBedEditStringList& lines) const {
    TBedLinesUpdate update(lines);
    for (auto e = edits_.rbegin(); e != edits_.rend(); ++e) {
        switch (e->kind) {
            case Kind::Put: lines.Put(e->index, e->before); break;
            case Kind::Insert: lines.Delete(e->index); break;
            case Kind::Delete: lines.Insert(e->index, e->before); break;
        }
    }
}

void TBedEditLineEdits::Redo(TBedEditStringList& lines) const {
    TBedLinesUpdate update(lines);
    for (const Edit& e : edits_) {
        switch (e.kind) {
            case Kind::Put: lines.Put(e.index, e.after); break;
            case Kind::Insert: lines.Insert(e.index, e.after); break;
            case Kind::Delete: lines.Delete(e.index); break;
        }
    }
}
