#include "BedEditPrintPagination.h"

#include <algorithm>

std::vector<TPageLine> Paginate(const std::vector<int>& rows, int rowsPerPage) {
    const int capacity = std::max(1, rowsPerPage);
    std::vector<TPageLine> pages{{0, 0}};
    int used = 0;  // rows on the current page
    for (int line = 0; line < int(rows.size()); ++line) {
        const int count = std::max(1, rows[size_t(line)]);
        if (used > 0 && count <= capacity && used + count > capacity) {
            pages.push_back({line, 0});
            used = 0;
        }
        for (int row = 0; row < count;) {
            if (used == capacity) {
                pages.push_back({line, row});
                used = 0;
            }
            const int take = std::min(count - row, capacity - used);
            used += take;
            row += take;
        }
    }
    return pages;
}
