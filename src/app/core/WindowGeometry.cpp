#include "WindowGeometry.h"

#include <algorithm>

TBedWindowGeometry FittedInto(TBedWindowGeometry window, const TBedWindowGeometry& area) {
    window.width = std::clamp(window.width, 1, std::max(area.width, 1));
    window.height = std::clamp(window.height, 1, std::max(area.height, 1));
    window.x = std::clamp(window.x, area.x, area.x + area.width - window.width);
    window.y = std::clamp(window.y, area.y, area.y + area.height - window.height);
    return window;
}
