#pragma once
// Editor commands and the keystroke table that maps key presses (Windows virtual-key codes plus
// a modifier set) to them. Qt-free: the widget translates its own key events at the boundary.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using TBedEditorCommand = uint16_t;

constexpr TBedEditorCommand ecNone = 0;

// Movement; the selecting variant of each is the same command plus ecSelection.
constexpr TBedEditorCommand ecLeft = 1;
constexpr TBedEditorCommand ecRight = 2;
constexpr TBedEditorCommand ecUp = 3;
constexpr TBedEditorCommand ecDown = 4;
constexpr TBedEditorCommand ecWordLeft = 5;
constexpr TBedEditorCommand ecWordRight = 6;
constexpr TBedEditorCommand ecLineStart = 7;
constexpr TBedEditorCommand ecLineEnd = 8;
constexpr TBedEditorCommand ecPageUp = 9;
constexpr TBedEditorCommand ecPageDown = 10;
constexpr TBedEditorCommand ecPageLeft = 11;
constexpr TBedEditorCommand ecPageRight = 12;
constexpr TBedEditorCommand ecPageTop = 13;
constexpr TBedEditorCommand ecPageBottom = 14;
constexpr TBedEditorCommand ecEditorTop = 15;
constexpr TBedEditorCommand ecEditorBottom = 16;
constexpr TBedEditorCommand ecGotoXY = 17;

constexpr TBedEditorCommand ecSelection = 100;
constexpr TBedEditorCommand ecSelLeft = ecLeft + ecSelection;
constexpr TBedEditorCommand ecSelRight = ecRight + ecSelection;
constexpr TBedEditorCommand ecSelUp = ecUp + ecSelection;
constexpr TBedEditorCommand ecSelDown = ecDown + ecSelection;
constexpr TBedEditorCommand ecSelWordLeft = ecWordLeft + ecSelection;
constexpr TBedEditorCommand ecSelWordRight = ecWordRight + ecSelection;
constexpr TBedEditorCommand ecSelLineStart = ecLineStart + ecSelection;
constexpr TBedEditorCommand ecSelLineEnd = ecLineEnd + ecSelection;
constexpr TBedEditorCommand ecSelPageUp = ecPageUp + ecSelection;
constexpr TBedEditorCommand ecSelPageDown = ecPageDown + ecSelection;
constexpr TBedEditorCommand ecSelPageLeft = ecPageLeft + ecSelection;
constexpr TBedEditorCommand ecSelPageRight = ecPageRight + ecSelection;
constexpr TBedEditorCommand ecSelPageTop = ecPageTop + ecSelection;
constexpr TBedEditorCommand ecSelPageBottom = ecPageBottom + ecSelection;
constexpr TBedEditorCommand ecSelEditorTop = ecEditorTop + ecSelection;
constexpr TBedEditorCommand ecSelEditorBottom = ecEditorBottom + ecSelection;
constexpr TBedEditorCommand ecSelGotoXY = ecGotoXY + ecSelection;

constexpr TBedEditorCommand ecSelectAll = 199;
constexpr TBedEditorCommand ecCopy = 201;

constexpr TBedEditorCommand ecScrollUp = 211;
constexpr TBedEditorCommand ecScrollDown = 212;
constexpr TBedEditorCommand ecScrollLeft = 213;
constexpr TBedEditorCommand ecScrollRight = 214;

constexpr TBedEditorCommand ecInsertMode = 221;
constexpr TBedEditorCommand ecOverwriteMode = 222;
constexpr TBedEditorCommand ecToggleMode = 223;

constexpr TBedEditorCommand ecNormalSelect = 231;
constexpr TBedEditorCommand ecColumnSelect = 232;
constexpr TBedEditorCommand ecLineSelect = 233;

constexpr TBedEditorCommand ecMatchBracket = 250;

// Bookmark n is ecGotoMarker0 + n / ecSetMarker0 + n.
constexpr TBedEditorCommand ecGotoMarker0 = 301;
constexpr TBedEditorCommand ecGotoMarker1 = 302;
constexpr TBedEditorCommand ecGotoMarker2 = 303;
constexpr TBedEditorCommand ecGotoMarker3 = 304;
constexpr TBedEditorCommand ecGotoMarker4 = 305;
constexpr TBedEditorCommand ecGotoMarker5 = 306;
constexpr TBedEditorCommand ecGotoMarker6 = 307;
constexpr TBedEditorCommand ecGotoMarker7 = 308;
constexpr TBedEditorCommand ecGotoMarker8 = 309;
constexpr TBedEditorCommand ecGotoMarker9 = 310;
constexpr TBedEditorCommand ecSetMarker0 = 351;
constexpr TBedEditorCommand ecSetMarker1 = 352;
constexpr TBedEditorCommand ecSetMarker2 = 353;
constexpr TBedEditorCommand ecSetMarker3 = 354;
constexpr TBedEditorCommand ecSetMarker4 = 355;
constexpr TBedEditorCommand ecSetMarker5 = 356;
constexpr TBedEditorCommand ecSetMarker6 = 357;
constexpr TBedEditorCommand ecSetMarker7 = 358;
constexpr TBedEditorCommand ecSetMarker8 = 359;
constexpr TBedEditorCommand ecSetMarker9 = 360;

