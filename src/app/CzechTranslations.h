#pragma once
// Czech for what Qt draws itself (the buttons of message boxes, the file, print, font and
// colour dialogs, the context menu of line edits) and the Czech locale for numbers and dates.
class QCoreApplication;

// Installs Qt's own Czech translations from Qt's translations folder and makes the Czech
// locale the default. False when the translations are not installed (the dialogs then stay in
// English); the locale is set all the same.
bool InstallCzechTranslations(QCoreApplication& app);
