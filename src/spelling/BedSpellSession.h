#pragma once
// Spelling checked beside the editor, never in its way: words are answered from a cache, and
// those not yet known are checked on a thread of their own, which opens the dictionary too.
// Painting asks, the thread answers and says so; nothing on the user-interface thread waits
// for the checker except the suggestions of a context menu. Qt-free.
#include "BedSpellChecker.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

enum class TBedWordState : uint8_t { Unknown, Correct, Wrong };

class TBedSpellSession {
public:
    using TOpen = std::function<std::unique_ptr<TBedSpellChecker>()>;
    // `open` runs on the checking thread; `checked` is called there whenever queued words got
    // their answers (the caller passes it on to its own thread).
    TBedSpellSession(TOpen open, std::function<void()> checked);
    ~TBedSpellSession();
    TBedSpellSession(const TBedSpellSession&) = delete;
    TBedSpellSession& operator=(const TBedSpellSession&) = delete;

    // The answer known so far; an unknown word is queued for checking.
    TBedWordState State(const std::string& word);
    // Correct for the rest of the run.
    void Ignore(const std::string& word);
    // Correct from now on, also to the checker (the personal word list).
    void Accept(const std::string& word);
    // Up to `limit` suggestions; waits for the dictionary to open.
    std::vector<std::string> Suggest(const std::string& word, size_t limit);
    // Waits until every queued word has its answer; false when the checker could not be opened.
    bool WaitUntilIdle();

private:
    void Run(const TOpen& open);

    std::function<void()> checked_;
    std::mutex mutex_;  // the answers, the queue and the flags
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::unordered_map<std::string, TBedWordState> answers_;
    std::deque<std::string> queue_;
    std::vector<std::string> toAccept_;
    bool busy_ = true;  // opening or checking
    bool stop_ = false;
    std::mutex checkerMutex_;  // the checker is used by one thread at a time
    std::unique_ptr<TBedSpellChecker> checker_;
    std::thread thread_;
};
