#pragma once
// The prompt before a save would overwrite what another program wrote to the document's file.
#include "PromptTexts.h"
#include "UiServices.h"

#include <QString>

class QWidget;

// Asks with the buttons "Přepsat", "Načíst znovu" and "Zrušit"; Esc and the frame cancel, and so
// does Enter: nothing is lost unless the user chooses.
TDiskChangeAnswer AskChangedOnDisk(QWidget* parent, const QString& fileName);
