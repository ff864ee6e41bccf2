#pragma once
// The user-interface services the main window and its commands rely on: message boxes, input
// box, file, font and print dialogs, the program's own small dialogs, starting programs. One
// interface, so every dialog path runs headless in tests with scripted answers.
#include "BedEditSearch.h"
#include "DocumentPrompts.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

struct TFileDialogRequest {
    QString title;
    QString filter;       // "description|pattern|description|pattern…"
    int filterIndex = 1;  // counted from 1
    QString initialDir;
    QString fileName;  // in: preset; out: the chosen file
};

// What the print dialog let the user choose.
enum class TPrintRange { AllPages, PageRange, Other };

struct TPrintDialogRequest {
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1;
    int toPage = 1;
    bool pageNumbers = true;
    TPrintRange range = TPrintRange::AllPages;  // out
};

// The values the options dialog shows and changes.
struct TOptionsValues {
    int defaultCodePage = 4;
    bool escQuits = true;
    bool autoCodePage = true;
    bool highlighterByExtension = true;
    bool gutterVisible = false;
    bool printHighlighted = true;
    bool wrapOnLoad = false;
    bool wrapWhileTyping = true;
    bool toolPanelVisible = true;
};

enum class TModalResult { Yes, No, Cancel, Ok };

// One document's unsaved edits that a crash left, as the recovery offers them.
struct TUnsavedWorkEntry {
    QString document;    // the file, or that the document had no name
    QString lastChange;  // when it was last changed
    QString changes;     // how much was changed
    QString journal;     // where the edits are kept
};
enum class TUnsavedWorkAnswer { Restore, Discard, Later };

inline constexpr const char* kErrorBoxCaption = "Chyba";
inline constexpr const char* kInformationBoxCaption = "Information";

class QPrinter;

// Also what a document asks and tells, in these dialogs and boxes.
class UiServices : public TBedDocumentPrompts {
public:
    // Shows the error box. The run then ends with a failure status, however it ends.
    void ErrorBox(const QString& text) {
        errorShown_ = true;
        ShowErrorBox(text);
    }
    bool ErrorShown() const { return errorShown_; }

    virtual TModalResult MessageBox(const QString& text, const QString& caption, bool yesNoCancel) = 0;
    // A question whose answers are the buttons, the last of which cancels (as closing the box
    // does); returns the index of the button chosen. Without a display the last one is the
    // answer and the run fails: what the question guards was not done.
    virtual int Question(const QString& caption, const QString& text, const QStringList& buttons) = 0;
    virtual void InformationBox(const QString& text) = 0;
    // The text entered, or the preset text when cancelled.
    virtual QString InputBox(const QString& caption, const QString& prompt, const QString& preset) = 0;
    virtual bool OpenDialog(TFileDialogRequest& request) = 0;
    virtual bool SaveDialog(TFileDialogRequest& request) = 0;
    // The font, and beside it the text colour; both hold the choice on OK.
    virtual bool FontDialog(QFont& font, QColor& color, bool fixedPitchOnly) = 0;
    // Sets up the printer (which printer, or a PDF file, paper, copies) and the range.
    virtual bool PrintDialog(TPrintDialogRequest& request, QPrinter& printer) = 0;

    // "Chcete uložit změny?": Yes, No or Cancel (also when closed by the frame).
    virtual TModalResult SavePrompt() = 0;
    // "Soubor se změnil na disku": another program changed the document's file since it was
    // opened or saved; asked before a save would overwrite that.
    virtual TDiskChangeAnswer ChangedOnDiskPrompt(const QString& fileName) = 0;
    // "Nahrazování": whether to replace the match shown selected at `match` (global
    // coordinates): Ano, Ne, Vše, or Zrušit (also when closed by the frame).
    virtual TBedReplaceAction ReplacePrompt(const QString& found, const QString& replacement, const QRect& match) = 0;
    // "Soubor je v T602": the chosen T602 mode 0..2, or 3 when closed by the frame.
    virtual int T602Prompt() = 0;
    // "Neuložená práce": the documents whose unsaved edits a crash left; the answer is about the
    // entry `chosen` ("Obnovit", "Zahodit"), or about all ("Později").
    virtual TUnsavedWorkAnswer UnsavedWorkPrompt(const std::vector<TUnsavedWorkEntry>& entries, int& chosen) = 0;
    // "Volby Brousek Editoru": true when confirmed with OK (values then hold the new state).
    virtual bool OptionsDialog(TOptionsValues& values) = 0;
    // "BROUSEK EDITOR", the about box.
    virtual void AboutBox() = 0;
    // "he?", for a user who asks for help inside the help window.
    virtual void HelpJoke() = 0;

    // Starts a program with an argument list; the result is not checked.
    virtual void StartProgram(const QString& program, const QStringList& arguments) = 0;
    // Opens a file in its associated application; the result is not checked.
    virtual void ShellOpen(const QString& fileName) = 0;

    void Error(const std::string& text) override;
    void Information(const std::string& text) override;
    int Choose(const std::string& caption, const std::string& text, const std::vector<std::string>& buttons) override;
    TBedT602Mode AskT602() override;
    TDiskChangeAnswer ChangedOnDisk(const std::string& fileName) override;

protected:
    virtual void ShowErrorBox(const QString& text) = 0;

private:
    bool errorShown_ = false;
};
