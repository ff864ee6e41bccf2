// Block and line formatting of the Formát menu: shifting and aligning the block lines,
// deleting the caret's line, text at line starts or ends, the HTML skeleton.
#include "MainWindow.h"

#include "AddToLinesDialog.h"
#include "BedEdit.h"
#include "BlockFormat.h"

void TForm1::ShiftBlock(void (*shift)(TBedTextToolEdit&, int, int)) {
    const TBedPoint caret = Memo1->CaretXY();
    const TBedPoint begin = Memo1->BlockBegin();
    const TBedPoint end = Memo1->BlockEnd();
    {
        TBedTextToolEdit edit = TextToolEdit();
        shift(edit, Memo1->SelFrom().Y, Memo1->SelTo().Y);
    }
    // The same columns stay selected; the selection does not move with the text.
    Memo1->SetCaretAndSelection(caret, begin, end);
}

void TForm1::odsadblokClick() { ShiftBlock(ShiftLinesRight); }

void TForm1::ododsadClick() { ShiftBlock(ShiftLinesLeft); }

void TForm1::srovnejblokClick() {
    TBedTextToolEdit edit = TextToolEdit();
    AlignLines(edit, Memo1->SelFrom().Y, Memo1->SelTo().Y);
}

void TForm1::smazradekClick() {
    TBedTextToolEdit edit = TextToolEdit();
    DeleteLine(edit, Memo1->CaretY());
}

void TForm1::zackonradkuClick() {
    if (!form6_) form6_ = new TForm6(this);
    const TForm6::TScope scope = form6_->Ask();
    if (scope == TForm6::TScope::None) return;
    bool lossy = false;
    const QList<uint> text = form6_->Text().toUcs4();
    const std::string bytes = bedclip::FromUnicode(std::u32string(text.begin(), text.end()), lossy);
    TBedTextToolEdit edit = TextToolEdit();
    if (scope == TForm6::TScope::WholeText)
        AddToLines(edit, bytes, form6_->AtStart());
    else
        AddToLines(edit, bytes, form6_->AtStart(), Memo1->SelFrom().Y, Memo1->SelTo().Y);
}

void TForm1::inshtmlClick() {
    TBedTextToolEdit edit = TextToolEdit();
    AppendHtmlHeader(edit);
}
