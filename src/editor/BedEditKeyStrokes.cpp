#include "BedEditKeyStrokes.h"

#include "BedTextLetters.h"

#include <algorithm>
#include <array>
#include <charconv>

// ---- Names ------------------------------------------------------------------------------------

namespace {

#define BED_NAME(id) \
    TBedEditorCommandName { #id, id }
constexpr std::array kCommandNames = {
    BED_NAME(ecNone),
    BED_NAME(ecLeft),
    BED_NAME(ecRight),
    BED_NAME(ecUp),
    BED_NAME(ecDown),
    BED_NAME(ecWordLeft),
    BED_NAME(ecWordRight),
    BED_NAME(ecLineStart),
    BED_NAME(ecLineEnd),
    BED_NAME(ecPageUp),
    BED_NAME(ecPageDown),
    BED_NAME(ecPageLeft),
    BED_NAME(ecPageRight),
    BED_NAME(ecPageTop),
    BED_NAME(ecPageBottom),
    BED_NAME(ecEditorTop),
    BED_NAME(ecEditorBottom),
    BED_NAME(ecGotoXY),
    BED_NAME(ecSelLeft),
    BED_NAME(ecSelRight),
    BED_NAME(ecSelUp),
    BED_NAME(ecSelDown),
    BED_NAME(ecSelWordLeft),
    BED_NAME(ecSelWordRight),
    BED_NAME(ecSelLineStart),
    BED_NAME(ecSelLineEnd),
    BED_NAME(ecSelPageUp),
    BED_NAME(ecSelPageDown),
    BED_NAME(ecSelPageLeft),
    BED_NAME(ecSelPageRight),
    BED_NAME(ecSelPageTop),
    BED_NAME(ecSelPageBottom),
    BED_NAME(ecSelEditorTop),
    BED_NAME(ecSelEditorBottom),
    BED_NAME(ecSelGotoXY),
    BED_NAME(ecSelectAll),
    BED_NAME(ecCopy),
    BED_NAME(ecScrollUp),
    BED_NAME(ecScrollDown),
    BED_NAME(ecScrollLeft),
    BED_NAME(ecScrollRight),
    BED_NAME(ecInsertMode),
    BED_NAME(ecOverwriteMode),
    BED_NAME(ecToggleMode),
    BED_NAME(ecNormalSelect),
    BED_NAME(ecColumnSelect),
    BED_NAME(ecLineSelect),
    BED_NAME(ecMatchBracket),
    BED_NAME(ecGotoMarker0),
    BED_NAME(ecGotoMarker1),
    BED_NAME(ecGotoMarker2),
    BED_NAME(ecGotoMarker3),
    BED_NAME(ecGotoMarker4),
    BED_NAME(ecGotoMarker5),
    BED_NAME(ecGotoMarker6),
    BED_NAME(ecGotoMarker7),
    BED_NAME(ecGotoMarker8),
    BED_NAME(ecGotoMarker9),
    BED_NAME(ecSetMarker0),
    BED_NAME(ecSetMarker1),
    BED_NAME(ecSetMarker2),
    BED_NAME(ecSetMarker3),
    BED_NAME(ecSetMarker4),
    BED_NAME(ecSetMarker5),
    BED_NAME(ecSetMarker6),
    BED_NAME(ecSetMarker7),
    BED_NAME(ecSetMarker8),
    BED_NAME(ecSetMarker9),
    BED_NAME(ecDeleteLastChar),
    BED_NAME(ecDeleteChar),
    BED_NAME(ecDeleteWord),
    BED_NAME(ecDeleteLastWord),
    BED_NAME(ecDeleteBOL),
    BED_NAME(ecDeleteEOL),
    BED_NAME(ecDeleteLine),
    BED_NAME(ecClearAll),
    BED_NAME(ecLineBreak),
    BED_NAME(ecInsertLine),
    BED_NAME(ecChar),
    BED_NAME(ecImeStr),
    BED_NAME(ecUndo),
    BED_NAME(ecRedo),
    BED_NAME(ecCut),
    BED_NAME(ecPaste),
    BED_NAME(ecBlockIndent),
    BED_NAME(ecBlockUnindent),
    BED_NAME(ecTab),
    BED_NAME(ecShiftTab),
    BED_NAME(ecAutoCompletion),
    BED_NAME(ecUserFirst),
};
#undef BED_NAME
static_assert(kCommandNames.size() == 90);

}  // namespace

std::span<const TBedEditorCommandName> EditorCommandNames() { return kCommandNames; }

std::string EditorCommandToIdent(TBedEditorCommand command) {
    for (const auto& entry : kCommandNames)
        if (entry.command == command) return std::string(entry.name);
    return std::to_string(command);
}

std::optional<TBedEditorCommand> IdentToEditorCommand(std::string_view ident) {
    for (const auto& entry : kCommandNames)
        if (BedAsciiSameIgnoringCase(entry.name, ident)) return entry.command;
    return std::nullopt;
}

std::optional<TBedEditorCommand> ParseEditorCommand(std::string_view text) {
    if (auto command = IdentToEditorCommand(text)) return command;
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value > 0xFFFF) return std::nullopt;
    return TBedEditorCommand(value);
}

