#pragma once
// The window's services in a benchmark: nobody answers, so every box and dialog is cancelled;
// each one asked says so on stderr, since a benchmark's start must ask nothing.
#include "UiServices.h"

#include <cstdio>

namespace bench {

class TUiServices : public UiServices {
public:
    TModalResult MessageBox(const QString& text, const QString&, bool) override {
        return Asked(text, TModalResult::Cancel);
    }
    int Question(const QString&, const QString& text, const QStringList& buttons) override {
        return Asked(text, int(buttons.size()) - 1);
    }
    void InformationBox(const QString& text) override { Asked(text, 0); }
    QString InputBox(const QString&, const QString& prompt, const QString& preset) override {
        return Asked(prompt, preset);
    }
    bool OpenDialog(TFileDialogRequest& r) override { return Asked(r.title, false); }
    bool SaveDialog(TFileDialogRequest& r) override { return Asked(r.title, false); }
    bool FontDialog(QFont&, QColor&, bool) override { return Asked("Písmo", false); }
    bool PrintDialog(TPrintDialogRequest&, QPrinter&) override { return Asked("Tisk", false); }
    TModalResult SavePrompt() override { return Asked("Uložit změny?", TModalResult::Cancel); }
    TDiskChangeAnswer ChangedOnDiskPrompt(const QString& name) override {
        return Asked(name, TDiskChangeAnswer::Cancel);
    }
    TBedReplaceAction ReplacePrompt(const QString& found, const QString&, const QRect&) override {
        return Asked(found, raCancel);
    }
    int T602Prompt() override { return Asked("T602", 3); }
    TUnsavedWorkAnswer UnsavedWorkPrompt(const std::vector<TUnsavedWorkEntry>&, int&) override {
        return Asked("Neuložená práce", TUnsavedWorkAnswer::Later);
    }
    bool OptionsDialog(TOptionsValues&) override { return Asked("Volby", false); }
    void AboutBox() override {}
    void HelpJoke() override {}
    void StartProgram(const QString&, const QStringList&) override {}
    void ShellOpen(const QString&) override {}

protected:
    void ShowErrorBox(const QString& text) override { Asked(text, 0); }

private:
    template <class T>
    static T Asked(const QString& what, T answer) {
        std::fprintf(stderr, "bench: asked: %s\n", what.toUtf8().constData());
        return answer;
    }
};

}  // namespace bench
