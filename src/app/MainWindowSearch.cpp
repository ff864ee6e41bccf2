// Find and replace: the dialogs "Najít" and "Nahraď", find next and replace next, and the
// command-line options F and R.
#include "MainWindow.h"

#include "BatchRun.h"
#include "BedEdit.h"
#include "BedEditDrag.h"
#include "CommandLine.h"
#include "SearchDialogs.h"

#include <QGuiApplication>
#include <QStatusBar>

#include <optional>

TForm8& TForm1::Form8() {
    if (!form8_) form8_ = new TForm8(this);
    return *form8_;
}

TForm9& TForm1::Form9() {
    if (!form9_) form9_ = new TForm9(this);
    return *form9_;
}

void TForm1::Hledej1Click() {
    if (Form8().Run()) HlDalsiClick();
}

void TForm1::HlDalsiClick() {
    if (Memo1->SearchReplace(Form8().SearchText(), {}, Form8().Options()) == 0)
        ui_.MessageBox("Text nenalezen", "Hledání", false);
}

void TForm1::NahradClick() {
    if (Form9().Run()) NahrDalsiClick();
}

void TForm1::NahrDalsiClick() {
    if (Memo1->SearchReplace(Form9().SearchText(), Form9().ReplaceText(), Form9().Options()) == 0)
        ui_.MessageBox("Text nenalezen", "Nahrazování", false);
    else if (Memo1->ReadOnly())
        // The match is shown, but a read-only document is not changed.
        statusBar()->showMessage("Dokument je pouze pro čtení: nic nebylo nahrazeno.", 8000);
}

TBedReplaceAction TForm1::Memo1ReplaceText(const std::string& found, const std::string& replacement, int line,
                                           int column) {
    const QPoint topLeft = Memo1->PositionToPixels({column, line});
    const QPoint bottomRight =
        Memo1->PositionToPixels({column + int(found.size()), line}) + QPoint(0, Memo1->LineHeight());
    const QRect match(Memo1->viewport()->mapToGlobal(topLeft), Memo1->viewport()->mapToGlobal(bottomRight));
    return ui_.ReplacePrompt(Cp1250TextToUnicode(found), Cp1250TextToUnicode(replacement), match);
}

void TForm1::FindFromCommandLine(const std::string& value) {
    std::string text;
    // A character outside the code page cannot be in the text: nothing is found.
    if (UnicodeToCp1250Text(QString::fromStdString(value), text)) Memo1->SearchReplace(text, {}, 0);
}

void TForm1::ReplaceFromCommandLine(const std::string& value) {
    std::string search, replacement;
    if (!SplitReplaceOption(value, search, replacement)) return;
    std::string s, r;
    if (!UnicodeToCp1250Text(QString::fromStdString(search), s) ||
        !UnicodeToCp1250Text(QString::fromStdString(replacement), r)) {
        // Writing some other character in its place would change the file in a way not asked for.
        ui_.ErrorBox("Text volby R=" + QString::fromStdString(value) +
                     " nelze zapsat v kódování CP 1250; nic nebylo nahrazeno ani uloženo.");
        return;
    }
    {
        // Without a screen the run ends with the save: nobody could undo the replacements.
        std::optional<TBedScope<TBedEditUndoList, &TBedEditUndoList::Suspend, &TBedEditUndoList::Resume>> noUndo;
        if (IsHeadlessPlatform(QGuiApplication::platformName())) noUndo.emplace(Memo1->UndoList());
        Memo1->SearchReplace(s, r, ssoReplace | ssoReplaceAll);
    }
    UlozitClick();
}
