// The code page of a file opened: by its name, by its content; UTF-8 that CP 1250 can't hold.
#include "MainWindow.h"

#include "BedEdit.h"
#include "CodePageRecognition.h"
#include "CodePages.h"

#include <QAction>

void TForm1::ChooseCodePageForFile(const TBedDocumentFile& file) {
    if (!autoCodePage) return;
    if (const auto named = CodePageNamedBy(file.fileName)) {
        if (*named != currentCodePage) SelectCodePage(*named);
        return;
    }
    if (!recogniseCodePage || codePageFromCommandLine_) return;
    const TBedEditBlock& bytes = file.contents.bytes;
    const auto recognised =
        RecogniseCodePage(std::string_view(bytes.bytes.get(), bytes.size), TBedCodePage(currentCodePage));
    if (recognised && *recognised != currentCodePage) SelectCodePage(*recognised);
}

bool TForm1::ConfirmConversion() {
    const auto misfit = FindCodePageMisfit(Memo1->Lines(), textCodePage_, currentCodePage);
    if (!misfit) return true;
    const std::string text = CodePageMisfitMessage(*misfit, currentCodePage);
    return ui_.Question("Převod kódování", QString::fromUtf8(text.data(), int(text.size())),
                        {"Zapsat přesto", "Zrušit"}) == 0;
}

void TForm1::rozpoznatClick() { recogniseCodePage = Action("rozpoznat")->isChecked(); }

void TForm1::TakeLoadOutcome(const TBedLoadOutcome& outcome) {
    byteOrderMark = outcome.byteOrderMark;
    QAction* readOnly = Action("readonly");
    if (!outcome.misfit) {
        if (readOnlyForMisfit_ && readOnly->isChecked()) readOnly->trigger();
        readOnlyForMisfit_ = false;
        return;
    }
    // Its bytes are the text now: only CP 1250 writes them back as they came.
    SelectCodePage(cpCP1250);
    if (!readOnly->isChecked()) {
        readOnly->trigger();
        readOnlyForMisfit_ = true;
    }
    const std::string message = Utf8MisfitMessage(*outcome.misfit);
    ui_.ErrorBox(QString::fromUtf8(message.data(), int(message.size())));
}
