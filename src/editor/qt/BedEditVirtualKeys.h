#pragma once
// Qt key events to the Windows virtual-key codes and modifier sets of the keystroke table.
#include "BedEditKeyStrokes.h"

#include <Qt>
#include <QtGlobal>

class QKeyEvent;

// The virtual-key code of a Qt key, 0 when it has none. The native (X11/evdev) scan code, when
// given, makes the top row digits even where the layout types letters (Czech ě š č ř...).
uint16_t QtKeyToVirtualKey(int key, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode = 0);
// Shift = 1, Alt = 2, Ctrl = 4; other modifiers are ignored.
TBedShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

struct TBedVirtualKey {
    uint16_t key = 0;
    TBedShiftState shift = ssNone;
};
TBedVirtualKey VirtualKeyOf(const QKeyEvent& event);
