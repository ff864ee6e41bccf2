#include "LineWrap.h"

#include "BedEditCore.h"
#include "CommandLine.h"
#include "TextToolEdit.h"

#include <algorithm>

int ParseWrapWidth(const std::string& text) {
    const int width = ParseNumericOption(text);
    if (!IsWrapWidth(width)) throw EConvertError(NotANumberMessage(text));
    return width;
}

int BreakPosition(std::string_view s, int width) {
    const size_t n = std::min(s.size(), size_t(std::max(width, 0)));
    const size_t space = s.substr(0, n).rfind(' ');
    return space == std::string_view::npos ? 0 : int(space) + 1;
}

namespace {

bool Blank(char c) { return uint8_t(c) <= 0x20; }

}  // namespace

void WrapLines(TBedTextToolEdit& edit, int width, int first, int last) {
    if (edit.Refused() || !IsWrapWidth(width) || edit.Count() == 0) return;
    if (last < 0 || last >= edit.Count()) last = edit.Count() - 1;
    const size_t w = size_t(width);
    // The text of the current line is text[pos..]. What a line carries into the next one can
    // grow through the whole document (when lines are longer than the width on average, all
    // the overflow ends in the last line), so it is never copied whole: the next line is
    // appended behind it and only the front that is written out is taken away.
    std::string text;
    size_t pos = 0;
    bool carried = false;  // the current line holds overflow and is not written yet
    for (int i = std::max(first, 0); i < last; ++i) {
        if (!carried) {
            const std::string_view line = edit.Get(i);
            if (line.size() <= w) continue;
            text.assign(line);
            pos = 0;
        }
        if (text.size() - pos > w) {
            while (pos < text.size() && Blank(text[pos])) ++pos;
            while (text.size() > pos && Blank(text.back())) text.pop_back();
        }
        const std::string_view s = std::string_view(text).substr(pos);
        const int p = s.size() > w ? BreakPosition(s, width) : 0;
        if (p == 0) {
            // Short enough, or a word longer than the width: moving it down would not help.
            if (carried || s.size() <= w) edit.Put(i, std::string(s));
            carried = false;
            continue;
        }
        edit.Put(i, std::string(s.substr(0, size_t(p))));
        pos += size_t(p);
        text += ' ';
        text += edit.Get(i + 1);
        carried = true;
        if (pos > 4096 && pos > text.size() / 2) {
            text.erase(0, pos);
            pos = 0;
        }
    }
    // The last line is split as it is, untrimmed, into as many lines as it takes. The pieces
    // go in above it and it keeps the rest, so that it keeps the break it ends with (or the
    // lack of one, at the end of a file).
    const std::string whole = carried ? text.substr(pos) : std::string(edit.Get(last));
    std::string_view rest = whole;
    int k = last;
    while (rest.size() > w) {
        const int p = BreakPosition(rest, width);
        if (p == 0) break;
        edit.Insert(k++, std::string(rest.substr(0, size_t(p))));
        rest.remove_prefix(size_t(p));
    }
    edit.Put(k, std::string(rest));
}

bool BreakTypedLine(TCustomBedEdit& editor, int width) {
    const TBedPoint caret = editor.CaretXY();
    if (editor.ReadOnly() || !IsWrapWidth(width) || caret.X != width + 2) return false;
    const TBedEditUndoItem* typed = editor.UndoList().Peek();
    if (!typed || typed->End != caret) return false;
    TBedEditStringList& lines = editor.Lines();
    const std::string line = lines.Get(caret.Y - 1);
    // A space typed at the edge is the break itself: the line as it stands is full. (A line
    // shorter than the caret had its typed trailing space trimmed away.)
    const size_t column = size_t(width);  // of the typed character, counted from 0
    const bool typedSpace = line.size() <= column || line[column] == ' ';
    const int p = typedSpace ? width + 1 : BreakPosition(line, width);
    if (p == 0) return false;
    const std::string rest = line.size() > size_t(p) ? line.substr(size_t(p)) : std::string();
    {
        TBedLinesUpdate update(lines);
        lines.Put(caret.Y - 1, line.substr(0, size_t(p)));
        lines.Insert(caret.Y, rest);
    }
    // Recorded as the insertion of a line break after the space: undoing it joins the lines.
    TBedEditUndoList& undo = editor.UndoList();
    const int32_t group = undo.CurrentGroup();
    undo.SetCurrentGroup(typed->Group);
    undo.Add(crInsert, {p + 1, caret.Y}, {1, caret.Y + 1}, {}, smNormal);
    undo.SetCurrentGroup(group);
    // After a typed space the caret stays right after it, before what stood right of it.
    editor.SetCaretXY({typedSpace ? 1 : int(rest.size()) + 1, caret.Y + 1});
    editor.ScrollCaretIntoView();
    return true;
}
