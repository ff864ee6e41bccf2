#include "BatchRun.h"

#include "HeadlessUiServices.h"
#include "MainWindow.h"

#include <cstdlib>

namespace {

bool quietQt = false;
QtMessageHandler qtHandler = nullptr;

// Qt's warnings ("XDG_RUNTIME_DIR not set", "This plugin does not support…") speak to developers
// about the environment; a script's user can do nothing with them. Real errors still pass.
void FilterQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (quietQt && (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)) return;
    qtHandler(type, context, message);
}

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

bool IsHeadlessPlatform(const QString& platformName) {
    return platformName == "offscreen" || platformName == "minimal";
}

void PrepareForEnvironment() {
    // Of the platforms without a screen, "minimal" starts fastest: it reads no font configuration,
    // and a run without a display never draws.
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "minimal", 1);
    // Whoever asks Qt for its diagnostics gets them.
    if (Set("QT_LOGGING_RULES")) return;
    quietQt = IsHeadlessPlatform(QString::fromLocal8Bit(std::getenv("QT_QPA_PLATFORM")));
    qtHandler = qInstallMessageHandler(FilterQtMessage);
}

bool SettleHeadless(const QString& platformName) {
    const bool headless = IsHeadlessPlatform(platformName);
    if (qtHandler) quietQt = headless;
    return headless;
}

int ExitStatus(const UiServices& ui) { return ui.ErrorShown() ? kExitFailure : kExitSuccess; }

int FinishHeadlessRun(const TForm1& form, HeadlessUiServices& ui) {
    // C=Q has written the document, changed or not.
    if (form.Document().Modified() && !form.Terminated()) {
        ui.Report({}, "Dokument " + form.FileName() +
                          " byl změněn, ale neuložen: bez obrazovky se nelze zeptat, změny se "
                          "zahazují a soubor na disku zůstává, jak byl (uložit lze volbou C=Q).");
        return kExitFailure;
    }
    return ExitStatus(ui);
}
