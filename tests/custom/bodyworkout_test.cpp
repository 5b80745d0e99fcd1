// The workout reports drawn from a prepared facility: rows, markers, totals,
// bonuses and the hour-by-hour chart.

#include "bodyfixture.h"

#include "custom/workoutreport.h"

#include "db/daobon.h"
#include "db/daocls.h"

using namespace vantora::test;

namespace {

bool contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

class WorkoutReports : public BodyFixture {
protected:
    WorkoutReports() {
        MemberData ann = member(5, "Ann", "Lee", 0);
        // Class 0 in FIT 101 with an orientation and two re-evaluation
        // bonuses; class 1 elsewhere without bonuses.
        ann.classes = {{0, "FIT", "FIT 101", "01", 0, 1, 2, 0}, {1, "SWIM", "", "", 0, 0, 0, 0}};
        addMember(ann);
        MemberData bob = member(6, "Bob", "Kay");
        bob.classes = {{0, "YOGA", "", "", 0, 0, 0, 0}};
        addMember(bob);

        // Dec 3: Ann 9:00-10:00 (OK, 2 circuits) and again 14:00 without
        // check-out; Bob 9:30-10:15 (OK, 3 circuits). Dec 4: Ann in class 1.
        workout(5, 0, day(2026, 12, 3, 9, 0), day(2026, 12, 3, 10, 0), 1, 2);
        workout(5, 0, day(2026, 12, 3, 14, 0), day(2026, 12, 3, 14, 0), 0, 0);
        workout(6, 0, day(2026, 12, 3, 9, 30), day(2026, 12, 3, 10, 15), 1, 3);
        workout(5, 1, day(2026, 12, 4, 16, 0), day(2026, 12, 4, 16, 20), 1, 1);
    }
};

} // namespace

TEST_F(WorkoutReports, DailyRowsCarryMarkersTotalsAndHourChart) {
    const CEFOleDateTime dec3(2026, 12, 3);
    const Drawn d = draw(CReportEngine::rptDailyWorkouts, 0, dec3, dec3);

    // The second visit of the day in the same class, never checked out.
    const auto again = d.row("14:00");
    EXPECT_TRUE(contains(again, "--"));
    EXPECT_TRUE(contains(again, "+"));
    EXPECT_TRUE(contains(again, "?"));
    EXPECT_FALSE(contains(again, "x"));
    const auto first = d.row("09:00");
    EXPECT_TRUE(contains(first, "10:00"));
    EXPECT_TRUE(contains(first, "60"));
    EXPECT_TRUE(contains(first, "x"));
    EXPECT_FALSE(contains(first, "+"));
    EXPECT_TRUE(contains(first, "Lee, Ann"));
    // Bob's first visit of the day carries no marker.
    EXPECT_FALSE(contains(d.row("09:30"), "+"));
    EXPECT_FALSE(d.has("16:00")); // Dec 4 is outside the day asked for

    const auto totals = d.row("TOTALS");
    EXPECT_TRUE(contains(totals, "105")); // 60 + 0 + 45 minutes
    EXPECT_TRUE(contains(totals, "5"));   // circuits 2 + 0 + 3
    EXPECT_TRUE(d.has("TOTAL WORKOUTS: 3"));
    EXPECT_TRUE(d.has("TOTAL WORKOUTS \"OK\": 2"));
    EXPECT_TRUE(d.has("+ More than one workout has been recorded for member for same class."));
    EXPECT_TRUE(d.has("? Member may have checked-in without checking-out."));

    // Two of three check-ins at 9: 13 full five-percent steps.
    EXPECT_TRUE(d.has(" 9 AM:       2 " + std::string(13, '*')));
    EXPECT_TRUE(d.has(" 2 PM:       1 " + std::string(6, '*')));
    EXPECT_TRUE(d.has("12 AM:       0 "));
    EXPECT_TRUE(d.has("12 PM:       0 "));
    EXPECT_TRUE(d.has("11 PM:       0 "));
    EXPECT_TRUE(d.has("HOUR-BY-HOUR CHECK-INS:"));
    EXPECT_FALSE(d.line("Printed by: ").empty());
    EXPECT_EQ(d.device->Pages(), 1);
}

TEST_F(WorkoutReports, HalfOfTheCheckInsInAnHourGiveTenStarsAtMidnightAndNoon) {
    workout(6, 0, day(2026, 12, 5, 0, 10), day(2026, 12, 5, 0, 40));
    workout(6, 0, day(2026, 12, 5, 12, 0), day(2026, 12, 5, 12, 30));
    const CEFOleDateTime dec5(2026, 12, 5);
    const Drawn d = draw(CReportEngine::rptDailyWorkouts, 0, dec5, dec5);
    EXPECT_TRUE(d.has("12 AM:       1 " + std::string(10, '*')));
    EXPECT_TRUE(d.has("12 PM:       1 " + std::string(10, '*')));
    // Same member and class on the same day: the second row is marked.
    EXPECT_TRUE(contains(d.row("12:00"), "+"));
}

