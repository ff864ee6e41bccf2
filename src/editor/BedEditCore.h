#pragma once
// The editing component's state and logic without any widget: lines, caret, selection, undo,
// commands and scroll position. The Qt widget TBedEdit derives from it and implements the
// view hooks (invalidation, caret and scroll-bar updates).
//
// The implementation is split by concern: BedEditCore.cpp (properties, paint lock, scrolling,
// line-buffer reactions), BedEditCoreSelection.cpp, BedEditCoreUndo.cpp, BedEditCoreCommands.cpp
// (processor, dispatch table and key translation), BedEditCoreMovement.cpp,
// BedEditCoreEditing.cpp, BedEditCoreClipboard.cpp (copy, cut, paste, drop),
// BedEditCoreBookmarks.cpp, BedEditCoreHighlighting.cpp, BedEditCoreSearch.cpp (search and
// replace; the per-line engine is BedEditSearch.h). Parts of its state with their own rules:
// the block (BedEditSelection.h), what waits for the paint lock to end (BedEditUpdateBatch.h),
// the command hooks (BedEditCommandHooks.h). Undo records: BedEditUndoList.h; clipboard
// interface: BedEditClipboard.h.
#include "BedEditClipboard.h"
#include "BedEditCommandHooks.h"
#include "BedEditKeyStrokes.h"
#include "BedEditLineCheckpoints.h"
#include "BedEditMarkList.h"
#include "BedEditOptions.h"
#include "BedEditSearch.h"
#include "BedEditSelection.h"
#include "BedEditStringList.h"
#include "BedEditTypes.h"
#include "BedEditUndoList.h"
#include "BedEditUpdateBatch.h"

#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TBedCustomHighlighter;

class TCustomBedEdit {
public:
    TCustomBedEdit();
    virtual ~TCustomBedEdit();
    TCustomBedEdit(const TCustomBedEdit&) = delete;
    TCustomBedEdit& operator=(const TCustomBedEdit&) = delete;

    TBedEditStringList& Lines() { return lines_; }
    const TBedEditStringList& Lines() const { return lines_; }

    // ---- Caret and selection ------------------------------------------------------------
    int CaretX() const { return caret_.X; }
    int CaretY() const { return caret_.Y; }
    TBedPoint CaretXY() const { return caret_; }
    // Every setter clamps; X may pass the end of the line only with eoScrollPastEol.
    void SetCaretX(int x);
    void SetCaretY(int y);
    void SetCaretXY(TBedPoint p);

    // Normalized ends of the selection; the anchor and end as set are BlockBegin/BlockEnd.
    TBedPoint SelFrom() const;
    TBedPoint SelTo() const;
    TBedPoint BlockBegin() const { return selection_.begin; }
    TBedPoint BlockEnd() const { return selection_.end; }
    // Anchor and end at p: no selection.
    void SetSelFrom(TBedPoint p);
    // Moves only the end.
    void SetSelTo(TBedPoint p);
    void SetCaretAndSelection(TBedPoint caret, TBedPoint begin, TBedPoint end);
    // Selects the lines from anchorLine to line whole (as a drag through the gutter does); the
    // caret goes to the end at `line`.
    void SelectLines(int anchorLine, int line);
    // Anchor and end differ. In column mode a block of no width over several lines counts too:
    // typing goes into each of its lines.
    bool HasSelection() const;
    // A column block of no width over several lines, a caret on each of them.
    bool HasColumnCarets() const;
    TBedSelectionMode SelectionMode() const { return selection_.mode; }
    void SetSelectionMode(TBedSelectionMode mode);
    std::string SelectedText() const;
    // Replaces the selection (or inserts at the caret) as one undo step.
    void SetSelectedText(const std::string& text);
    int SelLength() const { return int(SelectedText().size()); }
    int SelStart() const { return 0; }

    bool IsWordChar(unsigned char c) const { return wordChars_[c]; }
    TBedPoint NextWordPos() const;
    TBedPoint PrevWordPos() const;
    // Double click: selects the word at p, or only places the caret.
    void SelectWordAt(TBedPoint p);
    bool IsPointInSelection(TBedPoint p) const;

