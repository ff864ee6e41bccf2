#include "BatchRun.h"

#include "BedEditOptions.h"
#include "CodePages.h"
#include "CommandLine.h"
#include "CommandLineHelp.h"
#include "CzechTextTools.h"
#include "IniFile.h"
#include "TextToolEdit.h"
#include "UnsavedJournals.h"
#include "Utf8.h"

#include <exception>
#include <memory>

#include <climits>
#include <unistd.h>

namespace {

// A text of the command line (UTF-8) in the document's code page; false when it holds a
// character CP 1250 lacks or is not UTF-8.
bool Cp1250Text(const std::string& utf8, std::string& text) {
    std::string out(utf8.size(), '\0');
    size_t size = 0;
    if (DecodeUtf8(utf8, out.data(), size)) return false;
    out.resize(size);
    text = std::move(out);
    return true;
}

}  // namespace

TBedBatchRun::TBedBatchRun(TBedHeadlessPrompts& prompts, const std::string& programDir)
    : prompts_(prompts), document_(editor_, settings_, prompts) {
    // As the window's editor: what the options do to the text must not differ.
    editor_.SetOptions(kBedMainEditorOptions);
    editor_.SetMaxLeftChar(32767);
    editor_.SetWantTabs(true);
    document_.T602().SetMode(t602Ask);
    try {
        settings_ = ReadSettings(TIniFile(SettingsDirectory(programDir) + "bed.ini"));
        document_.SetCodePage(settings_.implicitniKodovani);
    } catch (const std::exception& e) {
        // Without its settings the command line is not run at all.
        prompts_.Failure(e.what());
        terminated_ = true;
    }
}

void TBedBatchRun::Run(const std::vector<std::string>& params) {
    try {
        for (const std::string& param : params) {
            if (terminated_) return;
            const TCommandLineParam p = ClassifyParam(param);
            if (p.isOption)
                RunOption(p.letter, p.value);
            else
                OpenFile(p.value);
        }
    } catch (const std::exception& e) {
        prompts_.Failure(e.what());
    }
}

void TBedBatchRun::OpenFile(const std::string& fileName) {
    document_.Open(fileName);
    editor_.SetSelFrom({0, 0});
    editor_.SetSelTo({0, 0});
    editor_.SetCaretX(0);
    editor_.SetCaretY(1);
}

void TBedBatchRun::RunOption(char letter, const std::string& value) {
    const char v = ValueLetter(value);
    switch (letter) {
        case '6':
            if (const auto mode = T602Option(v)) document_.T602().SetMode(*mode);
            break;
        case 'C':
            if (v == 'Q') {
                WriteAndEnd();
            } else if (v == 'H') {
                // Nothing to hand the file over to without a display; it is saved all the same.
                if (document_.Modified()) Save();
            } else if (v == 'R') {
                document_.SetReadOnly(!document_.ReadOnly());
            } else if (v == 'U') {
                document_.ToggleLineEnds();
            } else if (v == 'Z') {
                settings_.zalamovani = !settings_.zalamovani;
            } else if (v == 'O') {
                {
                    TBedTextToolEdit edit(editor_);
                    RemoveDiacritics(edit);
                }
                editor_.SetSelFrom(editor_.CaretXY());
            }
            // C=Y swaps y and z as they are typed: nothing is typed here.
            break;
        case 'F': Find(value); break;
        case 'K':
            document_.KeepCodePage(true);
            if (const auto codePage = CodePageOfLetter(v)) document_.SetCodePage(*codePage);
            break;
        case 'L': editor_.SetCaretY(ParseNumericOption(value) + 1); break;
        case 'N': document_.SetFileName(value); break;
        case 'R': Replace(value); break;
        // The window's size and place: there is no window, but a bad value still stops the run.
        case 'S':
        case 'V':
        case 'X':
        case 'Y': ParseNumericOption(value); break;
        default: break;  // unknown letters do nothing, and so does "^" (help mode) here
    }
}

void TBedBatchRun::WriteAndEnd() {
    terminated_ = true;
    if (!document_.Untitled()) {
        SaveDocument();
        return;
    }
    // Never under a name nobody chose.
    prompts_.SaveDialog(document_.CodePage());
    prompts_.Error("Dokument nemá jméno, a proto se neuložil: jméno mu dá parametr N= před C=Q.");
}

void TBedBatchRun::Save() {
    if (document_.Untitled())
        prompts_.SaveDialog(document_.CodePage());
    else
        SaveDocument();
}

bool TBedBatchRun::SaveDocument() {
    switch (document_.Save()) {
        case TBedSaveResult::Saved: return true;
        case TBedSaveResult::SaveElsewhere: prompts_.SaveDialog(document_.CodePage()); return false;
        case TBedSaveResult::NotSaved: return false;
    }
    return false;
}

void TBedBatchRun::Find(const std::string& value) {
    std::string text;
    // A character outside the code page cannot be in the text: nothing is found.
    if (Cp1250Text(value, text)) editor_.SearchReplace(text, {}, 0);
}

void TBedBatchRun::Replace(const std::string& value) {
    std::string search, replacement;
    if (!SplitReplaceOption(value, search, replacement)) return;
    std::string s, r;
    if (!Cp1250Text(search, s) || !Cp1250Text(replacement, r)) {
        // Writing some other character in its place would change the file in a way not asked for.
        prompts_.Failure("Text volby R=" + value +
                         " nelze zapsat v kódování CP 1250; nic nebylo nahrazeno ani uloženo.");
        return;
    }
    {
        // The run ends with the save: nobody could undo the replacements, so none is recorded.
        TBedScope<TBedEditUndoList, &TBedEditUndoList::Suspend, &TBedEditUndoList::Resume> noUndo(editor_.UndoList());
        editor_.SearchReplace(s, r, ssoReplace | ssoReplaceAll);
    }
    Save();
}

void TBedBatchRun::NameUnsavedWork() {
    std::vector<std::string> problems;
    const std::vector<TBedOrphanJournal> journals = FindOrphanedJournals(problems);
    for (const std::string& problem : problems) prompts_.Report("Information", problem, "\uFFFD");
    std::vector<TBedUnsavedWorkText> entries;
    for (const TBedOrphanJournal& journal : journals) entries.push_back(UnsavedWorkText(journal));
    prompts_.UnsavedWork(entries);
}

int TBedBatchRun::Finish() {
    // C=Q has written the document, changed or not.
    if (document_.Modified() && !terminated_) {
        prompts_.Report({}, "Dokument " + document_.FileName() +
                                " byl změněn, ale neuložen: bez obrazovky se nelze zeptat, změny se "
                                "zahazují a soubor na disku zůstává, jak byl (uložit lze volbou C=Q).");
        return kExitFailure;
    }
    return prompts_.ErrorShown() ? kExitFailure : kExitSuccess;
}

std::string ProgramDirectory() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || size_t(length) >= sizeof path) return "./";
    std::string dir(path, size_t(length));
    return dir.substr(0, dir.rfind('/') + 1);
}
