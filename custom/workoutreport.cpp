#include "workoutreport.h"

#include "custom/memberreport.h"
#include "db/daobon.h"
#include "db/daocls.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "util/format.h"

#include <algorithm>
#include <numeric>

namespace {

using Cols = CReportEngine::WorkoutCols;

constexpr const char* kNoCheckOut = "? Member may have checked-in without checking-out.";

// Room of a value in its column, in average character widths: the column
// less one blank, so a value never touches its neighbour. A wider value is
// drawn smaller, a longer name shortened.
constexpr int kIdWidth = 10;
constexpr int kNameWidth = 34;
constexpr int kMinutesWidth = 6;
constexpr int kOptionWidth = 5;
constexpr int kWorkWidth = 4;
constexpr int kWorkOkWidth = 6;

} // namespace

// ---------------------------------------------------------------------------
// Bonuses

void CWorkoutReport::CBonuses::AddCounts(CDAOCls& cls, long const& memberId) {
    while (!cls.IsEOF() && (cls.IsDeleted() || cls.MemberID == memberId)) {
        if (!cls.IsDeleted()) {
            orientWk += cls.OrientationBonus;
            orientMin += cls.OrientationBonus;
            reEvalWk += cls.ReEvaluationBonus;
            reEvalMin += cls.ReEvaluationBonus;
            otherWk += cls.OtherBonus;
            otherMin += cls.OtherBonus;
        }
        cls.Op(CDAOEFSet::opMoveNext);
    }
}

void CWorkoutReport::CBonuses::Value(const CDAOBon& bon) {
    orientWk *= bon.OrientBonWk;
    orientMin *= bon.OrientBonMin;
    reEvalWk *= bon.ReEvalBonWk;
    reEvalMin *= bon.ReEvalBonMin;
    otherWk *= bon.OtherBonWk;
    otherMin *= bon.OtherBonMin;
}

void CWorkoutReport::CBonuses::Accumulate(const CDAOBon& bon, CDAOCls& cls, long const& memberId) {
    if (memberId == 0 || !cls.IsOpen())
        return;
    cls.Op(CDAOEFSet::opMoveFirst);
    while (!cls.IsEOF() && (cls.IsDeleted() || cls.MemberID != memberId))
        cls.Op(CDAOEFSet::opMoveNext);
    if (cls.IsEOF())
        return;
    AddCounts(cls, memberId);
    Value(bon);
}

// ---------------------------------------------------------------------------
// Rows and totals

void CWorkoutReport::CompileWorkouts(CWorkout& workout, CDAOWk& wk, long const& memberId,
                                     const std::string& first, const std::string& last,
                                     unsigned char const& classIndx) {
    workout.memberId = memberId;
    workout.firstName = first;
    workout.lastName = last;
    wk.TotalMember(&workout, memberId, classIndx);
}

int CWorkoutReport::OptionCount() const {
    return std::min(static_cast<int>(report_.GetOptionAbbrs().size()), CWorkout::StationCount);
}

CWorkoutReport::Columns CWorkoutReport::Layout(const Cols& cols, int const& x, int const& w) const {
    Columns c{};
    int col = x;
    c.id = col;
    if (cols.id)
        col += 11 * w;
    c.name = col;
    if (cols.name)
        col += 35 * w;
    c.date = col;
    if (cols.date)
        col += 11 * w;
    c.inOut = col;
    if (cols.inOut)
        col += 12 * w;
    c.minutes = col;
    col += 7 * w;
    c.options = col;
    c.credit = col + OptionCount() * 6 * w;
    return c;
}

bool CWorkoutReport::HeadOnBreak() const {
    switch (report_.GetReport()) {
    case CReportEngine::rptDailyWorkouts:
    case CReportEngine::rptWorkoutSummaries:
    case CReportEngine::rptMemberWorkouts:
    case CReportEngine::rptClassWorkouts:
    case CReportEngine::rptUnknownWorkouts:
        return true;
    default:
        return false;
    }
}

void CWorkoutReport::Add(int const& kind, long const& value, int const& i) {
    report_.SetTotal(kind, report_.GetTotal(kind, i) + value, i);
}

