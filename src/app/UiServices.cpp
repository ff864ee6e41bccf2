#include "UiServices.h"

#include "FilePathText.h"

// The document's texts hold file names as their bytes: PathText keeps those that are not UTF-8.
void UiServices::Error(const std::string& text) { ErrorBox(PathText(text)); }

void UiServices::Information(const std::string& text) { InformationBox(PathText(text)); }

int UiServices::Choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons) {
    QStringList captions;
    for (const std::string& b : buttons) captions << QString::fromStdString(b);
    return Question(QString::fromStdString(caption), PathText(text), captions);
}

TBedT602Mode UiServices::AskT602() { return TBedT602Mode(T602Prompt()); }

TDiskChangeAnswer UiServices::ChangedOnDisk(const std::string& fileName) {
    return ChangedOnDiskPrompt(PathText(fileName));
}
