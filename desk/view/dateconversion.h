#pragma once
// Dates between the system's date-time value and the date pickers.

#include "util/efoledatetime.h"

#include <QDate>
#include <QDateTime>

inline QDate ToQDate(const CEFOleDateTime& value) {
    return value.GetYear() < 0 ? QDate() : QDate(value.GetYear(), value.GetMonth(), value.GetDay());
}

inline QDateTime ToQDateTime(const CEFOleDateTime& value) {
    const QDate date = ToQDate(value);
    return date.isValid()
               ? QDateTime(date, QTime(value.GetHour(), value.GetMinute(), value.GetSecond()))
               : QDateTime();
}

// Midnight of the date.
inline CEFOleDateTime FromQDate(const QDate& date) {
    return CEFOleDateTime(date.year(), date.month(), date.day());
}

inline CEFOleDateTime FromQDateTime(const QDateTime& value) {
    const QTime t = value.time();
    return CEFOleDateTime(value.date().year(), value.date().month(), value.date().day(), t.hour(),
                          t.minute(), t.second());
}
