#include "AppIcon.h"
#include "BedEditCore.h"
#include "BedEditSystemClipboard.h"
#include "CommandLine.h"
#include "Installation.h"
#include "QtUiServices.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdlib>

namespace {

// "bed FILE K=W C=Q" converts a file and ends without showing the window; it must also run
// where there is no display, as in a script.
bool BatchRun(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const TCommandLineParam p = ClassifyParam(argv[i]);
        if (p.isOption && p.letter == 'C' && ValueLetter(p.value) == 'Q') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (BatchRun(argc, argv) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    app.setApplicationName("bed");
    app.setWindowIcon(BedAppIcon());
    app.setDesktopFileName(kBedAppId);
    TBedEditSystemClipboard clipboard;
    TCustomBedEdit::SetDefaultClipboard(&clipboard);
    QStringList params = app.arguments();
    params.removeFirst();
    std::string programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString();
    if (programDir.empty() || programDir.back() != '/') programDir += '/';
    QtUiServices ui(nullptr);
    TForm1 form(ui, programDir, params);
    if (form.Terminated()) return 0;
    ui.SetParent(&form);
    form.show();
    return app.exec();
}
