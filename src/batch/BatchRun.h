#pragma once
// A run without a display, as in a script: the command line's files and options done on the
// editing component alone, with no window, every question answered by TBedHeadlessPrompts, and
// an exit status a script can test. Qt-free.
#include "BedEditCore.h"
#include "Document.h"
#include "HeadlessPrompts.h"
#include "Settings.h"

#include <string>
#include <vector>

class TBedBatchRun {
public:
    // The settings come from the bed.ini that belongs to the program in programDir (ending with
    // a slash).
    TBedBatchRun(TBedHeadlessPrompts& prompts, const std::string& programDir);

    // The files and options left to right, each acting on the document as it is then; an
    // error stops them, and so does C=Q once the document is written.
    void Run(const std::vector<std::string>& params);
    // Names the documents whose unsaved edits a crash left, for a run with a display to offer.
    void NameUnsavedWork();
    // The exit status: a failure when an error was told, or when the document was changed and
    // not saved (told; the file on disk stays as it was).
    int Finish();

    TBedDocument& Document() { return document_; }

private:
    void OpenFile(const std::string& fileName);
    void RunOption(char letter, const std::string& value);
    // C=Q: writes the document (never an untitled one) and ends the command line.
    void WriteAndEnd();
    // As "Uložit": to the document's own name, which nobody can give an untitled document.
    void Save();
    bool SaveDocument();
    void Find(const std::string& value);
    // Replaces every match from the caret on, then saves.
    void Replace(const std::string& value);

    TBedHeadlessPrompts& prompts_;
    TCustomBedEdit editor_;
    TBedSettings settings_;
    TBedDocument document_;
    bool terminated_ = false;
};

// The directory of the running executable, ending with a slash.
std::string ProgramDirectory();
