#pragma once
// A canvas for tests: fonts of simple fixed metrics (a point is 4 pixels high and 2 wide per
// character), and a record of the job and of everything drawn, page by page.
#include "BedEditPrintCanvas.h"

#include <string>
#include <vector>

class TRecordingCanvas : public TBedPrintCanvas {
public:
    struct Row {
        TBedPrintCells cells;
        std::string text;
        std::vector<TBedPrintRun> runs;
    };
    struct Text {
        TBedPrintFont font;
        int x, baseline;
        std::string text;
    };
    struct Shape {
        char kind;  // 'F' fill, 'B' box, 'L' rule
        TBedPrintRect rect;
        TColor color;
    };
    struct Page {
        std::vector<Row> rows;
        std::vector<Text> texts;
        std::vector<Shape> shapes;
    };

    TBedEditPrinterInfo info = TBedEditPrinterInfo::A4Default();
    std::string title;
    bool begun = false, ended = false, aborted = false;
    std::vector<Page> pages;

    TBedEditPrinterInfo PrinterInfo() override { return info; }
    TBedPrintFontMetrics Metrics(const TBedPrintFont& font) override {
        const int h = int(font.Size * 4);
        return {h, h / 4, int(font.Size) / 5, CharWidth(font)};
    }
    int TextWidth(const TBedPrintFont& font, std::string_view text) override {
        int chars = 0;
        for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return chars * CharWidth(font);
    }
    void BeginDocument(const std::string& t) override {
        title = t;
        begun = true;
        pages.emplace_back();
    }
    void NewPage() override { pages.emplace_back(); }
    void EndDocument() override { ended = true; }
    void Abort() override { aborted = true; }
    void DrawText(const TBedPrintFont& font, int x, int baseline, std::string_view text) override {
        pages.back().texts.push_back({font, x, baseline, std::string(text)});
    }
    void FillRect(const TBedPrintRect& r, TColor c) override { pages.back().shapes.push_back({'F', r, c}); }
    void FrameRect(const TBedPrintRect& r, TColor c) override { pages.back().shapes.push_back({'B', r, c}); }
    void HorizontalLine(int left, int right, int y, TColor c) override {
        pages.back().shapes.push_back({'L', {left, y, right, y}, c});
    }
    void DrawCells(const TBedPrintFont&, const TBedPrintCells& cells, std::string_view text,
                   const std::vector<TBedPrintRun>& runs) override {
        pages.back().rows.push_back({cells, std::string(text), runs});
    }

    // The body text of a page, one row a line.
    std::vector<std::string> RowTexts(size_t page) const {
        std::vector<std::string> result;
        for (const Row& r : pages.at(page).rows) result.push_back(r.text);
        return result;
    }

private:
    static int CharWidth(const TBedPrintFont& font) { return int(font.Size * 2); }
};
