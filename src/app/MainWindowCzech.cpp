// Czech text tools and the main window's part in typing: case of the block, diacritics, the y/z
// swap, the letter Ů, the other keyboard and wrapping while typing.
#include "MainWindow.h"

#include "BedEdit.h"
#include "BedEditKeyStrokes.h"
#include "KeyboardLayout.h"
#include "LineWrap.h"

#include <QAction>

void TForm1::ConnectTyping() {
    Memo1->OnKeyPress = [this](TCustomBedEdit&, char& ch) { Memo1KeyPress(ch); };
    Memo1->OnKeyDown = [this](TCustomBedEdit&, uint16_t& key, TBedShiftState) { Memo1KeyDown(key); };
    Memo1->AddCommandHook(
        [this](TCustomBedEdit&, bool after, bool&, TBedEditorCommand& command, char&, void* data, void*) {
            if (command != ecChar && command != ecImeStr) return;
            if (!after) {
                // Input methods (IBus, Fcitx) deliver typed characters as text of their own.
                auto* text = static_cast<std::string*>(data);
                if (command == ecImeStr && text && text->size() == 1) Memo1KeyPress((*text)[0]);
                return;
            }
            // Only once the character is in, and in the character's undo step.
            if (settings_.autoZalam) BreakTypedLine(*Memo1, settings_.hraniceZlomu);
        },
        nullptr);
}

void TForm1::Memo1KeyPress(char& ch) { ch = TypedChar(ch, otherKeyboardNext_, settings_.prehoditYZ); }

void TForm1::Memo1KeyDown(uint16_t& key) {
    // These keys type a character of their own, which the component turns into its command
    // before the typed-character handler sees it; they use up the other keyboard all the same.
    if (key == VK_RETURN || key == VK_BACK || key == VK_TAB) otherKeyboardNext_ = false;
}

void TForm1::ChangeCase(TBedCaseChange change) {
    const TBedPoint caret = Memo1->CaretXY();
    const TBedPoint begin = Memo1->BlockBegin();
    const TBedPoint end = Memo1->BlockEnd();
    {
        TBedTextToolEdit edit = TextToolEdit();
        ChangeCaseOfBlock(edit, Memo1->SelFrom(), Memo1->SelTo(), Memo1->SelectionMode(), change);
    }
    // The writes collapsed the selection; the same block stays selected.
    Memo1->SetCaretAndSelection(caret, begin, end);
}

void TForm1::VelkaClick() { ChangeCase(TBedCaseChange::Upper); }

void TForm1::MalaClick() { ChangeCase(TBedCaseChange::Lower); }

void TForm1::Prohozen1Click() { ChangeCase(TBedCaseChange::Swap); }

void TForm1::odstran_diakritikuClick() {
    {
        TBedTextToolEdit edit = TextToolEdit();
        RemoveDiacritics(edit);
    }
    // The whole document changed under the selection: none is left, the caret stays.
    Memo1->SetSelFrom(Memo1->CaretXY());
}

void TForm1::YxZClick() { SetPanel(1, settings_.prehoditYZ ? "Y <--> Z" : ""); }

void TForm1::Vloz_uuClick() {
    // As if typed: through the typed-character handler into the component, undoable.
    char ch = char(0xD9);
    Memo1KeyPress(ch);
    Memo1->CommandProcessor(ecChar, ch, nullptr);
}

void TForm1::Dalznakjinouklvesnic1Click() { otherKeyboardNext_ = true; }
