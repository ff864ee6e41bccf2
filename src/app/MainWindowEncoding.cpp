// The code page of a file opened: by its name, by its content; UTF-8 that CP 1250 can't hold;
// the read-only state a file opened asks for; converting between code pages on saving.
#include "MainWindow.h"

#include "BedEdit.h"
#include "CodePageRecognition.h"
#include "CodePages.h"
#include "FileAccess.h"

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

void TForm1::TakeLoadOutcome(const TBedLoadOutcome& outcome, const std::string& fileName) {
    byteOrderMark = outcome.byteOrderMark;
    misfitView_ = bool(outcome.misfit);
    QString reason;
    if (outcome.misfit) {
        reason = "Jen pro čtení: znaky, které CP 1250 nemá, jsou nahrazeny značkou.";
    } else if (const auto why = WhyNotWritable(fileName)) {
        reason = "Jen pro čtení: soubor " + QString::fromStdString(*why) + '.';
    }
    ShowReadOnlyReason(reason);
    if (outcome.misfit) {
        const std::string message = Utf8MisfitMessage(*outcome.misfit);
        ui_.ErrorBox(QString::fromUtf8(message.data(), int(message.size())));
    }
}

void TForm1::ShowReadOnlyReason(const QString& reason) {
    QAction* readOnly = Action("readonly");
    if (reason.isEmpty()) {
        if (readOnlyByLoad_ && readOnly->isChecked()) readOnly->trigger();
        readOnlyByLoad_ = false;
    } else if (!readOnly->isChecked()) {
        readOnly->trigger();
        readOnlyByLoad_ = true;
    }
    // The bar may be too narrow for the whole reason: it is also the panels' tooltip.
    readOnlyReason_->setText(reason);
    readOnlyReason_->setToolTip(reason);
    panels_[3]->setToolTip(reason);
}

bool TForm1::RefuseMisfitView() {
    if (!misfitView_) return false;
    ui_.ErrorBox("Soubor je zobrazen se značkami místo znaků, které CP 1250 nemá; uložit ho nelze, "
                 "značky by ty znaky nahradily.");
    return true;
}

bool TForm1::MayWrite(const std::string& fileName) {
    const auto why = WhyNotWritable(fileName);
    if (!why) return true;
    const QString text = "Soubor " + QString::fromStdString(fileName) + " nelze zapsat: " +
                         QString::fromStdString(*why) + ". Uložit text pod jiným jménem?";
    if (ui_.Question("Uložit", text, {"Uložit jako", "Zrušit"}) == 0) UlozitJakoClick();
    return false;
}

void TForm1::LeaveMisfit(bool newDocument) {
    // A new document starts in the default code page rather than in the one the refused file
    // came in, and writable.
    if (newDocument && misfitView_) SelectCodePage(defaultCodePage);
    misfitView_ = false;
    ShowReadOnlyReason({});
}
