#include "BedSpellSession.h"

TBedSpellSession::TBedSpellSession(TOpen open, std::function<void()> checked)
    : checked_(std::move(checked)), thread_([this, open = std::move(open)] { Run(open); }) {}

TBedSpellSession::~TBedSpellSession() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

TBedWordState TBedSpellSession::State(const std::string& word) {
    std::lock_guard lock(mutex_);
    const auto [it, added] = answers_.try_emplace(word, TBedWordState::Unknown);
    if (added) {
        queue_.push_back(word);
        busy_ = true;
        wake_.notify_one();
    }
    return it->second;
}

void TBedSpellSession::Ignore(const std::string& word) {
    std::lock_guard lock(mutex_);
    answers_[word] = TBedWordState::Correct;
}

void TBedSpellSession::Accept(const std::string& word) {
    std::lock_guard lock(mutex_);
    answers_[word] = TBedWordState::Correct;
    toAccept_.push_back(word);
    busy_ = true;
    wake_.notify_one();
}

std::vector<std::string> TBedSpellSession::Suggest(const std::string& word, size_t limit) {
    if (!WaitUntilIdle()) return {};
    std::lock_guard lock(checkerMutex_);
    std::vector<std::string> s = checker_->Suggest(word);
    if (s.size() > limit) s.resize(limit);
    return s;
}

bool TBedSpellSession::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_; });
    return checker_ != nullptr;
}

void TBedSpellSession::Run(const TOpen& open) {
    std::unique_ptr<TBedSpellChecker> checker = open();
    std::unique_lock lock(mutex_);
    checker_ = std::move(checker);
    for (;;) {
        if (queue_.empty() && toAccept_.empty()) {
            busy_ = false;
            idle_.notify_all();
            wake_.wait(lock, [this] { return stop_ || !queue_.empty() || !toAccept_.empty(); });
            if (stop_) return;
        }
        if (!checker_) {  // nothing can be checked: the words stay unknown
            queue_.clear();
            toAccept_.clear();
            continue;
        }
        const std::vector<std::string> accept = std::move(toAccept_);
        toAccept_.clear();
        std::deque<std::string> words = std::move(queue_);
        queue_.clear();
        lock.unlock();
        std::vector<std::pair<std::string, bool>> results;
        {
            std::lock_guard checkerLock(checkerMutex_);
            for (const std::string& w : accept) checker_->Accept(w);
            for (std::string& w : words) {
                const bool correct = checker_->Check(w);
                results.emplace_back(std::move(w), correct);
            }
        }
        lock.lock();
        for (auto& [w, correct] : results) {
            auto& state = answers_[w];
            if (state == TBedWordState::Unknown) state = correct ? TBedWordState::Correct : TBedWordState::Wrong;
        }
        if (!results.empty() && checked_) {
            lock.unlock();
            checked_();
            lock.lock();
        }
    }
}
