#pragma once
// What a crash left of a document's unsaved edits, as the user is told of it: the window lists
// it in "Neuložená práce", a run without a display writes one line. UTF-8; file names as their
// bytes. Qt-free.
#include <cstdint>
#include <string>

struct TBedOrphanJournal;

inline constexpr const char* kUnsavedWorkCaption = "Neuložená práce";

struct TBedUnsavedWorkText {
    std::string document;    // the file, or that the document had no name
    std::string lastChange;  // when it was last changed
    std::string changes;     // how much was changed
    std::string journal;     // where the edits are kept
};

TBedUnsavedWorkText UnsavedWorkText(const TBedOrphanJournal& journal);
// One line about it, as a script without a display reads it.
std::string UnsavedWorkLine(const TBedUnsavedWorkText& text);

// A moment in local time in Czech short form, "10.12.26 8:05".
std::string CzechShortDateTime(int64_t msSinceEpoch);
// A size in Czech, "1 023 bajty", "117,7 MB" (units of 1024).
std::string CzechDataSize(uint64_t bytes);
