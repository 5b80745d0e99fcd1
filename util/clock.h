#pragma once
// The one source of "now" for the whole system. Programs use the system clock;
// tests install a settable clock so that elapsed times, "today" and kiosk
// time-outs are checked without sleeping.

#include <ctime>
#include <memory>
#include <optional>

namespace vantora::clock {

// Local civil time with whole seconds, as struct tm fields (year 1900-based,
// month 0-based) so callers use the C conventions they already know.
class Clock {
public:
    virtual ~Clock() = default;
    // The current local time, or nothing when the clock cannot be read.
    virtual std::optional<std::tm> now() const = 0;
};

class SystemClock : public Clock {
public:
    std::optional<std::tm> now() const override;
};

// A clock that stands still until set or advanced.
class FixedClock : public Clock {
public:
    FixedClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    std::optional<std::tm> now() const override;

    void set(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    // Moves the clock forward (or back, for negative values) in local time.
    void advance(long long seconds);
    // Makes the clock unreadable, as a broken system clock would be.
    void fail(bool failing = true) { failing_ = failing; }

private:
    std::tm tm_{};
    bool failing_ = false;
};

std::optional<std::tm> now();
std::shared_ptr<Clock> setClock(std::shared_ptr<Clock> clock);

class ScopedClock {
public:
    explicit ScopedClock(std::shared_ptr<Clock> c) : previous_(setClock(std::move(c))) {}
    ~ScopedClock() { setClock(previous_); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    std::shared_ptr<Clock> previous_;
};

} // namespace vantora::clock
