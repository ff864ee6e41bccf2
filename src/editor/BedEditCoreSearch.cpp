// Search and replace over the lines, on top of the per-line engine.
#include "BedEditCoreInternal.h"

#include <algorithm>
#include <optional>

using namespace bededit;

namespace {

// A piece searched at once stays well below the lengths a search counts in.
constexpr size_t kLongestPiece = size_t(64) << 20;

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// Calls onLine(index) for the lines first..last (from 0) that hold a match, in order, searching
// the whole text in one pass: lines that lie one after another in the block they were loaded
// from, only breaks between them, are one piece for the search; a line with a string of its own
// is a piece by itself and an empty line none. The pattern holds no break, so no match spans
// two lines, and the breaks around a line end words as its ends do.
template <typename F>
void ForEachLineWithMatch(const TBedEditStringList& lines, TBedEditSearch& search, int first, int last, F onLine) {
    std::vector<std::pair<int, const char*>> starts;  // each line of the piece and where it begins
    std::vector<int> matched;
    for (int y = first; y <= last;) {
        const std::string_view line = lines.GetView(y);
        const std::string_view block = lines.LoadedBlock(y);
        starts.assign(1, {y, line.data()});
        const char* end = line.data() + line.size();
        for (++y; !block.empty() && y <= last; ++y) {
            const std::string_view next = lines.GetView(y);
            if (next.empty()) continue;
            if (next.data() < end || next.data() >= block.data() + block.size() ||
                size_t(next.data() + next.size() - line.data()) > kLongestPiece ||
                !std::all_of(end, next.data(), IsBreak))
                break;
            starts.emplace_back(y, next.data());
            end = next.data() + next.size();
        }
        if (end == line.data()) continue;
        const int found = search.FindAll(std::string_view(line.data(), size_t(end - line.data())));
        matched.clear();
        size_t at = 0;
        for (int i = 0; i < found; ++i) {
            const char* hit = line.data() + search.Results(i) - 1;
            while (at + 1 < starts.size() && starts[at + 1].second <= hit) ++at;
            if (matched.empty() || matched.back() != starts[at].first) matched.push_back(starts[at].first);
        }
        // Rebuilding a line searches it again: the piece's results are gone by then.
        for (const int index : matched) onLine(index);
    }
}

}  // namespace

// Where matches count: between two points, and with a column selection also between its
// columns on every line. Positions are those of the text before any replacement.
struct TCustomBedEdit::TSearchRange {
    TBedPoint start;
    TBedPoint end;
    bool columns = false;

    bool Leaves(int y, int x, int length) const {
        if (columns) return x < start.X || x + length > end.X;
        return (y == start.Y && x < start.X) || (y == end.Y && x + length > end.X);
    }
};

TCustomBedEdit::TSearchRange TCustomBedEdit::SearchRange(TBedSearchOptions options) const {
    const int count = lines_.Count();
    TSearchRange range{{1, 1}, {int(lines_.GetView(count - 1).size()) + 1, count}};
    if ((options & ssoSelectedOnly) && HasSelection()) {
        range.start = SelFrom();
        range.end = SelTo();
        if (selection_.mode == smLine) {
            range.start.X = 1;
            range.end.X = int(lines_.GetView(range.end.Y - 1).size()) + 1;
        } else if (selection_.mode == smColumn) {
            // Only a real column block limits the columns; the mode alone does not.
            range.columns = true;
            if (range.end.X < range.start.X) std::swap(range.start.X, range.end.X);
        }
    } else if (!(options & ssoEntireScope)) {
        (options & ssoBackwards ? range.end : range.start) = caret_;
    }
    return range;
}