    // ---- Properties ---------------------------------------------------------------------
    TBedEditorOptions Options() const { return options_; }
    void SetOptions(TBedEditorOptions options);
    // Whether the text differs from the saved one: false once undo or redo comes back to the
    // text that SetModified(false) marked as saved. SetModified(true) marks a change that no
    // undo takes back, so only the next SetModified(false) clears it.
    bool Modified() const { return modified_; }
    void SetModified(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool InsertMode() const { return insertMode_; }
    void SetInsertMode(bool value);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int value);
    int MaxLeftChar() const { return maxLeftChar_; }
    void SetMaxLeftChar(int value);
    // The last column the view scrolls to: MaxLeftChar with eoScrollPastEol (or, when the
    // longest line is longer, a window past its end), else the longest line.
    int WidestColumn();
    int RightEdge() const { return rightEdge_; }
    void SetRightEdge(int value);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    // Whether the Tab key goes to the component rather than to focus navigation.
    bool WantsTabKey(bool ctrlHeld) const { return wantTabs_ && !ctrlHeld; }
    int MaxUndo() const { return undoList_.MaxUndo(); }
    void SetMaxUndo(int value);
    TBedBookMarkOpt& BookMarkOptions() { return bookMarkOptions_; }
    const TBedBookMarkOpt& BookMarkOptions() const { return bookMarkOptions_; }

    // ---- Scrolling and painting ---------------------------------------------------------
    int FirstVisibleLine() const { return topLine_; }
    void SetFirstVisibleLine(int value);
    int FirstVisibleChar() const { return leftChar_; }
    void SetFirstVisibleChar(int value);
    int LinesInWindow() const { return linesInWindow_; }
    int CharsInWindow() const { return charsInWindow_; }
    void ScrollCaretIntoView();
    // Repaints, caret and scroll-bar updates and status reports wait for the outermost unlock.
    void IncPaintLock();
    void DecPaintLock();
    int PaintLockCount() const { return updates_.LockCount(); }

    // ---- Commands and keys --------------------------------------------------------------
    // The component's own execution; user commands and ecNone do nothing.
    void ExecuteCommand(TBedEditorCommand command, char ch, void* data);
    // Events, hooks, execution. data: std::string* for ecImeStr, TBedPoint* for ecGotoXY.
    void CommandProcessor(TBedEditorCommand command, char ch, void* data);

    using TBedProcessCommandEvent = std::function<void(TCustomBedEdit&, TBedEditorCommand&, char&, void*)>;
    using TBedCommandProcessedEvent = std::function<void(TCustomBedEdit&, TBedEditorCommand, char, void*)>;
    using TBedHookedCommandEvent = ::TBedHookedCommandEvent;
    TBedProcessCommandEvent OnProcessCommand;
    TBedProcessCommandEvent OnProcessUserCommand;
    TBedCommandProcessedEvent OnCommandProcessed;
    // Returns an id for RemoveCommandHook.
    int AddCommandHook(TBedHookedCommandEvent hook, void* hookData);
    void RemoveCommandHook(int id);

    TBedEditKeyStrokes& Keystrokes() { return keystrokes_; }
    // Runs OnKeyDown, then translates the key (chords included); a key that ran a command is
    // set to 0 and its character will be swallowed by KeyPress.
    void KeyDown(uint16_t& key, TBedShiftState shift);
    void KeyPress(char ch);
    // An input-method result string. Where the platform delivers its bytes again as typed
    // characters, pass charsFollow so that they are skipped.
    void ImeString(const std::string& text, bool charsFollow = false);
    bool KeyHandled() const { return keyHandled_; }
    std::function<void(TCustomBedEdit&, uint16_t&, TBedShiftState)> OnKeyDown;
    std::function<void(TCustomBedEdit&, char&)> OnKeyPress;

    // ---- Editing operations -------------------------------------------------------------
    void SelectAll();
    void ClearAll();
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteClipboardText();
    void Undo();
    void Redo();
    bool CanUndo() const { return undoList_.CanUndo(); }
    bool CanRedo() const { return redoList_.CanUndo(); }
    TBedEditUndoList& UndoList() { return undoList_; }
    TBedEditUndoList& RedoList() { return redoList_; }
    // Drops the source's selection at p: moved (or copied with ctrl) within this component,
    // copied (or moved with shift) from another one.
    void DropSelection(TCustomBedEdit& source, TBedPoint p, bool ctrl, bool shift);
    void BlockIndent();
    void BlockUnindent();
    // The caret position of the bracket matching the one at the caret, if any.
    bool FindMatchingBracket(TBedPoint& result) const;

