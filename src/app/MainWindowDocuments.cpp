// Opening, saving, reloading and inserting documents: the dialogs and what the window shows of
// it; the document itself does the work.
#include "MainWindow.h"
#include "FilePathText.h"
#include "BedTextLetters.h"

#include "BedEdit.h"
#include "CodePages.h"
#include "FilePaths.h"
#include "PromptTexts.h"
#include "X11IconName.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <fstream>
#include <sstream>

namespace {

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), int(s.size())); }

}  // namespace

QString TForm1::FileName() const { return PathText(document_->FileName()); }

void TForm1::SetTitles() {
    const std::string& name = document_->FileName();
    setWindowTitle(QString(kCaption) + PathText(BedAsciiUpperCase(name)));
    SetApplicationTitle("BED " + PathText(BedAsciiUpperCase(FilePart(name))));
}

void TForm1::SetApplicationTitle(const QString& title) {
    applicationTitle_ = title;
    // Where the desktop shows a window's short name: its icon text and the task bar.
    setWindowIconText(title);
    SetX11IconName(*this, title);
}

TFileDialogRequest TForm1::OpenRequest(const char* title) const {
    TFileDialogRequest request;
    request.title = QString::fromUtf8(title) + Utf8(CodePageTitleSuffix(document_->CodePage()));
    request.filter = QString::fromUtf8(
        "všechny soubory|*.*|texty|*.txt;*.doc;*.me|Pascal|*.pas|C & C++|*.c;*.cpp|Assembler|*.asm|"
        "Haskell|*.hs|všechny zdrojáky|*.asm;*.pas;*.c;*.c++;*.asm;*.hs;*.cpp;*.pl;*.bas;*.bat|"
        "HTML stránky|*.htm;*.html|INI soubory|*.ini");
    request.filterIndex = settings_.filterIndex;
    request.initialDir = PathText(settings_.nahravaciCesta);
    request.fileName = FileName();
    return request;
}

TFileDialogRequest TForm1::SaveRequest() const {
    TFileDialogRequest request;
    request.title = QString::fromStdString(SaveDialogTitle(document_->CodePage()));
    request.filter = QString::fromUtf8("jakýkoli soubor|*.*");
    request.initialDir = PathText(settings_.ukladaciCesta);
    request.fileName = FileName();
    return request;
}

void TForm1::BuildCodePageMenu(QMenu* menu) {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const TBedCodePageRow& row : kCodePages) {
        const QByteArray name(row.menuObject.data(), int(row.menuObject.size()));
        const QByteArray caption(row.menuCaption.data(), int(row.menuCaption.size()));
        QAction* action = AddItem(menu, name.constData(), caption.constData(), QKeySequence(), nullptr);
        action->setCheckable(true);
        action->setEnabled(true);
        action->setActionGroup(group);
        const int codePage = row.codePage;
        connect(action, &QAction::triggered, this, [this, codePage] { SelectCodePage(codePage); });
    }
}

void TForm1::SelectCodePage(int codePage) { document_->SetCodePage(codePage); }

bool TForm1::SavePrompt() {
    if (quitWithoutSaving || !document_->Modified()) return true;
    switch (ui_.SavePrompt()) {
        case TModalResult::Yes:
            UlozitClick();
            // A cancelled or failed save must not let the asking command drop the changes.
            return !document_->Modified();
        case TModalResult::No: return true;
        default: return false;
    }
}

void TForm1::NovyClick() {
    if (!SavePrompt()) return;
    setWindowTitle(kCaption);
    SetApplicationTitle("BED");
    document_->New();
}

void TForm1::ShowOpenedDocument() {
    Memo1->SetSelFrom({1, 1});
    Memo1->setFocus();
    Memo1->SetCaretY(1);
}

void TForm1::OtevritClick() {
    UpdateRecentCaret();
    TFileDialogRequest request = OpenRequest("Otevřít soubor");
    if (!SavePrompt()) return;
    if (!ui_.OpenDialog(request)) return;
    settings_.filterIndex = request.filterIndex;
    const std::string name = PathBytes(request.fileName);
    document_->Open(name);
    SetTitles();
    PushRecentFile();
    settings_.nahravaciCesta = DirectoryPrefix(name);
    ShowOpenedDocument();
    OfferUnsavedWork(name);
}

bool TForm1::SaveDocument() {
    switch (document_->Save()) {
        case TBedSaveResult::Saved: return true;
        case TBedSaveResult::SaveElsewhere: UlozitJakoClick(); return false;
        case TBedSaveResult::NotSaved: return false;
    }
    return false;
}

void TForm1::UlozitClick() {
    if (document_->Untitled()) {
        UlozitJakoClick();
        return;
    }
    if (!SaveDocument()) return;
    settings_.ukladaciCesta = DirectoryPrefix(document_->FileName());
    UpdateRecentCaret();
}

void TForm1::UlozitJakoClick() {
    TFileDialogRequest request = SaveRequest();
    if (!ui_.SaveDialog(request)) return;
    document_->Rename(PathBytes(request.fileName));
    UlozitClick();
    PushRecentFile();
    SetTitles();
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
    document_->SaveCopy(medium + FilePart(document_->FileName()));
}

void TForm1::ZnovuNacistClick() {
    if (document_->Untitled()) {
        ui_.ErrorBox("Není CO znovu načíst!");
        return;
    }
    if (!SavePrompt()) return;
    document_->Reload();
    setWindowTitle(QString(kCaption) + PathText(BedAsciiUpperCase(document_->FileName())));
    Memo1->setFocus();
}

void TForm1::Pilepzesouboru1Click() {
    TFileDialogRequest request = OpenRequest("Otevřít soubor");
    if (!ui_.OpenDialog(request)) return;
    if (document_->InsertFile(PathBytes(request.fileName))) Memo1->setFocus();
}

void TForm1::Memo1DropFiles(const std::vector<std::string>& files) {
    if (files.empty() || !SavePrompt()) return;
    const std::string& name = files.front();
    document_->Open(name);
    setWindowTitle(QString(kCaption) + PathText(BedAsciiUpperCase(name)));
    ShowOpenedDocument();
    OfferUnsavedWork(name);
}