const std::string& CWorkoutReport::NameOf(long const& memberId) {
    if (!namesRead_) {
        namesRead_ = true;
        CDAOSmMem members;
        members.FindAllMembers(false);
        while (members.IsOpen() && !members.IsEOF()) {
            if (!members.IsDeleted())
                names_.emplace(members.MemberID,
                               vantora::insert("%1, %2", {members.LastName, members.FirstName}));
            members.Op(CDAOEFSet::opMoveNext);
        }
        members.Op(CDAOEFSet::opClose);
    }
    static const std::string none;
    const auto it = names_.find(memberId);
    return it == names_.end() ? none : it->second;
}

int CWorkoutReport::DoWorkouts(CDAOWk& wk, const Cols& cols, bool const& markers, CReportDC& dc,
                               int const& x, int y) {
    const int w = dc.AveCharWidth();
    const Columns c = Layout(cols, x, w);
    const int options = OptionCount();
    report_.SetTotal(CReportEngine::totWorkouts, wk.CountSet(), 0);

    bool havePrev = false;
    long prevMember = 0;
    unsigned char prevClass = 0;
    CEFOleDateTime prevIn;
    while (!wk.IsEOF()) {
        if (wk.IsDeleted()) {
            wk.Op(CDAOEFSet::opMoveNext);
            continue;
        }
        y = report_.CheckPageLen(dc, y, 2, HeadOnBreak(), cols.id);
        if (cols.id)
            dc.TextOutScaled(c.id, y, vantora::format("%i", {wk.MemberID}), kIdWidth * w);
        if (cols.name)
            dc.TextOutFit(c.name, y, NameOf(wk.MemberID), kNameWidth * w);
        if (cols.date)
            dc.TextOut(c.date, y, wk.CheckIn.DateStrShortYear());
        // Check-out equal to check-in, or neither time readable: no check-out.
        const bool inValid = wk.CheckIn.GetStatus() == COleDateTime::valid;
        const bool outValid = wk.CheckOut.GetStatus() == COleDateTime::valid;
        const bool sameTimes =
            (inValid && outValid && wk.CheckOut == wk.CheckIn) || (!inValid && !outValid);
        if (cols.inOut) {
            dc.TextOut(c.inOut, y, wk.CheckIn.TimeStrHourMinute());
            dc.TextOut(c.inOut + 6 * w, y, sameTimes ? "--" : wk.CheckOut.TimeStrHourMinute());
        }
        const int minutes = wk.TotalMinutes();
        dc.TextOutScaled(c.minutes, y, vantora::format("%i", {minutes}), kMinutesWidth * w);
        Add(CReportEngine::totMinutes, minutes);
        if (wk.CheckIn.GetStatus() == COleDateTime::valid) {
            const int hour = wk.CheckIn.GetHour();
            if (hour >= 0 && hour < 24)
                Add(CReportEngine::totHour, 1, hour);
        }
        for (int i = 0; i < options; ++i) {
            const short v = wk.GetStnVal(i);
            dc.TextOutScaled(c.options + i * 6 * w, y, vantora::format("%i", {v}),
                             kOptionWidth * w);
            Add(CReportEngine::totOption, v, i);
        }
        if (wk.WorkoutOK) {
            dc.TextOut(c.credit, y, "x");
            Add(CReportEngine::totWorkoutsOK, 1);
        }
        if (markers) {
            const int m = c.credit + 3 * w;
            const bool repeat =
                havePrev && prevMember == wk.MemberID && prevClass == wk.ClassIndx &&
                wk.CheckIn.GetStatus() == COleDateTime::valid &&
                prevIn.GetStatus() == COleDateTime::valid && wk.CheckIn.IsSameDay(prevIn);
            if (repeat)
                dc.TextOut(m, y, "+");
            if (sameTimes)
                dc.TextOut(repeat ? m + w : m, y, "?");
        }
        havePrev = true;
        prevMember = wk.MemberID;
        prevClass = wk.ClassIndx;
        prevIn = wk.CheckIn;
        wk.Op(CDAOEFSet::opMoveNext);
        y += dc.LineSpacing();
    }
    return y;
}

