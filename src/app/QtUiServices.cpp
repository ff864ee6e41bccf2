#include "QtUiServices.h"

#include "FilePathText.h"

#include "AboutBox.h"
#include "HelpJokeDialog.h"
#include "OptionsDialog.h"
#include "T602Prompt.h"
#include "ChangedOnDiskPrompt.h"
#include "UnsavedWorkDialog.h"
#include "FontColorDialog.h"
#include "ReplacePrompt.h"
#include "SavePrompt.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QUrl>

QStringList QtFileFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        // On this system "*.*" would hide files without an extension; the user means all files.
        for (QString& p : patterns)
            if (p == "*.*") p = "*";
        result << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return result;
}

namespace {

bool RunFileDialog(QWidget* parent, TFileDialogRequest& r, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, r.title, r.initialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = QtFileFilters(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    if (!r.fileName.isEmpty() && r.fileName != "UNTITLED.TXT") dialog.selectFile(r.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    r.fileName = DiskPathFromDialog(dialog.selectedFiles().first());
    r.filterIndex = filters.indexOf(dialog.selectedNameFilter()) + 1;
    return true;
}

// Room in a title bar besides the title: the window menu and the buttons of the frame.
constexpr int kTitleBarExtras = 160;

// A box sized to a short text would be narrower than its title, which the window manager then
// cuts short ("Text nenalezen" under "Nahrazování"): it is made wide enough for the title.
int Run(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return box.exec();
}

}  // namespace

void QtUiServices::ShowErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kErrorBoxCaption, text, QMessageBox::Ok, parent_);
    Run(box);
}

TModalResult QtUiServices::MessageBox(const QString& text, const QString& caption, bool yesNoCancel) {
    if (!yesNoCancel) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent_);
        Run(box);
        return TModalResult::Ok;
    }
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent_);
    switch (Run(box)) {
        case QMessageBox::Yes: return TModalResult::Yes;
        case QMessageBox::No: return TModalResult::No;
        default: return TModalResult::Cancel;
    }
}

void QtUiServices::InformationBox(const QString& text) {
    QMessageBox box(QMessageBox::Information, kInformationBoxCaption, text, QMessageBox::Ok, parent_);
    Run(box);
}

QString QtUiServices::InputBox(const QString& caption, const QString& prompt, const QString& preset) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : preset;
}

bool QtUiServices::OpenDialog(TFileDialogRequest& request) {
    return RunFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

bool QtUiServices::SaveDialog(TFileDialogRequest& request) {
    return RunFileDialog(parent_, request, QFileDialog::AcceptSave);
}

bool QtUiServices::FontDialog(QFont& font, QColor& color, bool fixedPitchOnly) {
    return ChooseFontAndColor(parent_, font, color, fixedPitchOnly);
}

bool QtUiServices::PrintDialog(TPrintDialogRequest& request, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setMinMax(request.minPage, request.maxPage);
    dialog.setFromTo(request.fromPage, request.toPage);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageNumbers);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    switch (dialog.printRange()) {
        case QAbstractPrintDialog::AllPages: request.range = TPrintRange::AllPages; break;
        case QAbstractPrintDialog::PageRange: request.range = TPrintRange::PageRange; break;
        default: request.range = TPrintRange::Other; break;
    }
    request.fromPage = dialog.fromPage();
    request.toPage = dialog.toPage();
    return true;
}

TModalResult QtUiServices::SavePrompt() {
    TForm5 form(parent_);
    return form.Ask();
}

TUnsavedWorkAnswer QtUiServices::UnsavedWorkPrompt(const std::vector<TUnsavedWorkEntry>& entries, int& chosen) {
    return AskUnsavedWork(parent_, entries, chosen);
}

int QtUiServices::Question(const QString& caption, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent_);
    QList<QAbstractButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added << box.addButton(buttons[i], i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    box.setEscapeButton(added.last());
    box.setDefaultButton(qobject_cast<QPushButton*>(added.last()));
    Run(box);
    const qsizetype chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? int(buttons.size()) - 1 : int(chosen);
}

TDiskChangeAnswer QtUiServices::ChangedOnDiskPrompt(const QString& fileName) {
    return AskChangedOnDisk(parent_, fileName);
}

TBedReplaceAction QtUiServices::ReplacePrompt(const QString& found, const QString& replacement, const QRect& match) {
    return AskReplace(parent_, found, replacement, match);
}

int QtUiServices::T602Prompt() {
    Ttesestka form(parent_);
    return form.Ask();
}

bool QtUiServices::OptionsDialog(TOptionsValues& values) {
    TForm10 form(parent_);
    return form.Edit(values);
}

void QtUiServices::AboutBox() {
    TForm2 form(parent_);
    form.exec();
}

void QtUiServices::HelpJoke() {
    Theeee form(parent_);
    form.exec();
}

void QtUiServices::StartProgram(const QString& program, const QStringList& arguments) {
    QProcess::startDetached(program, arguments);
}

void QtUiServices::ShellOpen(const QString& fileName) { QDesktopServices::openUrl(QUrl::fromLocalFile(fileName)); }
