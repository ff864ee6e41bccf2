// One executable for both runs. Without a display the command line runs on the editing
// component alone and nothing of Qt is loaded; with one, the window library is opened.
#include "BatchRun.h"
#include "CommandLineHelp.h"
#include "DisplayChoice.h"
#include "HeadlessPrompts.h"
#include "SaveNotes.h"
#include "UnsavedJournals.h"
#include "WindowEntry.h"
#include "XdgDirs.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <dlfcn.h>
#include <unistd.h>

namespace {

// What the start found of saves a crash or a kill interrupted, and what it did about them.
void TellRecovery(TBedHeadlessPrompts& prompts, const std::vector<std::string>& reports) {
    if (reports.empty()) return;
    std::string text = "Po přerušeném ukládání:";
    for (const std::string& report : reports) text += "\n" + report;
    prompts.Information(text);
}

int RunWithoutDisplay(int argc, char** argv, const TBedStart& start) {
    TBedHeadlessPrompts prompts;
    TellRecovery(prompts, start.recovered);
    TBedBatchRun run(prompts, ProgramDirectory());
    run.Run(CommandLineParams(argc, argv));
    // A batch run keeps no journal of its own edits (it drops what it doesn't save), but it
    // names the journals a crash left, for a run with a display to offer.
    if (!start.stateHome.empty()) {
        SetUnsavedJournalDirectory(start.stateHome + "/bed/unsaved");
        run.NameUnsavedWork();
    }
    const int status = run.Finish();
    // The files are written and closed: nothing left needs tearing down.
    std::fflush(nullptr);
    std::_Exit(status);
}

// Beside the executable in a build, in the private library folder once installed.
int RunWithWindow(int argc, char** argv, const TBedStart& start) {
    const std::string programDir = ProgramDirectory();
    void* library = nullptr;
    for (const std::string& path :
         {programDir + BED_WINDOW_LIBRARY, programDir + BED_WINDOW_FROM_BIN "/" BED_WINDOW_LIBRARY}) {
        if (::access(path.c_str(), F_OK) != 0) continue;
        library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        break;
    }
    auto* windowMain = library ? reinterpret_cast<TBedWindowMain*>(::dlsym(library, kBedWindowEntry)) : nullptr;
    if (!windowMain) {
        const char* reason = library ? ::dlerror() : "knihovna " BED_WINDOW_LIBRARY " nebyla nalezena";
        std::fprintf(stderr, "bed: Okno nelze otevřít: %s\n", reason ? reason : "");
        return kExitFailure;
    }
    return windowMain(argc, argv, start);
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
    TBedStart start;
    start.stateHome = XdgStateHome(std::getenv);
    if (!start.stateHome.empty()) {
        SetSaveNotesDirectory(start.stateHome + "/bed/saves");
        start.recovered = RecoverInterruptedSaves();
    }
    if (HasDisplay(argc, argv, std::getenv)) return RunWithWindow(argc, argv, start);
    return RunWithoutDisplay(argc, argv, start);
}
