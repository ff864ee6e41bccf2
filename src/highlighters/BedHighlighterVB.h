#pragma once
// Visual Basic: the VBScript scanner with the 213 reserved words of Visual Basic ("Rem" is not
// one of them), and its own kind for characters without a scanner of their own.
#include "BedHighlighterVBScript.h"

extern const TBedLanguage kBedVBLanguage;

class TVBHighlighter : public TVBScriptHighlighter {
public:
    explicit TVBHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TVBHighlighter"; }

    static std::span<const char* const> Keywords();
};
