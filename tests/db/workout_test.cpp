// Workouts: the searches with their filters and orders, the option values,
// member totals and today's count.

#include "db/daochkin.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "db/workout.h"

#include "support/facility.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

using namespace vantora::test;

namespace {

CEFOleDateTime when(int day, int hour, int minute = 0, int second = 0) {
    return CEFOleDateTime(2026, 3, day, hour, minute, second);
}

void addWorkout(long id, unsigned char cls, unsigned char ok, CEFOleDateTime in, CEFOleDateTime out,
                std::vector<short> stations = {}) {
    CDAOWk wk;
    wk.OpenSet(false);
    wk.Op(CDAOEFSet::opAddNew);
    wk.MemberID = id;
    wk.ClassIndx = cls;
    wk.WorkoutOK = ok;
    wk.CheckIn = in;
    wk.CheckOut = out;
    for (std::size_t i = 0; i < stations.size(); ++i)
        wk.SetStnVal(static_cast<int>(i), stations[i]);
    wk.Op(CDAOEFSet::opUpdate);
    ASSERT_FALSE(wk.LastOpFailed());
    wk.Op(CDAOEFSet::opClose);
}

// Check-in times of the set from its first row on, in set order.
std::vector<CEFOleDateTime> checkIns(CDAOWk& wk) {
    std::vector<CEFOleDateTime> v;
    for (wk.Op(CDAOEFSet::opMoveFirst); !wk.IsEOF(); wk.Op(CDAOEFSet::opMoveNext))
        v.push_back(wk.CheckIn);
    return v;
}

std::vector<long> memberIds(CDAOWk& wk) {
    std::vector<long> v;
    for (wk.Op(CDAOEFSet::opMoveFirst); !wk.IsEOF(); wk.Op(CDAOEFSet::opMoveNext))
        v.push_back(wk.MemberID);
    return v;
}

class WorkoutTest : public ::testing::Test {
protected:
    Facility facility;

