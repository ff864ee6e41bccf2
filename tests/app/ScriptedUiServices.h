#pragma once
// UI services for tests: every dialog takes the next answer the test queued for it. A dialog
// the test did not expect fails the test at once and is answered as cancelled, so nothing hangs.
#include "UiServices.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <deque>
#include <optional>

class ScriptedUiServices : public UiServices {
public:
    // What the program showed, in order ("error: …", "savePrompt", "open: <title>"…).
    QStringList shown;

    std::deque<TModalResult> savePromptAnswers;
    std::deque<TDiskChangeAnswer> diskChangeAnswers;
    std::deque<int> t602Answers;
    std::deque<std::optional<QString>> openAnswers;  // nullopt = cancel
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<TOptionsValues>> optionsAnswers;
    std::deque<QString> inputAnswers;
    bool expectErrors = false;  // error boxes are recorded instead of failing the test

    QStringList messageCaptions;  // the captions of the message boxes, in order
    TModalResult MessageBox(const QString& text, const QString& caption, bool) override {
        shown << "message: " + text;
        messageCaptions << caption;
        return TModalResult::Ok;
    }
    void InformationBox(const QString& text) override { shown << "information: " + text; }
    QString InputBox(const QString&, const QString& prompt, const QString& preset) override {
        shown << "input: " + prompt;
        return Take(inputAnswers, "input box", preset);
    }
    bool OpenDialog(TFileDialogRequest& r) override { return FileDialog(openAnswers, "open", r); }
    bool SaveDialog(TFileDialogRequest& r) override { return FileDialog(saveAnswers, "save", r); }
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<QColor> fontColorAnswers;  // none queued: the colour stays
    QFont lastFontShown;
    QColor lastFontColorShown;
    bool FontDialog(QFont& font, QColor& color, bool fixedPitchOnly) override {
        shown << QString("font: ") + (fixedPitchOnly ? "fixed" : "any");
        lastFontShown = font;
        lastFontColorShown = color;
        auto answer = Take(fontAnswers, "font dialog", std::optional<QFont>());
        if (answer) font = *answer;
        if (answer && !fontColorAnswers.empty()) {
            color = fontColorAnswers.front();
            fontColorAnswers.pop_front();
        }
        return answer.has_value();
    }
    // The print dialog's answer: the range chosen and the PDF file printed into.
    struct PrintAnswer {
        TPrintRange range = TPrintRange::AllPages;
        int fromPage = 1;
        int toPage = 1;
        QString pdfFile;
    };
    std::deque<std::optional<PrintAnswer>> printAnswers;
    TPrintDialogRequest lastPrintRequest;

    bool PrintDialog(TPrintDialogRequest& r, QPrinter& printer) override {
        shown << "print: " + QString::number(r.minPage) + "-" + QString::number(r.maxPage);
        lastPrintRequest = r;
        auto answer = Take(printAnswers, "print dialog", std::optional<PrintAnswer>());
        if (!answer) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer->pdfFile);
        r.range = answer->range;
        r.fromPage = answer->fromPage;
        r.toPage = answer->toPage;
        return true;
    }
    TModalResult SavePrompt() override {
        shown << "savePrompt";
        return Take(savePromptAnswers, "save prompt", TModalResult::Cancel);
    }
    // Answers to the unsaved-work prompt: what to do with which entry.
    std::deque<std::pair<TUnsavedWorkAnswer, int>> unsavedWorkAnswers;
    std::vector<TUnsavedWorkEntry> lastUnsavedWork;
    TUnsavedWorkAnswer UnsavedWorkPrompt(const std::vector<TUnsavedWorkEntry>& entries, int& chosen) override {
        shown << "unsavedWork";
        lastUnsavedWork = entries;
        const auto answer = Take(unsavedWorkAnswers, "unsaved-work prompt", std::pair{TUnsavedWorkAnswer::Later, 0});
        chosen = answer.second;
        return answer.first;
    }
    TDiskChangeAnswer ChangedOnDiskPrompt(const QString&) override {
        shown << "changedOnDiskPrompt";
        return Take(diskChangeAnswers, "changed-on-disk prompt", TDiskChangeAnswer::Cancel);
    }
    std::deque<TBedReplaceAction> replaceAnswers;
    QRect lastReplaceMatch;
    TBedReplaceAction ReplacePrompt(const QString& found, const QString& replacement, const QRect& match) override {
        shown << "replacePrompt: " + found + " -> " + replacement;
        lastReplaceMatch = match;
        return Take(replaceAnswers, "replace prompt", raCancel);
    }
    std::deque<int> questionAnswers;
    int Question(const QString&, const QString& text, const QStringList& buttons) override {
        shown << "question: " + text;
        return Take(questionAnswers, "question", int(buttons.size()) - 1);
    }
    int T602Prompt() override {
        shown << "t602Prompt";
        return Take(t602Answers, "T602 prompt", 3);
    }
    TOptionsValues lastOptionsShown;
    bool OptionsDialog(TOptionsValues& values) override {
        shown << "options";
        lastOptionsShown = values;
        auto answer = Take(optionsAnswers, "options dialog", std::optional<TOptionsValues>());
        if (answer) values = *answer;
        return answer.has_value();
    }
    void AboutBox() override { shown << "about"; }
    void HelpJoke() override { shown << "he?"; }
    void StartProgram(const QString& program, const QStringList& args) override {
        shown << "start: " + program + " " + args.join(' ');
    }
    void ShellOpen(const QString& fileName) override { shown << "shellOpen: " + fileName; }

protected:
    void ShowErrorBox(const QString& text) override {
        shown << "error: " + text;
        if (!expectErrors) ADD_FAILURE() << "unexpected error box: " << text.toStdString();
    }

private:
    template <class T>
    T Take(std::deque<T>& queue, const char* what, T cancelled) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return cancelled;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    bool FileDialog(std::deque<std::optional<QString>>& queue, const char* what, TFileDialogRequest& r) {
        shown << QString(what) + ": " + r.title;
        auto answer = Take(queue, what, std::optional<QString>());
        if (answer) r.fileName = *answer;
        return answer.has_value();
    }
};
