#include "BedEditKeyStrokes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(KeyStrokes, NameTableIsCompleteAndRoundTrips) {
    const auto names = EditorCommandNames();
    ASSERT_EQ(names.size(), 90u);
    std::set<std::string_view> idents;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(names[i - 1].command, names[i].command) << names[i].name;
        }
        idents.insert(names[i].name);
        EXPECT_EQ(EditorCommandToIdent(names[i].command), names[i].name);
        EXPECT_EQ(IdentToEditorCommand(names[i].name), names[i].command);
    }
    EXPECT_EQ(idents.size(), 90u);
    // Every movement has its selecting twin a hundred higher.
    for (TBedEditorCommand c = ecLeft; c <= ecGotoXY; ++c) {
        std::string sel = EditorCommandToIdent(c);
        sel.insert(2, "Sel");
        EXPECT_EQ(IdentToEditorCommand(sel), c + ecSelection) << sel;
    }
}

TEST(KeyStrokes, UnnamedCommandsAreWrittenAsNumbers) {
    EXPECT_EQ(EditorCommandToIdent(700), "700");
    EXPECT_EQ(EditorCommandToIdent(ecUserFirst + 1), "1002");
    EXPECT_EQ(ParseEditorCommand("700"), 700);
    EXPECT_EQ(ParseEditorCommand("ecPaste"), ecPaste);
    EXPECT_EQ(IdentToEditorCommand("ECPASTE"), ecPaste);
    EXPECT_EQ(IdentToEditorCommand("700"), std::nullopt);  // reading by name takes names only
    for (const char* bad : {"", "ecNothing", "65536", "-1", "12x", "ecPaste "})
        EXPECT_EQ(ParseEditorCommand(bad), std::nullopt) << bad;
}

TEST(KeyStrokes, ShortCutPacksKeyAndModifiers) {
    EXPECT_EQ(ShortCutOf(VK_F1, ssShift | ssCtrl | ssAlt), 0x70 | scShift | scCtrl | scAlt);
    EXPECT_EQ(ShortCutOf('K', ssCtrl), 'K' | scCtrl);
    EXPECT_EQ(ShortCutOf(0x100, ssCtrl), 0);  // not a virtual key
    uint16_t key = 0;
    TBedShiftState shift = 0;
    ShortCutToKey('B' | scAlt | scShift, key, shift);
    EXPECT_EQ(key, 'B');
    EXPECT_EQ(shift, ssAlt | ssShift);
}

TEST(KeyStrokes, DuplicatePairsAreRefusedAndTheItemKeepsItsKeys) {
    TBedEditKeyStrokes strokes;
    TBedEditKeyStroke& single = strokes.Add();
    single.SetShortCut(ShortCutOf('K', ssCtrl));
    TBedEditKeyStroke& other = strokes.Add();
    other.SetShortCut(ShortCutOf('J', ssCtrl));
    try {
        other.SetShortCut(ShortCutOf('K', ssCtrl));
        FAIL() << "duplicate accepted";
    } catch (const EBedKeyError& e) {
        EXPECT_STREQ(e.what(), "Shortcut already exists");
    }
    EXPECT_EQ(other.ShortCut(), ShortCutOf('J', ssCtrl));

    // A chord may start with a key that is also bound alone.
    other.SetShortCut2(ShortCutOf('B', ssNone));
    other.SetShortCut(ShortCutOf('K', ssCtrl));
    EXPECT_THROW(single.SetShortCut2(ShortCutOf('B', ssNone)), EBedKeyError);
    EXPECT_EQ(single.ShortCut2(), 0);
    single.SetShortCut(single.ShortCut());  // its own pair is no clash
    other.SetShortCut(0);                   // clearing is always allowed
    EXPECT_EQ(other.Key(), 0);
    EXPECT_THROW(strokes.AddKey(ecCopy, 'K', ssCtrl), EBedKeyError);
    EXPECT_EQ(strokes.Count(), 2);
}

