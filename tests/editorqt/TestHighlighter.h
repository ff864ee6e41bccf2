#pragma once
// A small highlighter for painting tests and benchmarks: words alternate between plain,
// bold keyword and italic comment attributes; "{" opens a comment that may span lines. Like
// many scanners it takes a NUL byte for the end of the line.
#include "BedHighlighter.h"

class TTestHighlighter : public TBedCustomHighlighter {
public:
    enum Kind { tkIdent, tkKey, tkSpace, tkComment };
    TTestHighlighter() {
        for (auto* a : {ident_, key_, space_, comment_}) RegisterAttribute(a);
        key_->SetStyle(fsBold);
        key_->SetForeground(clBlue);
        comment_->SetStyle(fsItalic);
        comment_->SetForeground(clTeal);
        HookAttributeChanges();
    }
    const char* ClassName() const override { return "TTestHighlighter"; }
    TBedHighlighterAttributes* StandardAttribute(int kind) const override {
        switch (kind) {
            case 0: return comment_;
            case 1: return ident_;
            case 2: return key_;
            case 4: return space_;
            default: return nullptr;
        }
    }
    TBedHighlighterAttributes* SpaceAttri() const { return space_; }
    TBedHighlighterAttributes* KeyAttri() const { return key_; }
    bool AtLineEnd() const override { return start_ >= int(line_.size()) || line_[size_t(start_)] == '\0'; }
    TBedRange CurrentRange() const override { return inComment_ ? 1 : 0; }
    void RestoreRange(TBedRange value) override { inComment_ = value == 1; }
    void ClearRange() override { inComment_ = false; }
    std::string TokenText() const override { return line_.substr(size_t(start_), size_t(end_ - start_)); }
    int TokenStart() const override { return start_; }
    int TokenKind() const override { return kind_; }
    TBedHighlighterAttributes* TokenAttribute() const override {
        switch (kind_) {
            case tkKey: return key_;
            case tkSpace: return space_;
            case tkComment: return comment_;
            default: return ident_;
        }
    }
    void StartLine(std::string_view text, int) override {
        line_ = text;
        end_ = 0;
        words_ = 0;
        NextToken();
    }
    void NextToken() override {
        start_ = end_;
        const int n = int(line_.size());
        if (start_ >= n) return;
        if (inComment_ || line_[size_t(start_)] == '{') {
            kind_ = tkComment;
            inComment_ = true;
            while (end_ < n && line_[size_t(end_)] != '}') ++end_;
            if (end_ < n) {
                ++end_;
                inComment_ = false;
            }
        } else if (line_[size_t(start_)] == ' ') {
            kind_ = tkSpace;
            while (end_ < n && line_[size_t(end_)] == ' ') ++end_;
        } else {
            kind_ = (words_++ % 2) ? tkKey : tkIdent;
            while (end_ < n && line_[size_t(end_)] != ' ' && line_[size_t(end_)] != '{' && line_[size_t(end_)] != '\0')
                ++end_;
        }
    }

private:
    TBedHighlighterAttributes* ident_ = new TBedHighlighterAttributes("Identifier");
    TBedHighlighterAttributes* key_ = new TBedHighlighterAttributes("Reserved word");
    TBedHighlighterAttributes* space_ = new TBedHighlighterAttributes("Space");
    TBedHighlighterAttributes* comment_ = new TBedHighlighterAttributes("Comment");
    std::string line_;
    int start_ = 0;
    int end_ = 0;
    int words_ = 0;
    int kind_ = tkIdent;
    bool inComment_ = false;
};