int CWorkoutReport::DoWorkouts(const std::vector<CWorkout>& rows,
                               const std::vector<CBonuses>& bonuses, const Cols& cols,
                               CReportDC& dc, int const& x, int y) {
    const int w = dc.AveCharWidth();
    const Columns c = Layout(cols, x, w);
    const int options = OptionCount();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CWorkout& row = rows[r];
        const CBonuses b = r < bonuses.size() ? bonuses[r] : CBonuses{};
        const long bonusMin = b.Minutes();
        const long bonusWk = b.Workouts();
        Add(CReportEngine::totOrientBonWk, b.orientWk);
        Add(CReportEngine::totOrientBonMin, b.orientMin);
        Add(CReportEngine::totReEvalBonWk, b.reEvalWk);
        Add(CReportEngine::totReEvalBonMin, b.reEvalMin);
        Add(CReportEngine::totOtherBonWk, b.otherWk);
        Add(CReportEngine::totOtherBonMin, b.otherMin);

        y = report_.CheckPageLen(dc, y, 2, HeadOnBreak(), cols.id);
        if (cols.id)
            dc.TextOutScaled(c.id, y, vantora::format("%i", {row.memberId}), kIdWidth * w);
        if (cols.name)
            dc.TextOutFit(c.name, y, vantora::insert("%1, %2", {row.lastName, row.firstName}),
                          kNameWidth * w);
        dc.TextOutScaled(c.minutes, y, vantora::format("%i", {row.totalMinutes + bonusMin}),
                         kMinutesWidth * w);
        Add(CReportEngine::totMinutes, row.totalMinutes);
        for (int i = 0; i < options; ++i) {
            const long v = row.GetStnVal(i);
            dc.TextOutScaled(c.options + i * 6 * w, y, vantora::format("%i", {v}),
                             kOptionWidth * w);
            Add(CReportEngine::totOption, v, i);
        }
        dc.TextOutScaled(c.credit, y, vantora::format("%i", {row.workoutCount + bonusWk}),
                         kWorkWidth * w);
        dc.TextOutScaled(c.credit + 5 * w, y, vantora::format("%i", {row.okCount + bonusWk}),
                         kWorkOkWidth * w);
        Add(CReportEngine::totWorkouts, row.workoutCount);
        Add(CReportEngine::totWorkoutsOK, row.okCount);
        const int m = c.credit + 12 * w;
        if (bonusWk != 0)
            dc.TextOut(m, y, "w");
        if (bonusMin != 0)
            dc.TextOut(bonusWk != 0 ? m + w : m, y, "m");
        y += dc.LineSpacing();
    }
    return y;
}

int CWorkoutReport::DoWorkoutTotals(const Cols& cols, bool const& hideMinutes, CReportDC& dc,
                                    int const& x, int y) {
    const int w = dc.AveCharWidth();
    const Columns c = Layout(cols, x, w);
    y = report_.CheckPageLen(dc, y, 2, HeadOnBreak(), cols.id);
    if (cols.id || cols.name || cols.date || cols.inOut)
        dc.TextOut(x, y, "TOTALS");
    if (!hideMinutes)
        dc.TextOutScaled(c.minutes, y,
                         vantora::format("%i", {report_.GetTotal(CReportEngine::totMinutes, 0)}),
                         kMinutesWidth * w);
    for (int i = 0; i < OptionCount(); ++i)
        dc.TextOutScaled(c.options + i * 6 * w, y,
                         vantora::format("%i", {report_.GetTotal(CReportEngine::totOption, i)}),
                         kOptionWidth * w);
    return y + dc.LineSpacing();
}

int CWorkoutReport::DoWorkoutGrandTotals(CReportDC& dc, int const& x, int y) {
    y = report_.CheckPageLen(dc, y, 3, false, false);
    const int ls = dc.LineSpacing();
    dc.TextOut(
        x, y,
        vantora::format("TOTAL WORKOUTS: %i", {report_.GetTotal(CReportEngine::totWorkouts, 0)}));
    y += ls;
    dc.TextOut(x, y,
               vantora::format("TOTAL WORKOUTS \"OK\": %i",
                               {report_.GetTotal(CReportEngine::totWorkoutsOK, 0)}));
    return y + ls;
}

