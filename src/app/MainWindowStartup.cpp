// The main window's start-up, settings, command line and closing.
#include "MainWindow.h"
#include "FilePathText.h"
#include "BedTextLetters.h"

#include "BedEditColors.h"
#include "BedEdit.h"
#include "CodePages.h"
#include "CommandLine.h"
#include "DocumentWriter.h"
#include "IniFile.h"
#include "WindowGeometry.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QStyle>

void TForm1::FormCreate(const QStringList& params) {
    helpMode = false;
    unixLineEnds = false;
    ShowLineEndMode();
    setWindowTitle(kCaption);
    SetModified(false);
    currentCodePage = cpCP1250;
    t602.SetMode(t602Ask);
    Memo1->Lines().Clear();
    SetModified(false);

    settingsDir = SettingsDirectory(programDir);
    const TIniFile ini(settingsDir + "bed.ini");
    ApplySettings(ReadSettings(ini));

    SelectCodePage(IsCodePage(defaultCodePage) ? defaultCodePage : cpCP1250);
    saveRequest_.initialDir = PathText(saveDir);
    saveRequest_.filter = QString::fromUtf8("jakýkoli soubor|*.*");
    openRequest_.initialDir = PathText(loadDir);
    openRequest_.filter = QString::fromUtf8(
        "všechny soubory|*.*|texty|*.txt;*.doc;*.me|Pascal|*.pas|C & C++|*.c;*.cpp|Assembler|*.asm|"
        "Haskell|*.hs|všechny zdrojáky|*.asm;*.pas;*.c;*.c++;*.asm;*.hs;*.cpp;*.pl;*.bas;*.bat|"
        "HTML stránky|*.htm;*.html|INI soubory|*.ini");
    SetFileName(kUntitled);

    ProcessCommandLine(params);
    codePageFromCommandLine_ = false;
    SetPanel(2, QString::fromUtf8(CodePageName(currentCodePage).data(),
                                  int(CodePageName(currentCodePage).size())));
}

