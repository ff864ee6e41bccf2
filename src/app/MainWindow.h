#pragma once
// The main window: it shows one document (TBedDocument) in the editing component Memo1, with
// menus, tool panel and status bar; it holds the settings and runs the command line.
#include "BedEditKeyStrokes.h"
#include "BedEditPrint.h"
#include "CzechTextTools.h"
#include "Document.h"
#include "HighlighterChoice.h"
#include "BedSpellDictionary.h"
#include "BedSpellPersonalWords.h"
#include "Settings.h"
#include "TextToolEdit.h"
#include "UiServices.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class TBedEdit;
class TBedSpellSession;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
struct TBedOrphanJournal;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Brousek editor v10.4 ";
    static constexpr const char* kUntitled = TBedDocument::kUntitled;
    static constexpr int kMinimumWidth = 300;

    // programDir ends with a slash; params are the command-line parameters without argv[0].
    TForm1(UiServices& ui, std::string programDir, QStringList params, QWidget* parent = nullptr);
    ~TForm1() override;

    // The component by its component name ("Novy", "autokod", "SM1"…); null when unknown.
    QAction* Action(const QString& name) const;
    QString PanelText(int panel) const;
    QString ApplicationTitle() const { return applicationTitle_; }
    // True when the command line asked to end the program (option C=Q).
    bool Terminated() const { return terminated_; }

    TBedEdit* Memo1 = nullptr;
    QWidget* Panel1 = nullptr;
    TBedEditPrint pr;  // the print engine

    std::string programDir;
    std::string settingsDir;
    bool quitWithoutSaving = false;
    bool helpMode = false;

    // The document shown: its file, code page, line ends, read-only and modified state, history.
    TBedDocument& Document() { return *document_; }
    const TBedDocument& Document() const { return *document_; }
    // The settings, bed.ini's and the menus' check marks: what the window reads them from.
    TBedSettings& Settings() { return settings_; }
    const TBedSettings& Settings() const { return settings_; }
    // The document's file name as text.
    QString FileName() const;

    // Commands (menu items, tool buttons and shortcuts share them).
    void NovyClick();
    void OtevritClick();
    void UlozitClick();
    void UlozitJakoClick();
    void ulNaDisketuClick();
    void ZnovuNacistClick();
    void Pilepzesouboru1Click();
    void KonecClick();
    void Konecsuloenm1Click();
    void Konecbezuloen1Click();
    void Konec1Click();
    void Volby1Click();
    void Tisk1Click();
    void uhz1Click();
    void ShowWrapWhileTyping();
    void dos2unixClick();
    void ApplyGutterVisibility();
    void OpenRecentFile(int k);
    void PredchoziSouborClick();
    void DalsiSouborClick();
    // Attaches the highlighter the file name's extension asks for (when the flag is on).
    void ChooseHighlighterForFile(const std::string& fileName);
    // Checks the item of "Vyber zvýraznění" and attaches its highlighter (none for item 0).
    void SelectHighlighterItem(int item);
    void SelectCodePage(int codePage);
    void Memo1DropFiles(const std::vector<std::string>& files);
    void readonlyClick(bool on);

    // Czech text tools and typing: case of the block, diacritics, the y/z swap, Ů, the other
    // keyboard (MainWindowCzech.cpp).
    void VelkaClick();
    void MalaClick();
    void Prohozen1Click();
    void odstran_diakritikuClick();
    void YxZClick();
    void Vloz_uuClick();
    void Dalznakjinouklvesnic1Click();
    // Every typed character passes here before the component inserts it.
    void Memo1KeyPress(char& ch);
    void Memo1KeyDown(uint16_t& key);
    // Spelling (MainWindowSpelling.cpp): "Kontrola pravopisu" turns it on and off.
    void pravopisClick();
    bool SpellingOn() const;
    // The checking session, started when first needed; null while spelling is off.
    TBedSpellSession* Spelling();
    // The user's own words, beside bed.ini.
    static constexpr const char* kPersonalWordsFile = "slovnik.txt";
    // Line wrapping (MainWindowWrap.cpp).
    void Provedkovzlom1Click();
    void Dlkadkupidkovmzlomu1Click();
    // Every text tool that writes lines directly runs inside one of these: it refuses a
    // read-only document and records the run as one undo step.
    TBedTextToolEdit TextToolEdit();
    // Find and replace (MainWindowSearch.cpp).
    void Hledej1Click();
    void HlDalsiClick();
    void NahradClick();
    void NahrDalsiClick();
    // The find and replace dialogs, made when first needed; they keep their contents.
    TForm8& Form8();
    TForm9& Form9();

    // Block and line formatting (MainWindowBlocks.cpp).
    void odsadblokClick();
    void ododsadClick();
    void srovnejblokClick();
    void smazradekClick();
    void zackonradkuClick();
    void inshtmlClick();

    // Navigation, selection and counts (MainWindowNavigation.cpp).
    void KopirujClick();
    void VystrihniClick();
    void pridejClick();
    void PrilepClick();
    void Sloupcovbloky1Click(bool on);
    void RadkoveBlokyClick(bool on);
    void ZptCtrlZ1Click();
    void VybervseClick();
    void zacatekvyberuClick();
    void konecvyberuClick();
    void VysvtitSuperVbr1Click();
    void Font1Click();
    void Kontrolujzvorky1Click();
    void Zateksouboru1Click();
    void Konecsouboru1Click();
    void dekslo1Click();
    void Poetdkvtextu1Click();
    void pocetslovClick();
    void Poetznakvtextu1Click();
    // Enable the clipboard items by the selection and the clipboard as their menu opens.
    void UpravyClick();
    void PopupMenu1Popup();
    // Shows the caret's line in panel 5; the timer Timer1 runs it every 300 ms.
    void Timer1Timer();
    QMenu* PopupMenu1 = nullptr;  // the context menu of Memo1

    // Desktop integration: help windows, a second window, the associated application, the
    // associations dialog, the about box (MainWindowDesktop.cpp).
    void ObsahClick();
    void FAQClick();
    void Historieverzeditoru1Click();
    void oprogClick();
    void Napoveda1Click();
    void OaplikaciClick();
    void Daloknoeditoru1Click();
    void zhtmlClick();
    void Asociuj1Click();
    // The running executable, started again for help windows and further windows.
    static QString ProgramPath();

    // Asks about unsaved changes; false means the asking command must stop.
    bool SavePrompt();
    void SetTitles();

    // Drive A: of old: the first mounted removable medium; empty when there is none.
    static std::string RemovableMediumDirectory();
    // Offers what a crash left of documents' unsaved edits: all of it, or that of one file.
    void OfferUnsavedWork(const std::string& onlyFile = {});

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The application title: the window's icon text, which task bars and pagers show.
    void SetApplicationTitle(const QString& title);

