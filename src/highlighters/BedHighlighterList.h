#pragma once
// Every highlighter class and every highlighter of the main window, listed explicitly.
#include "BedHighlighterLanguage.h"

#include <span>

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