// ---- Shortcuts --------------------------------------------------------------------------------

TBedShortCut ShortCutOf(uint16_t key, TBedShiftState shift) {
    if (key > 0xFF) return 0;
    TBedShortCut shortCut = key;
    if (shift & ssShift) shortCut |= scShift;
    if (shift & ssCtrl) shortCut |= scCtrl;
    if (shift & ssAlt) shortCut |= scAlt;
    return shortCut;
}

void ShortCutToKey(TBedShortCut shortCut, uint16_t& key, TBedShiftState& shift) {
    key = shortCut & ~(scShift | scCtrl | scAlt);
    shift = ssNone;
    if (shortCut & scShift) shift |= ssShift;
    if (shortCut & scCtrl) shift |= ssCtrl;
    if (shortCut & scAlt) shift |= ssAlt;
}

// ---- TBedEditKeyStroke ------------------------------------------------------------------------

namespace {

[[noreturn]] void DuplicateShortCut() { throw EBedKeyError("Shortcut already exists"); }

}  // namespace

void TBedEditKeyStroke::SetShortCut(TBedShortCut shortCut) {
    if (shortCut != 0 && owner_->FindShortCuts(shortCut, ShortCut2(), this) >= 0) DuplicateShortCut();
    ShortCutToKey(shortCut, key_, shift_);
}

void TBedEditKeyStroke::SetShortCut2(TBedShortCut shortCut) {
    if (shortCut != 0 && owner_->FindShortCuts(ShortCut(), shortCut, this) >= 0) DuplicateShortCut();
    ShortCutToKey(shortCut, key2_, shift2_);
}

void TBedEditKeyStroke::Assign(const TBedEditKeyStroke& source) {
    command_ = source.command_;
    key_ = source.key_;
    shift_ = source.shift_;
    key2_ = source.key2_;
    shift2_ = source.shift2_;
}

// ---- TBedEditKeyStrokes -----------------------------------------------------------------------

TBedEditKeyStrokes::TBedEditKeyStrokes() = default;
TBedEditKeyStrokes::~TBedEditKeyStrokes() = default;

int TBedEditKeyStrokes::Count() const { return int(items_.size()); }

TBedEditKeyStroke& TBedEditKeyStrokes::Items(int index) { return *items_.at(size_t(index)); }

const TBedEditKeyStroke& TBedEditKeyStrokes::Items(int index) const { return *items_.at(size_t(index)); }

TBedEditKeyStroke& TBedEditKeyStrokes::Add() {
    items_.push_back(std::unique_ptr<TBedEditKeyStroke>(new TBedEditKeyStroke(this)));
    return *items_.back();
}

TBedEditKeyStroke& TBedEditKeyStrokes::AddKey(TBedEditorCommand command, uint16_t key, TBedShiftState shift,
                                              uint16_t key2, TBedShiftState shift2) {
    // The pair is checked as a whole: a chord may share its first key with a single-key binding.
    if (FindShortCuts(ShortCutOf(key, shift), ShortCutOf(key2, shift2), nullptr) >= 0) DuplicateShortCut();
    TBedEditKeyStroke& item = Add();
    item.command_ = command;
    item.key_ = key;
    item.shift_ = shift;
    item.key2_ = key2;
    item.shift2_ = shift2;
    return item;
}

void TBedEditKeyStrokes::Delete(int index) {
    if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

void TBedEditKeyStrokes::Clear() { items_.clear(); }

void TBedEditKeyStrokes::Assign(const TBedEditKeyStrokes& source) {
    if (&source == this) return;
    Clear();
    for (const auto& item : source.items_) Add().Assign(*item);
}

int TBedEditKeyStrokes::FindKeycode(uint16_t key, TBedShiftState shift) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        const TBedEditKeyStroke& item = *items_[i];
        if (item.key_ == key && item.shift_ == shift && item.key2_ == 0) return int(i);
    }
    return -1;
}

int TBedEditKeyStrokes::FindKeycode2(uint16_t key1, TBedShiftState shift1, uint16_t key2, TBedShiftState shift2) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        const TBedEditKeyStroke& item = *items_[i];
        if (item.key_ == key1 && item.shift_ == shift1 && item.key2_ == key2 && item.shift2_ == shift2) return int(i);
    }
    return -1;
}

TBedEditorCommand TBedEditKeyStrokes::CommandFor(uint16_t previousKey, TBedShiftState previousShift, uint16_t key,
                                                 TBedShiftState shift) const {
    int index = FindKeycode2(previousKey, previousShift, key, shift);
    if (index < 0) index = FindKeycode(key, shift);
    return index < 0 ? ecNone : items_[size_t(index)]->command_;
}

int TBedEditKeyStrokes::FindShortCuts(TBedShortCut shortCut, TBedShortCut shortCut2,
                                      const TBedEditKeyStroke* self) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        const TBedEditKeyStroke& item = *items_[i];
        if (&item != self && item.ShortCut() == shortCut && item.ShortCut2() == shortCut2) return int(i);
    }
    return -1;
}

