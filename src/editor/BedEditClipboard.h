#pragma once
// What the editing component needs from a clipboard: text with the selection mode it was cut
// in. The Qt widget plugs in the system clipboard; tests and hidden editors use memory.
#include "BedEditTypes.h"

#include <optional>
#include <stdexcept>
#include <string>

// Misuse or failure of the editing component ("Clipboard copy operation failed").
class EBedEditError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TBedClipboardText {
    std::string text;                       // CP 1250
    std::optional<TBedSelectionMode> mode;  // set when the text came from a block copy
    // Characters the code page cannot hold were replaced by '?'.
    bool lossy = false;
};

class TBedEditClipboard {
public:
    virtual ~TBedEditClipboard() = default;
    // Puts the text both as plain text and as a block with its mode. Raises EBedEditError.
    virtual void SetText(const std::string& text, TBedSelectionMode mode) = 0;
    // Nothing when the clipboard holds no text. Raises EBedEditError when it can't be read.
    virtual std::optional<TBedClipboardText> GetText() = 0;
};

class TBedEditMemoryClipboard : public TBedEditClipboard {
public:
    void SetText(const std::string& text, TBedSelectionMode mode) override {
        content_ = TBedClipboardText{text, mode, false};
    }
    std::optional<TBedClipboardText> GetText() override { return content_; }
    // Plain text from another program: no mode.
    void SetPlainText(const std::string& text, bool lossy = false) {
        content_ = TBedClipboardText{text, std::nullopt, lossy};
    }
    void Clear() { content_.reset(); }

private:
    std::optional<TBedClipboardText> content_;
};

// The system clipboard speaks Unicode and carries blocks as bytes; these convert at its edge.
namespace bedclip {

// The private block format: one byte of selection mode, then the CP 1250 text.
std::string EncodeBlock(const std::string& text, TBedSelectionMode mode);
// Raises EBedEditError "Clipboard paste operation failed." for data that is not a block.
TBedClipboardText DecodeBlock(const std::string& data);
std::u32string ToUnicode(const std::string& cp1250);
// Characters CP 1250 cannot hold become '?' and set `lossy`.
std::string FromUnicode(const std::u32string& text, bool& lossy);

}  // namespace bedclip
