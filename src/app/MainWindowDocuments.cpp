// Opening, saving, reloading and inserting documents.
#include "MainWindow.h"
#include "FilePathText.h"
#include "BedTextLetters.h"

#include "BedEdit.h"
#include "CodePages.h"
#include "CommandLine.h"
#include "DocumentLoader.h"
#include "DocumentWriter.h"
#include "FilePaths.h"
#include "X11IconName.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <fstream>
#include <sstream>

namespace {

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

}  // namespace

void TForm1::SetFileName(const QString& name) {
    openRequest_.fileName = name;
    saveRequest_.fileName = name;
}

void TForm1::SetTitles() {
    const std::string name = PathBytes(FileName());
    setWindowTitle(QString(kCaption) + PathText(BedAsciiUpperCase(name)));
    SetApplicationTitle("BED " + PathText(BedAsciiUpperCase(FilePart(name))));
}

void TForm1::SetApplicationTitle(const QString& title) {
    applicationTitle_ = title;
    // Where the desktop shows a window's short name: its icon text and the task bar.
    setWindowIconText(title);
    SetX11IconName(*this, title);
}

TBedDocumentFile TForm1::ReadDocument(const std::string& fileName) {
    TBedDocumentFile file = ReadDocumentFile(fileName);
    unixLineEnds = file.unixLineEnds;
    ShowLineEndMode();
    return file;
}

void TForm1::BuildCodePageMenu(QMenu* menu) {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const TBedCodePageMenuItem& item : kCodePageMenuItems) {
        const QByteArray name(item.objectName.data(), int(item.objectName.size()));
        const QByteArray caption(item.caption.data(), int(item.caption.size()));
        QAction* action = AddItem(menu, name.constData(), caption.constData(), QKeySequence(), nullptr);
        action->setCheckable(true);
        action->setEnabled(true);
        action->setActionGroup(group);
        const int codePage = item.codePage;
        connect(action, &QAction::triggered, this, [this, codePage] { SelectCodePage(codePage); });
    }
}

void TForm1::SelectCodePage(int codePage) {
    for (const TBedCodePageMenuItem& item : kCodePageMenuItems)
        if (item.codePage == codePage)
            Action(QString::fromUtf8(item.objectName.data(), int(item.objectName.size())))->setChecked(true);
    currentCodePage = codePage;
    SetPanel(2, Utf8(CodePageName(codePage)));
}

void TForm1::ChooseCodePageByExtension(const std::string& fileName) {
    const TBedCodePage chosen =
        CodePageForFileName(fileName, TBedCodePage(currentCodePage), autoCodePage);
    if (chosen != currentCodePage) SelectCodePage(chosen);
}

bool TForm1::Load(const std::string& fileName, TBedEdit& editor, int codePage) {
    ChooseHighlighterForFile(fileName);
    TBedDocumentFile file;
    try {
        file = ReadDocumentFile(fileName);
    } catch (const EBedFileError& e) {
        if (e.kind() != EBedFileError::Open) throw;
        ui_.ErrorBox(
            "Soubor není možné otevřít. Zkontrolujte zejména není-li již otevřen v jiném programu "
            "nebo není-li špatně sdílen přes síť.");
        return false;
    }
    return FillEditor(std::move(file), editor, codePage);
}

void TForm1::Load(TBedDocumentFile file, TBedEdit& editor, int codePage) {
    ChooseHighlighterForFile(file.fileName);
    FillEditor(std::move(file), editor, codePage);
}