int CWorkoutReport::DoWorkoutMemberTotals(const CBonuses& b, CReportDC& dc, int const& x, int y) {
    // The two rows of blocks stay on one page.
    y = report_.CheckPageLen(dc, y, 8, false, false);
    const int ls = dc.LineSpacing();
    const int indent = 2 * dc.AveCharWidth();
    const int pos[3] = {x, 1500, 3000};
    auto block = [&](int col, int top, const char* title, const char* fmt0, long v0,
                     const char* fmt1, long v1) {
        dc.TextOut(pos[col], top, title);
        dc.TextOut(pos[col] + indent, top + ls, vantora::format(fmt0, {v0}));
        dc.TextOut(pos[col] + indent, top + 2 * ls, vantora::format(fmt1, {v1}));
    };
    const long minutes = report_.GetTotal(CReportEngine::totMinutes, 0);
    const long workouts = report_.GetTotal(CReportEngine::totWorkouts, 0);
    const long credited = report_.GetTotal(CReportEngine::totWorkoutsOK, 0);
    block(0, y, "TOTAL MINUTES", "w/Bonus:     %6i", minutes + b.Minutes(), "w/out Bonus: %6i",
          minutes);
    block(1, y, "TOTAL WORKOUTS", "w/Bonus:     %6i", workouts + b.Workouts(), "w/out Bonus: %6i",
          workouts);
    block(2, y, "TOTAL WORKOUTS \"OK\"", "w/Bonus:     %6i", credited + b.Workouts(),
          "w/out Bonus: %6i", credited);
    const int second = y + 4 * ls;
    block(0, second, "TOTAL ORIENTATION BONUS", "Minutes:     %6i", b.orientMin, "Workouts:    %6i",
          b.orientWk);
    block(1, second, "TOTAL RE-EVALUATION BONUS", "Minutes:     %6i", b.reEvalMin,
          "Workouts:    %6i", b.reEvalWk);
    block(2, second, "TOTAL OTHER BONUS", "Minutes:     %6i", b.otherMin, "Workouts:    %6i",
          b.otherWk);
    return second + 3 * ls;
}

int CWorkoutReport::DoWorkoutHour(CReportDC& dc, int const& hour, int const& x, int y) {
    int label = hour;
    if (hour == 0 || hour == 12)
        label = 12;
    else if (hour > 12)
        label = hour - 12;
    const long count = report_.GetTotal(CReportEngine::totHour, hour);
    std::string text = vantora::format(hour < 12 ? "%2i AM: %7i " : "%2i PM: %7i ", {label, count});
    const long total = report_.GetTotal(CReportEngine::totWorkouts, 0);
    // One star per full 5 percent of all workouts.
    if (total > 0 && count > 0)
        text.append(static_cast<std::size_t>(count * 100 * 0.2 / total), '*');
    dc.TextOut(x, y, text);
    return y + dc.LineSpacing();
}

CWorkoutReport::CBonuses CWorkoutReport::BonusTotals() const {
    CBonuses b;
    b.orientWk = report_.GetTotal(CReportEngine::totOrientBonWk, 0);
    b.orientMin = report_.GetTotal(CReportEngine::totOrientBonMin, 0);
    b.reEvalWk = report_.GetTotal(CReportEngine::totReEvalBonWk, 0);
    b.reEvalMin = report_.GetTotal(CReportEngine::totReEvalBonMin, 0);
    b.otherWk = report_.GetTotal(CReportEngine::totOtherBonWk, 0);
    b.otherMin = report_.GetTotal(CReportEngine::totOtherBonMin, 0);
    return b;
}

// ---------------------------------------------------------------------------
// The report kinds

int CWorkoutReport::DoLegend(CReportDC& dc, int const& x, int y, const char* plusText) {
    const int ls = dc.LineSpacing();
    y = report_.CheckPageLen(dc, y, 5, false, false);
    report_.DoDashLine(dc, x, report_.GetPageWidth() - report_.GetMargin(), y);
    y += 2 * ls;
    dc.TextOut(x, y, plusText);
    y += ls;
    dc.TextOut(x, y, kNoCheckOut);
    return y + 2 * ls;
}

