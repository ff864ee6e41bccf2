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
    setWindowTitle(kCaption);
    document_->T602().SetMode(t602Ask);
    Memo1->Lines().Clear();
    document_->SetModified(false);

    settingsDir = SettingsDirectory(programDir);
    settings_ = ReadSettings(TIniFile(settingsDir + "bed.ini"));
    ApplySettings();
    SelectCodePage(settings_.implicitniKodovani);

    ProcessCommandLine(params);
    document_->KeepCodePage(false);
}

void TForm1::ApplySettings() {
    const TBedSettings& s = settings_;
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
        window =
            FittedInto(window, {area.x(), area.y(), area.width() - 2 * border, area.height() - titleBar - 2 * border});
    }
    resize(window.width, window.height);
    move(window.x, window.y);
    Panel1->setVisible(s.panelV);
    QFont font(QString::fromStdString(s.font));
    if (s.velikostFontu > 0) font.setPointSize(s.velikostFontu);
    Memo1->setFont(font);
    Memo1->SetFontColor(s.barvaFontu);
    Memo1->SetRightEdge(s.hraniceZlomu);
    ShowSettings();
    BuildRecentMenu();
}

void TForm1::ToggleSetting(bool TBedSettings::*setting) {
    settings_.*setting = !(settings_.*setting);
    ShowSettings();
}

void TForm1::ShowSettings() {
    // "Kontrola pravopisu" too is kept as the user chose it, also on a machine without the dictionary.
    for (const auto& [action, setting] : settingItems_) action->setChecked(settings_.*setting);
    ApplyGutterVisibility();
    ShowWrapWhileTyping();
    if (settings_.ukazHraniciZlomu) uhz1Click();
}

void TForm1::CollectSettings() {
    TBedSettings& s = settings_;
    s.vyska = height();
    s.sirka = width();
    s.y = y();
    s.x = x();
    s.font = Memo1->font().family().toStdString();
    s.velikostFontu = Memo1->font().pointSize();
    s.barvaFontu = Memo1->FontColor();
    s.panelV = !Panel1->isHidden();
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
    document_->Open(fileName);
    SetTitles();
    PushRecentFile();
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
            if (const auto mode = T602Option(v)) document_->T602().SetMode(*mode);
            break;
        case 'C':
            if (v == 'Q') {
                WriteAndEnd();
            } else if (v == 'H') {
                zhtmlClick();
            } else if (v == 'R') {
                readonlyClick(!document_->ReadOnly());
            } else if (v == 'U') {
                dos2unixClick();
            } else if (v == 'Z') {
                ToggleSetting(&TBedSettings::zalamovani);
            } else if (v == 'O') {
                odstran_diakritikuClick();
            } else if (v == 'Y') {
                ToggleSetting(&TBedSettings::prehoditYZ);
                YxZClick();
            }
            break;
        case 'F': FindFromCommandLine(value); break;
        case 'K':
            document_->KeepCodePage(true);
            if (const auto codePage = CodePageOfLetter(v)) SelectCodePage(*codePage);
            break;
        case 'L': {
            const int n = ParseNumericOption(value);
            raise();
            activateWindow();
            Memo1->setFocus();
            Memo1->SetCaretY(n + 1);
            break;
        }
        case 'N': document_->SetFileName(value); break;
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
    if (!document_->Untitled()) {
        SaveDocument();
        return;
    }
    // Never under a name nobody chose.
    UlozitJakoClick();
    if (document_->Untitled())
        ui_.ErrorBox("Dokument nemá jméno, a proto se neuložil: jméno mu dá parametr N= před C=Q.");
}

bool TForm1::FormCloseQuery() {
    if (!SavePrompt()) return false;
    // Saved or dropped: nothing is left to recover.
    document_->EndJournal();
    if (!helpMode) {
        UpdateRecentCaret();
        CollectSettings();
        try {
            TIniFile ini(settingsDir + "bed.ini");
            WriteSettings(ini, settings_);
            ini.UpdateFile();
        } catch (const std::exception&) {
            // A settings directory that can't be written must not keep the window open.
        }
    }
    return true;
}

void TForm1::Volby1Click() {
    TBedSettings& s = settings_;
    TOptionsValues v{s.implicitniKodovani, s.escKonci,   s.autokodovani, s.podlePripony,     s.pomListaL,
                     s.tiskSeZvyraznenim,  s.zalamovani, s.autoZalam,    !Panel1->isHidden()};
    if (!ui_.OptionsDialog(v)) return;
    s.implicitniKodovani = v.defaultCodePage;
    s.escKonci = v.escQuits;
    s.autokodovani = v.autoCodePage;
    s.podlePripony = v.highlighterByExtension;
    s.pomListaL = v.gutterVisible;
    s.tiskSeZvyraznenim = v.printHighlighted;
    s.zalamovani = v.wrapOnLoad;
    s.autoZalam = v.wrapWhileTyping;
    ShowSettings();
    Panel1->setVisible(v.toolPanelVisible);
}

void TForm1::uhz1Click() {
    // Unticked, the line takes the window's own colour: invisible on a light and a dark desktop alike.
    Memo1->SetRightEdgeColor(settings_.ukazHraniciZlomu ? clSilver : clWindow);
}

void TForm1::ShowWrapWhileTyping() { SetPanel(6, settings_.autoZalam ? "LÁM" : ""); }

void TForm1::dos2unixClick() { document_->ToggleLineEnds(); }

void TForm1::ApplyGutterVisibility() { Memo1->Gutter().SetVisible(settings_.pomListaL); }