TEST_F(WorkoutReports, SummariesAddBonusesToRowsButNotToTheTotals) {
    const long flags = CReportEngine::mfShowId | CReportEngine::mfAll | CReportEngine::mfAllDates;
    const Drawn d = draw(CReportEngine::rptWorkoutSummaries, flags);

    // Ann: 60 + 0 + 20 minutes and 3 workouts (2 OK) of her own; bonuses of
    // one orientation (1 workout, 30 minutes) and two re-evaluations (2
    // workouts, 60 minutes).
    const auto ann = d.row("Lee, Ann");
    EXPECT_TRUE(contains(ann, "5"));   // id
    EXPECT_TRUE(contains(ann, "170")); // 80 + 90 bonus minutes
    EXPECT_TRUE(contains(ann, "6"));   // 3 + 3 bonus workouts
    EXPECT_TRUE(contains(ann, "w"));
    EXPECT_TRUE(contains(ann, "m"));
    const auto bob = d.row("Kay, Bob");
    EXPECT_TRUE(contains(bob, "45"));
    EXPECT_FALSE(contains(bob, "w"));
    EXPECT_FALSE(contains(bob, "m"));
    // Ordered by name.
    EXPECT_LT(d.indexOf("Kay, Bob"), d.indexOf("Lee, Ann"));

    // The minutes of the totals row would disagree with the rows: hidden.
    const auto totals = d.row("TOTALS");
    EXPECT_FALSE(contains(totals, "125"));
    EXPECT_TRUE(contains(totals, "6")); // circuits 2 + 0 + 1 + 3

    EXPECT_TRUE(d.has("w - Bonus workout(s) has been awarded to member."));
    EXPECT_TRUE(d.has("m - Bonus minutes have been awarded to member."));
    EXPECT_TRUE(d.has("w/Bonus:        215")); // 125 + 90
    EXPECT_TRUE(d.has("w/out Bonus:    125"));
    EXPECT_TRUE(d.has("w/Bonus:          7")); // 4 workouts + 3
    EXPECT_TRUE(d.has("w/out Bonus:      4"));
    EXPECT_TRUE(d.has("w/Bonus:          6")); // 3 OK + 3
    EXPECT_TRUE(d.has("Minutes:         30")); // orientation
    EXPECT_TRUE(d.has("Minutes:         60")); // re-evaluation
    EXPECT_TRUE(d.has("Workouts:         2"));
    EXPECT_TRUE(d.has("TOTAL OTHER BONUS"));
}

TEST_F(WorkoutReports, SummariesOfADateRangeWithoutIdColumnOrBonuses) {
    exec("UPDATE Classes SET OrientationBonus = 0, ReEvaluationBonus = 0");
    const CEFOleDateTime dec3(2026, 12, 3);
    const Drawn d = draw(CReportEngine::rptWorkoutSummaries, CReportEngine::mfAll, dec3, dec3);
    EXPECT_FALSE(d.has("ID #"));
    const auto ann = d.row("Lee, Ann");
    EXPECT_TRUE(contains(ann, "60")); // the Dec 4 workout is outside
    EXPECT_FALSE(contains(ann, "5"));
    EXPECT_FALSE(d.line("w - ").size());
    EXPECT_FALSE(d.line("m - ").size());
    EXPECT_TRUE(d.has("w/out Bonus:    105"));
}

TEST_F(WorkoutReports, MemberWorkoutsOfAllClassesOrOneClass) {
    const Drawn all = draw(CReportEngine::rptMemberWorkouts, 5, {}, {}, "101", "- All Classes -");
    EXPECT_TRUE(all.has("12/03/26"));
    EXPECT_TRUE(all.has("12/04/26"));
    EXPECT_TRUE(contains(all.row("TOTALS"), "80"));
    EXPECT_TRUE(
        all.has("+ More than one workout has been recorded on same day and for same class."));
    // The member's own bonuses over all classes.
    EXPECT_TRUE(all.has("w/Bonus:        170"));
    EXPECT_FALSE(all.has("Lee, Ann")); // no name column

    const Drawn one = draw(CReportEngine::rptMemberWorkouts, 5, {}, {}, "1", "SWIM");
    EXPECT_FALSE(one.has("12/03/26"));
    EXPECT_TRUE(one.has("12/04/26"));
    EXPECT_TRUE(contains(one.row("TOTALS"), "20"));
    // Class 1 carries no bonus.
    EXPECT_TRUE(one.has("w/Bonus:         20"));
}