int CWorkoutReport::DoDaily(CReportDC& dc, int const& x, int y, CEFOleDateTime from,
                            CEFOleDateTime to) {
    CDAOWk wk;
    if (wk.FindWks(0, from, to, CDAOWk::okAll) == 0)
        return y;
    const Cols cols{true, true, false, true, false};
    const int ls = dc.LineSpacing();
    y = DoWorkouts(wk, cols, true, dc, x, y);
    wk.Op(CDAOEFSet::opClose);
    y += ls;
    y = DoWorkoutTotals(cols, false, dc, x, y);
    y = DoLegend(dc, x, y, "+ More than one workout has been recorded for member for same class.");
    y = DoWorkoutGrandTotals(dc, x, y);
    y += ls;
    y = report_.CheckPageLen(dc, y, 27, false, false);
    dc.TextOut(x, y, "HOUR-BY-HOUR CHECK-INS:");
    const int chart = x + 26 * dc.AveCharWidth();
    for (int h = 0; h < 24; ++h)
        y = DoWorkoutHour(dc, h, chart, y);
    dc.TextOut(x, y, "* Representation of percentage of members who checked in during hour.");
    y += 2 * ls;
    return report_.DoSignBlock(dc, x, y);
}

int CWorkoutReport::DoSummaries(CReportDC& dc, int const& x, int y, long const& flags,
                                CEFOleDateTime from, CEFOleDateTime to, const std::string* category,
                                const std::string& course, const std::string& section) {
    const int ls = dc.LineSpacing();
    const Cols cols{(flags & CReportEngine::mfShowId) != 0, true, false, false, true};
    if (category) {
        // The class summaries' first lines end with the title; the dashed
        // line and the column heads follow here.
        report_.DoDashLine(dc, x, report_.GetPageWidth() - report_.GetMargin(), y);
        y += 2 * ls;
        y = report_.DoWorkoutTblHead(cols, dc, x, y);
    }

    struct Member {
        long id;
        std::string first, last;
        unsigned char classIndx;
        CBonuses bonuses;
    };
    std::vector<Member> members;
    {
        CDAOSmMem set;
        CMemberReport::SelectMembers(set, flags);
        while (set.IsOpen() && !set.IsEOF()) {
            if (!set.IsDeleted())
                members.push_back(
                    {set.MemberID, set.FirstName, set.LastName, CDAOWk::ClassAll, {}});
            set.Op(CDAOEFSet::opMoveNext);
        }
        set.Op(CDAOEFSet::opClose);
    }

    // Bonuses: every member's classes in one pass (the class summaries: the
    // records of the chosen class only, the first one of each member).
    std::map<long, CBonuses> bonusOf;
    std::map<long, unsigned char> classOf;
    {
        CDAOCls cls;
        if (category)
            cls.FindClasses(0, category->c_str(), course.c_str(), section.c_str());
        else
            cls.FindClasses(0);
        const CDAOBon& bon = context_.bonuses;
        while (cls.IsOpen() && !cls.IsEOF()) {
            if (cls.IsDeleted()) {
                cls.Op(CDAOEFSet::opMoveNext);
                continue;
            }
            const long member = cls.MemberID;
            if (category) {
                if (!classOf.count(member)) {
                    classOf[member] = cls.ClassIndx;
                    CBonuses b;
                    b.orientWk = b.orientMin = cls.OrientationBonus;
                    b.reEvalWk = b.reEvalMin = cls.ReEvaluationBonus;
                    b.otherWk = b.otherMin = cls.OtherBonus;
                    b.Value(bon);
                    bonusOf[member] = b;
                }
                cls.Op(CDAOEFSet::opMoveNext);
            } else {
                CBonuses b;
                b.AddCounts(cls, member);
                b.Value(bon);
                CBonuses& sum = bonusOf[member];
                sum.orientWk += b.orientWk;
                sum.orientMin += b.orientMin;
                sum.reEvalWk += b.reEvalWk;
                sum.reEvalMin += b.reEvalMin;
                sum.otherWk += b.otherWk;
                sum.otherMin += b.otherMin;
            }
        }
        cls.Op(CDAOEFSet::opClose);
    }
    if (category) {
        std::erase_if(members, [&](const Member& m) { return !classOf.count(m.id); });
        for (Member& m : members)
            m.classIndx = classOf[m.id];
    }
    for (Member& m : members)
        if (const auto it = bonusOf.find(m.id); it != bonusOf.end())
            m.bonuses = it->second;

    // The workouts are totalled in one pass in member id order; the rows
    // keep the order of the selection.
    std::vector<CWorkout> rows(members.size());
    {
        CDAOWk wk;
        if (flags & CReportEngine::mfAllDates)
            wk.FindAllWks();
        else
            wk.FindWks(0, from, to, CDAOWk::okAll);
        std::vector<std::size_t> byId(members.size());
        std::iota(byId.begin(), byId.end(), std::size_t{0});
        std::stable_sort(byId.begin(), byId.end(), [&](std::size_t a, std::size_t b) {
            return members[a].id < members[b].id;
        });
        for (std::size_t i : byId) {
            const Member& m = members[i];
            if (wk.IsOpen())
                CompileWorkouts(rows[i], wk, m.id, m.first, m.last, m.classIndx);
            else {
                rows[i].memberId = m.id;
                rows[i].firstName = m.first;
                rows[i].lastName = m.last;
            }
        }
        wk.Op(CDAOEFSet::opClose);
    }
    std::vector<CBonuses> bonuses;
    bonuses.reserve(members.size());
    for (const Member& m : members)
        bonuses.push_back(m.bonuses);

    y = DoWorkouts(rows, bonuses, cols, dc, x, y);
    y += ls;
    y = DoWorkoutTotals(cols, true, dc, x, y);
    y = report_.CheckPageLen(dc, y, 5, false, false);
    report_.DoDashLine(dc, x, report_.GetPageWidth() - report_.GetMargin(), y);
    y += 2 * ls;
    const CBonuses totals = BonusTotals();
    if (totals.Workouts() != 0) {
        dc.TextOut(x, y, "w - Bonus workout(s) has been awarded to member.");
        y += ls;
    }
    if (totals.Minutes() != 0) {
        dc.TextOut(x, y, "m - Bonus minutes have been awarded to member.");
        y += ls;
    }
    y += ls;
    y = DoWorkoutMemberTotals(totals, dc, x, y);
    y += ls;
    return report_.DoSignBlock(dc, x, y);
}

