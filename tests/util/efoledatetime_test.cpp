#include "support/testsupport.h"
#include "util/efoledatetime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>

using vantora::notice::Icon;
using vantora::test::FakeClock;
using vantora::test::Notices;

namespace {

CEFOleDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    CEFOleDateTime t;
    EXPECT_EQ(0, t.SetDateTime(y, mo, d, h, mi, s)) << y << '-' << mo << '-' << d;
    return t;
}

CEFOleDateTime Invalid() {
    CEFOleDateTime t;
    t.SetDateTime(2005, 2, 30, 0, 0, 0);
    return t;
}

CEFOleDateTime Null() {
    CEFOleDateTime t;
    t.SetStatus(COleDateTime::null);
    return t;
}

} // namespace

TEST(DateTimeCalendar, EveryDayFromYear100To9999RoundTrips) {
    using namespace std::chrono;
    // Independent reference: the day count from the standard civil calendar.
    const sys_days epoch = year{1899} / December / 30;
    year_month_day ymd = year{100} / January / 1;
    int checked = 0;
    for (sys_days d = ymd; d <= sys_days(year{9999} / December / 31); d += days{1}) {
        const year_month_day c(d);
        const int y = int(c.year()), m = int(unsigned(c.month())), dd = int(unsigned(c.day()));
        COleDateTime t;
        ASSERT_EQ(0, t.SetDateTime(y, m, dd, 0, 0, 0));
        const double linear = double((d - epoch).count());
        ASSERT_DOUBLE_EQ(linear, t.Linear()) << y << '-' << m << '-' << dd;
        ASSERT_EQ(y, t.GetYear());
        ASSERT_EQ(m, t.GetMonth());
        ASSERT_EQ(dd, t.GetDay());
        ASSERT_EQ(int(weekday(d).c_encoding()) + 1, t.GetDayOfWeek());
        ++checked;
    }
    EXPECT_EQ(3615900, checked);
}

TEST(DateTimeCalendar, ValuesBefore1899CountDaysBackwardsAndTimeForwards) {
    // 29 December 1899 06:00 is -1.25 in the stored form, -0.75 linear.
    const CEFOleDateTime t = At(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(-1.25, double(t));
    EXPECT_DOUBLE_EQ(-0.75, t.Linear());
    EXPECT_EQ(6, t.GetHour());
    EXPECT_EQ(29, t.GetDay());
    EXPECT_LT(At(1899, 12, 29, 5, 0, 0), t);
    EXPECT_LT(t, At(1899, 12, 30, 0, 0, 0));
    EXPECT_NEAR(0.75, (At(1899, 12, 30) - t).GetTotalDays(), 1e-12);
}

TEST(DateTimeCalendar, InvalidPartsKeepTheOldValueAndMarkItInvalid) {
    CEFOleDateTime t = At(2020, 5, 6, 7, 8, 9);
    const double before = t;
    for (auto parts : {std::array{2020, 13, 1, 0, 0, 0}, std::array{2021, 2, 29, 0, 0, 0},
                       std::array{2020, 1, 1, 0, 0, 60}, std::array{2020, 1, 1, 24, 0, 0},
                       std::array{99, 12, 31, 0, 0, 0}, std::array{10000, 1, 1, 0, 0, 0}}) {
        t = before;
        EXPECT_NE(0, t.SetDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]));
        EXPECT_EQ(COleDateTime::invalid, t.GetStatus());
        EXPECT_DOUBLE_EQ(before, double(t));
        EXPECT_EQ(-1, t.GetYear());
        EXPECT_EQ(-1, t.GetSecond());
    }
    EXPECT_EQ(0, t.SetDateTime(2020, 2, 29, 23, 59, 59));
    EXPECT_EQ(COleDateTime::valid, t.GetStatus());
}

