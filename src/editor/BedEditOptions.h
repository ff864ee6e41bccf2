#pragma once
// The option set of the editing component and the status-change bits it reports. Qt-free.
#include <cstdint>
#include <initializer_list>

// Bit order matters: stored settings keep the set as a number.
enum TBedEditorOption : uint8_t {
    eoAltSetsColumnMode,
    eoAutoIndent,
    eoDragDropEditing,
    eoDropFiles,
    eoHalfPageScroll,
    eoKeepCaretX,
    eoNoCaret,
    eoNoSelection,
    eoScrollByOneLess,
    eoScrollPastEof,
    eoScrollPastEol,
    eoShowScrollHint,
    eoSmartTabs,
    eoTabsToSpaces,
    eoTrimTrailingSpaces,
};

class TBedEditorOptions {
public:
    constexpr TBedEditorOptions() = default;
    constexpr TBedEditorOptions(std::initializer_list<TBedEditorOption> options) {
        for (auto o : options) bits_ |= Bit(o);
    }
    static constexpr TBedEditorOptions FromBits(uint16_t bits) {
        TBedEditorOptions o;
        o.bits_ = bits & 0x7FFF;
        return o;
    }
    constexpr uint16_t Bits() const { return bits_; }
    constexpr bool Contains(TBedEditorOption o) const { return (bits_ & Bit(o)) != 0; }
    constexpr TBedEditorOptions With(TBedEditorOption o, bool on = true) const {
        return FromBits(on ? bits_ | Bit(o) : bits_ & ~Bit(o));
    }
    friend constexpr bool operator==(TBedEditorOptions, TBedEditorOptions) = default;

private:
    static constexpr uint16_t Bit(TBedEditorOption o) { return uint16_t(1u << o); }
    uint16_t bits_ = 0;
};

constexpr TBedEditorOptions kBedDefaultEditorOptions{eoAutoIndent,        eoDragDropEditing, eoScrollPastEol,
                                                     eoShowScrollHint,    eoSmartTabs,       eoTabsToSpaces,
                                                     eoTrimTrailingSpaces};
// The main window's editor also takes files dropped from the desktop.
constexpr TBedEditorOptions kBedMainEditorOptions = kBedDefaultEditorOptions.With(eoDropFiles);

using TBedStatusChanges = uint16_t;
enum : TBedStatusChanges {
    scAll = 1,
    scCaretX = 2,
    scCaretY = 4,
    scLeftChar = 8,
    scTopLine = 16,
    scInsertMode = 32,
    scModified = 64,
    scSelection = 128,
    scReadOnly = 256,
};
