#pragma once
// What a run without a display, as in a script, says instead of asking. Nobody can answer a
// question there, so each becomes one line on stderr and takes at once the answer that neither
// drops nor writes anything: an error is acknowledged (and fails the run), the T602 prompt is
// closed by its frame, every other question is cancelled. Qt-free.
#include "DocumentPrompts.h"
#include "UnsavedWorkText.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class TBedHeadlessPrompts : public TBedDocumentPrompts {
public:
    explicit TBedHeadlessPrompts(std::FILE* out = stderr) : out_(out) {}

    // Writes "bed: caption: text" as one line (no caption: "bed: text"). A byte of a file name
    // that is not UTF-8 is written as `badByte`.
    void Report(std::string_view caption, std::string_view text, std::string_view badByte = "?");
    bool ErrorShown() const { return errorShown_; }
    // An error whose text is UTF-8 through and through (an exception's, an option's value),
    // each byte that is not written as U+FFFD.
    void Failure(std::string_view text);

    void Error(const std::string& text) override;
    void Information(const std::string& text) override;
    // The question with its last button's answer; the run fails: what it guards was not done.
    int Choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons) override;
    TBedT602Mode AskT602() override;
    // Another program's work is never overwritten unasked: the document is not saved.
    TDiskChangeAnswer ChangedOnDisk(const std::string& fileName) override;
    // The dialog that would name the file to save to: no name is given.
    void SaveDialog(int codePage);
    // Each document a crash left unsaved work of: nothing is applied, the journal stays for a
    // run with a display.
    void UnsavedWork(const std::vector<TBedUnsavedWorkText>& entries);

private:
    void Cancelled(std::string_view caption, const std::string& text, std::string_view answer = "Zrušit");

    std::FILE* out_;
    bool errorShown_ = false;
};
