#pragma once
// What one highlighter class and the main window's instance of it are, as constant data kept
// beside the class's scanner in its language's file (whose comment names its keyword scheme):
// names, how to create it, attributes with their built-in looks, the attribute of each token
// kind, the keywords, initial range state, file filter, word characters, and the main
// window's instance: its name, menu item, extensions and colours. BedHighlighterList.h lists
// them all.
#include "BedHighlighter.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>

struct TBedAttributeRow {
    const char* property;  // the published property, e.g. "StringAttri"; empty: not published
    const char* name;      // the attribute's name, e.g. "String"
    TFontStyles style = 0;
    TColor foreground = clNone;
    TColor background = clNone;
};

// Words that a language's keyword table gives one token kind.
struct TBedKeywordList {
    int kind;
    std::span<const char* const> words;
};

using TBedCreateHighlighter = std::unique_ptr<TBedCustomHighlighter> (*)();

template <class THighlighter>
std::unique_ptr<TBedCustomHighlighter> BedCreate() {
    return std::make_unique<THighlighter>();
}

// A value the main window gives one attribute of its instance instead of the class default.
struct TBedAttributeSetting {
    const char* property;  // as in TBedAttributeRow
    std::optional<TColor> foreground = std::nullopt;
    std::optional<TFontStyles> style = std::nullopt;
};

// A highlighter of the main window and its item in "Vyber zvýraznění"; a language writes it
// as one row in field order: {name, component, caption, extensions, colours, configure,
// visible, prose}, leaving out what keeps its default at the end.
struct TBedMainWindowInstance {
    const char* name = nullptr;       // e.g. "hl_pas"; null for a class without one
    const char* component = nullptr;  // the menu item, e.g. "Pascal1"
    const char* caption = nullptr;    // UTF-8, e.g. "Pascal"
    // The upper-case extensions that choose it on loading, separated by blanks, e.g.
    // ".PAS .DPR"; empty: chosen from the menu only.
    const char* extensions = "";
    std::span<const TBedAttributeSetting> colours = {};
    // Properties other than colours (keyword lists, dialects), on an instance of the class.
    void (*configure)(TBedCustomHighlighter&) = nullptr;
    bool visible = true;
    // A format of plain prose (a letter, a mail box): spelling is checked in all its text,
    // not only in comments and strings.
    bool prose = false;
};

// The word characters of most languages.
inline constexpr const char* kBedIdentifierCharacters = "0-9A-Z_a-z";

// A language writes its facts in field order, packed on a few lines: the class and its
// creator first, its main window row last.
struct TBedLanguage {
    const char* className;
    // Null while the class's scanner is not built yet.
    TBedCreateHighlighter create;
    const char* languageName;
    std::span<const TBedAttributeRow> attributes;  // in creation order
    // The property of the attribute of each token kind, in the order of the scanner's kinds;
    // null for a kind drawn with the editor's own colours (the end of the line).
    std::span<const char* const> kinds;
    // The words the scanner knows, by the kind it gives them (its keywords; HTML's entities
    // too); none for a class whose words are set at run time or stand for more than a kind.
    std::span<const TBedKeywordList> keywords = {};
    // The range state after construction and ClearRange; none for a class without states.
    std::optional<TBedRange> initialRange = std::nullopt;
    const char* defaultFilter;
    const char* wordCharacters = kBedIdentifierCharacters;  // empty: every character 33-255
    TBedMainWindowInstance mainWindow = {};
};

// The standard seven attributes with an italic comment and a bold keyword, and the same
// seven all plain.
inline constexpr TBedAttributeRow kBedStandardAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                                              {"IdentifierAttri", "Identifier"},
                                                              {"KeyAttri", "Reserved word", fsBold},
                                                              {"NumberAttri", "Number"},
                                                              {"SpaceAttri", "Space"},
                                                              {"StringAttri", "String"},
                                                              {"SymbolAttri", "Symbol"}};
inline constexpr TBedAttributeRow kBedPlainStandardAttributes[] = {
    {"CommentAttri", "Comment"}, {"IdentifierAttri", "Identifier"}, {"KeyAttri", "Reserved word"},
    {"NumberAttri", "Number"},   {"SpaceAttri", "Space"},           {"StringAttri", "String"},
    {"SymbolAttri", "Symbol"}};

// What most of the main window's language instances change.
inline constexpr TBedAttributeSetting kBedNumberBlueStringRedItalic[] = {
    {.property = "NumberAttri", .foreground = clBlue},
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

// Whether the attribute marks what people write in words inside code: comments, strings,
// documentation and the text of a page.
bool BedIsProseAttribute(const TBedCustomHighlighter& hl, const TBedHighlighterAttributes* attribute);

// The attribute published as property (e.g. "StringAttri") by an instance of the language;
// raises std::out_of_range for a property the language does not have.
TBedHighlighterAttributes* BedAttributeOf(const TBedCustomHighlighter& hl, const TBedLanguage& language,
                                          std::string_view property);

// A new instance of the class with the main window's colours and properties; null while the
// class is not built yet.
std::unique_ptr<TBedCustomHighlighter> BedCreateInstance(const TBedLanguage& language,
                                                         const TBedMainWindowInstance& instance);
// The same for the language's own instance.
inline std::unique_ptr<TBedCustomHighlighter> BedCreateInstance(const TBedLanguage& language) {
    return BedCreateInstance(language, language.mainWindow);
}