TEST_F(WorkoutReports, ClassSummariesListOnlyMembersOfTheClassWithThatClassesWorkouts) {
    const Drawn d =
        draw(CReportEngine::rptClassWorkouts, CReportEngine::mfAll | CReportEngine::mfAllDates, {},
             {}, "FIT", "FIT 101", "01");
    EXPECT_FALSE(d.has("Kay, Bob"));
    const auto ann = d.row("Lee, Ann");
    EXPECT_TRUE(contains(ann, "150")); // class 0 only: 60 + 90 bonus minutes
    EXPECT_TRUE(contains(ann, "5"));   // 2 workouts + 3 bonus
    // The columns are headed on the first page.
    EXPECT_TRUE(d.has("Work"));
    EXPECT_TRUE(d.has("WorkOK"));
}

TEST_F(WorkoutReports, UnknownClassWorkoutsListedWithoutTotals) {
    workout(6, 99, day(2026, 12, 2, 8, 0), day(2026, 12, 2, 8, 40));
    const Drawn d = draw(CReportEngine::rptUnknownWorkouts);
    const auto row = d.row("Kay, Bob");
    EXPECT_TRUE(contains(row, "6"));
    EXPECT_TRUE(contains(row, "12/02/26"));
    EXPECT_TRUE(contains(row, "40"));
    EXPECT_FALSE(d.has("Lee, Ann"));
    EXPECT_FALSE(d.has("TOTALS"));
    EXPECT_FALSE(contains(row, "+"));
}

TEST_F(WorkoutReports, LongListsBreakPagesAndRepeatTheTableHead) {
    for (int i = 0; i < 70; ++i)
        workout(6, 0, day(2026, 12, 6, 6, i % 60), day(2026, 12, 6, 7, 0));
    const CEFOleDateTime dec6(2026, 12, 6);
    const Drawn d = draw(CReportEngine::rptDailyWorkouts, 0, dec6, dec6);
    ASSERT_GE(d.device->Pages(), 2);
    const auto page2 = d.device->Texts(1);
    EXPECT_TRUE(contains(page2, "Min"));
    EXPECT_TRUE(contains(page2, "Circ"));
    EXPECT_TRUE(d.has("TOTAL WORKOUTS: 70"));
}

TEST_F(WorkoutReports, BonusesCountOnlyTheMembersOwnClassRecords) {
    CDAOCls cls;
    cls.FindClasses(0);
    const CDAOBon& bon = report().GetBonuses();
    CWorkoutReport::CBonuses ann;
    ann.Accumulate(bon, cls, 5);
    EXPECT_EQ(ann.orientWk, 1);
    EXPECT_EQ(ann.orientMin, 30);
    EXPECT_EQ(ann.reEvalWk, 2);
    EXPECT_EQ(ann.reEvalMin, 60);
    EXPECT_EQ(ann.Workouts(), 3);
    EXPECT_EQ(ann.Minutes(), 90);
    CWorkoutReport::CBonuses nobody;
    nobody.Accumulate(bon, cls, 0);
    nobody.Accumulate(bon, cls, 77);
    EXPECT_EQ(nobody.Workouts() + nobody.Minutes(), 0);
}

TEST_F(WorkoutReports, WideValuesAndLongNamesNeverRunIntoTheirNeighbours) {
    addMember(member(30, "Maximiliana-Josephine", "Vanderhoeven-Castellanos"));
    for (int i = 0; i < 8; ++i)
        workout(30, 0, day(2026, 12, 5, 8 + i), day(2026, 12, 5, 9 + i), 1, 3, 30000);
    const Drawn s = draw(CReportEngine::rptWorkoutSummaries, 0x02 | 0x10 | 0x01);
    EXPECT_TRUE(s.has("240000"));
    EXPECT_EQ(s.overlaps(), std::vector<std::string>{});
    const CEFOleDateTime dec5(2026, 12, 5);
    const Drawn d = draw(CReportEngine::rptDailyWorkouts, 0, dec5, dec5);
    EXPECT_TRUE(d.has("240000"));
    EXPECT_EQ(d.overlaps(), std::vector<std::string>{});
}

TEST_F(WorkoutReports, ClassSummariesRepeatTheirHeadsOnEveryPage) {
    for (long id = 100; id < 180; ++id) {
        MemberData m = member(id, "Member", "No" + std::to_string(id));
        m.classes = {{0, "FIT", "FIT 101", "01", 0, 0, 0, 0}};
        addMember(m);
    }
    const Drawn d = draw(CReportEngine::rptClassWorkouts, 0x02 | 0x10, {}, {}, "FIT", "", "");
    ASSERT_GE(d.device->Pages(), 2);
    EXPECT_TRUE(d.onEveryContinuedPage("Name"));
    EXPECT_TRUE(d.onEveryContinuedPage("WorkOK"));
}
