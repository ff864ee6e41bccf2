#include "AppIcon.h"
#include "BatchRun.h"
#include "BedEditCore.h"
#include "BedEditSaveJournal.h"
#include "BedEditSystemClipboard.h"
#include "CommandLineHelp.h"
#include "CzechTranslations.h"
#include "DesktopPalette.h"
#include "HeadlessUiServices.h"
#include "Installation.h"
#include "KeyboardFocus.h"
#include "MainWindow.h"
#include "XdgDirs.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    switch (FindInfoRequest(argc, argv)) {
        case TInfoRequest::Help: std::fputs(UsageText().data(), stdout); return kExitSuccess;
        case TInfoRequest::Version: std::fputs(VersionText().c_str(), stdout); return kExitSuccess;
        case TInfoRequest::None: break;
    }
    // A save beyond the file-size limit must fail with an error box, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Saves that a crash or a kill interrupted are cleaned up before anything is opened.
    const std::string stateHome = XdgStateHome(std::getenv);
    if (!stateHome.empty()) {
        SetSaveJournalDirectory(stateHome + "/bed/saves");
        RecoverInterruptedSaves();
    }
    PrepareForEnvironment();
    // Named before the application object exists: naming it afterwards costs a batch run time.
    QCoreApplication::setApplicationName("bed");
    QApplication app(argc, argv);
    const bool headless = SettleHeadless(QGuiApplication::platformName());
    TBedEditSystemClipboard clipboard;
    TCustomBedEdit::SetDefaultClipboard(&clipboard);
    QStringList params = app.arguments();
    params.removeFirst();
    std::string programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
    if (programDir.empty() || programDir.back() != '/') programDir += '/';
    if (headless) {
        HeadlessUiServices ui;
        const TForm1 form(ui, programDir, params);
        // Nothing left needs tearing down (the files are written and closed), and taking the
        // window and Qt apart would cost a batch run a good part of its time.
        const int status = FinishHeadlessRun(form, ui);
        std::fflush(nullptr);
        std::_Exit(status);
    }
    // Only a run with a window shows Qt's own texts; a batch run doesn't load them.
    InstallCzechTranslations(app);
    FollowDesktopColorScheme(app);
    app.setWindowIcon(BedAppIcon());
    app.setDesktopFileName(kBedAppId);
    QtUiServices ui(nullptr);
    TForm1 form(ui, programDir, params);
    if (form.Terminated()) return ExitStatus(ui);
    ui.SetParent(&form);
    form.show();
    KeepKeyboardWithWindow(&form);
    const int status = app.exec();
    return status != kExitSuccess ? status : ExitStatus(ui);
}
