// The worth of a member's bonuses in minutes or workouts.

#include "db/daobon.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

using vantora::test::Notices;
using vantora::test::ScopedEnv;
using vantora::test::TempDir;

class BonusTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv db{"VANTO_DB", dir.folder().c_str()};
    ScopedEnv back{"VANTO_BACK", dir.folder().c_str()};
    Notices notices;
    CDAOBon bon;

    void SetUp() override {
        bon.OrientBonWk = 2;
        bon.OrientBonMin = 30;
        bon.ReEvalBonWk = 3;
        bon.ReEvalBonMin = 45;
        bon.OtherBonWk = 1;
        bon.OtherBonMin = 15;
    }
};

TEST_F(BonusTest, MinutesUseTheMinuteValueOfEachKind) {
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonMinutes, 1, 0, 2), 60);
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonMinutes, 0, 2, 0), 90);
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonMinutes, 1, 1, 1), 90);
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonMinutes, 0, 0, 0), 0);
}

TEST_F(BonusTest, WorkoutsAreTheDefaultForEveryOtherKind) {
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonWorkouts, 1, 0, 2), 4);
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonWorkouts, 1, 1, 1), 6);
    EXPECT_EQ(bon.CalcBonus(2, 1, 1, 1), 6);
    EXPECT_EQ(bon.CalcBonus(-1, 0, 3, 0), 9);
}

TEST_F(BonusTest, ByteWorkoutValuesAboveOneHundredTwentySevenStayPositive) {
    bon.OtherBonWk = 200;
    EXPECT_EQ(bon.CalcBonus(CDAOBon::bonWorkouts, 0, 0, 2), 400);
}

} // namespace
