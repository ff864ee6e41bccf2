// The main window's desktop integration: help texts in further windows of the editor, a second
// window, the document in its associated application, the associations dialog, the about box.
#include "MainWindow.h"
#include "BedTextLetters.h"

#include "AssociationDialog.h"
#include "HelpTexts.h"
#include "Installation.h"

#include <QCoreApplication>
#include <QFileInfo>

QString TForm1::ProgramPath() { return QCoreApplication::applicationFilePath(); }

void TForm1::LaunchHelpWindow(const char* file) {
    const THelpText& help = *FindHelpText(file);
    // A missing text would turn the new window into an ordinary one that writes bed.ini.
    const std::string path = FindDataFile(programDir, help.file);
    if (path.empty()) {
        QStringList places;
        for (const std::string& candidate : DataFileCandidates(programDir, help.file))
            places << QString::fromStdString(candidate);
        ui_.ErrorBox(QString::fromUtf8("Soubor nápovědy %1 nebyl nalezen. Hledán byl zde:\n%2")
                         .arg(help.file, places.join('\n')));
        return;
    }
    QStringList arguments;
    for (const std::string& a : HelpWindowArguments(path, help)) arguments << QString::fromStdString(a);
    ui_.StartProgram(ProgramPath(), arguments);
}

void TForm1::ObsahClick() {
    // The window that shows HELP.TXT is captioned "Nápověda…": there F1 does nothing.
    if (!windowTitle().startsWith('N')) LaunchHelpWindow("HELP.TXT");
}

void TForm1::FAQClick() { LaunchHelpWindow("BED_FAQ.TXT"); }

void TForm1::Historieverzeditoru1Click() { LaunchHelpWindow("BED_VER.TXT"); }

void TForm1::oprogClick() { LaunchHelpWindow("OPROG.TXT"); }

void TForm1::Napoveda1Click() {
    if (windowTitle().startsWith('N')) ui_.HelpJoke();
}

void TForm1::OaplikaciClick() { ui_.AboutBox(); }

void TForm1::Daloknoeditoru1Click() { ui_.StartProgram(ProgramPath(), {}); }

void TForm1::zhtmlClick() {
    if (document_->Modified()) UlozitClick();
    // An untitled document, or one whose save was cancelled, has no file to hand over.
    if (document_->Modified() || document_->Untitled()) return;
    ui_.ShellOpen(QFileInfo(FileName()).absoluteFilePath());
}

void TForm1::Asociuj1Click() {
    if (!form7_)
        form7_ = new TForm7(this, ProgramPath().toStdString(), programDir,
                            [this](const QString& message) { ui_.ErrorBox(message); });
    form7_->show();
    form7_->raise();
    form7_->activateWindow();
}

void TForm1::EnterHelpMode() {
    helpMode = true;
    Panel1->hide();
    // The caption holds the help file's name because the file parameter stands before "^".
    const std::string caption = BedAsciiUpperCase(windowTitle().toStdString());
    for (const THelpText& help : kHelpTexts) {
        for (const std::string& candidate : DataFileCandidates(programDir, help.file)) {
            if (caption.find(BedAsciiUpperCase(candidate)) == std::string::npos) continue;
            SetApplicationTitle(QString::fromUtf8(help.applicationTitle));
            setWindowTitle(QString::fromUtf8(help.caption));
            return;
        }
    }
}
