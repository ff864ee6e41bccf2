#pragma once
// The data a dragged selection carries: plain text for other programs and the editor's own
// block format (one byte of selection mode, then the CP 1250 text) for editors.
#include "BedEditTypes.h"

#include <QMimeData>

#include <string>

inline constexpr char kBedBlockMimeType[] = "application/x-bededit-block";

QMimeData* BlockMimeData(const std::string& text, TBedSelectionMode mode);
// False when there is no text, or when plain text holds a character CP 1250 cannot hold.
bool BlockFromMimeData(const QMimeData* data, std::string& text, TBedSelectionMode& mode);
// Unicode -> CP 1250; false (text unchanged) when a character has no CP 1250 byte.
bool UnicodeToCp1250Text(const QString& unicode, std::string& text);
QString Cp1250TextToUnicode(const std::string& text);