void TForm1::ApplySettings(const TBedSettings& s) {
    // Kept by another screen or scale, the window could come back larger than this screen or
    // off it.
    const QScreen* screen = QGuiApplication::screenAt(QPoint(s.x, s.y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    TBedWindowGeometry window{s.x, s.y, s.sirka, s.vyska};
    if (screen) {
        // The size is the window's inside; the frame the window manager adds is not known before
        // the window shows, so room for a title bar and borders is kept.
        const QRect area = screen->availableGeometry();
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
        window = FittedInto(window, {area.x(), area.y(), area.width() - 2 * border,
                                     area.height() - titleBar - 2 * border});
    }
    resize(window.width, window.height);
    move(window.x, window.y);
    Panel1->setVisible(s.panelV);
    QFont font(QString::fromStdString(s.font));
    if (s.velikostFontu > 0) font.setPointSize(s.velikostFontu);
    Memo1->setFont(font);
    Memo1->SetFontColor(s.barvaFontu);
    fontCharset_ = s.fontCharset;
    autoCodePage = s.autokodovani;
    Action("autokod")->setChecked(autoCodePage);
    recogniseCodePage = s.rozpoznatKodovani;
    Action("rozpoznat")->setChecked(recogniseCodePage);
    saveDir = s.ukladaciCesta;
    loadDir = s.nahravaciCesta;
    openRequest_.filterIndex = s.filterIndex;
    Action("PodlePripony")->setChecked(s.podlePripony);
    Action("PomListaL")->setChecked(s.pomListaL);
    ApplyGutterVisibility();
    Action("Zalamovani")->setChecked(s.zalamovani);
    defaultCodePage = s.implicitniKodovani;
    escQuits = s.escKonci;
    Action("AutoZalam")->setChecked(s.autoZalam);
    ShowWrapWhileTyping();
    if (s.ukazHraniciZlomu) Action("uhz1")->trigger();
    rightEdge = s.hraniceZlomu;
    Memo1->SetRightEdge(rightEdge);
    recentFiles = s.recent;
    BuildRecentMenu();
    // Kept as the user chose it, also on a machine without the dictionary.
    Action("pravopis")->setChecked(s.kontrolaPravopisu);
}

TBedSettings TForm1::CollectSettings() const {
    TBedSettings s;
    s.vyska = height();
    s.sirka = width();
    s.y = y();
    s.x = x();
    s.hraniceZlomu = rightEdge;
    s.font = Memo1->font().family().toStdString();
    s.fontCharset = fontCharset_;
    s.ukladaciCesta = saveDir;
    s.nahravaciCesta = loadDir;
    s.filterIndex = openRequest_.filterIndex;
    s.velikostFontu = Memo1->font().pointSize();
    s.barvaFontu = Memo1->FontColor();
    s.podlePripony = Action("PodlePripony")->isChecked();
    s.pomListaL = Action("PomListaL")->isChecked();
    s.autokodovani = autoCodePage;
    s.rozpoznatKodovani = recogniseCodePage;
    s.zalamovani = Action("Zalamovani")->isChecked();
    s.ukazHraniciZlomu = Action("uhz1")->isChecked();
    s.escKonci = escQuits;
    s.panelV = !Panel1->isHidden();
    s.autoZalam = Action("AutoZalam")->isChecked();
    s.implicitniKodovani = defaultCodePage;
    s.recent = recentFiles;
    s.kontrolaPravopisu = Action("pravopis")->isChecked();
    return s;
}

void TForm1::ProcessCommandLine(const QStringList& params) {
    for (const QString& param : params) {
        if (terminated_) return;
        const TCommandLineParam p = ClassifyParam(PathBytes(param));
        if (p.isOption)
            RunOption(p.letter, p.value);
        else
            OpenFileFromCommandLine(p.value);
    }
}

void TForm1::OpenFileFromCommandLine(const std::string& fileName) {
    const QString previous = FileName();
    SetFileName(PathText(fileName));
    try {
        TBedDocumentFile file = ReadDocument(fileName);
        ChooseCodePageForFile(file);
        Load(std::move(file), *Memo1, currentCodePage);
    } catch (...) {
        // The document did not become that file: a later save must not go there.
        SetFileName(previous);
        throw;
    }
    SetModified(false);
    SetTitles();
    PushRecentFile();
    AddToHistory(fileName);
    Memo1->setFocus();
    Memo1->SetSelFrom({0, 0});
    Memo1->SetSelTo({0, 0});
    Memo1->SetCaretX(0);
    Memo1->SetCaretY(1);
}

void TForm1::RunOption(char letter, const std::string& value) {
    const char v = ValueLetter(value);
    switch (letter) {
        case '6':
            if (v == '?') t602.SetMode(t602Ask);
            else if (v == 'C' || v == 'T') t602.SetMode(t602Text);
            else if (v == 'H') t602.SetMode(t602Html);
            else if (v == 'N' || v == 'Z') t602.SetMode(t602Leave);
            break;
        case 'C':
            if (v == 'Q') {
                WriteAndEnd();
            } else if (v == 'H') {
                zhtmlClick();
            } else if (v == 'R') {
                Action("readonly")->trigger();
            } else if (v == 'U') {
                dos2unixClick();
            } else if (v == 'Z') {
                Action("Zalamovani")->trigger();
            } else if (v == 'O') {
                odstran_diakritikuClick();
            } else if (v == 'Y') {
                Action("YxZ")->trigger();
            }
            break;
        case 'F': FindFromCommandLine(value); break;
        case 'K':
            codePageFromCommandLine_ = true;
            if (v == '2' || v == 'I') SelectCodePage(cpISO88592);
            else if (v == '8') SelectCodePage(cpKOI8CS);
            else if (v == 'C' || v == 'W') SelectCodePage(cpCP1250);
            else if (v == 'K') SelectCodePage(cpKamenicky);
            else if (v == 'L' || v == 'P') SelectCodePage(cpPCLatin2);
            else if (v == 'U') SelectCodePage(cpUTF8);
            break;
        case 'L': {
            const int n = ParseNumericOption(value);
            raise();
            activateWindow();
            Memo1->setFocus();
            Memo1->SetCaretY(n + 1);
            break;
        }
        case 'N': SetFileName(PathText(value)); break;
        case 'R': ReplaceFromCommandLine(value); break;
        case 'S': resize(ParseNumericOption(value), height()); break;
        case 'V': resize(width(), ParseNumericOption(value)); break;
        case 'X': move(ParseNumericOption(value), y()); break;
        case 'Y': move(x(), ParseNumericOption(value)); break;
        case '^': EnterHelpMode(); break;
        default: break;  // unknown letters do nothing
    }
}

void TForm1::WriteAndEnd() {
    terminated_ = true;
    if (FileName() != kUntitled) {
        WriteDocumentFile(PathBytes(FileName()));
        return;
    }
    // Never under a name nobody chose.
    UlozitJakoClick();
    if (FileName() == kUntitled)
        ui_.ErrorBox("Dokument nemá jméno, a proto se neuložil: jméno mu dá parametr N= před C=Q.");
}

bool TForm1::FormCloseQuery() {
    if (!SavePrompt()) return false;
    // Saved or dropped: nothing is left to recover.
    EndJournal();
    if (!helpMode) {
        UpdateRecentCaret();
        try {
            TIniFile ini(settingsDir + "bed.ini");
            WriteSettings(ini, CollectSettings());
            ini.UpdateFile();
        } catch (const std::exception&) {
            // A settings directory that can't be written must not keep the window open.
        }
    }
    return true;
}

void TForm1::Volby1Click() {
    TOptionsValues v;
    v.defaultCodePage = defaultCodePage;
    v.escQuits = escQuits;
    v.autoCodePage = autoCodePage;
    v.highlighterByExtension = Action("PodlePripony")->isChecked();
    v.gutterVisible = Action("PomListaL")->isChecked();
    v.printHighlighted = Action("tisk_highlight")->isChecked();
    v.wrapOnLoad = Action("Zalamovani")->isChecked();
    v.wrapWhileTyping = Action("AutoZalam")->isChecked();
    v.toolPanelVisible = !Panel1->isHidden();
    if (!ui_.OptionsDialog(v)) return;
    defaultCodePage = v.defaultCodePage;
    escQuits = v.escQuits;
    autoCodePage = v.autoCodePage;
    Action("autokod")->setChecked(v.autoCodePage);
    Action("PodlePripony")->setChecked(v.highlighterByExtension);
    Action("PomListaL")->setChecked(v.gutterVisible);
    ApplyGutterVisibility();
    Action("tisk_highlight")->setChecked(v.printHighlighted);
    Action("Zalamovani")->setChecked(v.wrapOnLoad);
    Action("AutoZalam")->setChecked(v.wrapWhileTyping);
    ShowWrapWhileTyping();
    Panel1->setVisible(v.toolPanelVisible);
}

void TForm1::uhz1Click() {
    // Unticked, the line takes the window's own colour: invisible on a light and a dark desktop alike.
    Memo1->SetRightEdgeColor(Action("uhz1")->isChecked() ? clSilver : clWindow);
}

void TForm1::ShowWrapWhileTyping() { SetPanel(6, Action("AutoZalam")->isChecked() ? "LÁM" : ""); }

void TForm1::dos2unixClick() {
    unixLineEnds = !unixLineEnds;
    ShowLineEndMode();
    // Every line takes the chosen break, also those that had another in the file.
    Memo1->Lines().ForgetLineBreaks();
    // The next save writes other bytes: closing without asking would lose the change.
    SetModified(true);
}

void TForm1::ApplyGutterVisibility() { Memo1->Gutter().SetVisible(Action("PomListaL")->isChecked()); }

void TForm1::autokodClick() { autoCodePage = Action("autokod")->isChecked(); }
