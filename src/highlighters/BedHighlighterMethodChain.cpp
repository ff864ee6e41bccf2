#include "BedHighlighterMethodChain.h"

#include <algorithm>

void TBedMethodChain::Add(TBedNotifyEvent event) { entries_.push_back(event); }

void TBedMethodChain::Remove(TBedNotifyEvent event) { std::erase(entries_, event); }

void TBedMethodChain::Fire(void* sender) {
    // A handler may add or remove entries while it runs: walk a copy.
    const std::vector<TBedNotifyEvent> entries = entries_;
    for (const TBedNotifyEvent& entry : entries) {
        try {
            entry(sender);
        } catch (...) {
            if (!HandleException(sender, std::current_exception())) return;
        }
    }
}

bool TBedMethodChain::HandleException(void* sender, const std::exception_ptr& error) {
    if (!OnException) std::rethrow_exception(error);
    try {
        return OnException(sender, error);
    } catch (...) {
        throw EBedMethodChain(std::string(ClassName()) +
                              ".DoHandleException : MUST NOT occur any kind of exception in "
                              "ExceptionHandler");
    }
}
