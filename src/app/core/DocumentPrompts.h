#pragma once
// What a document asks the user and tells them while it is opened and saved. The window shows
// dialogs; a run without a display answers every question with its last button and writes each
// message as a line. Texts are UTF-8 (file names in them as the bytes they are). Qt-free.
#include "T602.h"

#include <string>
#include <vector>

enum class TDiskChangeAnswer { Overwrite, Reload, Cancel };

class TBedDocumentPrompts {
public:
    virtual ~TBedDocumentPrompts() = default;

    // An error box: the run then ends with a failure status, however it ends.
    virtual void Error(const std::string& text) = 0;
    virtual void Information(const std::string& text) = 0;
    // The index of the button chosen; the last one cancels (as closing the box does).
    virtual int Choose(const std::string& caption, const std::string& text,
                       const std::vector<std::string>& buttons) = 0;
    // "Soubor je v T602": the mode chosen, t602Ask when the prompt was closed.
    virtual TBedT602Mode AskT602() = 0;
    // "Soubor se změnil na disku": another program changed the file since it was read or written.
    virtual TDiskChangeAnswer ChangedOnDisk(const std::string& fileName) = 0;
};
