#pragma once
// The real dialogs, parented to the main window.
#include "UiServices.h"

class QWidget;

class QtUiServices : public UiServices {
public:
    explicit QtUiServices(QWidget* parent) : parent_(parent) {}
    // Dialogs shown while the main window is being created have no parent yet.
    void SetParent(QWidget* parent) { parent_ = parent; }

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
    TBedReplaceAction ReplacePrompt(const QString& found, const QString& replacement, const QRect& match) override;
    int Question(const QString& caption, const QString& text, const QStringList& buttons) override;
    int T602Prompt() override;
    bool OptionsDialog(TOptionsValues& values) override;
    void AboutBox() override;
    void HelpJoke() override;
    void StartProgram(const QString& program, const QStringList& arguments) override;
    void ShellOpen(const QString& fileName) override;

protected:
    void ShowErrorBox(const QString& text) override;

private:
    QWidget* parent_;
};

// "všechny soubory|*.*|texty|*.txt" → Qt's "všechny soubory (*.*);;texty (*.txt)".
QStringList QtFileFilters(const QString& filter);
