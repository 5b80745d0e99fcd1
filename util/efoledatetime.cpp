#include "efoledatetime.h"

#include "clock.h"
#include "notice.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>

using vantora::notice::Icon;

namespace {

using namespace std::chrono;

// Day numbers of 1 January 100 and 31 December 9999 relative to 30 December 1899.
constexpr double MinDay = -657434.0;
constexpr double MaxDay = 2958466.0;
constexpr double MaxSpanDays = 3615897.0;
const sys_days Epoch = sys_days{year{1899} / December / 30};

// A value that cannot be taken apart (NaN, or beyond the calendar range).
bool inRange(double v) { return std::isfinite(v) && v >= MinDay - 1.0 && v < MaxDay; }

double linearOf(double v) {
    if (v >= 0.0 || !std::isfinite(v))
        return v;
    const double c = std::ceil(v);
    return c - (v - c);
}

// Day count for a linear number of days: inverse of linearOf.
double valueOfLinear(double lin) {
    if (lin >= 0.0)
        return lin;
    const double d = std::floor(lin);
    const double frac = lin - d;
    return frac == 0.0 ? d : d - frac;
}

// Linear whole seconds since the epoch from civil parts (no validation).
long long secondsOf(int y, int mo, int d, int h, int mi, int s) {
    const sys_days day = sys_days{year{y} / month{static_cast<unsigned>(mo)} /
                                  std::chrono::day{static_cast<unsigned>(d)}};
    return static_cast<long long>((day - Epoch).count()) * 86400LL + h * 3600LL + mi * 60LL + s;
}

double valueOfSeconds(long long secs) {
    return valueOfLinear(static_cast<double>(secs) / 86400.0);
}

bool validParts(int y, int mo, int d, int h, int mi, int s) {
    if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || h < 0 || h > 23 || mi < 0 ||
        mi > 59 || s < 0 || s > 59)
        return false;
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(mo)},
                             day{static_cast<unsigned>(d)}};
    return ymd.ok();
}

std::string formatText(const COleDateTime& v, const char* pattern, bool takenApart,
                       const std::tm& tm) {
    if (v.GetStatus() == COleDateTime::null)
        return {};
    if (!takenApart)
        return COleDateTime::InvalidText;
    char buf[256];
    const std::size_t n = std::strftime(buf, sizeof buf, pattern, &tm);
    return std::string(buf, n);
}

} // namespace

const char* const COleDateTime::InvalidText = "Invalid DateTime";

// ---- COleDateTimeSpan ------------------------------------------------------

COleDateTimeSpan::COleDateTimeSpan(double days) : m_span(days) {
    if (!std::isfinite(days) || std::fabs(days) > MaxSpanDays)
        m_status = invalid;
}

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : COleDateTimeSpan(static_cast<double>(days) + hours / 24.0 + minutes / 1440.0 +
                       seconds / 86400.0) {}

// ---- COleDateTime ----------------------------------------------------------

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDateTime(int y, int mo, int d, int h, int mi, int s) {
    if (!validParts(y, mo, d, h, mi, s)) {
        m_status = invalid;
        return 1;
    }
    m_dt = valueOfSeconds(secondsOf(y, mo, d, h, mi, s));
    m_status = valid;
    return 0;
}

double COleDateTime::Linear() const { return linearOf(m_dt); }

bool COleDateTime::TakeApart(Parts& p) const {
    if (m_status != valid || !inRange(m_dt))
        return false;
    // Round to the nearest second, then split into days and seconds of the day.
    const long long secs = std::llround(Linear() * 86400.0);
    long long days = secs / 86400;
    long long rest = secs % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const sys_days sd = Epoch + std::chrono::days{days};
    const year_month_day ymd{sd};
    const int y = static_cast<int>(ymd.year());
    if (y < 100 || y > 9999)
        return false;
    p.year = y;
    p.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    p.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    p.hour = static_cast<int>(rest / 3600);
    p.minute = static_cast<int>(rest / 60 % 60);
    p.second = static_cast<int>(rest % 60);
    p.dayOfWeek = static_cast<int>(weekday{sd}.c_encoding()) + 1;
    p.dayOfYear = static_cast<int>((sd - sys_days{ymd.year() / January / 1}).count()) + 1;
    return true;
}