TEST(KeyStrokes, ChordsWinOverSingleKeysOnlyAfterTheirFirstKey) {
    TBedEditKeyStrokes strokes;
    strokes.AddKey(ecCopy, 'B', ssNone);
    strokes.AddKey(ecMatchBracket, 'K', ssCtrl, 'B', ssNone);
    strokes.AddKey(ecDeleteLine, 'K', ssCtrl);
    EXPECT_EQ(strokes.FindKeycode('K', ssCtrl), 2);
    EXPECT_EQ(strokes.FindKeycode2('K', ssCtrl, 'B', ssNone), 1);
    EXPECT_EQ(strokes.FindKeycode('B', ssShift), -1);
    EXPECT_EQ(strokes.CommandFor('K', ssCtrl, 'B', ssNone), ecMatchBracket);
    EXPECT_EQ(strokes.CommandFor(VK_SHIFT, ssShift, 'B', ssNone), ecCopy);
    EXPECT_EQ(strokes.CommandFor(0, ssNone, 'Q', ssNone), ecNone);
    EXPECT_FALSE(KeyCanStartChord(VK_SHIFT));
    EXPECT_FALSE(KeyCanStartChord(29));
    EXPECT_TRUE(KeyCanStartChord(30));
    EXPECT_TRUE(KeyCanStartChord(145));
    EXPECT_FALSE(KeyCanStartChord(146));
}

TEST(KeyStrokes, AssignCopiesEveryItem) {
    TBedEditKeyStrokes source, copy;
    source.AddKey(ecMatchBracket, 'K', ssCtrl, 'B', ssShift);
    copy.ResetDefaults();
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 1);
    const TBedEditKeyStroke& item = copy.Items(0);
    EXPECT_EQ(item.Command(), ecMatchBracket);
    EXPECT_EQ(item.ShortCut(), ShortCutOf('K', ssCtrl));
    EXPECT_EQ(item.ShortCut2(), ShortCutOf('B', ssShift));
    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 1);
    // The copy belongs to its own collection: its duplicate check looks there.
    copy.Add().SetShortCut(ShortCutOf('Q', ssNone));
    EXPECT_EQ(source.Count(), 1);
}

TEST(KeyStrokes, TheTwoTablesDifferOnlyInPlacingBookmarks) {
    TBedEditKeyStrokes defaults, main;
    defaults.ResetDefaults();
    LoadMainEditorKeyStrokes(main);
    ASSERT_EQ(main.Count(), 80);
    ASSERT_EQ(defaults.Count(), 80);
    for (int i = 0; i < 80; ++i) {
        const TBedEditKeyStroke &d = defaults.Items(i), &m = main.Items(i);
        EXPECT_EQ(m.Key2(), 0);
        EXPECT_EQ(d.Command(), m.Command());
        const bool setMarker = m.Command() >= ecSetMarker0 && m.Command() <= ecSetMarker9;
        if (setMarker) {
            EXPECT_EQ(m.Shift(), ssAlt);
            EXPECT_EQ(d.Shift(), ssCtrl | ssShift);
        } else {
            EXPECT_EQ(d.ShortCut(), m.ShortCut()) << EditorCommandToIdent(m.Command());
        }
    }
    struct Expect {
        uint16_t key;
        TBedShiftState shift;
        TBedEditorCommand command;
    };
    const TBedShiftState ctrlShift = ssCtrl | ssShift;
    for (const Expect& e :
         {Expect{VK_UP, ssCtrl, ecScrollUp}, Expect{VK_UP, ctrlShift, ecNone},
          Expect{VK_END, ctrlShift, ecSelEditorBottom}, Expect{VK_BACK, ssAlt | ssShift, ecRedo},
          Expect{'7', ssCtrl, ecGotoMarker7}, Expect{'7', ssAlt, ecSetMarker7}, Expect{VK_TAB, ssShift, ecShiftTab},
          Expect{'Y', ctrlShift, ecDeleteEOL}, Expect{VK_NEXT, ssCtrl, ecPageBottom}, Expect{'M', ssCtrl, ecLineBreak},
          Expect{VK_INSERT, ssShift, ecPaste}}) {
        EXPECT_EQ(main.CommandFor(0, 0, e.key, e.shift), e.command) << e.key << " " << int(e.shift);
    }
    EXPECT_EQ(defaults.CommandFor(0, 0, '7', ssCtrl | ssShift), ecSetMarker7);
    EXPECT_EQ(defaults.CommandFor(0, 0, '7', ssAlt), ecNone);
}