constexpr TBedEditorCommand ecDeleteLastChar = 501;
constexpr TBedEditorCommand ecDeleteChar = 502;
constexpr TBedEditorCommand ecDeleteWord = 503;
constexpr TBedEditorCommand ecDeleteLastWord = 504;
constexpr TBedEditorCommand ecDeleteBOL = 505;
constexpr TBedEditorCommand ecDeleteEOL = 506;
constexpr TBedEditorCommand ecDeleteLine = 507;
constexpr TBedEditorCommand ecClearAll = 508;
constexpr TBedEditorCommand ecLineBreak = 509;
constexpr TBedEditorCommand ecInsertLine = 510;
constexpr TBedEditorCommand ecChar = 511;

constexpr TBedEditorCommand ecImeStr = 550;

constexpr TBedEditorCommand ecUndo = 601;
constexpr TBedEditorCommand ecRedo = 602;
constexpr TBedEditorCommand ecCut = 603;
constexpr TBedEditorCommand ecPaste = 604;

constexpr TBedEditorCommand ecBlockIndent = 610;
constexpr TBedEditorCommand ecBlockUnindent = 611;
constexpr TBedEditorCommand ecTab = 612;
constexpr TBedEditorCommand ecShiftTab = 613;

constexpr TBedEditorCommand ecAutoCompletion = 650;

// From here up the component never executes a command itself; only the events see it.
constexpr TBedEditorCommand ecUserFirst = 1001;

// ---- Names ------------------------------------------------------------------------------------

struct TBedEditorCommandName {
    std::string_view name;
    TBedEditorCommand command;
};

// The 90 named commands in ascending order of value.
std::span<const TBedEditorCommandName> EditorCommandNames();
// The identifier when the command has one, else its decimal number ("700").
std::string EditorCommandToIdent(TBedEditorCommand command);
// Only identifiers of the table are accepted (letter case is ignored).
std::optional<TBedEditorCommand> IdentToEditorCommand(std::string_view ident);
// What EditorCommandToIdent writes: an identifier or a decimal number up to 65535.
std::optional<TBedEditorCommand> ParseEditorCommand(std::string_view text);

// ---- Keys -------------------------------------------------------------------------------------

// Modifier set of a key press.
using TBedShiftState = uint8_t;
constexpr TBedShiftState ssNone = 0;
constexpr TBedShiftState ssShift = 1;
constexpr TBedShiftState ssAlt = 2;
constexpr TBedShiftState ssCtrl = 4;

// Shortcut word: virtual key in the low byte plus the modifier bits below.
using TBedShortCut = uint16_t;
constexpr TBedShortCut scShift = 0x2000;
constexpr TBedShortCut scCtrl = 0x4000;
constexpr TBedShortCut scAlt = 0x8000;

TBedShortCut ShortCutOf(uint16_t key, TBedShiftState shift);
void ShortCutToKey(TBedShortCut shortCut, uint16_t& key, TBedShiftState& shift);

// Windows virtual-key codes, kept as data by the keystroke table.
constexpr uint16_t VK_BACK = 0x08;
constexpr uint16_t VK_TAB = 0x09;
constexpr uint16_t VK_CLEAR = 0x0C;
constexpr uint16_t VK_RETURN = 0x0D;
constexpr uint16_t VK_SHIFT = 0x10;
constexpr uint16_t VK_CONTROL = 0x11;
constexpr uint16_t VK_MENU = 0x12;  // Alt
constexpr uint16_t VK_PAUSE = 0x13;
constexpr uint16_t VK_CAPITAL = 0x14;
constexpr uint16_t VK_ESCAPE = 0x1B;
constexpr uint16_t VK_SPACE = 0x20;
constexpr uint16_t VK_PRIOR = 0x21;  // Page Up
constexpr uint16_t VK_NEXT = 0x22;   // Page Down
constexpr uint16_t VK_END = 0x23;
constexpr uint16_t VK_HOME = 0x24;
constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;
constexpr uint16_t VK_SNAPSHOT = 0x2C;
constexpr uint16_t VK_INSERT = 0x2D;
constexpr uint16_t VK_DELETE = 0x2E;
constexpr uint16_t VK_HELP = 0x2F;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' are 0x41..0x5A: the character codes themselves.
constexpr uint16_t VK_LWIN = 0x5B;
constexpr uint16_t VK_RWIN = 0x5C;
constexpr uint16_t VK_APPS = 0x5D;
constexpr uint16_t VK_NUMPAD0 = 0x60;  // ..VK_NUMPAD9 = 0x69
constexpr uint16_t VK_MULTIPLY = 0x6A;
constexpr uint16_t VK_ADD = 0x6B;
constexpr uint16_t VK_SEPARATOR = 0x6C;
constexpr uint16_t VK_SUBTRACT = 0x6D;
constexpr uint16_t VK_DECIMAL = 0x6E;
constexpr uint16_t VK_DIVIDE = 0x6F;
constexpr uint16_t VK_F1 = 0x70;  // ..VK_F24 = 0x87
constexpr uint16_t VK_NUMLOCK = 0x90;
constexpr uint16_t VK_SCROLL = 0x91;
constexpr uint16_t VK_OEM_1 = 0xBA;  // ;:
constexpr uint16_t VK_OEM_PLUS = 0xBB;
constexpr uint16_t VK_OEM_COMMA = 0xBC;
constexpr uint16_t VK_OEM_MINUS = 0xBD;
constexpr uint16_t VK_OEM_PERIOD = 0xBE;
constexpr uint16_t VK_OEM_2 = 0xBF;    // /?
constexpr uint16_t VK_OEM_3 = 0xC0;    // `~
constexpr uint16_t VK_OEM_4 = 0xDB;    // [{
constexpr uint16_t VK_OEM_5 = 0xDC;    // \|
constexpr uint16_t VK_OEM_6 = 0xDD;    // ]}
constexpr uint16_t VK_OEM_7 = 0xDE;    // '"
constexpr uint16_t VK_OEM_102 = 0xE2;  // <> beside left Shift