    // Clipboards are not owned. An editor without one of its own uses the process-wide default,
    // which is an in-memory clipboard until the application sets the system one.
    void SetClipboard(TBedEditClipboard* clipboard) { clipboard_ = clipboard; }
    TBedEditClipboard& Clipboard() const;
    static void SetDefaultClipboard(TBedEditClipboard* clipboard);
    // Fired once per paste whose text held characters the code page cannot represent.
    std::function<void(TCustomBedEdit&)> OnPasteUnrepresentable;

    // ---- Search and replace (BedEditCoreSearch.cpp) -------------------------------------
    // Finds search from the caret, in the whole text or in the selection, selects the match
    // and replaces it (or every one) as the option bits say. Returns the number of matches
    // found, replaced or not: 0 when there was none or search is empty. A read-only component
    // is searched but never changed.
    int SearchReplace(const std::string& search, const std::string& replace, TBedSearchOptions options);
    // Asked before each replacement when prompting: (sender, search, replace, line, column).
    std::function<TBedReplaceAction(TCustomBedEdit&, const std::string&, const std::string&, int, int)> OnReplaceText;

    // ---- Bookmarks ----------------------------------------------------------------------
    void PlaceBookmark(int n, int x, int y);
    void JumpToBookmark(int n);
    void RemoveBookmark(int n);
    bool GetBookmark(int n, int& x, int& y) const;
    TBedEditMarkList& Marks() { return marks_; }
    // May veto a new bookmark by resetting the pointer.
    std::function<void(TCustomBedEdit&, std::unique_ptr<TBedEditMark>&)> OnPlaceBookmark;
    std::function<void(TCustomBedEdit&, TBedEditMark&)> OnClearBookmark;

    // ---- Highlighter --------------------------------------------------------------------
    TBedCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TBedCustomHighlighter* highlighter);

    // ---- Events -------------------------------------------------------------------------
    std::function<void()> OnChange;
    std::function<void(TCustomBedEdit&, TBedStatusChanges)> OnStatusChange;
    // Files dropped from the desktop: (x, y, names); the first name is the one used.
    std::function<void(int, int, const std::vector<std::string>&)> OnDropFiles;

protected:
    // Where the highlighter stood inside the long lines painted so far.
    TBedLineCheckpoints& Checkpoints() { return checkpoints_; }
    // View hooks, overridden by the widget. Lines are 1-based; (-1, -1) means all.
    virtual void InvalidateLines(int first, int last) {}
    virtual void InvalidateGutterLines(int first, int last) {}
    virtual void UpdateScrollBars() {}
    virtual void UpdateCaret() {}
    virtual void TopLineChanged(int oldTopLine) {}
    virtual void LeftCharChanged() {}
    virtual void CaretShapeChanged() {}
    virtual void HighlighterMetricsChanged() {}
    virtual void OptionsChanged(TBedEditorOptions oldOptions) {}

    // The widget reports its size in whole lines and columns.
    void SetWindowSize(int linesInWindow, int charsInWindow);

