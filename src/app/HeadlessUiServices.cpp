#include "HeadlessUiServices.h"

#include "AboutBox.h"
#include "CommandLineHelp.h"
#include "HelpJokeDialog.h"
#include "ChangedOnDiskPrompt.h"
#include "UnsavedWorkDialog.h"
#include "ReplacePrompt.h"
#include "SavePrompt.h"
#include "T602.h"
#include "T602Prompt.h"

void HeadlessUiServices::Report(const QString& caption, const QString& text) {
    QString line = "bed: ";
    if (!caption.isEmpty()) line += caption + (caption.endsWith('?') ? " " : ": ");
    // One line per box, so a script can grep or count them.
    line += QString(text).replace('\n', ' ').replace('\r', ' ') + '\n';
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out_);
    std::fflush(out_);
}

void HeadlessUiServices::Cancelled(const QString& caption, const QString& text, const QString& answer) {
    Report(caption, text + " (odpověď: " + answer + ')');
}

void HeadlessUiServices::ShowErrorBox(const QString& text) { Report(kErrorBoxCaption, text); }

TModalResult HeadlessUiServices::MessageBox(const QString& text, const QString& caption, bool yesNoCancel) {
    if (!yesNoCancel) {
        Report(caption, text);
        return TModalResult::Ok;
    }
    Cancelled(caption, text);
    return TModalResult::Cancel;
}

void HeadlessUiServices::InformationBox(const QString& text) { Report(kInformationBoxCaption, text); }

QString HeadlessUiServices::InputBox(const QString& caption, const QString& prompt, const QString& preset) {
    Cancelled(caption, prompt);
    return preset;
}

bool HeadlessUiServices::OpenDialog(TFileDialogRequest& request) {
    Cancelled(request.title, "bez obrazovky nelze vybrat soubor");
    return false;
}

bool HeadlessUiServices::SaveDialog(TFileDialogRequest& request) {
    Cancelled(request.title, "bez obrazovky nelze zvolit jméno souboru");
    return false;
}

bool HeadlessUiServices::FontDialog(QFont&, QColor&, bool) {
    Cancelled("Písmo", "bez obrazovky nelze vybrat písmo");
    return false;
}

bool HeadlessUiServices::PrintDialog(TPrintDialogRequest&, QPrinter&) {
    Cancelled("Tisk", "bez obrazovky nelze zvolit tiskárnu");
    return false;
}

TModalResult HeadlessUiServices::SavePrompt() {
    Cancelled(kSavePromptCaption, kSavePromptText);
    return TModalResult::Cancel;
}

TUnsavedWorkAnswer HeadlessUiServices::UnsavedWorkPrompt(const std::vector<TUnsavedWorkEntry>& entries, int&) {
    // Nothing is applied without a display: each journal is named and stays for a run with one.
    for (const TUnsavedWorkEntry& entry : entries)
        Report(QString::fromUtf8(kUnsavedWorkCaption),
               UnsavedWorkLine(entry) + QString::fromUtf8("; obnovit ho lze po spuštění s obrazovkou"));
    return TUnsavedWorkAnswer::Later;
}

TDiskChangeAnswer HeadlessUiServices::ChangedOnDiskPrompt(const QString& fileName) {
    // Another program's work is never overwritten unasked: the document is not saved, and the
    // run fails.
    ErrorBox(QString::fromUtf8(kChangedOnDiskCaption) + ": " + ChangedOnDiskText(fileName) +
             " (odpověď: Zrušit)");
    return TDiskChangeAnswer::Cancel;
}

TBedReplaceAction HeadlessUiServices::ReplacePrompt(const QString& found, const QString& replacement,
                                                    const QRect&) {
    Cancelled(kReplacePromptCaption, ReplacePromptText(found, replacement));
    return raCancel;
}

int HeadlessUiServices::Question(const QString& caption, const QString& text, const QStringList& buttons) {
    ErrorBox(caption + ": " + text + " (odpověď: " + buttons.last() + ')');
    return int(buttons.size()) - 1;
}

int HeadlessUiServices::T602Prompt() {
    QStringList question;
    for (const char* line : kT602PromptQuestion) question << QString::fromUtf8(line);
    Cancelled(kT602PromptCaption, question.join(' '),
              "zavřeno, soubor se otevře tak, jak je na disku");
    return t602Ask;  // as when closed by its frame
}

void HeadlessUiServices::AboutBox() {
    Report(kAboutBoxCaption, QString::fromStdString(VersionText()).trimmed());
}

void HeadlessUiServices::HelpJoke() { Report(kHelpJokeCaption, kHelpJokeText); }

bool HeadlessUiServices::OptionsDialog(TOptionsValues&) {
    Cancelled("Volby", "bez obrazovky nelze volby měnit");
    return false;
}