int TCustomBedEdit::SearchReplace(const std::string& search, const std::string& replace, TBedSearchOptions options) {
    if (search.empty() || lines_.Count() == 0) return 0;
    const bool backwards = options & ssoBackwards;
    const bool replacing = !readOnly_ && (options & (ssoReplace | ssoReplaceAll));
    bool replaceAll = replacing && (options & ssoReplaceAll);
    bool prompt = replacing && (options & ssoPrompt) && OnReplaceText;
    const TSearchRange range = SearchRange(options);
    search_.SetSensitive(options & ssoMatchCase);
    search_.SetWhole(options & ssoWholeWord);
    search_.SetPattern(search);
    // While asking, each match must be shown; without questions the picture waits for the end.
    std::optional<TBedPaintLock> lock;
    std::optional<TBedUndoGroup> group;  // all the replacements are one undo step
    if (replaceAll) group.emplace(undoList_);
    if (replaceAll && !prompt) lock.emplace(*this);
    // A replacement with line breaks moves the rest of its line down; the range is judged in
    // the lines as they were.
    const bool breaks = replace.find_first_of("\r\n") != std::string::npos;
    const int length = int(search.size());
    int count = 0;
    int added = 0;                        // lines the replacements added so far (forward only)
    std::optional<TBedPoint> caretAfter;  // where whole-line replacements leave the caret
    // The caret is placed once after all lines, not after each of them.
    auto placeCaret = [&] {
        if (!caretAfter) return;
        SetCaretXY(*caretAfter);
        SetSelFrom(caret_);
        caretAfter.reset();
    };
    if (replaceAll && !prompt && !breaks && !backwards && search.find_first_of("\r\n") == std::string::npos) {
        std::optional<TBedLinesUpdate> update;
        ForEachLineWithMatch(lines_, search_, range.start.Y - 1, range.end.Y - 1, [&](int index) {
            if (const auto caret = ReplaceAllInLine(index + 1, range, replace, false, count)) {
                caretAfter = caret;
                // Once a line has changed, the owner hears of the others together.
                if (!update) update.emplace(lines_);
            }
        });
        placeCaret();
        return count;
    }
    for (int y0 = backwards ? range.end.Y : range.start.Y; backwards ? y0 >= range.start.Y : y0 <= range.end.Y;
         y0 += backwards ? -1 : 1) {
        int y = y0 + added;
        if (replaceAll && !prompt && !breaks) {
            if (const auto caret = ReplaceAllInLine(y, range, replace, backwards, count)) caretAfter = caret;
            continue;
        }
        const int found = search_.FindAll(lines_.GetView(y - 1));
        int drift = 0;  // original position minus the current one, for later matches
        for (int i = backwards ? found - 1 : 0; backwards ? i >= 0 : i < found; i += backwards ? -1 : 1) {
            const int x = search_.Results(i);
            if (range.Leaves(y0, x + drift, length)) continue;
            ++count;
            placeCaret();
            const TBedPoint from{x, y}, to{x + length, y};
            SetCaretAndSelection(backwards ? from : to, from, to);
            if (!replacing) return count;
            TBedReplaceAction action = raReplace;
            if (prompt) {
                action = OnReplaceText(*this, search, replace, y, x);
                if (action == raCancel) return count;
            }
            if (action != raSkip) {
                if (action == raReplaceAll) {
                    replaceAll = true;
                    prompt = false;
                    if (!lock) lock.emplace(*this);
                    if (!group) group.emplace(undoList_);
                }
                const TBedPoint end = ReplaceRecorded(from, length, replace);
                SetCaretXY(backwards ? from : end);
                SetSelFrom(caret_);
                if (!backwards) {
                    const int delta = x + length - end.X;
                    search_.FixResults(x, delta);
                    drift += delta;
                    added += end.Y - y;
                    y = end.Y;
                }
            }
            if (!replaceAll) return count;
        }
    }
    placeCaret();
    return count;
}

// Every match of one line replaced with a single write of the line; each replacement is still
// an undo record of its own (replace-all groups them into one step). Returns where the caret
// goes when the line changed: after the last replacement, or before it when going backwards.
std::optional<TBedPoint> TCustomBedEdit::ReplaceAllInLine(int y, const TSearchRange& range, const std::string& replace,
                                                          bool backwards, int& count) {
    const std::string_view line = lines_.GetView(y - 1);
    const int found = search_.FindAll(line);
    if (found == 0) return std::nullopt;
    const int length = int(search_.Pattern().size()), newLength = int(replace.size());
    std::string result;
    std::vector<TBedEditUndoItem> records;
    // A run that nobody can undo (undo suspended) keeps no records.
    const bool recording = !undoList_.Suspended();
    size_t copied = 0;
    int shift = 0;  // how far the replacements so far moved the rest of the line
    std::optional<TBedPoint> caret;
    for (int i = 0; i < found; ++i) {
        const int x = search_.Results(i);
        if (range.Leaves(y, x, length)) continue;
        ++count;
        if (copied == 0 && result.empty()) result.reserve(line.size() + size_t(found) * size_t(newLength));
        result.append(line.substr(copied, size_t(x - 1) - copied)).append(replace);
        copied = size_t(x - 1) + size_t(length);
        // Backwards the matches are replaced from the right, so each keeps its place; the caret
        // ends after the last one, or before the first one going backwards.
        const TBedPoint start{backwards ? x : x + shift, y};
        if (!backwards || !caret) caret = backwards ? start : TBedPoint{start.X + newLength, y};
        shift += newLength - length;
        if (!recording) continue;
        TBedEditUndoItem& record = records.emplace_back();
        record.Reason = crReplace;
        record.Start = start;
        record.End = {record.Start.X + newLength, y};
        record.Text = line.substr(size_t(x - 1), size_t(length));
    }
    if (!caret) return std::nullopt;
    result.append(line.substr(copied));
    lines_.Put(y - 1, std::move(result));
    if (backwards) std::reverse(records.begin(), records.end());
    for (auto& record : records) undoList_.AddItem(std::move(record));
    return caret;
}

