#pragma once
// The highlighter framework: attributes (colours and font style of one token category) and
// the base class every highlighter derives from.
//
// An editing component drives a highlighter line by line:
//   RestoreRange(stored range of the line) or ClearRange(); StartLine(text, index);
//   while (!AtLineEnd()) { TokenStart(), TokenText(), TokenKind(), TokenAttribute(); NextToken(); }
// after which CurrentRange() is the state at the start of the following line.
#include "BedHighlighterMethodChain.h"
#include "BedHighlighterSettingsStore.h"
#include "BedTextColors.h"
#include "BedTextFontStyles.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Identical to the editor's alias: the highlighter's state at the start of a line.
using TBedRange = intptr_t;

using TBedCharSet = std::bitset<256>;
// Every character from code 33 to 255.
TBedCharSet BedNonBlankCharacters();
// The characters of a description such as "0-9A-Z_a-z" (a dash between two characters is a
// range; a dash at either end stands for itself).
TBedCharSet BedCharSetOf(const std::string& description);

using TBedHighlighterFeatures = uint8_t;
enum : TBedHighlighterFeatures { hfIdeColourImport = 1, hfRegistryPersistence = 2 };

// "Cannot assign a %s to a %s" and the framework's other conversion errors.
class EBedConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// "String list does not allow duplicates".
class EBedStringListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TBedPersistent {
public:
    virtual ~TBedPersistent() = default;
    virtual const char* ClassName() const = 0;
    // The base refuses every source: "Cannot assign a <source class> to a <own class>".
    virtual void Assign(const TBedPersistent* source);
};

class TBedHighlighterAttributes : public TBedPersistent {
public:
    explicit TBedHighlighterAttributes(std::string name);
    const char* ClassName() const override { return "TBedHighlighterAttributes"; }

    const std::string& Name() const { return name_; }
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    TFontStyles Style() const { return style_; }
    // Each setter stores and calls AttributeChanged only when the value differs.
    void SetBackground(TColor value);
    void SetForeground(TColor value);
    void SetStyle(TFontStyles value);

    // The values a form stores: those that differ from the recorded defaults.
    bool IsBackgroundStored() const { return background_ != backgroundDefault_; }
    bool IsForegroundStored() const { return foreground_ != foregroundDefault_; }
    bool IsStyleStored() const { return style_ != styleDefault_; }
    void RecordDefaults();

    // From another attribute: name, colours and style; AttributeChanged once if any of the
    // colours or the style differed.
    void Assign(const TBedPersistent* source) override;
    virtual void AttributeChanged();
    // Reads an IDE's colour scheme entry (old comma-separated format or the newer key of
    // named values). False, with nothing changed, when the entry is missing or unreadable.
    virtual bool LoadFromIdeRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key, bool oldFormat,
                                     const std::string& valueName);

    std::function<void(TBedHighlighterAttributes*)> OnAttributeChange;

private:
    TColor background_ = clNone;
    TColor backgroundDefault_ = clNone;
    TColor foreground_ = clNone;
    TColor foregroundDefault_ = clNone;
    std::string name_;
    TFontStyles style_ = 0;
    TFontStyles styleDefault_ = 0;
};

class TBedCustomHighlighter : public TBedPersistent {
public:
    // The owner (the form) is not used: instances are owned by whoever creates them.
    explicit TBedCustomHighlighter(void* owner = nullptr);
    ~TBedCustomHighlighter() override;
    TBedCustomHighlighter(const TBedCustomHighlighter&) = delete;
    TBedCustomHighlighter& operator=(const TBedCustomHighlighter&) = delete;

