// Single-slot event properties.
//
// A control has one handler per event. A handler is a callable together with
// the object it belongs to; it can be read, copied, replaced, called and put
// back, which is what a binding does when it takes over a control's event:
//
//     saved_ = edit->OnChange;                       // the control's own handler
//     edit->OnChange = TNotifyEvent(this, &Binding::EditChange);
//     ...  inside EditChange: if (saved_) saved_(Sender);
//     edit->OnChange = saved_;                       // Unbind
//
// Copies of one handler share the stored callable, so SameAs() tells whether a
// property holds exactly the handler that was saved earlier.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

// Root of every toolkit object that can be the sender of an event.
class TObject
{
public:
    virtual ~TObject() = default;
};

template <typename... Args>
class TEvent
{
public:
    using Function = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}

    // Any callable; owner is the object the handler belongs to (may be null).
    template <typename F>
    requires(!std::same_as<std::decay_t<F>, TEvent> && !std::same_as<std::decay_t<F>, std::nullptr_t> &&
             std::invocable<F&, Args...>) TEvent(F&& f, const void* owner = nullptr)
        : fn_(std::make_shared<Function>(std::forward<F>(f))), owner_(owner)
    {
    }

    // A member function of obj; obj becomes the owner.
    template <typename C, typename M>
    requires std::is_member_function_pointer_v<M> TEvent(C* obj, M method)
        : fn_(std::make_shared<Function>(
              [obj, method](Args... a) { (obj->*method)(std::forward<Args>(a)...); })),
          owner_(obj)
    {
    }

    explicit operator bool() const { return fn_ && *fn_; }

    // Calling an empty handler does nothing. The handler stays alive while it
    // runs even if it replaces itself (a binding that unbinds from inside).
    void operator()(Args... a) const
    {
        const std::shared_ptr<Function> keep = fn_;
        if (keep && *keep)
            (*keep)(std::forward<Args>(a)...);
    }

    const void* Owner() const { return owner_; }
    void Clear()
    {
        fn_.reset();
        owner_ = nullptr;
    }

    // True when both are empty or both are copies of the same handler.
    bool SameAs(const TEvent& other) const { return fn_ == other.fn_ && owner_ == other.owner_; }
    bool operator==(std::nullptr_t) const { return !static_cast<bool>(*this); }

private:
    std::shared_ptr<Function> fn_;
    const void* owner_ = nullptr;
};
