#pragma once
// Every highlighter class and every highlighter of the main window, listed explicitly. Each
// language's file (languages/<the class's name without "T" and "Highlighter">.cpp, Mailbox.cpp,
// Shell.cpp and Czech.cpp for the general highlighter's instances) holds its scanner, its
// keywords and the row declared here; a class gets a header only where another file needs it.
// A new language is one new file, its row below, and its places in the two lists; its tests
// go to tests/highlighters/test_<Language>.cpp, its samples with their .tokens files to
// tests/data/highlighters/<the instance's name without "hl_", in lower case>/.
#include "BedHighlighterLanguage.h"

#include <span>

extern const TBedLanguage kBedAWKLanguage;
extern const TBedLanguage kBedAsmLanguage;
extern const TBedLanguage kBedBatLanguage;
extern const TBedLanguage kBedCppLanguage;
extern const TBedLanguage kBedDfmLanguage;
extern const TBedLanguage kBedFortranLanguage;
extern const TBedLanguage kBedFoxproLanguage;
extern const TBedLanguage kBedGeneralLanguage;
extern const TBedLanguage kBedHTMLLanguage;
extern const TBedLanguage kBedIniLanguage;
extern const TBedLanguage kBedJScriptLanguage;
extern const TBedLanguage kBedJavaLanguage;
extern const TBedLanguage kBedPHPLanguage;
extern const TBedLanguage kBedPasLanguage;
extern const TBedLanguage kBedPerlLanguage;
extern const TBedLanguage kBedPythonLanguage;
extern const TBedLanguage kBedSQLLanguage;
extern const TBedLanguage kBedTclTkLanguage;
extern const TBedLanguage kBedVBLanguage;
extern const TBedLanguage kBedVBScriptLanguage;
// The main window's three configurations of the general highlighter.
extern const TBedMainWindowInstance kBedCzechInstance;    // hl_cz
extern const TBedMainWindowInstance kBedMailboxInstance;  // hl_Mailbox
extern const TBedMainWindowInstance kBedShellInstance;    // hl_shell

// A highlighter of the main window: the class it is an instance of and how the window sets
// it up.
struct TBedMainWindowHighlighter {
    const TBedLanguage* language;
    const TBedMainWindowInstance* instance;
};

// The classes in their registration order: Pascal first, the general highlighter last.
std::span<const TBedLanguage* const> BedHighlighterClasses();
// The main window's highlighters in the order of the menu "Vyber zvýraznění".
std::span<const TBedMainWindowHighlighter> BedMainWindowHighlighters();