    // Attributes in case-insensitive order of their names, not in creation order.
    virtual int AttributeCount() const;
    virtual TBedHighlighterAttributes* AttributeAt(int index) const;
    // Kinds 0 comment, 1 identifier, 2 keyword, 3 string, 4 whitespace; null otherwise.
    virtual TBedHighlighterAttributes* StandardAttribute(int kind) const = 0;
    virtual const std::string& DefaultFilter() const { return defaultFilter_; }
    virtual TBedCharSet WordCharacters() const;
    virtual std::string ExportExtraSettings() const { return {}; }
    virtual bool IsDefaultFilterSaved() const { return true; }
    virtual void SetDefaultFilter(const std::string& value) { defaultFilter_ = value; }
    virtual void ImportExtraSettings(const std::string& text) {}
    virtual TBedHighlighterFeatures FeatureFlags() const { return hfRegistryPersistence; }
    virtual std::string LanguageName() const { return "<Unknown>"; }
    virtual bool AtLineEnd() const = 0;
    virtual TBedRange CurrentRange() const { return 0; }
    virtual std::string TokenText() const = 0;
    // The length of TokenText, without copying it.
    virtual int TokenLength() const { return static_cast<int>(TokenText().size()); }
    // Null: the token is drawn with the editor's own colours and font style.
    virtual TBedHighlighterAttributes* TokenAttribute() const = 0;
    virtual int TokenKind() const = 0;
    // 0-based offset of the current token in the line.
    virtual int TokenStart() const = 0;
    virtual bool IsKeywordText(const std::string& text) { return false; }
    virtual void NextToken() = 0;
    // Takes the text, starts at offset 0 and scans the first token.
    virtual void StartLine(std::string_view text, int lineIndex) = 0;
    // Takes the text and scans the token at offset `at`, where a scan of the line from its
    // start ended a token with CurrentRange() == range; the tokens from there on are those of
    // that scan. False, with nothing done, where more than the range passes from one token to
    // the next: such a highlighter scans a line only from its start.
    virtual bool ResumeLine(std::string_view text, int lineIndex, int at, TBedRange range) { return false; }
    virtual void RestoreRange(TBedRange value) {}
    virtual void ClearRange() {}
    virtual bool ApplyIdeColours(int index) { return false; }
    virtual void ListIdeVersions(std::vector<std::string>& list) { list.clear(); }
    virtual bool LoadAttributesFromRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key);
    virtual bool SaveAttributesToRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key);

    // Raises EBedStringListError for a second attribute of the same name. Takes ownership.
    void RegisterAttribute(TBedHighlighterAttributes* attr);
    // Fires the change chain with this highlighter as sender.
    void NotifyChanged(void* sender = nullptr);
    // An editing component adds one handler bound to itself and removes it when it lets go.
    void AddChangeHandler(TBedNotifyEvent handler);
    void RemoveChangeHandler(TBedNotifyEvent handler);
    // Every attribute change from now on fires the chain; current values become the defaults.
    void HookAttributeChanges();
    // Scans the rest of the line; a scanner does so without a virtual call per token.
    virtual void ScanToLineEnd();
    // Copies the attributes of equal name; extra settings only from a source of this class.
    void Assign(const TBedPersistent* source) override;

    // Told (once) while this highlighter is being destroyed, so that users can forget it;
    // the notification must not call the highlighter any more.
    void AddFreeNotification(const void* client, std::function<void()> notify);
    void RemoveFreeNotification(const void* client);

protected:
    // The attribute part of the registry operations, on the key the store has open.
    bool LoadAttributesFromOpenKey(TBedSettingsStore& store);
    bool SaveAttributesToOpenKey(TBedSettingsStore& store);
    // The registry operations of a highlighter that keeps a keyword list beside its
    // attributes, one word per line in the string value "KeyWords" of the key; loading hands
    // the stored words (when there are any) to setKeyWords before the attributes load.
    bool LoadKeyWordsAndAttributes(TBedSettingsStore& store, TBedRootKey root, const std::string& key,
                                   const std::function<void(std::vector<std::string>)>& setKeyWords);
    bool SaveKeyWordsAndAttributes(TBedSettingsStore& store, TBedRootKey root, const std::string& key,
                                   const std::vector<std::string>& keyWords);

    std::string defaultFilter_;

private:
    void AttributeChangedHandler(TBedHighlighterAttributes*) { NotifyChanged(); }

    std::vector<std::unique_ptr<TBedHighlighterAttributes>> attributes_;  // sorted by name
    TBedNotifyEventChain changeChain_;
    std::vector<std::pair<const void*, std::function<void()>>> freeNotifications_;
};
