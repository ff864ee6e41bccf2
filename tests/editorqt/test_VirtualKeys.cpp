#include "BedEditVirtualKeys.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <gtest/gtest.h>

// Qt names a key without its own constant by the code point of its capital letter.
constexpr int kKeyEcaron = 0x11A;

TEST(VirtualKeys, KeysMapToWindowsCodes) {
    struct Case {
        int qt;
        Qt::KeyboardModifiers modifiers;
        uint16_t vk;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier, keypad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
    for (const Case& c :
         {Case{Qt::Key_A, none, 'A'}, Case{Qt::Key_Z, Qt::ControlModifier, 'Z'}, Case{Qt::Key_0, none, '0'},
          Case{Qt::Key_7, keypad, VK_NUMPAD0 + 7}, Case{Qt::Key_F1, none, VK_F1}, Case{Qt::Key_F12, none, 0x7B},
          Case{Qt::Key_PageUp, none, VK_PRIOR}, Case{Qt::Key_End, keypad, VK_END}, Case{Qt::Key_Backtab, shift, VK_TAB},
          Case{Qt::Key_Enter, keypad, VK_RETURN}, Case{Qt::Key_Return, none, VK_RETURN},
          Case{Qt::Key_Plus, keypad, VK_ADD}, Case{Qt::Key_Plus, none, VK_OEM_PLUS},
          Case{Qt::Key_Slash, keypad, VK_DIVIDE}, Case{Qt::Key_Shift, shift, VK_SHIFT},
          Case{Qt::Key_Control, none, VK_CONTROL}, Case{Qt::Key_Alt, none, VK_MENU}, Case{Qt::Key_Exclam, shift, '1'},
          Case{kKeyEcaron, none, 0}}) {
        EXPECT_EQ(QtKeyToVirtualKey(c.qt, c.modifiers), c.vk) << std::hex << c.qt;
    }
}

TEST(VirtualKeys, TopRowGivesDigitsWhateverTheLayoutTypes) {
    // Ctrl+ě on a Czech keyboard is Ctrl+2, as the bookmarks expect.
    EXPECT_EQ(QtKeyToVirtualKey(kKeyEcaron, Qt::ControlModifier, 11), '2');
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Eacute, Qt::NoModifier, 19), '0');
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Home, Qt::KeypadModifier, 79), VK_HOME);
}

TEST(VirtualKeys, EventGivesKeyAndShiftSet) {
    // An own device: the default one would be created for the whole process.
    const QInputDevice keyboard("test", 1, QInputDevice::DeviceType::Keyboard);
    const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier;
    const QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, all, 0, 0, 0, QString(), false, 1, &keyboard);
    TBedVirtualKey vk = VirtualKeyOf(left);
    EXPECT_EQ(vk.key, VK_LEFT);
    EXPECT_EQ(vk.shift, ssShift | ssAlt | ssCtrl);
    const QKeyEvent ctrlTwo(QEvent::KeyPress, kKeyEcaron, Qt::ControlModifier, 11, 0, 0, QString(), false, 1,
                            &keyboard);
    vk = VirtualKeyOf(ctrlTwo);
    EXPECT_EQ(vk.key, '2');
    EXPECT_EQ(vk.shift, ssCtrl);
    EXPECT_EQ(ShiftStateOf(Qt::MetaModifier), ssNone);
}
