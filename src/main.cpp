#include "AppIcon.h"
#include "BatchRun.h"
#include "BedEditCore.h"
#include "BedEditSystemClipboard.h"
#include "CommandLineHelp.h"
#include "FilePathText.h"
#include "CzechTranslations.h"
#include "DesktopPalette.h"
#include "HeadlessUiServices.h"
#include "Installation.h"
#include "KeyboardFocus.h"
#include "MainWindow.h"
#include "SaveNotes.h"
#include "UnsavedJournals.h"
#include "XdgDirs.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

// What the start found of saves a crash or a kill interrupted, and what it did about them.
void TellRecovery(UiServices& ui, const std::vector<std::string>& reports) {
    if (reports.empty()) return;
    std::string text = "Po přerušeném ukládání:";
    for (const std::string& report : reports) text += "\n" + report;
    ui.InformationBox(QString::fromStdString(text));
}

}  // namespace

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
    std::vector<std::string> recovered;
    if (!stateHome.empty()) {
        SetSaveNotesDirectory(stateHome + "/bed/saves");
        recovered = RecoverInterruptedSaves();
    }
    PrepareForEnvironment();
    // Named before the application object exists: naming it afterwards costs a batch run time.
    QCoreApplication::setApplicationName(kBedWindowClass);
    QApplication app(argc, argv);
    const bool headless = SettleHeadless(QGuiApplication::platformName());
    TBedEditSystemClipboard clipboard;
    TCustomBedEdit::SetDefaultClipboard(&clipboard);
    // From argv as the system gave them (Qt has taken its own options out): a file name that is
    // not UTF-8 still names its file.
    QStringList params;
    for (int i = 1; i < argc; ++i) params << PathText(argv[i]);
    std::string programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
    if (programDir.empty() || programDir.back() != '/') programDir += '/';
    if (headless) {
        HeadlessUiServices ui;
        TellRecovery(ui, recovered);
        TForm1 form(ui, programDir, params);
        // A batch run keeps no journal of its own edits (it drops what it doesn't save), but it
        // names the journals a crash left, for a run with a display to offer.
        if (!stateHome.empty()) {
            SetUnsavedJournalDirectory(stateHome + "/bed/unsaved");
            form.OfferUnsavedWork();
        }
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
    if (!stateHome.empty()) SetUnsavedJournalDirectory(stateHome + "/bed/unsaved");
    TForm1 form(ui, programDir, params);
    if (form.Terminated()) return ExitStatus(ui);
    ui.SetParent(&form);
    form.show();
    KeepKeyboardWithWindow(&form);
    // Told once the window stands, so the message has something to stand over.
    QTimer::singleShot(0, &form, [&] {
        TellRecovery(ui, recovered);
        form.OfferUnsavedWork();
    });
    const int status = app.exec();
    return status != kExitSuccess ? status : ExitStatus(ui);
}