bool TForm1::FillEditor(TBedDocumentFile file, TBedEdit& editor, int codePage) {
    const std::string fileName = file.fileName;
    const TBedFileIdentity identity = file.contents.identity;
    const bool main = &editor == Memo1;
    // The mode the load goes by: the session's, or the user's answer when asked.
    TBedT602Mode t602Mode = t602.Mode();
    TBedLoadOutcome outcome;
    {
        TBedLinesUpdate update(editor.Lines());
        if (main) unsaved_->Pause();
        try {
            outcome = LoadDocument(std::move(file), codePage, t602, [&] {
                t602Mode = TBedT602Mode(ui_.T602Prompt());
                return t602Mode;
            }, editor.Lines());
        } catch (...) {
            // A load that fails leaves the document as it was, under its own name.
            if (main) unsaved_->Resume();
            throw;
        }
        if (main) {
            // From here on the document is that file's, whatever fails later.
            EndJournal();
            diskFile_ = TDiskFile{fileName, identity};
            SetFileName(PathText(fileName));
        }
        if (outcome.misfit && &editor != Memo1) {
            editor.Lines().Clear();
            ui_.ErrorBox(Utf8(Utf8MisfitReason(*outcome.misfit) + " Soubor se nevložil."));
            return false;
        }
        const bool wraps = Action("Zalamovani")->isChecked() && Action("Provedkovzlom1")->isEnabled();
        WrapAfterLoad();
        // The loaded, wrapped text is what the edits from now on start from.
        if (main) BeginJournal(FileJournalBase(fileName, identity, {codePage, t602Mode, wraps, rightEdge, false}));
    }
    if (&editor == Memo1) {
        textCodePage_ = codePage;
        TakeLoadOutcome(outcome, fileName);
    }
    if (&editor == Memo1) {
        Memo1->setFocus();
        Memo1->viewport()->update();
    }
    editor.SetCaretY(1);
    return true;
}

void TForm1::WrapAfterLoad() {
    QAction* wrap = Action("Provedkovzlom1");
    if (Action("Zalamovani")->isChecked() && wrap->isEnabled()) wrap->trigger();
}

bool TForm1::SavePrompt() {
    if (quitWithoutSaving || !modified) return true;
    switch (ui_.SavePrompt()) {
        case TModalResult::Yes:
            UlozitClick();
            // A cancelled or failed save must not let the asking command drop the changes.
            return !modified;
        case TModalResult::No:
            return true;
        default:
            return false;
    }
}

void TForm1::NovyClick() {
    if (!SavePrompt()) return;
    setWindowTitle(kCaption);
    SetApplicationTitle("BED");
    EndJournal();
    Memo1->Lines().Clear();
    BeginJournal({});
    diskFile_.reset();
    byteOrderMark = false;
    LeaveMisfit(true);
    textCodePage_ = cpCP1250;  // typed text
    SetFileName(kUntitled);
    RefreshHistoryMenu();
    SetModified(false);
}

void TForm1::ShowOpenedDocument() {
    Memo1->SetSelFrom({1, 1});
    Memo1->setFocus();
    Memo1->SetCaretY(1);
}

void TForm1::OtevritClick() {
    UpdateRecentCaret();
    openRequest_.title = "Otevřít soubor" + Utf8(CodePageTitleSuffix(currentCodePage));
    if (!SavePrompt()) return;
    TFileDialogRequest request = openRequest_;
    if (!ui_.OpenDialog(request)) return;
    openRequest_.filterIndex = request.filterIndex;
    const std::string name = PathBytes(request.fileName);
    TBedDocumentFile file = ReadDocument(name);
    ChooseCodePageForFile(file);
    Load(std::move(file), *Memo1, currentCodePage);
    SetFileName(request.fileName);
    SetModified(false);
    SetTitles();
    AddToHistory(name);
    PushRecentFile();
    loadDir = DirectoryPrefix(name);
    openRequest_.initialDir = PathText(loadDir);
    ShowOpenedDocument();
    OfferUnsavedWork(name);
}

void TForm1::UlozitClick() {
    if (FileName() == kUntitled) {
        UlozitJakoClick();
        return;
    }
    const std::string name = PathBytes(FileName());
    const std::optional<TBedWrittenFile> written = WriteDocumentFile(name);
    if (!written) return;
    JournalAfterSave(name, *written);
    ShowReadOnlyReason({});
    SetModified(false);
    AddToHistory(name);
    saveDir = DirectoryPrefix(name);
    saveRequest_.initialDir = PathText(saveDir);
    UpdateRecentCaret();
}

void TForm1::UlozitJakoClick() {
    saveRequest_.title = "Uložit soubor" + Utf8(CodePageTitleSuffix(currentCodePage));
    TFileDialogRequest request = saveRequest_;
    if (!ui_.SaveDialog(request)) return;
    SetFileName(request.fileName);
    ChooseCodePageByExtension(PathBytes(request.fileName));
    UlozitClick();
    PushRecentFile();
    SetTitles();
}

