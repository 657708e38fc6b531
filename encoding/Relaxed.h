#pragma once

#include <atomic>

/** A value shared between the audio thread and the threads that set parameters.

    It is read and written whole, with relaxed ordering: no two such values are
    ever relied on to change together, since every gain that reaches the audio
    glides toward its target anyway.
*/
template <typename Type>
class Relaxed
{
public:
    Relaxed() noexcept = default;
    Relaxed (Type initial) noexcept : value (initial) {}

    Relaxed (const Relaxed&) = delete;
    Relaxed& operator= (const Relaxed&) = delete;

    Relaxed& operator= (Type newValue) noexcept
    {
        value.store (newValue, std::memory_order_relaxed);
        return *this;
    }

    operator Type() const noexcept { return value.load (std::memory_order_relaxed); }

    Type get() const noexcept { return value.load (std::memory_order_relaxed); }

private:
    static_assert (std::atomic<Type>::is_always_lock_free, "shared values must be lock-free words");

    std::atomic<Type> value {};
};