// A key outside this range (modifiers alone among them) never starts a chord.
constexpr uint16_t kChordKeyFirst = 30;
constexpr uint16_t kChordKeyLast = 145;

class EBedKeyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TBedEditKeyStrokes;

// One binding: a single key, or a chord of two keys, and its command.
class TBedEditKeyStroke {
public:
    uint16_t Key() const { return key_; }
    TBedShiftState Shift() const { return shift_; }
    uint16_t Key2() const { return key2_; }
    TBedShiftState Shift2() const { return shift2_; }
    TBedEditorCommand Command() const { return command_; }
    void SetCommand(TBedEditorCommand command) { command_ = command; }

    TBedShortCut ShortCut() const { return ShortCutOf(key_, shift_); }
    TBedShortCut ShortCut2() const { return ShortCutOf(key2_, shift2_); }
    // Raise EBedKeyError "Shortcut already exists" when another item of the collection already
    // binds the resulting pair; the item is then unchanged. 0 is always accepted.
    void SetShortCut(TBedShortCut shortCut);
    void SetShortCut2(TBedShortCut shortCut);

    // Copies Command, Key, Shift, Key2 and Shift2.
    void Assign(const TBedEditKeyStroke& source);

private:
    friend class TBedEditKeyStrokes;
    explicit TBedEditKeyStroke(TBedEditKeyStrokes* owner) : owner_(owner) {}

    TBedEditKeyStrokes* owner_;
    uint16_t key_ = 0;
    TBedShiftState shift_ = 0;
    uint16_t key2_ = 0;
    TBedShiftState shift2_ = 0;
    TBedEditorCommand command_ = ecNone;
};

// The ordered collection of bindings; its order is the search order.
class TBedEditKeyStrokes {
public:
    TBedEditKeyStrokes();
    ~TBedEditKeyStrokes();
    TBedEditKeyStrokes(const TBedEditKeyStrokes&) = delete;
    TBedEditKeyStrokes& operator=(const TBedEditKeyStrokes&) = delete;

    int Count() const;
    TBedEditKeyStroke& Items(int index);
    const TBedEditKeyStroke& Items(int index) const;

    // Appends a new, empty item.
    TBedEditKeyStroke& Add();
    // Appends a binding through the duplicate check (EBedKeyError on a clash; nothing added).
    TBedEditKeyStroke& AddKey(TBedEditorCommand command, uint16_t key, TBedShiftState shift, uint16_t key2 = 0,
                              TBedShiftState shift2 = 0);
    void Delete(int index);
    void Clear();
    void Assign(const TBedEditKeyStrokes& source);

    // First item with this key, these modifiers and no second key; -1 when none.
    int FindKeycode(uint16_t key, TBedShiftState shift) const;
    // First item with all four equal; -1 when none.
    int FindKeycode2(uint16_t key1, TBedShiftState shift1, uint16_t key2, TBedShiftState shift2) const;
    // The chord (previous key, this key) first, then the single key; ecNone when unbound.
    TBedEditorCommand CommandFor(uint16_t previousKey, TBedShiftState previousShift, uint16_t key,
                                 TBedShiftState shift) const;

    // Clears and adds the component's default bindings.
    void ResetDefaults();

private:
    friend class TBedEditKeyStroke;
    // Index of another item than `self` binding (shortCut, shortCut2), or -1.
    int FindShortCuts(TBedShortCut shortCut, TBedShortCut shortCut2, const TBedEditKeyStroke* self) const;

    std::vector<std::unique_ptr<TBedEditKeyStroke>> items_;
};

// Whether a key press leaves the chord memory alone when it runs no command.
inline bool KeyCanStartChord(uint16_t key) { return key >= kChordKeyFirst && key <= kChordKeyLast; }

// Clears the collection and fills it with the main window editor's 80 bindings.
void LoadMainEditorKeyStrokes(TBedEditKeyStrokes& keyStrokes);