TEST(DateTimeText, FixedFormsOfAValidValue) {
    const CEFOleDateTime t = At(2005, 7, 5, 9, 3, 7);
    EXPECT_EQ("07/05/05", t.DateStrShortYear());
    EXPECT_EQ("07/05/2005", t.DateStrLongYear());
    EXPECT_EQ("09:03", t.TimeStrHourMinute());
    EXPECT_EQ("07/05/05 09:03:07", t.DateTimeStrShortYear());
    EXPECT_EQ("07/05/2005 09:03:07", t.DateTimeStrLongYear());
    EXPECT_EQ("070505090307", t.UnformattedDateTimeStr());
    EXPECT_EQ("21:03", At(2005, 7, 5, 21, 3, 7).TimeStrHourMinute());
}

TEST(DateTimeText, NullIsEmptyAndInvalidIsTheInvalidText) {
    for (const auto& t : {Null(), Invalid()}) {
        const std::string expected = t.GetStatus() == COleDateTime::null ? "" : "Invalid DateTime";
        EXPECT_EQ(expected, t.DateStrShortYear());
        EXPECT_EQ(expected, t.DateStrLongYear());
        EXPECT_EQ(expected, t.TimeStrHourMinute());
        EXPECT_EQ(expected, t.DateTimeStrShortYear());
        EXPECT_EQ(expected, t.DateTimeStrLongYear());
        EXPECT_EQ(expected, t.UnformattedDateTimeStr());
    }
    CEFOleDateTime far;
    far = 1e9; // valid status, but no calendar date
    EXPECT_EQ("Invalid DateTime", far.DateStrLongYear());
}

TEST(DateTimeText, ExportFormParsesBackExactly) {
    const CEFOleDateTime t = At(1987, 11, 30, 23, 59, 58);
    const CEFOleDateTime back = CEFOleDateTime::ParseLongYear(t.DateTimeStrLongYear());
    EXPECT_EQ(COleDateTime::valid, back.GetStatus());
    EXPECT_DOUBLE_EQ(double(t), double(back));
    EXPECT_EQ(COleDateTime::null, CEFOleDateTime::ParseLongYear("").GetStatus());
    EXPECT_EQ(COleDateTime::invalid, CEFOleDateTime::ParseLongYear("13/45/2001").GetStatus());
    EXPECT_EQ(COleDateTime::invalid, CEFOleDateTime::ParseLongYear("yesterday").GetStatus());
    const CEFOleDateTime dateOnly = CEFOleDateTime::ParseLongYear("02/29/2004");
    EXPECT_EQ("02/29/2004 00:00:00", dateOnly.DateTimeStrLongYear());
}

TEST(DateTimeAssign, CopiesAndDoubleAssignment) {
    CEFOleDateTime a = Invalid();
    CEFOleDateTime b;
    b = a;
    EXPECT_EQ(COleDateTime::invalid, b.GetStatus());
    b = 38538.5;
    EXPECT_EQ(COleDateTime::valid, b.GetStatus());
    EXPECT_EQ("07/05/2005 12:00:00", b.DateTimeStrLongYear());
    const COleDateTime plain(2001, 2, 3, 4, 5, 6);
    const CEFOleDateTime fromPlain(plain);
    EXPECT_EQ("02/03/2001 04:05:06", fromPlain.DateTimeStrLongYear());
}

TEST(DateTimeArithmetic, DayBoundaries) {
    CEFOleDateTime t = At(2012, 2, 29, 13, 14, 15);
    t.Midnight();
    EXPECT_EQ("02/29/2012 00:00:00", t.DateTimeStrLongYear());
    t.PreMidnight();
    EXPECT_EQ("02/29/2012 23:59:59", t.DateTimeStrLongYear());
}

