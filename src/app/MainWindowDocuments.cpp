// Opening, saving, reloading and inserting documents.
#include "MainWindow.h"
#include "BedTextLetters.h"

#include "BedEdit.h"
#include "CodePages.h"
#include "CommandLine.h"
#include "DocumentLoader.h"
#include "DocumentWriter.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <fstream>
#include <sstream>

namespace {

std::string FilePart(const std::string& fileName) {
    const size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

}  // namespace

void TForm1::SetFileName(const QString& name) {
    openRequest_.fileName = name;
    saveRequest_.fileName = name;
}

void TForm1::SetTitles() {
    const std::string name = FileName().toStdString();
    setWindowTitle(QString(kCaption) + QString::fromStdString(BedAsciiUpperCase(name)));
    applicationTitle_ = "BED " + QString::fromStdString(BedAsciiUpperCase(FilePart(name)));
    setWindowIconText(applicationTitle_);
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
    if (&editor == Memo1) diskFile_ = TDiskFile{fileName, file.contents.identity};
    TBedLoadOutcome outcome;
    {
        TBedLinesUpdate update(editor.Lines());
        outcome = LoadDocument(std::move(file), codePage, t602,
                               [this] { return TBedT602Mode(ui_.T602Prompt()); }, editor.Lines());
        if (outcome.misfit && &editor != Memo1) {
            editor.Lines().Clear();
            ui_.ErrorBox(Utf8(Utf8MisfitReason(*outcome.misfit) + " Soubor se nevložil."));
            return false;
        }
        WrapAfterLoad();
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
    applicationTitle_ = "BED";
    setWindowIconText(applicationTitle_);
    Memo1->Lines().Clear();
    diskFile_.reset();
    byteOrderMark = false;
    textCodePage_ = cpCP1250;  // typed text
    misfitView_ = false;
    ShowReadOnlyReason({});
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
    const std::string name = request.fileName.toStdString();
    TBedDocumentFile file = ReadDocument(name);
    ChooseCodePageForFile(file);
    Load(std::move(file), *Memo1, currentCodePage);
    SetFileName(request.fileName);
    SetModified(false);
    SetTitles();
    AddToHistory(name);
    PushRecentFile();
    loadDir = DirectoryPrefix(name);
    openRequest_.initialDir = QString::fromStdString(loadDir);
    ShowOpenedDocument();
}

void TForm1::UlozitClick() {
    if (FileName() == kUntitled) {
        UlozitJakoClick();
        return;
    }
    const std::string name = FileName().toStdString();
    if (!WriteDocumentFile(name)) return;
    ShowReadOnlyReason({});
    SetModified(false);
    AddToHistory(name);
    saveDir = DirectoryPrefix(name);
    saveRequest_.initialDir = QString::fromStdString(saveDir);
    UpdateRecentCaret();
}

void TForm1::UlozitJakoClick() {
    saveRequest_.title = "Uložit soubor" + Utf8(CodePageTitleSuffix(currentCodePage));
    TFileDialogRequest request = saveRequest_;
    if (!ui_.SaveDialog(request)) return;
    SetFileName(request.fileName);
    ChooseCodePageByExtension(request.fileName.toStdString());
    UlozitClick();
    PushRecentFile();
    SetTitles();
}

bool TForm1::WriteDocumentFile(const std::string& fileName) {
    if (RefuseMisfitView() || !MayWrite(fileName)) return false;
    if (diskFile_ && diskFile_->name == fileName) {
        // A file deleted meanwhile is simply written again.
        const std::optional<TBedFileIdentity> now = FileIdentityOnDisk(fileName);
        if (now && *now != diskFile_->identity) {
            switch (ui_.ChangedOnDiskPrompt(QString::fromStdString(fileName))) {
                case TDiskChangeAnswer::Overwrite: break;
                case TDiskChangeAnswer::Reload: ZnovuNacistClick(); return false;
                case TDiskChangeAnswer::Cancel: return false;
            }
        }
    }
    if (!ConfirmConversion()) return false;
    const TBedFileIdentity written =
        WriteDocument(fileName, Memo1->Lines(), currentCodePage, unixLineEnds, byteOrderMark, textCodePage_);
    diskFile_ = TDiskFile{fileName, written};
    return true;
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
    WriteDocument(medium + FilePart(FileName().toStdString()), Memo1->Lines(), currentCodePage,
                  unixLineEnds, byteOrderMark, textCodePage_);
}

void TForm1::ZnovuNacistClick() {
    if (FileName() == kUntitled) {
        ui_.ErrorBox("Není CO znovu načíst!");
        return;
    }
    const std::string name = FileName().toStdString();
    Load(ReadDocument(name), *Memo1, currentCodePage);
    SetModified(false);
    setWindowTitle(QString(kCaption) + QString::fromStdString(BedAsciiUpperCase(name)));
    StoreHistoryCodePage();
    Memo1->SetSelFrom({1, 1});
    Memo1->setFocus();
    Memo1->viewport()->update();
}

void TForm1::Pilepzesouboru1Click() {
    TFileDialogRequest request = openRequest_;
    if (!ui_.OpenDialog(request)) return;
    pomocneMemo->Lines().Clear();
    if (!Load(request.fileName.toStdString(), *pomocneMemo, currentCodePage)) return;
    pomocneMemo->setFont(Memo1->font());
    pomocneMemo->SelectAll();
    pomocneMemo->CopySelectionToClipboard();
    Memo1->PasteClipboardText();
    Memo1->setFocus();
}

void TForm1::Memo1DropFiles(const std::vector<std::string>& files) {
    if (files.empty()) return;
    const std::string& name = files.front();
    TBedDocumentFile file = ReadDocument(name);
    ChooseCodePageForFile(file);
    Load(std::move(file), *Memo1, currentCodePage);
    SetFileName(QString::fromStdString(name));
    SetModified(false);
    setWindowTitle(QString(kCaption) + QString::fromStdString(BedAsciiUpperCase(name)));
    AddToHistory(name);
    ShowOpenedDocument();
}
