#pragma once
// Day numbers and times of day as the system's date-times.

#include "util/efoledatetime.h"

#include <cmath>

namespace vantora::tools::demo {

// A day number (whole days since 30 December 1899) at a time of day, built
// the way every date-time of the system is built.
inline CEFOleDateTime At(long day, int secondOfDay) {
    CEFOleDateTime d(static_cast<double>(day));
    CEFOleDateTime t(d.GetYear(), d.GetMonth(), d.GetDay(), secondOfDay / 3600,
                     secondOfDay / 60 % 60, secondOfDay % 60);
    return t;
}

inline long DayOf(const CEFOleDateTime& t) {
    return static_cast<long>(std::floor(t.m_dt));
}

} // namespace vantora::tools::demo