std::optional<TBedWrittenFile> TForm1::WriteDocumentFile(const std::string& fileName) {
    if (RefuseMisfitView() || !MayWrite(fileName)) return std::nullopt;
    if (diskFile_ && diskFile_->name == fileName) {
        // A file deleted meanwhile is simply written again.
        const std::optional<TBedFileIdentity> now = FileIdentityOnDisk(fileName);
        if (now && *now != diskFile_->identity) {
            switch (ui_.ChangedOnDiskPrompt(PathText(fileName))) {
                case TDiskChangeAnswer::Overwrite: break;
                case TDiskChangeAnswer::Reload: ReloadDocument(); return std::nullopt;
                case TDiskChangeAnswer::Cancel: return std::nullopt;
            }
        }
    }
    if (!ConfirmConversion()) return std::nullopt;
    const TBedWrittenFile written =
        WriteDocument(fileName, Memo1->Lines(), currentCodePage, unixLineEnds, byteOrderMark, textCodePage_);
    diskFile_ = TDiskFile{fileName, written.identity};
    TellSaveRemarks(fileName, written.remarks);
    return written;
}

void TForm1::TellSaveRemarks(const std::string& fileName, const std::vector<std::string>& remarks) {
    if (remarks.empty()) return;
    std::string text = "Soubor " + fileName + " je uložen, ale:";
    for (const std::string& remark : remarks) text += "\n" + remark;
    ui_.InformationBox(Utf8(text));
}

std::string TForm1::RemovableMediumDirectory() {
    // Desktop environments mount removable media (USB disks, memory cards, floppies) under
    // /media or /run/media; the first one mounted there stands in for drive A:.
    std::ifstream mounts("/proc/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        fields >> device >> mountPoint;
        if (mountPoint.rfind("/media/", 0) == 0 || mountPoint.rfind("/run/media/", 0) == 0) {
            // /proc/mounts escapes blanks in mount points as octal.
            std::string decoded;
            for (size_t i = 0; i < mountPoint.size(); ++i) {
                if (mountPoint[i] == '\\' && i + 3 < mountPoint.size()) {
                    decoded += char(std::stoi(mountPoint.substr(i + 1, 3), nullptr, 8));
                    i += 3;
                } else {
                    decoded += mountPoint[i];
                }
            }
            return decoded + "/";
        }
    }
    return {};
}

void TForm1::ulNaDisketuClick() {
    const std::string medium = RemovableMediumDirectory();
    if (medium.empty()) {
        ui_.ErrorBox("Není připojena žádná disketa ani jiné vyměnitelné médium (USB disk, paměťová karta).");
        return;
    }
    if (RefuseMisfitView() || !ConfirmConversion()) return;
    const std::string name = medium + FilePart(PathBytes(FileName()));
    TellSaveRemarks(name, WriteDocument(name, Memo1->Lines(), currentCodePage, unixLineEnds, byteOrderMark,
                                        textCodePage_).remarks);
}

void TForm1::ZnovuNacistClick() {
    if (FileName() == kUntitled) {
        ui_.ErrorBox("Není CO znovu načíst!");
        return;
    }
    if (SavePrompt()) ReloadDocument();
}

void TForm1::ReloadDocument() {
    const std::string name = PathBytes(FileName());
    Load(ReadDocument(name), *Memo1, currentCodePage);
    SetModified(false);
    setWindowTitle(QString(kCaption) + PathText(BedAsciiUpperCase(name)));
    StoreHistoryCodePage();
    Memo1->SetSelFrom({1, 1});
    Memo1->setFocus();
    Memo1->viewport()->update();
}

void TForm1::Pilepzesouboru1Click() {
    TFileDialogRequest request = openRequest_;
    if (!ui_.OpenDialog(request)) return;
    pomocneMemo->Lines().Clear();
    if (!Load(PathBytes(request.fileName), *pomocneMemo, currentCodePage)) return;
    pomocneMemo->setFont(Memo1->font());
    pomocneMemo->SelectAll();
    pomocneMemo->CopySelectionToClipboard();
    Memo1->PasteClipboardText();
    Memo1->setFocus();
}

void TForm1::Memo1DropFiles(const std::vector<std::string>& files) {
    if (files.empty() || !SavePrompt()) return;
    const std::string& name = files.front();
    TBedDocumentFile file = ReadDocument(name);
    ChooseCodePageForFile(file);
    Load(std::move(file), *Memo1, currentCodePage);
    SetFileName(PathText(name));
    SetModified(false);
    setWindowTitle(QString(kCaption) + PathText(BedAsciiUpperCase(name)));
    AddToHistory(name);
    ShowOpenedDocument();
    OfferUnsavedWork(name);
}
