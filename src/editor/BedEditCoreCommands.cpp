// The command processor, the dispatch table and the translation of keys into commands.
#include "BedEditCoreInternal.h"

#include <algorithm>
#include <unordered_map>

struct TCustomBedEdit::TCommandEntry {
    TCommandHandler handler;
    bool editing;  // refused while the component is read-only
};

const TCustomBedEdit::TCommandEntry* TCustomBedEdit::FindCommand(TBedEditorCommand command) {
    static const auto table = [] {
        std::unordered_map<TBedEditorCommand, TCommandEntry> t;
        auto add = [&t](TBedEditorCommand c, TCommandHandler h, bool editing = false) { t[c] = {h, editing}; };
        // Movement commands and their selecting twins share a handler.
        auto move = [&add](TBedEditorCommand c, TCommandHandler h) {
            add(c, h);
            add(TBedEditorCommand(c + ecSelection), h);
        };
        move(ecLeft, &TCustomBedEdit::CmdLeftRight);
        move(ecRight, &TCustomBedEdit::CmdLeftRight);
        move(ecUp, &TCustomBedEdit::CmdUpDown);
        move(ecDown, &TCustomBedEdit::CmdUpDown);
        move(ecWordLeft, &TCustomBedEdit::CmdWord);
        move(ecWordRight, &TCustomBedEdit::CmdWord);
        move(ecLineStart, &TCustomBedEdit::CmdLineStartEnd);
        move(ecLineEnd, &TCustomBedEdit::CmdLineStartEnd);
        move(ecPageUp, &TCustomBedEdit::CmdPageUpDown);
        move(ecPageDown, &TCustomBedEdit::CmdPageUpDown);
        move(ecPageLeft, &TCustomBedEdit::CmdPageLeftRight);
        move(ecPageRight, &TCustomBedEdit::CmdPageLeftRight);
        move(ecPageTop, &TCustomBedEdit::CmdPageTopBottom);
        move(ecPageBottom, &TCustomBedEdit::CmdPageTopBottom);
        move(ecEditorTop, &TCustomBedEdit::CmdEditorTopBottom);
        move(ecEditorBottom, &TCustomBedEdit::CmdEditorTopBottom);
        move(ecGotoXY, &TCustomBedEdit::CmdGotoXY);
        add(ecSelectAll, &TCustomBedEdit::CmdSelectAll);
        add(ecCopy, &TCustomBedEdit::CmdClipboard);
        for (auto c : {ecScrollUp, ecScrollDown, ecScrollLeft, ecScrollRight}) add(c, &TCustomBedEdit::CmdScroll);
        for (auto c : {ecInsertMode, ecOverwriteMode, ecToggleMode}) add(c, &TCustomBedEdit::CmdInsertMode);
        for (auto c : {ecNormalSelect, ecColumnSelect, ecLineSelect}) add(c, &TCustomBedEdit::CmdSelectionMode);
        add(ecMatchBracket, &TCustomBedEdit::CmdMatchBracket);
        for (int n = 0; n < 10; ++n) {
            add(TBedEditorCommand(ecGotoMarker0 + n), &TCustomBedEdit::CmdMarker);
            add(TBedEditorCommand(ecSetMarker0 + n), &TCustomBedEdit::CmdMarker);
        }
        add(ecDeleteLastChar, &TCustomBedEdit::CmdDeleteLastChar, true);
        add(ecDeleteChar, &TCustomBedEdit::CmdDeleteChar, true);
        add(ecDeleteWord, &TCustomBedEdit::CmdDeleteWordOrEol, true);
        add(ecDeleteEOL, &TCustomBedEdit::CmdDeleteWordOrEol, true);
        add(ecDeleteLastWord, &TCustomBedEdit::CmdDeleteLastWordOrBol, true);
        add(ecDeleteBOL, &TCustomBedEdit::CmdDeleteLastWordOrBol, true);
        add(ecDeleteLine, &TCustomBedEdit::CmdDeleteLine, true);
        add(ecClearAll, &TCustomBedEdit::CmdClearAll, true);
        add(ecLineBreak, &TCustomBedEdit::CmdLineBreak, true);
        add(ecInsertLine, &TCustomBedEdit::CmdLineBreak, true);
        add(ecChar, &TCustomBedEdit::CmdChar, true);
        add(ecImeStr, &TCustomBedEdit::CmdImeStr, true);
        add(ecUndo, &TCustomBedEdit::CmdUndoRedo, true);
        add(ecRedo, &TCustomBedEdit::CmdUndoRedo, true);
        add(ecCut, &TCustomBedEdit::CmdClipboard, true);
        add(ecPaste, &TCustomBedEdit::CmdClipboard, true);
        add(ecBlockIndent, &TCustomBedEdit::CmdBlockIndent, true);
        add(ecBlockUnindent, &TCustomBedEdit::CmdBlockUnindent, true);
        add(ecTab, &TCustomBedEdit::CmdTab, true);
        add(ecShiftTab, &TCustomBedEdit::CmdShiftTab, true);
        add(ecAutoCompletion, &TCustomBedEdit::CmdNothing, true);
        return t;
    }();
    const auto it = table.find(command);
    return it == table.end() ? nullptr : &it->second;
}