int COleDateTime::GetYear() const {
    Parts p;
    return TakeApart(p) ? p.year : -1;
}
int COleDateTime::GetMonth() const {
    Parts p;
    return TakeApart(p) ? p.month : -1;
}
int COleDateTime::GetDay() const {
    Parts p;
    return TakeApart(p) ? p.day : -1;
}
int COleDateTime::GetHour() const {
    Parts p;
    return TakeApart(p) ? p.hour : -1;
}
int COleDateTime::GetMinute() const {
    Parts p;
    return TakeApart(p) ? p.minute : -1;
}
int COleDateTime::GetSecond() const {
    Parts p;
    return TakeApart(p) ? p.second : -1;
}
int COleDateTime::GetDayOfWeek() const {
    Parts p;
    return TakeApart(p) ? p.dayOfWeek : -1;
}
int COleDateTime::GetDayOfYear() const {
    Parts p;
    return TakeApart(p) ? p.dayOfYear : -1;
}

std::string COleDateTime::Format(const char* pattern) const {
    Parts p{};
    const bool ok = TakeApart(p);
    std::tm tm{};
    if (ok) {
        tm.tm_year = p.year - 1900;
        tm.tm_mon = p.month - 1;
        tm.tm_mday = p.day;
        tm.tm_hour = p.hour;
        tm.tm_min = p.minute;
        tm.tm_sec = p.second;
        tm.tm_wday = p.dayOfWeek - 1;
        tm.tm_yday = p.dayOfYear - 1;
        tm.tm_isdst = -1;
    }
    return formatText(*this, pattern ? pattern : "", ok, tm);
}

// ---- CEFOleDateTime --------------------------------------------------------

const CEFOleDateTime& CEFOleDateTime::operator=(const CEFOleDateTime& other) {
    m_dt = other.m_dt;
    m_status = other.m_status;
    return *this;
}

const CEFOleDateTime& CEFOleDateTime::operator=(double value) {
    m_dt = value;
    m_status = valid;
    return *this;
}

COleDateTimeSpan CEFOleDateTime::operator-(const CEFOleDateTime& other) const {
    return COleDateTimeSpan(Linear() - other.Linear());
}

void CEFOleDateTime::Current() {
    const auto now = vantora::clock::now();
    if (!now) {
        m_status = invalid;
        return;
    }
    SetDateTime(now->tm_year + 1900, now->tm_mon + 1, now->tm_mday, now->tm_hour, now->tm_min,
                now->tm_sec);
}

void CEFOleDateTime::Midnight() {
    Parts p;
    if (!TakeApart(p)) {
        m_status = invalid;
        return;
    }
    SetDateTime(p.year, p.month, p.day, 0, 0, 0);
}

void CEFOleDateTime::PreMidnight() {
    Parts p;
    if (!TakeApart(p)) {
        m_status = invalid;
        return;
    }
    SetDateTime(p.year, p.month, p.day, 23, 59, 59);
}

void CEFOleDateTime::AddSec() {
    Parts p;
    if (!TakeApart(p)) {
        m_status = invalid;
        return;
    }
    if (SetDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second + 1) == 0)
        return;
    if (SetDateTime(p.year, p.month, p.day, p.hour, p.minute + 1, 0) == 0)
        return;
    if (SetDateTime(p.year, p.month, p.day, p.hour + 1, 0, 0) == 0)
        return;
    if (SetDateTime(p.year, p.month, p.day + 1, 0, 0, 0) == 0)
        return;
    if (SetDateTime(p.year, p.month + 1, 1, 0, 0, 0) == 0)
        return;
    SetDateTime(p.year + 1, 1, 1, 0, 0, 0);
}

void CEFOleDateTime::AddMin(int const& n) {
    // n minutes and one second later, carried through every larger unit, so
    // any number of minutes (not only up to an hour) gives the real time.
    Parts p;
    if (!TakeApart(p)) {
        m_status = invalid;
        return;
    }
    const long long secs =
        secondsOf(p.year, p.month, p.day, p.hour, p.minute, p.second) + n * 60LL + 1;
    const double v = valueOfSeconds(secs);
    if (!inRange(v)) {
        m_status = invalid;
        return;
    }
    m_dt = v;
    m_status = valid;
}

