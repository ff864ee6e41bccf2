// Line wrapping: the document or the selected lines now, and the wrap width.
#include "MainWindow.h"

#include "BedEdit.h"
#include "LineWrap.h"

void TForm1::Provedkovzlom1Click() {
    TBedTextToolEdit edit = TextToolEdit();
    if (!Memo1->HasSelection()) {
        WrapLines(edit, settings_.hraniceZlomu);
        return;
    }
    // A selection that ends at the start of a line does not take that line.
    const TBedPoint from = Memo1->SelFrom(), to = Memo1->SelTo();
    const int last = to.X == 1 && to.Y > from.Y ? to.Y - 1 : to.Y;
    WrapLines(edit, settings_.hraniceZlomu, from.Y - 1, last - 1);
}

void TForm1::Dlkadkupidkovmzlomu1Click() {
    const QString answer =
        ui_.InputBox("Délka řádky při zlomu", "zadejte počet znaků", QString::number(settings_.hraniceZlomu));
    settings_.hraniceZlomu = ParseWrapWidth(answer.toStdString());
    Memo1->SetRightEdge(settings_.hraniceZlomu);
}
