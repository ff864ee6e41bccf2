#pragma once
// A run without a display, as in a script: the platform it runs on, Qt's own chatter kept off
// stderr, and its end right after the command line with an exit status a script can test.
#include <QString>

class HeadlessUiServices;
class TForm1;
class UiServices;

// Every file named was processed and written as asked.
constexpr int kExitSuccess = 0;
// An error box was shown, or changes were left unsaved where nobody could be asked.
constexpr int kExitFailure = 1;

// Call before the application object exists: picks a platform without a screen when the
// environment names neither a display nor a platform, and keeps Qt's warnings off stderr when the run will
// have no display.
void PrepareForEnvironment();
// Call once the application object exists (a "-platform" argument may have changed the choice).
// True when the run has no screen a person could see.
bool SettleHeadless(const QString& platformName);

bool IsHeadlessPlatform(const QString& platformName);

int ExitStatus(const UiServices& ui);

// Ends a run without display once the command line has been processed: a document with changes
// that were not saved is left unwritten, and a line on stderr says so.
int FinishHeadlessRun(const TForm1& form, HeadlessUiServices& ui);
