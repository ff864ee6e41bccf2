#pragma once
// Line-oriented formatting of the Formát menu: shifting and aligning the block lines, deleting
// a line, adding a text to line starts or ends, the HTML skeleton. They write through a
// text-tool edit. Lines are counted from 1, as the caret's are. Qt-free.
#include <string>
#include <string_view>

class TBedTextToolEdit;

// Leading spaces of a line, counted up to but not including its last character: "" and "x"
// count 0, "   " counts 2, "  ab" counts 2.
int IndentationCount(std::string_view line);

// One space more at the start of every line first..last.
void ShiftLinesRight(TBedTextToolEdit& edit, int first, int last);
// One leading space less on every line first..last that begins with one; tabs stay.
void ShiftLinesLeft(TBedTextToolEdit& edit, int first, int last);
// Every line first..last gets M - c + 1 spaces in front, where c is its indentation count and
// M the largest count among them.
void AlignLines(TBedTextToolEdit& edit, int first, int last);
// Deletes the line; nothing when there is no such line (an empty document has none).
void DeleteLine(TBedTextToolEdit& edit, int line);
// Puts text before (atStart) or after every line first..last (last -1: to the end of the
// document), also when text is empty.
void AddToLines(TBedTextToolEdit& edit, const std::string& text, bool atStart, int first = 1, int last = -1);
// Appends the eight lines of an empty HTML 3.2 page after the last line.
void AppendHtmlHeader(TBedTextToolEdit& edit);
