#include "BedEditVirtualKeys.h"

#include <QKeyEvent>

namespace {

struct KeyPair {
    int qt;
    uint16_t vk;
};

// Keys whose code does not depend on the keypad.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Super_L, VK_LWIN},
    {Qt::Key_Super_R, VK_RWIN},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    // Punctuation by its place on a US keyboard, shifted or not.
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},
    // Shifted digits of a US keyboard.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// Operators of the numeric keypad.
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},      {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

template <size_t N>
uint16_t Find(const KeyPair (&table)[N], int key) {
    for (const KeyPair& pair : table)
        if (pair.qt == key) return pair.vk;
    return 0;
}

// X11/evdev scan codes of the top-row keys 1..9 and 0.
constexpr quint32 kScanCodeDigit1 = 10;
constexpr quint32 kScanCodeDigit0 = 19;

}  // namespace

uint16_t QtKeyToVirtualKey(int key, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode) {
    const bool keypad = modifiers & Qt::KeypadModifier;
    // The top row is the digit row whatever the layout types on it, as on Windows.
    if (!keypad && nativeScanCode >= kScanCodeDigit1 && nativeScanCode <= kScanCodeDigit0)
        return uint16_t("1234567890"[nativeScanCode - kScanCodeDigit1]);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return uint16_t(keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return uint16_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return uint16_t(VK_F1 + (key - Qt::Key_F1));
    if (keypad)
        if (const uint16_t vk = Find(kKeypadKeys, key)) return vk;
    return Find(kKeys, key);
}

TBedShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    TBedShiftState shift = ssNone;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    return shift;
}

TBedVirtualKey VirtualKeyOf(const QKeyEvent& event) {
    return {QtKeyToVirtualKey(event.key(), event.modifiers(), event.nativeScanCode()), ShiftStateOf(event.modifiers())};
}
