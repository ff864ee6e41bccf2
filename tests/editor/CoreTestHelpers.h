#pragma once
// Shared set-up for the editing component's tests: an editor without a window.
#include "BedEditCore.h"
#include "BedHighlighter.h"

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
    void Cmd(TBedEditorCommand command, char ch = 0, void* data = nullptr) { CommandProcessor(command, ch, data); }
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

// One token per line; the state says whether a "{" ... "}" comment is open at its end.
class TBraceHighlighter : public TBedCustomHighlighter {
public:
    const char* ClassName() const override { return "TBraceHighlighter"; }
    TBedHighlighterAttributes* StandardAttribute(int) const override { return nullptr; }
    bool AtLineEnd() const override { return done_; }
    std::string TokenText() const override { return line_; }
    TBedHighlighterAttributes* TokenAttribute() const override { return nullptr; }
    int TokenKind() const override { return 0; }
    int TokenStart() const override { return 0; }
    void NextToken() override {
        if (done_) return;
        for (char c : line_) {
            if (c == '{') state_ = 1;
            if (c == '}') state_ = 0;
        }
        done_ = true;
    }
    void StartLine(std::string_view text, int) override {
        line_ = text;
        done_ = false;
        ++linesStarted;
    }
    TBedRange CurrentRange() const override { return state_; }
    void RestoreRange(TBedRange value) override { state_ = value; }
    void ClearRange() override { state_ = 0; }
    TBedCharSet WordCharacters() const override { return BedCharSetOf("a-z"); }
    void Touch() { NotifyChanged(); }

    int linesStarted = 0;

private:
    std::string line_;
    TBedRange state_ = 0;
    bool done_ = true;
};

inline std::vector<TBedRange> Ranges(const TCustomBedEdit& e) {
    std::vector<TBedRange> r;
    for (int i = 0; i < e.Lines().Count(); ++i) r.push_back(e.Lines().GetRange(i));
    return r;
}

#include <ostream>
inline void PrintTo(const TBedPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