int CWorkoutReport::DoMemberWorkouts(CReportDC& dc, int const& x, int y, long const& memberId,
                                     unsigned char const& classIndx) {
    const int ls = dc.LineSpacing();
    const Cols cols{false, false, true, true, false};
    {
        CDAOWk wk;
        if (classIndx == CDAOWk::ClassAll)
            wk.FindWks(memberId);
        else
            wk.FindWks(memberId, classIndx);
        if (wk.IsOpen())
            y = DoWorkouts(wk, cols, true, dc, x, y);
        wk.Op(CDAOEFSet::opClose);
    }
    y += ls;
    y = DoWorkoutTotals(cols, false, dc, x, y);
    y = DoLegend(dc, x, y,
                 "+ More than one workout has been recorded on same day and for same class.");
    CBonuses b;
    {
        CDAOCls cls;
        if (classIndx == CDAOWk::ClassAll)
            cls.FindClasses(memberId);
        else
            cls.FindClasses(memberId, classIndx);
        b.Accumulate(context_.bonuses, cls, memberId);
        cls.Op(CDAOEFSet::opClose);
    }
    y = DoWorkoutMemberTotals(b, dc, x, y);
    y += ls;
    return report_.DoSignBlock(dc, x, y);
}

int CWorkoutReport::DoUnknown(CReportDC& dc, int const& x, int y) {
    CDAOWk wk;
    if (wk.FindWks(0, CDAOWk::ClassUnknown) == 0)
        return y;
    y = DoWorkouts(wk, {true, true, true, true, false}, false, dc, x, y);
    wk.Op(CDAOEFSet::opClose);
    report_.DoDashLine(dc, x, report_.GetPageWidth() - report_.GetMargin(), y);
    return y + dc.LineSpacing();
}