void TCustomBedEdit::ExecuteCommand(TBedEditorCommand command, char ch, void* data) {
    const TCommandEntry* entry = FindCommand(command);
    if (!entry) return;
    TBedPaintLock lock(*this);
    if (entry->editing && readOnly_) return;
    const bool selecting = command > ecSelection && command <= ecSelGotoXY;
    (this->*entry->handler)(TCommandArgs{command, ch, data, selecting});
}

void TCustomBedEdit::CmdUndoRedo(const TCommandArgs& a) {
    if (a.command == ecUndo)
        Undo();
    else
        Redo();
}

void TCustomBedEdit::CmdClipboard(const TCommandArgs& a) {
    switch (a.command) {
        case ecCopy: CopySelectionToClipboard(); break;
        case ecCut: CutSelectionToClipboard(); break;
        case ecPaste: PasteClipboardText(); break;
    }
}

// ---- Processing ---------------------------------------------------------------------------

void TCustomBedEdit::CommandProcessor(TBedEditorCommand command, char ch, void* data) {
    if (command < ecUserFirst) {
        if (OnProcessCommand) OnProcessCommand(*this, command, ch, data);
    } else if (OnProcessUserCommand) {
        OnProcessUserCommand(*this, command, ch, data);
    }
    if (command != ecNone)
        command = hooks_.Around(*this, command, ch, data, [&](TBedEditorCommand run) {
            if (run != ecNone && run < ecUserFirst) ExecuteCommand(run, ch, data);
        });
    if (OnCommandProcessed) OnCommandProcessed(*this, command, ch, data);
}

int TCustomBedEdit::AddCommandHook(TBedHookedCommandEvent hook, void* hookData) {
    return hooks_.Add(std::move(hook), hookData);
}

void TCustomBedEdit::RemoveCommandHook(int id) { hooks_.Remove(id); }

// ---- Keys ---------------------------------------------------------------------------------

void TCustomBedEdit::KeyDown(uint16_t& key, TBedShiftState shift) {
    if (OnKeyDown) OnKeyDown(*this, key, shift);
    if (key == 0) return;
    const TBedEditorCommand command = keystrokes_.CommandFor(lastKey_, lastShift_, key, shift);
    if (command != ecNone || !KeyCanStartChord(key)) {
        lastKey_ = 0;
        lastShift_ = 0;
    } else {
        lastKey_ = key;
        lastShift_ = shift;
    }
    keyHandled_ = command != ecNone;
    if (!keyHandled_) return;
    key = 0;
    CommandProcessor(command, 0, nullptr);
}

void TCustomBedEdit::KeyPress(char ch) {
    if (imeSkip_ > 0) {
        --imeSkip_;
        return;
    }
    if (keyHandled_) {
        keyHandled_ = false;
        return;
    }
    if (OnKeyPress) OnKeyPress(*this, ch);
    CommandProcessor(ecChar, ch, nullptr);
}

void TCustomBedEdit::ImeString(const std::string& text, bool charsFollow) {
    if (charsFollow) imeSkip_ = int(text.size());
    std::string copy = text;
    CommandProcessor(ecImeStr, 0, &copy);
}
