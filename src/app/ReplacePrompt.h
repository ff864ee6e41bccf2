#pragma once
// The question before each replacement while "Ptát se před nahrazením" is ticked.
#include "BedEditSearch.h"

#include <QRect>
#include <QString>

class QWidget;

inline constexpr const char* kReplacePromptCaption = "Nahrazování";

// The question, naming the found text and its replacement.
QString ReplacePromptText(const QString& found, const QString& replacement);

// Asks with the buttons "Ano" (replace this one), "Ne" (leave it, go on), "Vše" (replace it and
// the rest without asking) and "Zrušit"; Esc and the frame cancel. The box stands clear of
// `match` (global coordinates), so that the selected match stays in sight.
TBedReplaceAction AskReplace(QWidget* parent, const QString& found, const QString& replacement, const QRect& match);
