#pragma once
// The workout reports: daily workouts, workout summaries of members or of a
// category/course/section, one member's workouts and the workouts of the
// unknown class. Rows follow the facility's workout options; their sums go
// to the report's totals table and end the report with totals, bonus totals,
// the hour-by-hour chart (daily report) and the sign block.

#include "custom/reportcontext.h"
#include "custom/reportengine.h"
#include "custom/reportselection.h"
#include "db/workout.h"

#include <map>
#include <string>
#include <vector>

class CDAOBon;
class CDAOCls;
class CDAOWk;

class CWorkoutReport {
public:
    // Bonuses of one member: counts of bonuses earned in the member's
    // classes, turned into workouts and minutes by the facility's bonus
    // values.
    class CBonuses {
    public:
        long orientWk = 0, orientMin = 0;
        long reEvalWk = 0, reEvalMin = 0;
        long otherWk = 0, otherMin = 0;

        long Workouts() const { return orientWk + reEvalWk + otherWk; }
        long Minutes() const { return orientMin + reEvalMin + otherMin; }

        // The bonuses of member memberId over the class records of cls (moved
        // to its first record), valued by bon. Nothing for member id 0.
        void Accumulate(const CDAOBon& bon, CDAOCls& cls, long const& memberId);
        // Adds the bonus counts of the class records of memberId from the
        // current record of cls on, leaving cls on the first record of
        // another member (or at the end).
        void AddCounts(CDAOCls& cls, long const& memberId);
        // Turns the counts into workouts and minutes.
        void Value(const CDAOBon& bon);
    };

    CWorkoutReport(CReportEngine& engine, const CReportContext& context)
        : report_(engine), context_(context) {}

    // The workout report kinds (daily, summaries, member, class summaries,
    // unknown class): their first lines and body; returns the next y. Other
    // kinds draw nothing.
    int DoReport(CReportDC& dc, int const& x, const CReportSelection& request);
    // The first lines of the kind; false when there is nothing to print.
    bool DoFirstLines(CReportDC& dc, int const& x, int& y, const CReportSelection& request);

    // Copies the member's identity into workout and adds the member's
    // workouts of class classIndx (CDAOWk::ClassAll: every class).
    static void CompileWorkouts(CWorkout& workout, CDAOWk& wk, long const& memberId,
                                const std::string& first, const std::string& last,
                                unsigned char const& classIndx);

    // One row per workout record of wk, with the member's name from the
    // members table; markers "+" (another workout of the same member, class
    // and day just before) and "?" (no check-out) when markers is set.
    int DoWorkouts(CDAOWk& wk, const CReportEngine::WorkoutCols& cols, bool const& markers,
                   CReportDC& dc, int const& x, int y);
    // One row per member summary; work counts and minutes include the
    // member's bonuses, marked "w" and "m".
    int DoWorkouts(const std::vector<CWorkout>& rows, const std::vector<CBonuses>& bonuses,
                   const CReportEngine::WorkoutCols& cols, CReportDC& dc, int const& x, int y);
    int DoWorkoutTotals(const CReportEngine::WorkoutCols& cols, bool const& hideMinutes,
                        CReportDC& dc, int const& x, int y);
    int DoWorkoutGrandTotals(CReportDC& dc, int const& x, int y);
    int DoWorkoutMemberTotals(const CBonuses& b, CReportDC& dc, int const& x, int y);
    int DoWorkoutHour(CReportDC& dc, int const& hour, int const& x, int y);

private:
    struct Columns {
        int id, name, date, inOut, minutes, options, credit;
    };
    Columns Layout(const CReportEngine::WorkoutCols& cols, int const& x, int const& w) const;
    int OptionCount() const;
    // Whether a page break repeats the table head in the current kind.
    bool HeadOnBreak() const;
    void Add(int const& kind, long const& value, int const& i = 0);
    // "Last, First" of every member, read once per report for list rows.
    const std::string& NameOf(long const& memberId);

    int DoDaily(CReportDC& dc, int const& x, int y, CEFOleDateTime from, CEFOleDateTime to);
    int DoSummaries(CReportDC& dc, int const& x, int y, long const& flags, CEFOleDateTime from,
                    CEFOleDateTime to, const std::string* category, const std::string& course,
                    const std::string& section);
    int DoMemberWorkouts(CReportDC& dc, int const& x, int y, long const& memberId,
                         unsigned char const& classIndx);
    int DoUnknown(CReportDC& dc, int const& x, int y);
    // Dashed line, blank line and the two marker legends of a list report.
    int DoLegend(CReportDC& dc, int const& x, int y, const char* plusText);
    CBonuses BonusTotals() const;

    CReportEngine& report_;
    const CReportContext& context_;
    bool namesRead_ = false;
    std::map<long, std::string> names_;
};