bool CWorkoutReport::DoFirstLines(CReportDC& dc, int const& x, int& y, const CReportSelection& r) {
    CEFOleDateTime now;
    now.Current();
    const std::string today = now.DateStrLongYear();
    const std::string& facility = context_.center.Name;
    const std::string d0 = r.date0.DateStrLongYear();
    const std::string d1 = r.date1.DateStrLongYear();
    std::string status;
    CReportEngine::BuildStatusStr(status, r.id);
    std::string classText;
    CReportEngine::BuildClassStr(classText, r.str0, r.str1, r.str2);
    const bool allDates = (r.id & CReportEngine::mfAllDates) != 0;
    bool idSwitch = true;

    switch (report_.GetReport()) {
    case CReportEngine::rptDailyWorkouts: {
        CDAOWk wk;
        CEFOleDateTime from = r.date0;
        CEFOleDateTime to = r.date1;
        if (wk.FindWks(0, from, to, CDAOWk::okAll) == 0)
            return false;
        y = report_.DoTitle(dc, x, y, "Daily Workouts for %1 - %2", {d0, facility}, {2});
        break;
    }
    case CReportEngine::rptWorkoutSummaries:
        if (allDates)
            y = report_.DoTitle(dc, x, y, "Workout Summaries for %1 - %2 - %3",
                                {status, today, facility}, {3});
        else
            y = report_.DoTitle(dc, x, y, "Workout Summaries for %1 - %2 to %3 - %4",
                                {status, d0, d1, facility}, {4});
        idSwitch = (r.id & CReportEngine::mfShowId) != 0;
        break;
    case CReportEngine::rptMemberWorkouts: {
        CDAOMem member;
        if (!FindRequestMember(member, r.id, report_))
            return false;
        y = report_.DoTitle(
            dc, x, y, "Workouts for %1 %2, ID # %3, Class %4 - %5 - %6",
            {member.FirstName, member.LastName, std::to_string(r.id), r.str1, today, facility},
            {1, 2, 4, 6});
        idSwitch = false;
        break;
    }
    case CReportEngine::rptClassWorkouts:
        // The dashed line and the column heads follow with the body.
        if (allDates)
            y = report_.DoTitle(dc, x, y, "Workout Summaries for %1, %2 - %3 - %4",
                                {status, classText, today, facility}, {2, 4});
        else
            y = report_.DoTitle(dc, x, y, "Workout Summaries for %1, %2 - %3 to %4 - %5",
                                {status, classText, d0, d1, facility}, {2, 5});
        return true;
    case CReportEngine::rptUnknownWorkouts: {
        CDAOWk wk;
        const int n = wk.FindWks(0, CDAOWk::ClassUnknown);
        y = report_.DoTitle(dc, x, y, "All Category \"Unknown\" Workouts as of %1 - %2",
                            {today, facility}, {2});
        y = report_.DoRule(dc, x, y);
        if (n > 0)
            break;
        y += dc.LineSpacing();
        dc.TextOut(x, y, "No workouts found");
        y = report_.DoRule(dc, x, y + dc.LineSpacing());
        return true;
    }
    default:
        return false;
    }
    if (report_.GetReport() != CReportEngine::rptUnknownWorkouts)
        y = report_.DoRule(dc, x, y);
    // The table head below a blank line, as on continued pages.
    y = report_.DoTableHead(dc, x, y + dc.LineSpacing(), idSwitch);
    return true;
}

int CWorkoutReport::DoReport(CReportDC& dc, int const& x, const CReportSelection& r) {
    int y = 0;
    if (!DoFirstLines(dc, x, y, r))
        return y;
    switch (report_.GetReport()) {
    case CReportEngine::rptDailyWorkouts:
        return DoDaily(dc, x, y, r.date0, r.date1);
    case CReportEngine::rptWorkoutSummaries:
        return DoSummaries(dc, x, y, r.id, r.date0, r.date1, nullptr, r.str1, r.str2);
    case CReportEngine::rptMemberWorkouts:
        // The class index comes as text; 101 selects every class.
        return DoMemberWorkouts(dc, x, y, r.id, CReportEngine::CStringToBYTE(r.str0));
    case CReportEngine::rptClassWorkouts:
        return DoSummaries(dc, x, y, r.id, r.date0, r.date1, &r.str0, r.str1, r.str2);
    case CReportEngine::rptUnknownWorkouts:
        return DoUnknown(dc, x, y);
    default:
        return y;
    }
}
