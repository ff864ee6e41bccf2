#include "HighlighterTestUtil.h"

std::vector<TScannedToken> ScanLine(TBedCustomHighlighter& hl, const std::string& line,
                                    int index) {
    std::vector<TScannedToken> tokens;
    hl.StartLine(line, index);
    while (!hl.AtLineEnd()) {
        const TBedHighlighterAttributes* attr = hl.TokenAttribute();
        tokens.push_back({hl.TokenStart(), hl.TokenText(), hl.TokenKind(),
                          attr ? attr->Name() : "-"});
        hl.NextToken();
    }
    return tokens;
}

std::vector<std::string> Texts(TBedCustomHighlighter& hl, const std::string& line) {
    hl.ClearRange();
    std::vector<std::string> texts;
    for (const TScannedToken& t : ScanLine(hl, line))
        texts.push_back(t.text);
    return texts;
}

std::vector<std::string> TextKinds(TBedCustomHighlighter& hl, const std::string& line) {
    hl.ClearRange();
    std::vector<std::string> out;
    for (const TScannedToken& t : ScanLine(hl, line))
        out.push_back(t.text + "/" + std::to_string(t.kind));
    return out;
}
