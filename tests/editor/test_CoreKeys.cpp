#include "CoreTestHelpers.h"

#include <gtest/gtest.h>

namespace {

void Press(TTestEdit& e, uint16_t key, TBedShiftState shift, char ch = 0) {
    e.KeyDown(key, shift);
    if (ch) e.KeyPress(ch);
}

}  // namespace

TEST(CoreKeys, BoundKeyRunsItsCommandAndSwallowsItsCharacter) {
    TTestEdit e({"abc"});
    uint16_t key = VK_RETURN;
    e.KeyDown(key, ssNone);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(e.KeyHandled());
    e.KeyPress('\r');
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"", "abc"}));
    Press(e, 'X', ssShift, 'X');  // unbound: the character is typed
    EXPECT_EQ(e.Text()[1], "Xabc");
}

TEST(CoreKeys, ChordsAndModifierKeysResetTheFirstKey) {
    TTestEdit e({"abc"});
    e.Keystrokes().AddKey(ecLineEnd, 'K', ssCtrl, 'B', ssNone);
    Press(e, 'K', ssCtrl);
    Press(e, 'B', ssNone, 'b');
    EXPECT_EQ(e.CaretX(), 4);
    EXPECT_EQ(e.Text()[0], "abc");
    e.SetCaretX(1);
    Press(e, 'K', ssCtrl);
    Press(e, VK_SHIFT, ssShift);  // a modifier alone forgets the first key
    Press(e, 'B', ssNone, 'b');
    EXPECT_EQ(e.Text()[0], "babc");
}

TEST(CoreKeys, ImeStringIsOneCommandAndItsEchoIsSkipped) {
    TTestEdit e({""});
    e.ImeString("\xE8\x9A", true);
    e.KeyPress('\xE8');
    e.KeyPress('\x9A');
    EXPECT_EQ(e.Text()[0], "\xE8\x9A");
    EXPECT_EQ(e.UndoList().Count(), 1);
    e.KeyPress('a');
    EXPECT_EQ(e.Text()[0],
              "\xE8\x9A"
              "a");
}

TEST(CoreKeys, TabReachesTheComponentOnlyWhenWantedWithoutCtrl) {
    TTestEdit e;
    EXPECT_FALSE(e.WantsTabKey(false));
    e.SetWantTabs(true);
    EXPECT_TRUE(e.WantsTabKey(false));
    EXPECT_FALSE(e.WantsTabKey(true));
}

TEST(CoreProcessor, EventsHooksAndUserCommands) {
    TTestEdit e({"abc"});
    std::vector<std::string> calls;
    TBedEditorCommand processed = 9999;
    e.OnCommandProcessed = [&](TCustomBedEdit&, TBedEditorCommand c, char, void*) { processed = c; };
    e.OnProcessCommand = [&](TCustomBedEdit&, TBedEditorCommand& c, char& ch, void*) {
        if (c == ecChar && ch == 'q') c = ecNone;  // cancelled
        if (c == ecChar && ch == 'u') ch = 'U';    // changed
    };
    e.Cmd(ecChar, 'q');
    EXPECT_EQ(processed, ecNone);
    EXPECT_EQ(e.Text()[0], "abc");
    e.Cmd(ecChar, 'u');
    EXPECT_EQ(e.Text()[0], "Uabc");

    int hookData = 7;
    const int id = e.AddCommandHook(
        [&](TCustomBedEdit&, bool after, bool& handled, TBedEditorCommand& c, char&, void*, void* data) {
            calls.push_back(std::string(after ? "after " : "before ") + std::to_string(c) + " " +
                            std::to_string(*static_cast<int*>(data)));
            if (!after && c == ecDeleteLine) handled = true;
        },
        &hookData);
    e.Cmd(ecDeleteLine);
    EXPECT_EQ(e.Text()[0], "Uabc");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "before 507 7");
    EXPECT_EQ(calls[1], "after 0 7");
    e.RemoveCommandHook(id);

    TBedEditorCommand user = 0;
    e.OnProcessUserCommand = [&](TCustomBedEdit&, TBedEditorCommand& c, char&, void*) { user = c; };
    e.Cmd(ecUserFirst + 5);
    EXPECT_EQ(user, ecUserFirst + 5);
    EXPECT_EQ(processed, ecUserFirst + 5);
    EXPECT_EQ(calls.size(), 2u);
}