    // Member 1: three workouts in two classes; member 2: two; member 3: one
    // unassigned; spread over 2..4 March.
    void addSample() {
        addWorkout(2, 0, 1, when(3, 9), when(3, 10), {2, 5});
        addWorkout(1, 1, 0, when(2, 8), when(2, 8, 20), {1});
        addWorkout(1, 0, 1, when(4, 18), when(4, 19, 5), {3, 0, 7});
        addWorkout(3, 99, 1, when(3, 7), when(3, 7, 45), {2});
        addWorkout(1, 0, 1, when(3, 17), when(3, 17, 40), {2, 1});
        addWorkout(2, 1, 0, when(4, 23, 30), when(5, 0, 10), {0});
    }
};

TEST_F(WorkoutTest, OptionValuesMapToTheirOwnColumnsAndIgnoreOtherIndexes) {
    std::vector<short> values;
    for (short i = 0; i < 13; ++i)
        values.push_back(static_cast<short>(10 + i * 7));
    addWorkout(4, 0, 1, when(2, 9), when(2, 10), values);

    CDAOWk wk;
    ASSERT_EQ(wk.FindWks(4), 1);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(wk.GetStnVal(i), values[static_cast<std::size_t>(i)]) << "option " << i;
    EXPECT_EQ(wk.Station00, 10);
    EXPECT_EQ(wk.Station12, 10 + 12 * 7);
    EXPECT_EQ(facility.count("members.mdb", "SELECT COUNT(*) FROM Workouts WHERE Station07 = 59"),
              1);

    EXPECT_EQ(wk.GetStnVal(13), 0);
    EXPECT_EQ(wk.GetStnVal(-1), 0);
    wk.SetStnVal(13, 5);
    wk.SetStnVal(-1, 5);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(wk.GetStnVal(i), values[static_cast<std::size_t>(i)]);
}

TEST_F(WorkoutTest, MemberSearchIsNewestFirstAndZeroMeansEveryMember) {
    addSample();
    CDAOWk wk;
    EXPECT_EQ(wk.FindWks(1), 3);
    EXPECT_EQ(checkIns(wk), (std::vector<CEFOleDateTime>{when(4, 18), when(3, 17), when(2, 8)}));
    EXPECT_EQ(wk.FindWks(0), 6);
    EXPECT_EQ(checkIns(wk).front(), when(4, 23, 30));
    EXPECT_EQ(checkIns(wk).back(), when(2, 8));
    // The same object searched again reports the new search.
    EXPECT_EQ(wk.FindWks(3), 1);
    EXPECT_EQ(wk.FindWks(77), 0);
    EXPECT_TRUE(wk.IsEOF());
}

TEST_F(WorkoutTest, ClassSearchKeepsToTheClassOfOneOrEveryMember) {
    addSample();
    CDAOWk wk;
    EXPECT_EQ(wk.FindWks(1, static_cast<unsigned char>(0)), 2);
    EXPECT_EQ(checkIns(wk), (std::vector<CEFOleDateTime>{when(4, 18), when(3, 17)}));
    EXPECT_EQ(wk.FindWks(0, static_cast<unsigned char>(0)), 3);
    EXPECT_EQ(wk.FindWks(0, static_cast<unsigned char>(1)), 2);
    EXPECT_EQ(wk.FindWks(2, static_cast<unsigned char>(99)), 0);
    EXPECT_EQ(wk.FindWks(0, CDAOWk::ClassUnknown), 1);
}

TEST_F(WorkoutTest, ExactCheckInFindsOneVisit) {
    addSample();
    CDAOWk wk;
    CEFOleDateTime t = when(3, 17);
    EXPECT_EQ(wk.FindWks(1, t), 1);
    EXPECT_EQ(wk.CheckOut, when(3, 17, 40));
    CEFOleDateTime off = when(3, 17, 0, 1);
    EXPECT_EQ(wk.FindWks(1, off), 0);
    EXPECT_EQ(wk.FindWks(2, t), 0);
}

TEST_F(WorkoutTest, DateRangeCoversWholeDaysAndMovesTheCallersDates) {
    addSample();
    CDAOWk wk;
    CEFOleDateTime from = when(3, 12, 34, 56);
    CEFOleDateTime to = when(4, 6, 7, 8);
    EXPECT_EQ(wk.FindWks(0, from, to, CDAOWk::okAll), 4);
    EXPECT_EQ(from, when(3, 0));
    EXPECT_EQ(to, when(4, 23, 59, 59));
    // Ordered by member, then class.
    EXPECT_EQ(memberIds(wk), (std::vector<long>{1, 1, 2, 3}));
    // The late visit of 4 March checks out on the 5th and is outside.
    std::vector<CEFOleDateTime> ins = checkIns(wk);
    EXPECT_EQ(std::count(ins.begin(), ins.end(), when(4, 23, 30)), 0);

    from = when(2, 0);
    to = when(5, 0);
    EXPECT_EQ(wk.FindWks(0, from, to, CDAOWk::okOK), 4);
    EXPECT_EQ(wk.FindWks(0, from, to, CDAOWk::okNotOK), 2);
    EXPECT_EQ(wk.FindWks(0, from, to, CDAOWk::okAll), 6);
    EXPECT_EQ(wk.FindWks(1, from, to, CDAOWk::okOK), 2);
    EXPECT_EQ(wk.FindWks(1, from, to, CDAOWk::okNotOK), 1);
    EXPECT_EQ(wk.FindWks(2, from, to, CDAOWk::okAll), 2);
}

TEST_F(WorkoutTest, DateRangeWithAnUnreadableDateShowsAnErrorAndFindsNothing) {
    addSample();
    Notices notices;
    CDAOWk wk;
    CEFOleDateTime from = when(2, 0);
    from.SetStatus(COleDateTime::invalid);
    CEFOleDateTime to = when(5, 0);
    EXPECT_EQ(wk.FindWks(0, from, to, CDAOWk::okAll), 0);
    EXPECT_EQ(notices->last(), "Error: invalid date and/or time");
}

TEST_F(WorkoutTest, TotalsAddEveryClassOrOneClassToTheCallersAccumulator) {
    addSample();
    CDAOWk wk;
    ASSERT_EQ(wk.FindAllWks(), 6);
    CWorkout all;
    wk.TotalMember(&all, 1, CDAOWk::ClassAll);
    EXPECT_EQ(all.memberId, 1);
    EXPECT_EQ(all.workoutCount, 3);
    EXPECT_EQ(all.okCount, 2);
    EXPECT_EQ(all.totalMinutes, 20 + 65 + 40);
    EXPECT_EQ(all.GetStnVal(0), 6);
    EXPECT_EQ(all.GetStnVal(1), 1);
    EXPECT_EQ(all.GetStnVal(2), 7);
    // The cursor waits on the next member's first workout.
    EXPECT_EQ(wk.MemberID, 2);

    CWorkout cls0;
    wk.TotalMember(&cls0, 1, 0);
    EXPECT_EQ(cls0.workoutCount, 2);
    EXPECT_EQ(cls0.totalMinutes, 105);

    // Not cleared between calls: two members into one accumulator.
    wk.TotalMember(&cls0, 3, CDAOWk::ClassUnknown);
    EXPECT_EQ(cls0.memberId, 3);
    EXPECT_EQ(cls0.workoutCount, 3);
    EXPECT_EQ(cls0.totalMinutes, 150);

    CWorkout none;
    wk.TotalMember(&none, 3, 0);
    wk.TotalMember(&none, 99, CDAOWk::ClassAll);
    EXPECT_EQ(none.workoutCount, 0);
    EXPECT_EQ(none.memberId, 99);
    wk.TotalMember(nullptr, 1, CDAOWk::ClassAll);
}

TEST_F(WorkoutTest, TotalsOverManyMembersInOrderEqualADirectSum) {
    // 300 members, most with workouts in several classes, some without any.
    std::mt19937 rng(42);
    struct Sum {
        long count = 0, ok = 0, minutes = 0, stn0 = 0, stn5 = 0;
    };
    std::map<long, Sum> byClass0, byAll;
    {
        CDAOWk wk;
        wk.OpenSet(false);
        for (long id = 1; id <= 300; ++id) {
            if (id % 7 == 0)
                continue;
            const int n = static_cast<int>(rng() % 6);
            for (int k = 0; k < n; ++k) {
                const unsigned char cls = static_cast<unsigned char>(rng() % 3);
                const unsigned char ok = static_cast<unsigned char>(rng() % 2);
                const int minutes = static_cast<int>(rng() % 120);
                const short s0 = static_cast<short>(rng() % 6), s5 = static_cast<short>(rng() % 50);
                CEFOleDateTime in = when(1 + static_cast<int>(rng() % 28), 6 + k);
                CEFOleDateTime out = in;
                out = in.m_dt + minutes / 1440.0;
                wk.Op(CDAOEFSet::opAddNew);
                wk.MemberID = id;
                wk.ClassIndx = cls;
                wk.WorkoutOK = ok;
                wk.CheckIn = in;
                wk.CheckOut = out;
                wk.SetStnVal(0, s0);
                wk.SetStnVal(5, s5);
                wk.Op(CDAOEFSet::opUpdate);
                int m = 0;
                CWorkout::SpanMinutes(in, out, m);
                for (auto* sums : {&byAll, &byClass0}) {
                    if (sums == &byClass0 && cls != 0)
                        continue;
                    Sum& s = (*sums)[id];
                    ++s.count;
                    s.ok += ok;
                    s.minutes += m;
                    s.stn0 += s0;
                    s.stn5 += s5;
                }
            }
        }
    }
    CDAOWk wk;
    ASSERT_GT(wk.FindAllWks(), 300);
    for (auto [cls, sums] : {std::pair{CDAOWk::ClassAll, &byAll},
                             std::pair{static_cast<unsigned char>(0), &byClass0}}) {
        for (long id = 1; id <= 300; ++id) {
            CWorkout t;
            wk.TotalMember(&t, id, cls);
            const Sum s = sums->count(id) ? sums->at(id) : Sum{};
            ASSERT_EQ(t.workoutCount, s.count) << "member " << id;
            ASSERT_EQ(t.okCount, s.ok) << "member " << id;
            ASSERT_EQ(t.totalMinutes, s.minutes) << "member " << id;
            ASSERT_EQ(t.GetStnVal(0), s.stn0) << "member " << id;
            ASSERT_EQ(t.GetStnVal(5), s.stn5) << "member " << id;
        }
    }
    // A member asked again after later ones is still totalled in full.
    CWorkout again;
    wk.TotalMember(&again, 5, CDAOWk::ClassAll);
    EXPECT_EQ(again.workoutCount, byAll.count(5) ? byAll.at(5).count : 0);
}

TEST_F(WorkoutTest, TotalsOfAMemberWithoutWorkoutsLeaveTheCursorForTheNextMember) {
    addSample();
    CDAOWk wk;
    ASSERT_EQ(wk.FindAllWks(), 6);
    CWorkout t;
    wk.TotalMember(&t, 1, CDAOWk::ClassAll);
    // Member 2 has workouts in class 0 and 1 only: nothing in class 5, and the
    // walk stops at member 3 instead of running to the end of the set.
    wk.TotalMember(&t, 2, 5);
    EXPECT_EQ(t.workoutCount, 3);
    ASSERT_FALSE(wk.IsEOF());
    EXPECT_EQ(wk.MemberID, 3);
    CWorkout none;
    wk.TotalMember(&none, 2, CDAOWk::ClassAll); // same member again: from the start
    EXPECT_EQ(none.workoutCount, 2);
    wk.TotalMember(&none, 3, CDAOWk::ClassAll);
    EXPECT_EQ(none.workoutCount, 3);
    EXPECT_TRUE(wk.IsEOF());
    // Moving the cursor by hand makes the next call start from the first row,
    // so no workout of the member is missed.
    CWorkout first;
    wk.TotalMember(&first, 1, CDAOWk::ClassAll);
    ASSERT_EQ(wk.MemberID, 2);
    ASSERT_TRUE(wk.MoveSet(4)); // member 2's second workout
    CWorkout second;
    wk.TotalMember(&second, 2, CDAOWk::ClassAll);
    EXPECT_EQ(second.workoutCount, 2);
}

TEST_F(WorkoutTest, TotalsWorkOnAMembersOwnNewestFirstSetToo) {
    addSample();
    CDAOWk wk;
    ASSERT_EQ(wk.FindWks(2), 2);
    CWorkout t;
    wk.TotalMember(&t, 2, CDAOWk::ClassAll);
    EXPECT_EQ(t.workoutCount, 2);
    EXPECT_EQ(t.totalMinutes, 60 + 40);
}

TEST_F(WorkoutTest, TodayCountsOnlyVisitsThatCheckedInToday) {
    FakeClock clock(2026, 3, 4, 20, 0, 0);
    CDAOWk wk;
    EXPECT_EQ(wk.FindWks(1), 0);
    EXPECT_EQ(wk.CountToday(), 0);

    addSample();
    EXPECT_EQ(wk.FindWks(1), 3);
    EXPECT_EQ(wk.CountToday(), 1);
    EXPECT_EQ(wk.CheckIn, when(4, 18)); // back on the first row
    EXPECT_EQ(wk.FindWks(0), 6);
    EXPECT_EQ(wk.CountToday(), 2);

    clock->set(2026, 3, 5, 8, 0, 0);
    EXPECT_EQ(wk.FindWks(3), 1);
    EXPECT_EQ(wk.CountToday(), 0);
    EXPECT_EQ(wk.FindWks(0), 6);
    EXPECT_EQ(wk.CountToday(), 0);
}

TEST_F(WorkoutTest, WorkoutTakesAnOpenVisitOrAMemberWithTheTimeOfNow) {
    FakeClock clock(2026, 3, 4, 11, 15, 30);
    {
        CDAOChkIn c;
        c.FindChkIns();
        c.Op(CDAOEFSet::opAddNew);
        c.MemberID = 17;
        c.Barcode = 1700;
        c.FirstName = "Mia";
        c.LastName = "Ortiz";
        c.CheckIn = when(4, 10, 30);
        c.ClassIndx = 2;
        c.Op(CDAOEFSet::opUpdate);
    }
    CDAOChkIn c;
    ASSERT_EQ(c.FindChkIns(), 1);
    CWorkout w;
    w.SetStnVal(4, 9);
    w.workoutOK = 1;
    w.Set(&c);
    EXPECT_EQ(w.memberId, 17);
    EXPECT_EQ(w.barcode, 1700);
    EXPECT_EQ(w.firstName, "Mia");
    EXPECT_EQ(w.lastName, "Ortiz");
    EXPECT_EQ(w.classIndx, 2);
    EXPECT_EQ(w.workoutOK, 0);
    EXPECT_EQ(w.checkIn, when(4, 10, 30));
    EXPECT_EQ(w.checkOut, when(4, 11, 15, 30));
    EXPECT_EQ(w.GetStnVal(4), 0);
    EXPECT_EQ(w.TotalMinutes(), 45);

    CDAOMem m;
    m.MemberID = 21;
    m.Barcode = 2100;
    m.FirstName = "Jon";
    m.LastName = "Berg";
    w.classIndx = 5;
    w.Set(&m);
    EXPECT_EQ(w.memberId, 21);
    EXPECT_EQ(w.barcode, 2100);
    EXPECT_EQ(w.firstName, "Jon");
    EXPECT_EQ(w.classIndx, 0);
    EXPECT_EQ(w.checkIn, when(4, 11, 15, 30));
    EXPECT_EQ(w.checkOut, w.checkIn);
}

} // namespace
