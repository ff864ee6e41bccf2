#pragma once
// Ordered lists of bound member functions that are fired together: a highlighter tells every
// editing component that uses it about attribute changes through one of these.
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class EBedMethodChain : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A bound member function taking the sender. Two events are equal when they bind the same
// receiver to the same function, so a receiver can remove exactly what it added.
struct TBedNotifyEvent {
    void* data = nullptr;
    void (*code)(void* data, void* sender) = nullptr;

    template <auto Method, class C>
    static TBedNotifyEvent Of(C* receiver) {
        return {receiver, [](void* d, void* sender) { (static_cast<C*>(d)->*Method)(sender); }};
    }
    explicit operator bool() const { return code != nullptr; }
    void operator()(void* sender) const { code(data, sender); }
    friend bool operator==(const TBedNotifyEvent&, const TBedNotifyEvent&) = default;
};

// Asked when an entry raised: answers true to go on with the next entry, false to stop.
using TBedExceptionEvent = std::function<bool(void* sender, std::exception_ptr error)>;

class TBedMethodChain {
public:
    virtual ~TBedMethodChain() = default;
    virtual const char* ClassName() const { return "TBedMethodChain"; }

    void Add(TBedNotifyEvent event);
    // Removes every entry equal to the event.
    void Remove(TBedNotifyEvent event);
    int Count() const { return static_cast<int>(entries_.size()); }

    // Without a handler an exception raised by an entry passes on and ends the firing.
    TBedExceptionEvent OnException;

protected:
    void Fire(void* sender);

private:
    bool HandleException(void* sender, const std::exception_ptr& error);
    std::vector<TBedNotifyEvent> entries_;
};

class TBedNotifyEventChain : public TBedMethodChain {
public:
    explicit TBedNotifyEventChain(void* sender) : sender_(sender) {}
    const char* ClassName() const override { return "TBedNotifyEventChain"; }
    void* Sender() const { return sender_; }
    void Fire() { TBedMethodChain::Fire(sender_); }

private:
    void* sender_;
};