TEST(DateTimeArithmetic, AddSecCarriesIntoEveryUnit) {
    struct Case {
        CEFOleDateTime from;
        const char* expected;
    };
    for (const auto& c : {Case{At(2005, 7, 5, 9, 3, 7), "07/05/2005 09:03:08"},
                          Case{At(2005, 7, 5, 9, 3, 59), "07/05/2005 09:04:00"},
                          Case{At(2005, 7, 5, 9, 59, 59), "07/05/2005 10:00:00"},
                          Case{At(2005, 7, 5, 23, 59, 59), "07/06/2005 00:00:00"},
                          Case{At(2004, 2, 29, 23, 59, 59), "03/01/2004 00:00:00"},
                          Case{At(2005, 2, 28, 23, 59, 59), "03/01/2005 00:00:00"},
                          Case{At(2005, 12, 31, 23, 59, 59), "01/01/2006 00:00:00"},
                          Case{At(1899, 12, 29, 23, 59, 59), "12/30/1899 00:00:00"}}) {
        CEFOleDateTime t = c.from;
        t.AddSec();
        EXPECT_EQ(c.expected, t.DateTimeStrLongYear()) << c.from.DateTimeStrLongYear();
        EXPECT_NEAR(1.0 / 86400.0, (t - c.from).GetTotalDays(), 1e-9);
    }
}

TEST(DateTimeArithmetic, AddMinAddsMinutesAndOneSecond) {
    struct Case {
        CEFOleDateTime from;
        int n;
        const char* expected;
    };
    for (const auto& c : {Case{At(2005, 7, 5, 12, 0, 0), 30, "07/05/2005 12:30:01"},
                          Case{At(2005, 7, 5, 12, 0, 0), 0, "07/05/2005 12:00:01"},
                          Case{At(2005, 7, 5, 12, 45, 10), 30, "07/05/2005 13:15:11"},
                          Case{At(2005, 7, 5, 23, 50, 0), 20, "07/06/2005 00:10:01"},
                          Case{At(2005, 4, 30, 23, 50, 0), 20, "05/01/2005 00:10:01"},
                          Case{At(2005, 12, 31, 23, 59, 59), 1, "01/01/2006 00:01:00"},
                          // Beyond an hour the arithmetic stays exact.
                          Case{At(2005, 7, 5, 12, 0, 0), 90, "07/05/2005 13:30:01"},
                          Case{At(2005, 7, 5, 23, 0, 0), 1500, "07/07/2005 00:00:01"}}) {
        CEFOleDateTime t = c.from;
        t.AddMin(c.n);
        EXPECT_EQ(COleDateTime::valid, t.GetStatus());
        EXPECT_EQ(c.expected, t.DateTimeStrLongYear())
            << c.from.DateTimeStrLongYear() << " + " << c.n;
    }
}

TEST(DateTimeArithmetic, AddMonthClampsTheDayAndCarriesTheYear) {
    struct Case {
        CEFOleDateTime from;
        int n;
        const char* expected;
    };
    for (const auto& c : {Case{At(2005, 3, 31, 14, 20, 0), 1, "04/30/2005 00:00:00"},
                          Case{At(2005, 12, 15, 8, 0, 0), 1, "01/15/2006 00:00:00"},
                          Case{At(2005, 1, 31), 1, "02/28/2005 00:00:00"},
                          Case{At(2004, 1, 31), 1, "02/29/2004 00:00:00"},
                          Case{At(2005, 6, 10), 0, "06/10/2005 00:00:00"},
                          Case{At(2005, 1, 10), 12, "01/10/2006 00:00:00"},
                          // Longer terms carry whole years instead of failing.
                          Case{At(2005, 6, 30), 24, "06/30/2007 00:00:00"},
                          Case{At(2005, 8, 31), 30, "02/29/2008 00:00:00"}}) {
        CEFOleDateTime t = c.from;
        t.AddMonth(c.n);
        EXPECT_EQ(c.expected, t.DateTimeStrLongYear())
            << c.from.DateTimeStrLongYear() << " + " << c.n;
    }
    CEFOleDateTime bad = Invalid();
    bad.AddMonth(1);
    EXPECT_EQ(COleDateTime::invalid, bad.GetStatus());
}