private:
    void FormCreate(const QStringList& params);
    // The settings read from bed.ini go to the window, the editor and the menus.
    void ApplySettings();
    // The window's and the editor's own state (geometry, font) into the settings, for bed.ini.
    void CollectSettings();
    // The check marks of the settings, as they are now.
    void ShowSettings();
    void ProcessCommandLine(const QStringList& params);
    void OpenFileFromCommandLine(const std::string& fileName);
    void RunOption(char letter, const std::string& value);
    void EnterHelpMode();
    void LaunchHelpWindow(const char* file);
    void FindFromCommandLine(const std::string& value);
    // Replaces every match from the caret on, then saves.
    void ReplaceFromCommandLine(const std::string& value);
    // "Ptát se před nahrazením": the match at (column, line) is selected and in view.
    TBedReplaceAction Memo1ReplaceText(const std::string& found, const std::string& replacement, int line, int column);

    void BuildMenus();
    void BuildToolPanel();
    void BuildStatusBar();
    void BuildCodePageMenu(QMenu* menu);
    void BuildHighlighterMenu(QMenu* menu);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                     void (TForm1::*handler)());
    QAction* AddToggle(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                       void (TForm1::*handler)(bool on));
    // A check item that shows a setting and sets it when triggered, before its handler runs.
    QAction* AddSetting(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                        bool TBedSettings::*setting, void (TForm1::*handler)() = nullptr);
    // Sets the setting to the other value, as its item does, without its handler.
    void ToggleSetting(bool TBedSettings::*setting);
    // Recent files and file history: the five records of the Soubor menu and the
    // back/forward list of the session.
    void BuildRecentMenu();
    void PushRecentFile();
    void UpdateRecentCaret();
    void StepHistory(int direction);
    // The document's state in the status bar and the menus: code page, line ends, read-only
    // (and why), modified, the history's items (MainWindowEncoding.cpp).
    void ShowDocument();
    void ShowModified();
    // The document has just become a file's, shown with the caret at its start.
    void ShowOpenedDocument();
    // The open dialog "loud" and the save dialog "Sejf" as they start: in the folder last used,
    // with the document's name.
    TFileDialogRequest OpenRequest(const char* title) const;
    TFileDialogRequest SaveRequest() const;
    // Saves the document to its own name; false when it was not saved.
    bool SaveDocument();
    // C=Q: writes the document (an untitled one under the name the user chooses) and ends.
    void WriteAndEnd();
    // The journal's timers (MainWindowUnsaved.cpp): a command's changes settle once the event
    // loop has them back, the caret and the state are noted now and then.
    void StartJournal();
    void RestoreUnsavedWork(TBedOrphanJournal& journal);
    void SetPanel(int panel, const QString& text);
    // The main window's part in typing: the typed-character handler, the other keyboard for
    // input-method text, wrapping after a typed character.
    void ConnectTyping();
    void ConnectSpelling();
    // The runs of the painted text that are misspelled words in the text's prose.
    void MisspelledWords(int line, std::string_view text, const std::vector<TBedLineToken>& tokens,
                         std::vector<TBedTextSpan>& out);
    // Repaints the lines whose words were waiting for the checker, once it has answered.
    void RepaintAnsweredLines();
    // The suggestions, "Přidat do slovníku" and "Ignorovat" above the context menu's items
    // when it opens on a misspelled word.
    void AddSpellingItems();
    void ChangeCase(TBedCaseChange change);
    // Runs a command; an error it doesn't catch is shown in the error box and the window
    // stays usable.
    void Guard(const std::function<void()>& command);
    bool FormCloseQuery();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shifts the block lines (the columns of the selection stay selected).
    void ShiftBlock(void (*shift)(TBedTextToolEdit&, int, int));
    // The context menu, the menu-opening handlers, the keypad bookmarks, the timer.
    void ConnectNavigation();
    // Alt+keypad n places bookmark n at the caret, Ctrl+keypad n jumps to it.
    void KeypadBookmark(uint16_t key, TBedShiftState shift);
    void EnableClipboardItems(const char* copy, const char* cut, const char* append, const char* paste);
    void ShowCount(int64_t count, const char* what);

    UiServices& ui_;
    std::map<QString, QAction*> actions_;
    std::vector<std::pair<QAction*, bool TBedSettings::*>> settingItems_;  // AddSetting's
    std::array<QLabel*, 7> panels_{};
    QString applicationTitle_ = "BED";
    bool terminated_ = false;
    TBedSettings settings_;
    std::unique_ptr<TBedDocument> document_;
    bool otherKeyboardNext_ = false;    // the next character comes from the other keyboard
    QLabel* readOnlyReason_ = nullptr;  // in the status bar
    // The printer and its settings, kept from one print to the next; made at the first print.
    std::shared_ptr<QPrinter> printer_;
    TMainWindowHighlighters highlighters_ =
        CreateMainWindowHighlighters();  // stored and given back; Qt fonts are Unicode
    TForm6* form6_ = nullptr;            // the add-to-lines dialog, kept for the run once made
    TBedPoint superStart_{0, 0};         // the SuperVýběr points
    TBedPoint superEnd_{0, 0};
    TForm7* form7_ = nullptr;  // the associations dialog, made when first asked for
    TForm8* form8_ = nullptr;
    TForm9* form9_ = nullptr;
    std::optional<TBedDictionaryFiles> dictionary_;  // none when no Czech one is installed
    TBedPersonalWords personalWords_{""};
    std::vector<TBedTextSpan> spellWords_;  // of the line being painted
    std::vector<QAction*> spellingItems_;   // in the context menu now
    std::set<int> linesAwaitingAnswers_;
    std::unique_ptr<TBedSpellSession> spelling_;  // last: its thread stops before the rest goes
};
