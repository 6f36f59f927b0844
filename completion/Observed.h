#pragma once
// A value of an object whose changes observers hear through one of the object's signals.

namespace tq {

template <class T, class Owner>
class Observed {
public:
    using Signal = void (Owner::*)();
    Observed(Owner* owner, Signal changed) : owner_(owner), changed_(changed) {}
    Observed(const Observed&) = delete;
    Observed& operator=(const Observed&) = delete;

    const T& get() const { return value_; }
    // Stores `value` and tells observers, only when it differs from the stored one; true then.
    bool set(const T& value)
    {
        if (value_ == value)
            return false;
        value_ = value;
        (owner_->*changed_)();
        return true;
    }

private:
    Owner* owner_;
    Signal changed_;
    T value_{};
};

} // namespace tq
