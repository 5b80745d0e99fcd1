#pragma once
// The date-time value of the whole system: a day count since 30 December 1899
// with the time of day as its fraction, plus a validity status. Stored in the
// database as the same day count.

#include <string>

// Difference of two date-time values, in days.
class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    explicit COleDateTimeSpan(double days);
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 1440.0; }
    double GetTotalSeconds() const { return m_span * 86400.0; }
    long GetDays() const { return static_cast<long>(m_span); }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;
};

// The plain calendar value: taking apart, building from parts, comparing.
class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double value) : m_dt(value) {}
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    // Builds the value from parts; 0 on success. Parts that do not form a real
    // date-time (years 100..9999) set status invalid and keep the old value.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }

    // Parts of the value; -1 when the value is not valid or out of range.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const; // 1 = 1 January

    // strftime conventions, at most 255 characters; empty for null, the
    // invalid-date text for an invalid value or one that cannot be taken apart.
    std::string Format(const char* pattern) const;

    // Linear day count: before 1899 the integer part counts days backwards
    // while the fraction still counts time forwards; this undoes that.
    double Linear() const;

    bool operator==(const COleDateTime& o) const { return Linear() == o.Linear(); }
    bool operator!=(const COleDateTime& o) const { return Linear() != o.Linear(); }
    bool operator<(const COleDateTime& o) const { return Linear() < o.Linear(); }
    bool operator>(const COleDateTime& o) const { return Linear() > o.Linear(); }
    bool operator<=(const COleDateTime& o) const { return Linear() <= o.Linear(); }
    bool operator>=(const COleDateTime& o) const { return Linear() >= o.Linear(); }

    operator double() const { return m_dt; }

    static const char* const InvalidText;

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;

protected:
    struct Parts {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    // False when the value is not valid or outside years 100..9999.
    bool TakeApart(Parts& p) const;
};

class CEFOleDateTime : public COleDateTime {
public:
    CEFOleDateTime() = default;
    CEFOleDateTime(const COleDateTime& other) : COleDateTime(other) {}
    CEFOleDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : COleDateTime(year, month, day, hour, minute, second) {}
    virtual ~CEFOleDateTime() = default;

    CEFOleDateTime(const CEFOleDateTime&) = default;
    const CEFOleDateTime& operator=(const CEFOleDateTime& other);
    const CEFOleDateTime& operator=(double value);

    COleDateTimeSpan operator-(const CEFOleDateTime& other) const;

    void Current();
    void Midnight();
    void PreMidnight();
    void AddSec();
    void AddMin(int const& n);
    void AddMonth(int const& n);

    bool ChkStatus() const;
    bool IsSameDay(CEFOleDateTime const& other) const;
    bool IsPast() const;
    bool IsAfterToday() const;
    int ElapsedMin() const;
    int ElapsedDays() const;
    int ElapsedYrs() const;

    std::string DateStrShortYear() const { return Format("%m/%d/%y"); }
    std::string DateStrLongYear() const { return Format("%m/%d/%Y"); }
    std::string TimeStrHourMinute() const { return Format("%H:%M"); }
    std::string DateTimeStrShortYear() const { return Format("%m/%d/%y %H:%M:%S"); }
    std::string DateTimeStrLongYear() const { return Format("%m/%d/%Y %H:%M:%S"); }
    std::string UnformattedDateTimeStr() const { return Format("%m%d%y%H%M%S"); }

    // Parses the export form "%m/%d/%Y %H:%M:%S" (or a date alone); an empty
    // text gives a null value, anything else unreadable an invalid one.
    static CEFOleDateTime ParseLongYear(const std::string& text);

    static constexpr const char* MsgInvalid = "Error: invalid date and/or time";
    static constexpr const char* MsgInvalidSystem = "Error: invalid system date and/or time";
    static constexpr const char* MsgLaterThanToday = "Error: date cannot be later than today's date";

private:
    // Elapsed span to now with the half-second rounding; false after a message.
    bool ElapsedSpan(double& days) const;
};

// Three static helpers on path strings.
class CEFFile {
public:
    virtual ~CEFFile() = default;

    // Prepares a path for use as a file name. Backslashes are ordinary
    // characters in file names here, so the path is kept as it is.
    static void ParsePathFileName(std::string& s);
    // Makes a folder path ready for a file name to be appended: it ends in
    // '/' afterwards (an empty path becomes "/").
    static void ParsePath(std::string& s);
    // Removes a file; failures are ignored.
    static void Delete(std::string& path);
    // Renames (moves) a file; false on any failure.
    static bool Rename(std::string& from, std::string& to);
};
