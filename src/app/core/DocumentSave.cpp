// Saving the document: what is refused or asked first, the write, and what it leaves behind.
#include "Document.h"

#include "BedEditCore.h"
#include "CodePages.h"
#include "FileAccess.h"

bool TBedDocument::RefuseMisfitView() {
    if (!misfitView_) return false;
    prompts_.Error(
        "Soubor je zobrazen se značkami místo znaků, které CP 1250 nemá; uložit ho nelze, "
        "značky by ty znaky nahradily.");
    return true;
}

bool TBedDocument::ConfirmConversion() {
    const auto misfit = FindCodePageMisfit(editor_.Lines(), textCodePage_, codePage_);
    if (!misfit) return true;
    return prompts_.Choose("Převod kódování", CodePageMisfitMessage(*misfit, codePage_), {"Zapsat přesto", "Zrušit"}) ==
           0;
}

TBedWrittenFile TBedDocument::Write(const std::string& fileName) {
    TBedWrittenFile written =
        WriteDocument(fileName, editor_.Lines(), codePage_, unixLineEnds_, byteOrderMark_, textCodePage_);
    TellSaveRemarks(fileName, written.remarks);
    return written;
}

void TBedDocument::TellSaveRemarks(const std::string& fileName, const std::vector<std::string>& remarks) {
    if (remarks.empty()) return;
    std::string text = "Soubor " + fileName + " je uložen, ale:";
    for (const std::string& remark : remarks) text += "\n" + remark;
    prompts_.Information(text);
}

TBedSaveResult TBedDocument::Save() {
    if (RefuseMisfitView()) return TBedSaveResult::NotSaved;
    if (const auto why = WhyNotWritable(fileName_)) {
        const std::string text = "Soubor " + fileName_ + " nelze zapsat: " + *why + ". Uložit text pod jiným jménem?";
        return prompts_.Choose("Uložit", text, {"Uložit jako", "Zrušit"}) == 0 ? TBedSaveResult::SaveElsewhere
                                                                               : TBedSaveResult::NotSaved;
    }
    if (diskFile_ && diskFile_->name == fileName_) {
        // A file deleted meanwhile is simply written again.
        const std::optional<TBedFileIdentity> now = FileIdentityOnDisk(fileName_);
        if (now && *now != diskFile_->identity) {
            switch (prompts_.ChangedOnDisk(fileName_)) {
                case TDiskChangeAnswer::Overwrite: break;
                case TDiskChangeAnswer::Reload: Reload(); return TBedSaveResult::NotSaved;
                case TDiskChangeAnswer::Cancel: return TBedSaveResult::NotSaved;
            }
        }
    }
    if (!ConfirmConversion()) return TBedSaveResult::NotSaved;
    const TBedWrittenFile written = Write(fileName_);
    diskFile_ = TDiskFile{fileName_, written.identity};
    JournalAfterSave(written);
    // The file could be written: whatever made it read-only on loading is gone.
    SetLoadReason({});
    editor_.SetModified(false);
    history_.Add(fileName_, codePage_, unixLineEnds_);
    Changed();
    return TBedSaveResult::Saved;
}

bool TBedDocument::SaveCopy(const std::string& fileName) {
    if (RefuseMisfitView() || !ConfirmConversion()) return false;
    Write(fileName);
    return true;
}
