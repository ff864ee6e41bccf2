#pragma once
// "Neuložená práce": the documents whose unsaved edits a crash, a kill or a power cut left, to
// restore, discard or keep for later.
#include "UiServices.h"

#include <QString>

#include <vector>

class QWidget;

inline constexpr const char* kUnsavedWorkCaption = "Neuložená práce";

// One line about an entry, as a script without a display reads it.
QString UnsavedWorkLine(const TUnsavedWorkEntry& entry);

// Lists the entries with "Obnovit", "Zahodit" and "Později"; Esc and the frame mean "Později".
TUnsavedWorkAnswer AskUnsavedWork(QWidget* parent, const std::vector<TUnsavedWorkEntry>& entries, int& chosen);
