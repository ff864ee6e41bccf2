#pragma once
// The window's place and size as bed.ini keeps them, in device-independent pixels, and fitting
// them on the screen they come back to (another resolution, another scale). Qt-free.

struct TBedWindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// No larger than the area (the screen less panels and docks), and moved into it as far as it
// takes to lie wholly inside.
TBedWindowGeometry FittedInto(TBedWindowGeometry window, const TBedWindowGeometry& area);
