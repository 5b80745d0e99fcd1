// Workout minutes, the OK rule against the facility minimums and the
// administration password check.

#include "db/daocenter.h"
#include "db/daowk.h"
#include "db/workout.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

using vantora::test::Notices;
using vantora::test::ScopedEnv;
using vantora::test::TempDir;

// A time `seconds` (fractions allowed) after 10:00:00 on 2 March 2026.
CEFOleDateTime at(double seconds) {
    CEFOleDateTime t(2026, 3, 2, 10, 0, 0);
    t = t.m_dt + seconds / 86400.0;
    return t;
}

CEFOleDateTime invalidTime() {
    CEFOleDateTime t(2026, 3, 2, 10, 0, 0);
    t.SetStatus(COleDateTime::invalid);
    return t;
}

class VerifyTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv db{"VANTO_DB", dir.folder().c_str()};
    ScopedEnv back{"VANTO_BACK", dir.folder().c_str()};
    Notices notices;

    CDAOCenter c;

    void minimums(unsigned char circuits, short minutes) {
        c.WkMinCirc = circuits;
        c.WkMinMin = minutes;
    }
};

TEST_F(VerifyTest, MinutesRoundToTheNearestSecondBeforeTruncating) {
    int m = -1;
    EXPECT_TRUE(CWorkout::SpanMinutes(at(0), at(29 * 60 + 59.6), m));
    EXPECT_EQ(m, 30);
    EXPECT_TRUE(CWorkout::SpanMinutes(at(0), at(29 * 60 + 59.4), m));
    EXPECT_EQ(m, 29);
    EXPECT_TRUE(CWorkout::SpanMinutes(at(0), at(30 * 60), m));
    EXPECT_EQ(m, 30);
    EXPECT_TRUE(CWorkout::SpanMinutes(at(0), at(59.4), m));
    EXPECT_EQ(m, 0);
    EXPECT_TRUE(CWorkout::SpanMinutes(at(0), at(0), m));
    EXPECT_EQ(m, 0);
    // Across midnight and over several hours.
    EXPECT_TRUE(CWorkout::SpanMinutes(at(0), at(15 * 3600 + 30), m));
    EXPECT_EQ(m, 900);
    EXPECT_EQ(notices->count(), 0u);
}

TEST_F(VerifyTest, CheckOutBeforeCheckInGivesNegativeMinutesRoundedAwayFromZero) {
    int m = 0;
    EXPECT_TRUE(CWorkout::SpanMinutes(at(30 * 60), at(0), m));
    EXPECT_EQ(m, -30);
    EXPECT_TRUE(CWorkout::SpanMinutes(at(29 * 60 + 59.6), at(0), m));
    EXPECT_EQ(m, -30);
    EXPECT_TRUE(CWorkout::SpanMinutes(at(29 * 60 + 59.4), at(0), m));
    EXPECT_EQ(m, -29);
}

TEST_F(VerifyTest, InvalidTimesShowTheMessageAndCountNoMinutes) {
    int m = 7;
    EXPECT_FALSE(CWorkout::SpanMinutes(invalidTime(), at(3600), m));
    EXPECT_EQ(m, 0);
    EXPECT_FALSE(CWorkout::SpanMinutes(at(0), invalidTime(), m));
    ASSERT_EQ(notices->count(), 2u);
    EXPECT_EQ(notices->last(), "Error: invalid check-in/out date and/or time");
    EXPECT_EQ(notices->entries().back().icon, vantora::notice::Icon::Exclamation);

    CWorkout w;
    w.checkIn = at(0);
    w.checkOut = invalidTime();
    EXPECT_EQ(w.TotalMinutes(), 0);
    CDAOWk wk;
    wk.CheckIn = invalidTime();
    wk.CheckOut = at(600);
    EXPECT_EQ(wk.TotalMinutes(), 0);
    EXPECT_EQ(notices->count(), 4u);
}

