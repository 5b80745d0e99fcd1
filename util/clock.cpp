#include "clock.h"

#include <chrono>
#include <mutex>

namespace vantora::clock {

namespace {

std::mutex& clockMutex() {
    static std::mutex m;
    return m;
}

std::shared_ptr<Clock>& current() {
    static std::shared_ptr<Clock> c = std::make_shared<SystemClock>();
    return c;
}

// Normalises the fields in civil-calendar arithmetic, with no time zone
// involved, so a fixed clock behaves the same on every machine.
std::tm normalised(std::tm t) {
    using namespace std::chrono;
    long long secs = t.tm_hour * 3600LL + t.tm_min * 60LL + t.tm_sec;
    const long long extraDays = secs >= 0 ? secs / 86400 : -((-secs + 86399) / 86400);
    secs -= extraDays * 86400;
    const year_month ym = year_month{year{t.tm_year + 1900}, month{1}} + months{t.tm_mon};
    const sys_days d = sys_days{ym / day{1}} + days{t.tm_mday - 1 + extraDays};
    const year_month_day ymd{d};
    std::tm out{};
    out.tm_year = static_cast<int>(ymd.year()) - 1900;
    out.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
    out.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
    out.tm_hour = static_cast<int>(secs / 3600);
    out.tm_min = static_cast<int>(secs / 60 % 60);
    out.tm_sec = static_cast<int>(secs % 60);
    out.tm_wday = static_cast<int>(weekday{d}.c_encoding());
    out.tm_yday = static_cast<int>((d - sys_days{ymd.year() / January / 1}).count());
    out.tm_isdst = -1;
    return out;
}

} // namespace

std::optional<std::tm> SystemClock::now() const {
    const std::time_t t = std::time(nullptr);
    if (t == static_cast<std::time_t>(-1))
        return std::nullopt;
    std::tm tm{};
    if (!localtime_r(&t, &tm))
        return std::nullopt;
    return tm;
}

FixedClock::FixedClock(int year, int month, int day, int hour, int minute, int second) {
    set(year, month, day, hour, minute, second);
}

void FixedClock::set(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    tm_ = normalised(t);
}

void FixedClock::advance(long long seconds) {
    std::tm t = tm_;
    const long long total = t.tm_hour * 3600LL + t.tm_min * 60LL + t.tm_sec + seconds;
    const long long dayShift = total >= 0 ? total / 86400 : -((-total + 86399) / 86400);
    t.tm_hour = 0;
    t.tm_min = 0;
    t.tm_sec = static_cast<int>(total - dayShift * 86400);
    t.tm_mday += static_cast<int>(dayShift);
    tm_ = normalised(t);
}

std::optional<std::tm> FixedClock::now() const {
    if (failing_)
        return std::nullopt;
    return tm_;
}

std::optional<std::tm> now() {
    std::shared_ptr<Clock> c;
    {
        std::lock_guard lock(clockMutex());
        c = current();
    }
    return c->now();
}

std::shared_ptr<Clock> setClock(std::shared_ptr<Clock> c) {
    std::lock_guard lock(clockMutex());
    if (!c)
        c = std::make_shared<SystemClock>();
    std::swap(current(), c);
    return c;
}

} // namespace vantora::clock
