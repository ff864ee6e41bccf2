#pragma once
// Hard line wrapping at spaces: the whole document (or after loading) through a text-tool edit,
// and the caret's line while typing as a recorded edit. Qt-free.
#include <string>
#include <string_view>

class TBedTextToolEdit;
class TCustomBedEdit;

// The widths a wrap accepts; anything else is refused like text that is not a number.
constexpr int kBedMinWrapWidth = 1;
constexpr int kBedMaxWrapWidth = 32767;
constexpr bool IsWrapWidth(long long w) { return w >= kBedMinWrapWidth && w <= kBedMaxWrapWidth; }

// The width typed into the width dialog. Throws EConvertError for text that is not a number or
// not a width.
int ParseWrapWidth(const std::string& text);

// The largest p in 1..width with a space (0x20) at character p of s; 0 when there is none.
int BreakPosition(std::string_view s, int width);

// Wraps the lines first .. last (0-based; last -1: to the end) that are longer than width at
// their last space within it: the rest is carried to the front of the next line (one space
// between), which then wraps in turn; the last line of the range is split into new lines below
// it. A line longer than width is trimmed of blanks and control characters at both ends first.
// A line with no space to break at stays as it is and carries nothing down.
void WrapLines(TBedTextToolEdit& edit, int width, int first = 0, int last = -1);

// Wrapping while typing: when the character just typed stands in column width + 1, breaks the
// caret's line after its last space within width; the rest goes to a new line below with the
// caret at its end. The break is recorded for undo in the same group as the character's
// record, which must be the newest one. True when the line was broken.
bool BreakTypedLine(TCustomBedEdit& editor, int width);
