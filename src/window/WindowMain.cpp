// The run with a display, from the application object to the window closed: the one entry of the
// window library.
#include "CzechTranslations.h"
#include "AppIcon.h"
#include "BedEditCore.h"
#include "BedEditSystemClipboard.h"
#include "CommandLineHelp.h"
#include "DesktopPalette.h"
#include "FilePathText.h"
#include "Installation.h"
#include "KeyboardFocus.h"
#include "MainWindow.h"
#include "QtUiServices.h"
#include "SaveNotes.h"
#include "UnsavedJournals.h"
#include "WindowEntry.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTimer>

namespace {

// What the start found of saves a crash or a kill interrupted, and what it did about them.
void TellRecovery(UiServices& ui, const std::vector<std::string>& reports) {
    if (reports.empty()) return;
    std::string text = "Po přerušeném ukládání:";
    for (const std::string& report : reports) text += "\n" + report;
    ui.InformationBox(QString::fromStdString(text));
}

int ExitStatus(const UiServices& ui) { return ui.ErrorShown() ? kExitFailure : kExitSuccess; }

}  // namespace

extern "C" __attribute__((visibility("default"))) int BedWindowMain(int argc, char** argv, const TBedStart& start) {
    // The library keeps its own copy of the file layer: its saves take notes in the same place.
    if (!start.stateHome.empty()) {
        SetSaveNotesDirectory(start.stateHome + "/bed/saves");
        SetUnsavedJournalDirectory(start.stateHome + "/bed/unsaved");
    }
    QCoreApplication::setApplicationName(kBedWindowClass);
    QApplication app(argc, argv);
    TBedEditSystemClipboard clipboard;
    TCustomBedEdit::SetDefaultClipboard(&clipboard);
    InstallCzechTranslations(app);
    FollowDesktopColorScheme(app);
    app.setWindowIcon(BedAppIcon());
    app.setDesktopFileName(kBedAppId);
    // From argv as the system gave them (Qt has taken its own options out): a file name that is
    // not UTF-8 still names its file.
    QStringList params;
    for (int i = 1; i < argc; ++i) params << PathText(argv[i]);
    std::string programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
    if (programDir.empty() || programDir.back() != '/') programDir += '/';
    QtUiServices ui(nullptr);
    TForm1 form(ui, programDir, params);
    if (form.Terminated()) return ExitStatus(ui);
    ui.SetParent(&form);
    form.show();
    KeepKeyboardWithWindow(&form);
    // Told once the window stands, so the message has something to stand over.
    QTimer::singleShot(0, &form, [&] {
        TellRecovery(ui, start.recovered);
        form.OfferUnsavedWork();
    });
    const int status = app.exec();
    return status != kExitSuccess ? status : ExitStatus(ui);
}
