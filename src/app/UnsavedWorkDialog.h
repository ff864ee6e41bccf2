#pragma once
// "Neuložená práce": the documents whose unsaved edits a crash, a kill or a power cut left, to
// restore, discard or keep for later.
#include "UiServices.h"
#include "UnsavedWorkText.h"

#include <QString>

#include <vector>

class QWidget;

// Lists the entries with "Obnovit", "Zahodit" and "Později"; Esc and the frame mean "Později".
TUnsavedWorkAnswer AskUnsavedWork(QWidget* parent, const std::vector<TUnsavedWorkEntry>& entries, int& chosen);
