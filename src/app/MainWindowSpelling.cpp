// Spelling: the red waves under misspelled words of the painted lines, the word's context menu
// (suggestions, "Přidat do slovníku", "Ignorovat") and the item "Kontrola pravopisu".
#include "MainWindow.h"

#include "BedEdit.h"
#include "BedEditDrag.h"
#include "BedSpellHunspell.h"
#include "BedSpellSession.h"
#include "BedSpellWords.h"

#include <QAction>
#include <QMenu>

#include <cstdlib>

namespace {

constexpr size_t kMaxSuggestions = 8;

}  // namespace

void TForm1::ConnectSpelling() {
    dictionary_ = BedFindDictionary(BedDictionaryDirectories(std::getenv));
    QAction* item = Action("pravopis");
    if (!dictionary_) {
        item->setEnabled(false);
        item->setToolTip(QString::fromUtf8(kBedNoDictionaryReason));
        item->setStatusTip(item->toolTip());
    }
    Memo1->OnUnderlines = [this](int line, std::string_view text, const std::vector<TBedLineToken>& tokens,
                                 std::vector<TBedTextSpan>& out) { MisspelledWords(line, text, tokens, out); };
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { Guard([&] { AddSpellingItems(); }); });
}

void TForm1::pravopisClick() {
    if (!settings_.kontrolaPravopisu) spelling_.reset();
    Memo1->viewport()->update();
}

bool TForm1::SpellingOn() const { return dictionary_ && settings_.kontrolaPravopisu; }

TBedSpellSession* TForm1::Spelling() {
    // Started by the first painted line: a run without a window never opens the dictionary.
    if (!spelling_ && SpellingOn()) {
        personalWords_ = TBedPersonalWords(settingsDir + kPersonalWordsFile);
        spelling_ =
            std::make_unique<TBedSpellSession>([files = *dictionary_] { return TBedHunspellChecker::Open(files); },
                                               [this] {
                                                   QMetaObject::invokeMethod(
                                                       this, [this] { RepaintAnsweredLines(); }, Qt::QueuedConnection);
                                               });
        for (const std::string& word : personalWords_.Load()) spelling_->Accept(word);
    }
    return spelling_.get();
}

void TForm1::RepaintAnsweredLines() {
    // Only the lines that waited for an answer: typing repaints one line, not the window.
    for (const int line : linesAwaitingAnswers_) {
        const QPoint at = Memo1->PositionToPixels({1, line});
        Memo1->viewport()->update(0, at.y(), Memo1->viewport()->width(), Memo1->LineHeight());
    }
    linesAwaitingAnswers_.clear();
}

void TForm1::MisspelledWords(int line, std::string_view text, const std::vector<TBedLineToken>& tokens,
                             std::vector<TBedTextSpan>& out) {
    if (!SpellingOn()) return;
    TBedSpellSession* session = Spelling();
    spellWords_.clear();
    const TBedMainWindowInstance* instance = highlighters_.InstanceOf(Memo1->Highlighter());
    if (!Memo1->Highlighter() || (instance && instance->prose)) {
        BedSpellableWords(text, {0, int(text.size())}, spellWords_);
    } else {
        for (const TBedLineToken& t : tokens)
            if (BedIsProseAttribute(*Memo1->Highlighter(), t.attribute)) BedSpellableWords(text, t.span, spellWords_);
    }
    for (const TBedTextSpan& w : spellWords_) {
        const TBedWordState state = session->State(std::string(text.substr(w.start, w.length)));
        if (state == TBedWordState::Wrong) out.push_back(w);
        if (state == TBedWordState::Unknown) linesAwaitingAnswers_.insert(line);
    }
}

void TForm1::AddSpellingItems() {
    for (QAction* a : spellingItems_) delete a;
    spellingItems_.clear();
    TBedSpellSession* session = SpellingOn() ? Spelling() : nullptr;
    if (!session) return;
    const TBedPoint at = Memo1->ContextMenuPosition();
    if (at.Y < 1 || at.Y > Memo1->Lines().Count()) return;
    const std::string line = Memo1->Lines().Get(at.Y - 1);
    const std::optional<TBedTextSpan> span = BedWordAt(line, at.X - 1);
    if (!span) return;
    const std::string word = line.substr(span->start, span->length);
    if (session->State(word) != TBedWordState::Wrong) return;

    QAction* first = PopupMenu1->actions().value(0);
    auto add = [&](const QString& caption, std::function<void()> run) {
        auto* action = new QAction(caption, PopupMenu1);
        if (run) connect(action, &QAction::triggered, this, [this, run] { Guard(run); });
        PopupMenu1->insertAction(first, action);
        spellingItems_.push_back(action);
        return action;
    };
    const std::vector<std::string> suggestions = session->Suggest(word, kMaxSuggestions);
    for (const std::string& s : suggestions) {
        QAction* action = add(Cp1250TextToUnicode(s), [this, at, span = *span, s] {
            Memo1->SetCaretAndSelection({span.start + 1 + span.length, at.Y}, {span.start + 1, at.Y},
                                        {span.start + 1 + span.length, at.Y});
            Memo1->SetSelectedText(s);
        });
        action->setEnabled(!Memo1->ReadOnly());
    }
    if (suggestions.empty()) add(QString::fromUtf8("(žádné návrhy)"), {})->setEnabled(false);
    add(QString::fromUtf8("Přidat do slovníku"), [this, word] {
        if (spelling_) spelling_->Accept(word);
        Memo1->viewport()->update();
        personalWords_.Add(word);
    });
    add(QString::fromUtf8("Ignorovat"), [this, word] {
        if (spelling_) spelling_->Ignore(word);
        Memo1->viewport()->update();
    });
    spellingItems_.push_back(PopupMenu1->insertSeparator(first));
}
