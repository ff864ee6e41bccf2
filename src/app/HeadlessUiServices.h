#pragma once
// The user-interface services of a run without a display, as in a script. Nobody can answer a
// dialog there, so every box and dialog becomes one line on stderr and takes at once the answer
// that neither drops nor writes anything: an error box is acknowledged, a prompt or dialog is
// cancelled, the T602 prompt is closed by its frame. Programs are started as with a display.
#include "QtUiServices.h"

#include <cstdio>

class HeadlessUiServices : public QtUiServices {
public:
    explicit HeadlessUiServices(std::FILE* out = stderr) : QtUiServices(nullptr), out_(out) {}

    // Writes "bed: caption: text" as one line (no caption: "bed: text").
    void Report(const QString& caption, const QString& text);

    TModalResult MessageBox(const QString& text, const QString& caption, bool yesNoCancel) override;
    void InformationBox(const QString& text) override;
    QString InputBox(const QString& caption, const QString& prompt, const QString& preset) override;
    bool OpenDialog(TFileDialogRequest& request) override;
    bool SaveDialog(TFileDialogRequest& request) override;
    bool FontDialog(QFont& font, QColor& color, bool fixedPitchOnly) override;
    bool PrintDialog(TPrintDialogRequest& request, QPrinter& printer) override;
    TModalResult SavePrompt() override;
    TDiskChangeAnswer ChangedOnDiskPrompt(const QString& fileName) override;
    TUnsavedWorkAnswer UnsavedWorkPrompt(const std::vector<TUnsavedWorkEntry>& entries, int& chosen) override;
    TBedReplaceAction ReplacePrompt(const QString& found, const QString& replacement,
                                    const QRect& match) override;
    int Question(const QString& caption, const QString& text, const QStringList& buttons) override;
    int T602Prompt() override;
    bool OptionsDialog(TOptionsValues& values) override;
    void AboutBox() override;
    void HelpJoke() override;

protected:
    void ShowErrorBox(const QString& text) override;

private:
    // Reports a dialog nobody can see and the answer it took.
    void Cancelled(const QString& caption, const QString& text, const QString& answer = "Zrušit");

    std::FILE* out_;
};
