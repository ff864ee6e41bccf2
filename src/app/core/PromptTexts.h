#pragma once
// The texts of the questions a document asks while it is opened and saved: the window's dialogs
// show them, a run without a display writes them as lines. UTF-8; file names as their bytes.
// Qt-free.
#include <string>

inline constexpr const char* kT602PromptCaption = "Soubor je v T602";
inline constexpr const char* kT602PromptQuestion[] = {"Hmm... vypadá to, že tento soubor je napsán v T602.",
                                                      "Jak ho chcete otevřít?"};

inline constexpr const char* kChangedOnDiskCaption = "Soubor se změnil na disku";
// The question, naming the file.
std::string ChangedOnDiskText(const std::string& fileName);

// The title of the dialog that names the file a document is saved to, in this code page.
std::string SaveDialogTitle(int codePage);