// ---- The binding tables -----------------------------------------------------------------------

namespace {

struct Binding {
    TBedEditorCommand command;
    uint16_t key;
    TBedShiftState shift;
};

constexpr TBedShiftState ssCtrlShift = ssCtrl | ssShift;

// Every binding but the ten that place bookmarks, whose modifiers differ between tables.
constexpr Binding kBeforeMarkers[] = {
    {ecUp, VK_UP, ssNone},
    {ecSelUp, VK_UP, ssShift},
    {ecScrollUp, VK_UP, ssCtrl},
    {ecDown, VK_DOWN, ssNone},
    {ecSelDown, VK_DOWN, ssShift},
    {ecScrollDown, VK_DOWN, ssCtrl},
    {ecLeft, VK_LEFT, ssNone},
    {ecSelLeft, VK_LEFT, ssShift},
    {ecWordLeft, VK_LEFT, ssCtrl},
    {ecSelWordLeft, VK_LEFT, ssCtrlShift},
    {ecRight, VK_RIGHT, ssNone},
    {ecSelRight, VK_RIGHT, ssShift},
    {ecWordRight, VK_RIGHT, ssCtrl},
    {ecSelWordRight, VK_RIGHT, ssCtrlShift},
    {ecPageDown, VK_NEXT, ssNone},
    {ecSelPageDown, VK_NEXT, ssShift},
    {ecPageBottom, VK_NEXT, ssCtrl},
    {ecSelPageBottom, VK_NEXT, ssCtrlShift},
    {ecPageUp, VK_PRIOR, ssNone},
    {ecSelPageUp, VK_PRIOR, ssShift},
    {ecPageTop, VK_PRIOR, ssCtrl},
    {ecSelPageTop, VK_PRIOR, ssCtrlShift},
    {ecLineStart, VK_HOME, ssNone},
    {ecSelLineStart, VK_HOME, ssShift},
    {ecEditorTop, VK_HOME, ssCtrl},
    {ecSelEditorTop, VK_HOME, ssCtrlShift},
    {ecLineEnd, VK_END, ssNone},
    {ecSelLineEnd, VK_END, ssShift},
    {ecEditorBottom, VK_END, ssCtrl},
    {ecSelEditorBottom, VK_END, ssCtrlShift},
    {ecToggleMode, VK_INSERT, ssNone},
    {ecCopy, VK_INSERT, ssCtrl},
    {ecPaste, VK_INSERT, ssShift},
    {ecDeleteChar, VK_DELETE, ssNone},
    {ecCut, VK_DELETE, ssShift},
    {ecDeleteLastChar, VK_BACK, ssNone},
    {ecDeleteLastChar, VK_BACK, ssShift},
    {ecDeleteLastWord, VK_BACK, ssCtrl},
    {ecUndo, VK_BACK, ssAlt},
    {ecRedo, VK_BACK, ssAlt | ssShift},
    {ecLineBreak, VK_RETURN, ssNone},
    {ecSelectAll, 'A', ssCtrl},
    {ecCopy, 'C', ssCtrl},
    {ecBlockIndent, 'I', ssCtrlShift},
    {ecLineBreak, 'M', ssCtrl},
    {ecInsertLine, 'N', ssCtrl},
    {ecDeleteWord, 'T', ssCtrl},
    {ecBlockUnindent, 'U', ssCtrlShift},
    {ecPaste, 'V', ssCtrl},
    {ecCut, 'X', ssCtrl},
    {ecDeleteLine, 'Y', ssCtrl},
    {ecDeleteEOL, 'Y', ssCtrlShift},
    {ecUndo, 'Z', ssCtrl},
    {ecRedo, 'Z', ssCtrlShift},
};

constexpr Binding kAfterMarkers[] = {
    {ecNormalSelect, 'N', ssCtrlShift}, {ecColumnSelect, 'C', ssCtrlShift},
    {ecLineSelect, 'L', ssCtrlShift},   {ecTab, VK_TAB, ssNone},
    {ecShiftTab, VK_TAB, ssShift},      {ecMatchBracket, 'B', ssCtrlShift},
};

void AddStandardBindings(TBedEditKeyStrokes& keyStrokes, TBedShiftState setMarkerShift) {
    keyStrokes.Clear();
    for (const Binding& b : kBeforeMarkers) keyStrokes.AddKey(b.command, b.key, b.shift);
    for (int n = 0; n <= 9; ++n) keyStrokes.AddKey(TBedEditorCommand(ecGotoMarker0 + n), uint16_t('0' + n), ssCtrl);
    for (int n = 0; n <= 9; ++n)
        keyStrokes.AddKey(TBedEditorCommand(ecSetMarker0 + n), uint16_t('0' + n), setMarkerShift);
    for (const Binding& b : kAfterMarkers) keyStrokes.AddKey(b.command, b.key, b.shift);
}

}  // namespace

void TBedEditKeyStrokes::ResetDefaults() { AddStandardBindings(*this, ssCtrlShift); }

void LoadMainEditorKeyStrokes(TBedEditKeyStrokes& keyStrokes) { AddStandardBindings(keyStrokes, ssAlt); }
