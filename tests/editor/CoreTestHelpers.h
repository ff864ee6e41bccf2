#pragma once
// Shared set-up for the editing component's tests: an editor without a window.
#include "BedEditCore.h"

#include <string>
#include <vector>

class TTestEdit : public TCustomBedEdit {
public:
    TTestEdit() { SetClipboard(&clipboard); }
    explicit TTestEdit(const std::vector<std::string>& text) : TTestEdit() { Load(text); }

    void Load(const std::vector<std::string>& text) {
        Lines().Clear();
        for (const auto& line : text) Lines().Add(line);
    }
    std::vector<std::string> Text() const {
        std::vector<std::string> result;
        for (int i = 0; i < Lines().Count(); ++i) result.push_back(Lines().Get(i));
        return result;
    }
    void Cmd(TBedEditorCommand command, char ch = 0, void* data = nullptr) {
        CommandProcessor(command, ch, data);
    }
    void Type(const std::string& text) {
        for (char c : text) Cmd(ecChar, c);
    }
    void Select(TBedPoint from, TBedPoint to, TBedSelectionMode mode = smNormal) {
        SetSelectionMode(mode);
        SetCaretXY(to);
        SetSelFrom(from);
        SetSelTo(to);
    }
    void UndoAll() {
        while (CanUndo()) Undo();
    }
    void RedoAll() {
        while (CanRedo()) Redo();
    }
    using TCustomBedEdit::SetWindowSize;

    TBedEditMemoryClipboard clipboard;
};

inline TBedPoint P(int x, int y) { return {x, y}; }

#include <ostream>
inline void PrintTo(const TBedPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