TEST_F(VerifyTest, BothMinimumsMustBeMetAtTheirBoundaries) {
    minimums(2, 30);
    EXPECT_TRUE(c.VerifyWk(2, at(0), at(30 * 60)));
    EXPECT_FALSE(c.VerifyWk(1, at(0), at(90 * 60)));
    EXPECT_TRUE(c.VerifyWk(3, at(0), at(29 * 60 + 59.6)));
    EXPECT_FALSE(c.VerifyWk(3, at(0), at(29 * 60 + 59.4)));
    EXPECT_FALSE(c.VerifyWk(2, at(0), at(29 * 60)));
    EXPECT_TRUE(c.VerifyWk(200, at(0), at(4 * 3600)));
    EXPECT_EQ(notices->count(), 0u);
}

TEST_F(VerifyTest, ZeroMinimumsAcceptAnyValidForwardSpanOnly) {
    minimums(0, 0);
    EXPECT_TRUE(c.VerifyWk(0, at(0), at(0)));
    EXPECT_TRUE(c.VerifyWk(0, at(0), at(20)));
    // A check-out before the check-in is never OK, and neither are bad times,
    // even though zero minutes would meet a zero minimum.
    EXPECT_FALSE(c.VerifyWk(0, at(120), at(0)));
    EXPECT_FALSE(c.VerifyWk(5, invalidTime(), at(0)));
    EXPECT_EQ(notices->last(), "Error: invalid check-in/out date and/or time");
}

TEST_F(VerifyTest, WorkoutsAreVerifiedFromTheirCircuitOptionAndTimes) {
    minimums(2, 30);
    CWorkout w;
    w.Set(5, 55, "Ana", "Lind", 0, at(0), at(31 * 60), 0);
    w.SetStnVal(0, 2);
    EXPECT_TRUE(c.VerifyWk(&w));
    w.SetStnVal(0, 1);
    w.SetStnVal(1, 9); // other options do not count as circuits
    EXPECT_FALSE(c.VerifyWk(&w));

    CDAOWk wk;
    wk.CheckIn = at(0);
    wk.CheckOut = at(29 * 60 + 59.6);
    wk.SetStnVal(0, 2);
    EXPECT_TRUE(c.VerifyWk(&wk));
    wk.SetStnVal(0, 1);
    EXPECT_FALSE(c.VerifyWk(&wk));

    EXPECT_FALSE(c.VerifyWk(static_cast<CWorkout*>(nullptr)));
    EXPECT_FALSE(c.VerifyWk(static_cast<CDAOWk*>(nullptr)));
}

TEST_F(VerifyTest, PasswordIsCaseSensitiveAndTheMasterPasswordAlwaysOpens) {
    c.Password = "Gym42";
    EXPECT_TRUE(c.ChkPassword("Gym42"));
    EXPECT_FALSE(c.ChkPassword("gym42"));
    EXPECT_FALSE(c.ChkPassword("Gym4"));
    EXPECT_FALSE(c.ChkPassword("Gym42 "));
    EXPECT_FALSE(c.ChkPassword(""));
    EXPECT_FALSE(c.ChkPassword(nullptr));
    EXPECT_TRUE(c.ChkPassword("Vega"));
    EXPECT_FALSE(c.ChkPassword("vega"));

    c.Password.clear();
    EXPECT_TRUE(c.ChkPassword(""));
    EXPECT_TRUE(c.ChkPassword(nullptr));
    EXPECT_FALSE(c.ChkPassword("x"));
}

TEST_F(VerifyTest, WorkoutValueKeepsIdentityAndClearsOptionsOnSet) {
    CWorkout w;
    w.SetStnVal(3, 8);
    w.SetStnVal(13, 4);
    w.SetStnVal(-1, 4);
    EXPECT_EQ(w.GetStnVal(3), 8);
    EXPECT_EQ(w.GetStnVal(13), 0);
    EXPECT_EQ(w.GetStnVal(-1), 0);
    w.Set(12, 34, nullptr, "Okafor", 1, at(0), at(60), 2);
    EXPECT_EQ(w.memberId, 12);
    EXPECT_EQ(w.barcode, 34);
    EXPECT_EQ(w.firstName, "");
    EXPECT_EQ(w.lastName, "Okafor");
    EXPECT_EQ(w.workoutOK, 1);
    EXPECT_EQ(w.classIndx, 2);
    EXPECT_EQ(w.GetStnVal(3), 0);
    EXPECT_EQ(w.TotalMinutes(), 1);
}

} // namespace
