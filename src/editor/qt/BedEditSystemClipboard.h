#pragma once
// The system clipboard for the editing component: plain text in Unicode for other programs,
// plus the editor's own block format that keeps the selection mode.
#include "BedEditClipboard.h"

class TBedEditSystemClipboard : public TBedEditClipboard {
public:
    static constexpr const char* kBlockMimeType = "application/x-bededit-block";

    void SetText(const std::string& text, TBedSelectionMode mode) override;
    std::optional<TBedClipboardText> GetText() override;
};
