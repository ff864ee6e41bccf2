#pragma once
// What ties the print engine to the toolkit: the editor widget's font, and the date and time
// as the user's locale writes them.
#include "BedEditPrint.h"

#include <QFont>

class TBedEdit;

// The editor's font for paper: the same face, size and style; a system colour (made for a
// screen, perhaps light on dark) prints black.
TBedPrintFont PrintFontOf(const QFont& font, int32_t color);

// The editor's text (tabs expanded), highlighter, tab width and font into the engine.
void LoadFromEditor(TBedEditPrint& engine, TBedEdit& editor);

// The current date in the locale's short format and the time in its long format, UTF-8.
std::pair<std::string, std::string> LocaleDateTimeTexts();
