#include "util/heartrate.h"

#include <gtest/gtest.h>

TEST(HeartRate, PredictedMaximumBySex) {
    EXPECT_DOUBLE_EQ(CHeartRate(CHeartRate::male, 40, 60).PredictedMaximum(), 185.0);
    EXPECT_DOUBLE_EQ(CHeartRate(CHeartRate::female, 40, 60).PredictedMaximum(), 180.0);
    EXPECT_DOUBLE_EQ(CHeartRate(CHeartRate::male, 25, 0).PredictedMaximum(), 192.5);
    // Any code other than male takes the female formula.
    EXPECT_DOUBLE_EQ(CHeartRate(static_cast<CHeartRate::sex>(2), 40, 60).PredictedMaximum(), 180.0);
}

TEST(HeartRate, ZoneIsRestingRatePlusShareOfTheReserve) {
    // Reserve 180 - 60 = 120.
    CHeartRate const woman(CHeartRate::female, 40, 60);
    EXPECT_DOUBLE_EQ(woman.LowerLevel(), 120.0);
    EXPECT_DOUBLE_EQ(woman.UpperLevel(), 144.0);
    EXPECT_DOUBLE_EQ(woman.SafeMaximum(), 156.0);

    // Reserve 185 - 65 = 120, from the male maximum.
    CHeartRate const man(CHeartRate::male, 40, 65);
    EXPECT_DOUBLE_EQ(man.LowerLevel(), 125.0);
    EXPECT_DOUBLE_EQ(man.UpperLevel(), 149.0);
    EXPECT_DOUBLE_EQ(man.SafeMaximum(), 161.0);
}

TEST(HeartRate, NoRestingRateGivesNoZone) {
    for (double resting : {0.0, -5.0}) {
        CHeartRate const hr(CHeartRate::male, 30, resting);
        EXPECT_EQ(hr.LowerLevel(), 0.0) << resting;
        EXPECT_EQ(hr.UpperLevel(), 0.0) << resting;
        EXPECT_EQ(hr.SafeMaximum(), 0.0) << resting;
        EXPECT_DOUBLE_EQ(hr.PredictedMaximum(), 190.0) << resting;
    }
}