private:
    struct TCommandArgs;
    using TCommandHandler = void (TCustomBedEdit::*)(const TCommandArgs&);
    struct TCommandEntry;
    static const TCommandEntry* FindCommand(TBedEditorCommand command);
    class TScrollPastEol;
    class TModeSwitch;
    class TUndoSuspension;

    // Core.cpp
    void HookLineBuffer();
    void RequestScrollBarUpdate();
    void RequestCaretUpdate();
    void StatusChanged(TBedStatusChanges changes);
    void InvalidateTextLines(int first, int last);
    void InvalidateAllLines(int first, int last);
    void LinesChanging();
    void LinesChanged();
    void LinesChange(const TBedLinesChange& change);
    void LinesCleared();
    void LinesInserted(int index, int count);
    void LinesReplaced(int index, int count);
    void UndoRecordAdded(TBedEditUndoList& list);

    // Selection.cpp
    TBedPoint ClampBlockPoint(TBedPoint p) const;
    std::string SelectedText(bool padColumns) const;
    int MaxCaretX(int y) const;
    // How far past the end of a line longer than MaxLeftChar the caret may go.
    int RoomPastEnd() const;
    // Deletes the selection and inserts text in mode; returns where the insertion started.
    TBedPoint ReplaceSelectionRaw(TBedSelectionMode mode, const std::string& text);
    void DeleteSelectionRaw();
    void InsertTextRaw(TBedSelectionMode mode, const std::string& text);
    void InsertNormal(const std::vector<std::string>& pieces);
    void InsertLineMode(const std::vector<std::string>& pieces);
    void InsertColumn(const std::vector<std::string>& pieces);
    std::string Trimmed(std::string line) const;
    // Replaces `count` bytes at offset `at` of line y by text in place; an offset past the end
    // pads with blanks. With trim, the trailing blanks of the result go as Trimmed would take
    // them. Returns the offset right after the inserted text, within the line.
    int SpliceLine(int y, int at, int count, std::string_view text, bool trim);
    void PadLineRecorded(TBedPoint p);
    // Records the selection (reason 3 when it runs backwards and backwardsAsDelete) and
    // deletes it without further records. Returns the insertion point.
    TBedPoint DeleteSelectionRecorded(bool backwardsAsDelete = false);

    // UndoRedo.cpp
    void UndoItem();
    void RedoItem();
    void RunGroup(TBedEditUndoList& from, TBedEditUndoList& to, void (TCustomBedEdit::*one)());
    void UndoInsertion(const TBedEditUndoItem& item);
    void UndoLineBreak(const TBedEditUndoItem& item);
    void UndoIndent(const TBedEditUndoItem& item);
    void UndoUnindent(const TBedEditUndoItem& item);
    void UndoDeletion(const TBedEditUndoItem& item);
    void RedoDeletion(const TBedEditUndoItem& item);
    void RedoIndent(const TBedEditUndoItem& item);
    void RedoUnindent(const TBedEditUndoItem& item);
    void RedoInsertion(const TBedEditUndoItem& item);
    void InsertIndentColumn(int firstLine, int lastLine);
    void PadLineTo(TBedPoint p);
    void RemoveLeadingSpaces(int firstLine, const std::vector<int>& counts);

    // Movement.cpp
    void MoveCaretAndSelection(TBedPoint from, TBedPoint to, bool selecting);
    void MoveCaretHorz(int delta, bool selecting);
    void MoveCaretVert(int delta, bool selecting);
    int PageLines() const;
    void CmdLeftRight(const TCommandArgs& a);
    void CmdUpDown(const TCommandArgs& a);
    void CmdWord(const TCommandArgs& a);
    void CmdLineStartEnd(const TCommandArgs& a);
    void CmdPageUpDown(const TCommandArgs& a);
    void CmdPageLeftRight(const TCommandArgs& a);
    void CmdPageTopBottom(const TCommandArgs& a);
    void CmdEditorTopBottom(const TCommandArgs& a);
    void CmdGotoXY(const TCommandArgs& a);
    void CmdSelectAll(const TCommandArgs& a);
    void CmdScroll(const TCommandArgs& a);
    void CmdInsertMode(const TCommandArgs& a);
    void CmdSelectionMode(const TCommandArgs& a);
    void CmdMatchBracket(const TCommandArgs& a);
    void CmdMarker(const TCommandArgs& a);

    // ClipboardOps.cpp
    void AppendLinesRecorded(int lastLine);

    // Editing.cpp
    void CmdChar(const TCommandArgs& a);
    void CmdImeStr(const TCommandArgs& a);
    void TypeText(const std::string& text);
    // Typing into column carets: the text goes into every line of the block, which then stands
    // right of it.
    void TypeIntoColumn(const std::string& text);
    // Delete and Backspace at column carets: the character after (before) each caret goes.
    void DeleteBesideColumn(bool before);
    void CmdDeleteLastChar(const TCommandArgs& a);
    void CmdDeleteChar(const TCommandArgs& a);
    void CmdDeleteWordOrEol(const TCommandArgs& a);
    void CmdDeleteLastWordOrBol(const TCommandArgs& a);
    void DeleteRangeRecorded(TBedPoint from, TBedPoint to, TBedChangeReason reason);
    // Makes lines index..index+count (0-based) one line with the given text.
    void JoinWithLinesBelow(int index, int count, std::string text);
    void CmdDeleteLine(const TCommandArgs& a);
    void CmdClearAll(const TCommandArgs& a);
    void CmdLineBreak(const TCommandArgs& a);
    void CmdTab(const TCommandArgs& a);
    int SmartTabWidth() const;
    // The spaces Tab inserts at the caret: the smart width, else to the next tab stop.
    int TabWidthAtCaret() const;
    void CmdShiftTab(const TCommandArgs& a) {}
    void CmdBlockIndent(const TCommandArgs& a) { BlockIndent(); }
    void CmdBlockUnindent(const TCommandArgs& a) { BlockUnindent(); }
    void CmdUndoRedo(const TCommandArgs& a);
    void CmdClipboard(const TCommandArgs& a);
    void CmdNothing(const TCommandArgs& a) {}
    int LeadingBlanks(std::string_view line) const;
    void ScrollRightAfterTyping();

    // Search.cpp
    struct TSearchRange;
    TSearchRange SearchRange(TBedSearchOptions options) const;
    std::optional<TBedPoint> ReplaceAllInLine(int y, const TSearchRange& range, const std::string& replace,
                                              bool backwards, int& count);
    // Replaces the text between two points exactly (no trimming, no padding); returns the end
    // of the new text.
    TBedPoint ReplaceRegionRaw(TBedPoint from, TBedPoint to, const std::string& text);
    std::string TextBetween(TBedPoint from, TBedPoint to) const;
    // One replacement as one undo step; returns the end of the new text.
    TBedPoint ReplaceRecorded(TBedPoint at, int length, const std::string& text);
    // Undoes or redoes a replacement record, handing its inverse to the other list.
    void SwapReplacement(const TBedEditUndoItem& item, TBedEditUndoList& to, bool undoing);

    // Bookmarks.cpp
    void MarksFollowInsertion(int index, int count);
    void MarksFollowDeletion(int index, int count);

    // Highlighting.cpp
    void HighlighterChanged(void* sender);
    void HighlighterFreed();
    void RescanAll();
    void ScanLine(int index);
    int ScanFrom(int index, int through = -1);
    int RescanFrom(int index);
    void UpdateWordChars();

    TBedEditStringList lines_;
    TBedEditUndoList undoList_;
    TBedEditUndoList redoList_;
    TBedEditKeyStrokes keystrokes_;
    TBedEditMarkList marks_;
    std::array<TBedEditMark*, 10> bookmarks_{};
    TBedBookMarkOpt bookMarkOptions_;
    TBedEditClipboard* clipboard_ = nullptr;
    TBedCustomHighlighter* highlighter_ = nullptr;
    TBedLineCheckpoints checkpoints_;
    std::bitset<256> wordChars_;
    TBedEditSearch search_;

    TBedPoint caret_;
    int lastCaretX_ = 1;
    TBedEditSelection selection_;

    TBedEditorOptions options_ = kBedDefaultEditorOptions;
    bool modified_ = false;
    // The undo state of the saved text (see UndoState), or kNoSavedState.
    static constexpr int64_t kNoSavedState = -2;
    int64_t savedState_ = 0;
    // The newest undo record's group, which names the text it leaves: groups are never reused
    // and keep their number across undo and redo. 0 for an empty list, -1 for one emptied by
    // undoing after its oldest records were dropped.
    int64_t UndoState() const;
    void UpdateModified();
    bool readOnly_ = false;
    bool insertMode_ = true;
    bool wantTabs_ = false;
    int tabWidth_ = 8;
    int maxLeftChar_ = 1024;
    int rightEdge_ = 80;

    int topLine_ = 1;
    int leftChar_ = 1;
    int linesInWindow_ = 0;
    int charsInWindow_ = 0;

    TBedEditUpdateBatch updates_;

    bool undoRedoInProgress_ = false;
    uint16_t lastKey_ = 0;
    TBedShiftState lastShift_ = 0;
    bool keyHandled_ = false;
    int imeSkip_ = 0;
    TBedEditCommandHooks hooks_;
};

// Holds a paint lock for a scope, released also when an exception passes.
using TBedPaintLock = TBedScope<TCustomBedEdit, &TCustomBedEdit::IncPaintLock, &TCustomBedEdit::DecPaintLock>;