TEST(DateTimeChecks, StatusAndSameDayReportInvalidValues) {
    Notices notices;
    EXPECT_TRUE(At(2001, 1, 1).ChkStatus());
    EXPECT_EQ(0u, notices->count());
    EXPECT_FALSE(Invalid().ChkStatus());
    EXPECT_FALSE(Null().ChkStatus());
    ASSERT_EQ(2u, notices->count());
    EXPECT_EQ("Error: invalid date and/or time", notices->entries()[0].text);
    EXPECT_EQ(Icon::Exclamation, notices->entries()[0].icon);

    notices->clear();
    EXPECT_TRUE(At(2001, 1, 1, 0, 0, 0).IsSameDay(At(2001, 1, 1, 23, 59, 59)));
    EXPECT_FALSE(At(2001, 1, 1).IsSameDay(At(2001, 1, 2)));
    EXPECT_EQ(0u, notices->count());
    EXPECT_FALSE(At(2001, 1, 1).IsSameDay(Null()));
    EXPECT_FALSE(Invalid().IsSameDay(At(2001, 1, 1)));
    EXPECT_EQ(2u, notices->count());
}

TEST(DateTimeClock, CurrentReadsTheClockInWholeSeconds) {
    FakeClock clock(2026, 3, 4, 5, 6, 7);
    CEFOleDateTime t;
    t.Current();
    EXPECT_EQ("03/04/2026 05:06:07", t.DateTimeStrLongYear());
    clock->fail();
    t.Current();
    EXPECT_EQ(COleDateTime::invalid, t.GetStatus());
}

TEST(DateTimeClock, ElapsedTimesRoundHalfASecond) {
    Notices notices;
    FakeClock clock(2026, 6, 15, 12, 0, 0);
    // 59.999 seconds ago rounds up to a whole minute; 29 seconds is none.
    CEFOleDateTime t = At(2026, 6, 15, 11, 59, 0);
    t = double(t) + 0.001 / 86400.0;
    EXPECT_EQ(1, t.ElapsedMin());
    EXPECT_EQ(0, At(2026, 6, 15, 11, 59, 31).ElapsedMin());
    EXPECT_EQ(90, At(2026, 6, 15, 10, 30, 0).ElapsedMin());
    EXPECT_EQ(-90, At(2026, 6, 15, 13, 30, 0).ElapsedMin());
    EXPECT_EQ(1, At(2026, 6, 14, 12, 0, 0).ElapsedDays());
    EXPECT_EQ(0, At(2026, 6, 14, 12, 0, 1).ElapsedDays());
    EXPECT_EQ(0u, notices->count());
}

TEST(DateTimeClock, AgeInYearsCountsBlocksOf365Days) {
    FakeClock clock(2026, 6, 15, 9, 0, 0);
    CEFOleDateTime today;
    today.Current();
    auto daysAgo = [&](int n) {
        CEFOleDateTime t = today;
        t = double(today) - n;
        return t;
    };
    EXPECT_EQ(1, daysAgo(365).ElapsedYrs());
    EXPECT_EQ(0, daysAgo(364).ElapsedYrs());
    EXPECT_EQ(40, daysAgo(365 * 40).ElapsedYrs());
    EXPECT_EQ(39, daysAgo(365 * 40 - 1).ElapsedYrs());
    EXPECT_EQ(-200, daysAgo(-200).ElapsedDays());
    EXPECT_EQ(0, daysAgo(-200).ElapsedYrs());
    EXPECT_EQ(-1, daysAgo(-400).ElapsedYrs());
}