void CEFOleDateTime::AddMonth(int const& n) {
    Parts p;
    if (!TakeApart(p)) {
        m_status = invalid;
        return;
    }
    // Months carry into years in both directions; the day is clamped to the
    // end of the target month and the time reset to midnight.
    const long long index = p.year * 12LL + (p.month - 1) + n;
    const long long y = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const int m = static_cast<int>(index - y * 12) + 1;
    if (y < 100 || y > 9999) {
        m_status = invalid;
        return;
    }
    for (int d = p.day; d >= 1; --d) {
        if (SetDateTime(static_cast<int>(y), m, d, 0, 0, 0) == 0)
            return;
    }
}

bool CEFOleDateTime::ChkStatus() const {
    if (m_status == valid)
        return true;
    vantora::notice::show(MsgInvalid, Icon::Exclamation);
    return false;
}

bool CEFOleDateTime::IsSameDay(CEFOleDateTime const& other) const {
    Parts a, b;
    if (!TakeApart(a) || !other.TakeApart(b)) {
        vantora::notice::show(MsgInvalid, Icon::Exclamation);
        return false;
    }
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool CEFOleDateTime::IsPast() const {
    if (m_status != valid) {
        vantora::notice::show(MsgInvalid, Icon::Exclamation);
        return true;
    }
    CEFOleDateTime now;
    now.Current();
    if (now.m_status != valid) {
        vantora::notice::show(MsgInvalidSystem, Icon::Exclamation);
        return true;
    }
    return now.Linear() > Linear();
}

bool CEFOleDateTime::IsAfterToday() const {
    if (m_status != valid) {
        vantora::notice::show(MsgInvalid, Icon::Exclamation);
        return true;
    }
    CEFOleDateTime end;
    end.Current();
    end.PreMidnight();
    if (end.m_status != valid) {
        vantora::notice::show(MsgInvalidSystem, Icon::Exclamation);
        return true;
    }
    if (Linear() > end.Linear()) {
        vantora::notice::show(MsgLaterThanToday, Icon::None);
        return true;
    }
    return false;
}

bool CEFOleDateTime::ElapsedSpan(double& days) const {
    if (m_status != valid) {
        vantora::notice::show(MsgInvalid, Icon::Exclamation);
        return false;
    }
    CEFOleDateTime now;
    now.Current();
    if (now.m_status != valid) {
        vantora::notice::show(MsgInvalidSystem, Icon::Exclamation);
        return false;
    }
    const COleDateTimeSpan span = now - *this;
    if (span.GetStatus() != COleDateTimeSpan::valid)
        return false;
    constexpr double HalfSecond = 1.0 / 172800.0;
    days = span.m_span >= 0.0 ? span.m_span + HalfSecond : span.m_span - HalfSecond;
    return true;
}

int CEFOleDateTime::ElapsedMin() const {
    double s = 0.0;
    return ElapsedSpan(s) ? static_cast<int>(s * 1440.0) : 0;
}

int CEFOleDateTime::ElapsedDays() const {
    double s = 0.0;
    return ElapsedSpan(s) ? static_cast<int>(s) : 0;
}

int CEFOleDateTime::ElapsedYrs() const { return ElapsedDays() / 365; }

CEFOleDateTime CEFOleDateTime::ParseLongYear(const std::string& text) {
    CEFOleDateTime v;
    if (text.empty()) {
        v.m_dt = 0.0;
        v.m_status = null;
        return v;
    }
    int mo = 0, d = 0, y = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    const int n =
        std::sscanf(text.c_str(), "%d/%d/%d %d:%d:%d%c", &mo, &d, &y, &h, &mi, &s, &tail);
    if (n == 3 || n == 6)
        v.SetDateTime(y, mo, d, h, mi, s);
    else
        v.m_status = invalid;
    return v;
}

// ---- CEFFile ---------------------------------------------------------------

void CEFFile::ParsePathFileName(std::string&) {}

void CEFFile::ParsePath(std::string& s) {
    ParsePathFileName(s);
    if (s.empty() || s.back() != '/')
        s += '/';
}

void CEFFile::Delete(std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

bool CEFFile::Rename(std::string& from, std::string& to) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return !ec;
}
