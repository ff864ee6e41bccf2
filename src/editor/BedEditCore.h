#pragma once
// The editing component's state and logic without any widget: lines, caret, selection, undo,
// commands and scroll position. The Qt widget TBedEdit derives from it and implements the
// view hooks (invalidation, caret and scroll-bar updates).
#include "BedEditTextBuffer.h"
#include "BedEditTypes.h"

#include <functional>
#include <string>
#include <vector>

class TCustomBedEdit {
public:
    TCustomBedEdit();
    virtual ~TCustomBedEdit();
    TCustomBedEdit(const TCustomBedEdit&) = delete;
    TCustomBedEdit& operator=(const TCustomBedEdit&) = delete;

    TBedEditStringList& Lines() { return lines_; }
    const TBedEditStringList& Lines() const { return lines_; }

    int CaretX() const { return caret_.X; }
    int CaretY() const { return caret_.Y; }
    TBedPoint CaretXY() const { return caret_; }
    void SetCaretX(int x);
    void SetCaretY(int y);
    void SetCaretXY(TBedPoint p);

    TBedPoint SelFrom() const;
    TBedPoint SelTo() const;
    void SetSelFrom(TBedPoint p);
    void SetSelTo(TBedPoint p);
    bool HasSelection() const;

    bool Modified() const { return modified_; }
    void SetModified(bool value);

    std::function<void()> OnChange;
    // Files dropped from the desktop: (x, y, names); the first name is the one used.
    std::function<void(int, int, const std::vector<std::string>&)> OnDropFiles;

protected:
    // View hooks: the widget repaints what changed. Lines are 1-based; (-1, -1) means all.
    virtual void InvalidateLines(int first, int last) {}

private:
    TBedEditStringList lines_;
    TBedPoint caret_;
    TBedPoint blockBegin_;
    TBedPoint blockEnd_;
    bool modified_ = false;
};
