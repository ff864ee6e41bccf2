#pragma once
// File names are bytes, usually UTF-8 but not always. Where Qt needs one as text, a byte that is
// not part of valid UTF-8 becomes a lone low surrogate (U+DC80 + byte) and turns back into the
// same byte: every name goes from argv or a dialog to the open call unchanged.
#include <QString>

#include <string>

QString PathText(const std::string& bytes);
std::string PathBytes(const QString& text);

// A name the file dialog chose: Qt shows the parts of a name that are not UTF-8 as U+FFFD; each
// such part is looked up in its directory and replaced by the name on disk.
QString DiskPathFromDialog(const QString& chosen);
