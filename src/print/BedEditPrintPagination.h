#pragma once
// Which printed rows go on which page.
#include <vector>

// Where a page starts: a line (0-based) and the row of it (0 unless the line began on an
// earlier page).
struct TPageLine {
    int Line = 0;
    int Row = 0;
    friend bool operator==(const TPageLine&, const TPageLine&) = default;
};

// Pages of rowsPerPage rows (at least one) for lines of rows[i] rows each. A line that does
// not fit on what is left of a page moves to the next one; only a line taller than a whole
// page is split, and it starts where it stands. There is always a first page, even for no
// lines.
std::vector<TPageLine> Paginate(const std::vector<int>& rows, int rowsPerPage);