TEST(DateTimeClock, ElapsedAndPastFallBackWithMessages) {
    Notices notices;
    FakeClock clock(2026, 6, 15, 9, 0, 0);
    EXPECT_EQ(0, Invalid().ElapsedMin());
    EXPECT_EQ(0, Null().ElapsedDays());
    EXPECT_TRUE(Invalid().IsPast());
    EXPECT_EQ(std::vector<std::string>(3, "Error: invalid date and/or time"), notices->texts());

    notices->clear();
    clock->fail();
    const CEFOleDateTime t = At(2026, 1, 1);
    EXPECT_EQ(0, t.ElapsedMin());
    EXPECT_EQ(0, t.ElapsedYrs());
    EXPECT_TRUE(t.IsPast());
    EXPECT_EQ(std::vector<std::string>(3, "Error: invalid system date and/or time"),
              notices->texts());
    EXPECT_EQ(Icon::Exclamation, notices->entries()[0].icon);
}

TEST(DateTimeClock, PastIsStrictlyEarlierThanNow) {
    Notices notices;
    FakeClock clock(2026, 6, 15, 9, 0, 0);
    EXPECT_TRUE(At(2026, 6, 15, 8, 59, 59).IsPast());
    EXPECT_FALSE(At(2026, 6, 15, 9, 0, 0).IsPast());
    EXPECT_FALSE(At(2026, 6, 15, 9, 0, 1).IsPast());
    EXPECT_EQ(0u, notices->count());
}

TEST(DateTimeClock, AfterTodayAcceptsTheLastSecondOfToday) {
    Notices notices;
    FakeClock clock(2026, 6, 15, 9, 0, 0);
    EXPECT_FALSE(At(2026, 6, 15, 23, 59, 59).IsAfterToday());
    EXPECT_FALSE(At(1950, 1, 1).IsAfterToday());
    EXPECT_EQ(0u, notices->count());
    EXPECT_TRUE(At(2026, 6, 16, 0, 0, 0).IsAfterToday());
    ASSERT_EQ(1u, notices->count());
    EXPECT_EQ("Error: date cannot be later than today's date", notices->last());
    EXPECT_EQ(Icon::None, notices->entries()[0].icon);
    EXPECT_TRUE(Null().IsAfterToday());
    EXPECT_EQ("Error: invalid date and/or time", notices->last());
}

TEST(DateTimeSpan, DifferenceBeyondTheRangeIsInvalid) {
    CEFOleDateTime a;
    CEFOleDateTime b;
    a = 3615897.0;
    b = 0.0;
    EXPECT_EQ(COleDateTimeSpan::valid, (a - b).GetStatus());
    a = 3615898.0;
    EXPECT_EQ(COleDateTimeSpan::invalid, (a - b).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (b - a).GetStatus());
}

TEST(FilePaths, FolderPathsEndInASlash) {
    std::string s = "/srv/vantora/db";
    CEFFile::ParsePath(s);
    EXPECT_EQ("/srv/vantora/db/", s);
    CEFFile::ParsePath(s);
    EXPECT_EQ("/srv/vantora/db/", s);
    std::string empty;
    CEFFile::ParsePath(empty);
    EXPECT_EQ("/", empty);
    std::string name = "data/a b.txt";
    CEFFile::ParsePathFileName(name);
    EXPECT_EQ("data/a b.txt", name);
}

TEST(FilePaths, DeleteAndRenameNeverReport) {
    Notices notices;
    vantora::test::TempDir dir;
    std::string from = dir.file("a.dat");
    std::string to = dir.file("b.dat");
    std::ofstream(from) << "x";
    EXPECT_TRUE(CEFFile::Rename(from, to));
    EXPECT_FALSE(std::filesystem::exists(from));
    EXPECT_EQ("x", vantora::test::readFile(to));
    EXPECT_FALSE(CEFFile::Rename(from, to)); // source gone
    std::string missingFolder = dir.file("no/such/c.dat");
    EXPECT_FALSE(CEFFile::Rename(to, missingFolder));
    CEFFile::Delete(to);
    EXPECT_FALSE(std::filesystem::exists(to));
    CEFFile::Delete(to); // already gone: ignored
    EXPECT_EQ(0u, notices->count());
}
