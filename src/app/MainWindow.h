#pragma once
// The main window: one document in the editing component Memo1, menus, tool panel, status bar,
// settings, command line.
#include "BedEditKeyStrokes.h"
#include "BedEditPrint.h"
#include "CzechTextTools.h"
#include "DocumentLoader.h"
#include "DocumentWriter.h"
#include "FileHistory.h"
#include "HighlighterChoice.h"
#include "BedSpellDictionary.h"
#include "BedSpellPersonalWords.h"
#include "Settings.h"
#include "T602Session.h"
#include "TextToolEdit.h"
#include "UiServices.h"
#include "UnsavedJournal.h"

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
    static constexpr const char* kUntitled = "UNTITLED.TXT";
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
    TBedEdit* pomocneMemo = nullptr;
    TBedEdit* pomocneMemo2 = nullptr;
    QWidget* Panel1 = nullptr;
    TBedEditPrint pr;  // the print engine

    // Application state.
    std::string programDir;
    std::string settingsDir;
    std::string saveDir;
    std::string loadDir;
    int currentCodePage = 4;
    int defaultCodePage = 4;
    bool autoCodePage = true;
    bool recogniseCodePage = true;  // part of the automatic code page: by content
    bool byteOrderMark = false;     // the document's UTF-8 file began with one
    bool escQuits = true;
    bool modified = false;
    bool quitWithoutSaving = false;
    bool helpMode = false;
    T602Session t602;
    bool unixLineEnds = false;
    int rightEdge = 80;
    std::array<TSouborMenu, 5> recentFiles;

    // The document's file name, kept as the file name of both file dialogs.
    QString FileName() const { return openRequest_.fileName; }
    void SetFileName(const QString& name);

    // Commands (menu items, tool buttons and shortcuts share them).
    void NovyClick();
    void OtevritClick();
    void UlozitClick();
    void UlozitJakoClick();
    void ulNaDisketuClick();
    void ZnovuNacistClick();
    // The document's file loaded again in the current code page, its changes dropped.
    void ReloadDocument();
    void Pilepzesouboru1Click();
    void KonecClick();
    void Konecsuloenm1Click();
    void Konecbezuloen1Click();
    void Konec1Click();
    void Volby1Click();
    void Tisk1Click();
    void Memo1Change();
    void uhz1Click();
    void ShowWrapWhileTyping();
    void dos2unixClick();
    void ApplyGutterVisibility();
    void autokodClick();
    void ChooseCodePageByExtension(const std::string& fileName);
    // On opening: the automatic code page by the file's name, else by its content
    // (MainWindowEncoding.cpp).
    void ChooseCodePageForFile(const TBedDocumentFile& file);
    void rozpoznatClick();
    void OpenRecentFile(int k);
    void PredchoziSouborClick();
    void DalsiSouborClick();
    // Attaches the highlighter the file name's extension asks for (when the flag is on).
    void ChooseHighlighterForFile(const std::string& fileName);
    // Checks the item of "Vyber zvýraznění" and attaches its highlighter (none for item 0).
    void SelectHighlighterItem(int item);
    void SelectCodePage(int codePage);
    void Memo1DropFiles(const std::vector<std::string>& files);
    void readonlyClick();

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
    bool otherKeyboardNext = false;  // the next character comes from the other keyboard
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
    void Sloupcovbloky1Click();
    void RadkoveBlokyClick();
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

    // Document operations (also used by the command line).
    // Reads the file that is to become the document and takes its line-end mode from it. An
    // unreadable file raises EBedFileError, which ends the command with nothing changed.
    TBedDocumentFile ReadDocument(const std::string& fileName);
    // Puts a file read so into the editor in the code page, with the file's highlighter.
    void Load(TBedDocumentFile file, TBedEdit& editor, int codePage);
    // Reads and puts in a file whose line ends don't count; a file that can't be opened is
    // reported, and false returned with the editor unchanged.
    bool Load(const std::string& fileName, TBedEdit& editor, int codePage);
    // Asks about unsaved changes; false means the asking command must stop.
    bool SavePrompt();
    void SetTitles();
    void SetModified(bool value);
    void ShowModified(bool value);
    void ShowLineEndMode();

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
    void ApplySettings(const TBedSettings& s);
    TBedSettings CollectSettings() const;
    void ProcessCommandLine(const QStringList& params);
    void OpenFileFromCommandLine(const std::string& fileName);
    void RunOption(char letter, const std::string& value);
    void EnterHelpMode();
    void LaunchHelpWindow(const char* file);
    void FindFromCommandLine(const std::string& value);
    // Replaces every match from the caret on, then saves.
    void ReplaceFromCommandLine(const std::string& value);
    // "Ptát se před nahrazením": the match at (column, line) is selected and in view.
    TBedReplaceAction Memo1ReplaceText(const std::string& found, const std::string& replacement, int line,
                                       int column);

    void BuildMenus();
    void BuildToolPanel();
    void BuildStatusBar();
    void BuildCodePageMenu(QMenu* menu);
    void BuildHighlighterMenu(QMenu* menu);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                     void (TForm1::*handler)());
    QAction* AddToggle(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                       bool checked, void (TForm1::*handler)());
    // Recent files and file history: the five records of the Soubor menu and the
    // back/forward list of the session.
    void BuildRecentMenu();
    void PushRecentFile();
    void UpdateRecentCaret();
    void AddToHistory(const std::string& fileName);
    void RefreshHistoryMenu();
    void StoreHistoryCodePage();
    void StepHistory(int direction);
    // The steps of loading after the highlighter is chosen: the file into the lines (with the
    // wrap on load), the caret to the first line.
    // False when a UTF-8 file could not be converted for a helper editor (then told and empty).
    bool FillEditor(TBedDocumentFile file, TBedEdit& editor, int codePage);
    // The document keeps its byte-order mark; a UTF-8 file that CP 1250 can't hold is shown
    // with placeholders and read-only, and said so, until another file loads; so is a file
    // the user may not write, with the reason in the status bar.
    void TakeLoadOutcome(const TBedLoadOutcome& outcome, const std::string& fileName);
    // Read-only with the reason shown, or (empty reason) as before the load set it.
    void ShowReadOnlyReason(const QString& reason);
    // The document no longer shows such a file: read-only goes as it came, and a new document
    // starts in the default code page rather than in the one the refused file came in.
    void LeaveMisfit(bool newDocument);
    // Saving a view with placeholders is refused, said so: true then.
    bool RefuseMisfitView();
    // False when the existing file can't be written: then said so, and "Uložit jako" offered.
    bool MayWrite(const std::string& fileName);
    // Writes the document to a file. Refuses a view with placeholders; offers "Uložit jako" for a
    // file the user may not write; before overwriting the file the document was read from or
    // last written to, asks when another program has changed it since; nothing when nothing was
    // written.
    std::optional<TBedWrittenFile> WriteDocumentFile(const std::string& fileName);
    // Before a text read in one code page is written in another: asks when that code page lacks
    // some of its characters; false when it is not to be written (MainWindowEncoding.cpp).
    bool ConfirmConversion();
    // C=Q: writes the document (an untitled one under the name the user chooses) and ends.
    void WriteAndEnd();
    // Tells the user what a save could not keep as it was (the mode, the owner…).
    void TellSaveRemarks(const std::string& fileName, const std::vector<std::string>& remarks);
    // The journal of the document's unsaved edits (MainWindowUnsaved.cpp): made with the window,
    // begun whenever the document becomes a file's or a new one, ended when it is dropped.
    void StartJournal();
    void BeginJournal(const TBedJournalBase& base);
    void EndJournal();
    static TBedJournalBase FileJournalBase(const std::string& fileName, const TBedFileIdentity& identity,
                                           const TBedLoadSettings& settings);
    void JournalAfterSave(const std::string& fileName, const TBedWrittenFile& written);
    TBedDocumentState DocumentState() const;
    void TakeDocumentState(const TBedDocumentState& state);
    void NoteJournal();
    void RestoreUnsavedWork(TBedOrphanJournal& journal);
    // Runs the wrap command on the loaded text when wrap on load is ticked.
    void WrapAfterLoad();
    void SetPanel(int panel, const QString& text);
    // The document's file as it was read or last written, to notice another program's change.
    struct TDiskFile {
        std::string name;
        TBedFileIdentity identity;
    };
    std::optional<TDiskFile> diskFile_;
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
    void ShowOpenedDocument();

    UiServices& ui_;
    std::map<QString, QAction*> actions_;
    std::array<QLabel*, 7> panels_{};
    TFileDialogRequest openRequest_;   // the open dialog "loud"
    TFileDialogRequest saveRequest_;   // the save dialog "Sejf"
    QString applicationTitle_ = "BED";
    bool terminated_ = false;
    bool codePageFromCommandLine_ = false;  // K= chose the code page of the files after it
    bool readOnlyByLoad_ = false;  // read-only was set because of the file loaded
    bool misfitView_ = false;      // the text holds placeholders for what CP 1250 lacks
    QLabel* readOnlyReason_ = nullptr;  // in the status bar
    int textCodePage_ = 4;  // the code page the document's text was read in
    int fontCharset_ = 1;
    TFileHistory history_;
    // The printer and its settings, kept from one print to the next; made at the first print.
    std::shared_ptr<QPrinter> printer_;
    TMainWindowHighlighters highlighters_ = CreateMainWindowHighlighters();  // stored and given back; Qt fonts are Unicode
    TForm6* form6_ = nullptr;  // the add-to-lines dialog, kept for the run once made
    TBedPoint superStart_{0, 0};  // the SuperVýběr points
    TBedPoint superEnd_{0, 0};
    TForm7* form7_ = nullptr;  // the associations dialog, made when first asked for
    TForm8* form8_ = nullptr;
    TForm9* form9_ = nullptr;
    std::unique_ptr<TBedUnsavedJournal> unsaved_;
    std::optional<TBedDictionaryFiles> dictionary_;  // none when no Czech one is installed
    TBedPersonalWords personalWords_{""};
    std::vector<TBedTextSpan> spellWords_;  // of the line being painted
    std::vector<QAction*> spellingItems_;   // in the context menu now
    std::set<int> linesAwaitingAnswers_;
    std::unique_ptr<TBedSpellSession> spelling_;  // last: its thread stops before the rest goes
};