std::string TCustomBedEdit::TextBetween(TBedPoint from, TBedPoint to) const {
    const std::string_view first = lines_.GetView(from.Y - 1);
    auto piece = [](std::string_view line, int begin, int end) {
        begin = std::clamp(begin, 0, int(line.size()));
        end = std::clamp(end, begin, int(line.size()));
        return std::string(line.substr(size_t(begin), size_t(end - begin)));
    };
    if (from.Y == to.Y) return piece(first, from.X - 1, to.X - 1);
    std::string text = piece(first, from.X - 1, INT32_MAX);
    for (int y = from.Y + 1; y < to.Y; ++y) text.append(kLineBreak).append(lines_.GetView(y - 1));
    return text.append(kLineBreak).append(piece(lines_.GetView(to.Y - 1), 0, to.X - 1));
}

TBedPoint TCustomBedEdit::ReplaceRegionRaw(TBedPoint from, TBedPoint to, const std::string& text) {
    TBedLinesUpdate update(lines_);
    const std::string_view first = lines_.GetView(from.Y - 1), last = lines_.GetView(to.Y - 1);
    const size_t head = size_t(std::clamp(from.X - 1, 0, int(first.size())));
    const size_t tail = size_t(std::clamp(to.X - 1, 0, int(last.size())));
    std::string joined;
    joined.reserve(head + text.size() + last.size() - tail);
    joined.append(first.substr(0, head)).append(text).append(last.substr(tail));
    const int oldLines = to.Y - from.Y + 1;
    if (text.find_first_of("\r\n") == std::string::npos) {
        JoinWithLinesBelow(from.Y - 1, oldLines - 1, std::move(joined));
    } else {
        std::vector<std::string> pieces = SplitPieces(joined);
        const int newLines = int(pieces.size());
        if (newLines > oldLines) lines_.InsertEmptyLines(to.Y, newLines - oldLines);
        if (newLines < oldLines) lines_.DeleteLines(from.Y - 1 + newLines, oldLines - newLines);
        for (int i = 0; i < newLines; ++i) lines_.Put(from.Y - 1 + i, std::move(pieces[size_t(i)]));
    }
    return PointAfter({int(head) + 1, from.Y}, text);
}

TBedPoint TCustomBedEdit::ReplaceRecorded(TBedPoint at, int length, const std::string& text) {
    TBedEditUndoItem record;
    record.Reason = crReplace;
    record.Start = at;
    record.Text = TextBetween(at, {at.X + length, at.Y});
    record.End = ReplaceRegionRaw(at, {at.X + length, at.Y}, text);
    const TBedPoint end = record.End;
    undoList_.AddItem(std::move(record));
    return end;
}

void TCustomBedEdit::SwapReplacement(const TBedEditUndoItem& item, TBedEditUndoList& to, bool undoing) {
    TBedEditUndoItem inverse = item;
    inverse.Text = TextBetween(item.Start, item.End);
    inverse.End = ReplaceRegionRaw(item.Start, item.End, item.Text);
    const TBedPoint end = inverse.End;
    to.AddItem(std::move(inverse));
    // Undo shows the old text selected; redo leaves the caret after the new one.
    if (undoing)
        SetCaretAndSelection(item.Start, item.Start, end);
    else
        SetCaretAndSelection(end, end, end);
}
