#include "util/bp.h"

#include <gtest/gtest.h>

TEST(BloodPressure, SystolicClassBoundaries) {
    EXPECT_TRUE(CBP(119, 90).IsOptimal(CBP::systolic));
    EXPECT_FALSE(CBP(119, 90).IsNormal(CBP::systolic));
    EXPECT_FALSE(CBP(120, 70).IsOptimal(CBP::systolic));
    EXPECT_TRUE(CBP(120, 70).IsNormal(CBP::systolic));
    EXPECT_TRUE(CBP(129, 70).IsNormal(CBP::systolic));
    EXPECT_FALSE(CBP(130, 70).IsOptimal(CBP::systolic));
    EXPECT_FALSE(CBP(130, 70).IsNormal(CBP::systolic));
}

TEST(BloodPressure, DiastolicClassBoundaries) {
    EXPECT_TRUE(CBP(140, 79).IsOptimal(CBP::diastolic));
    EXPECT_FALSE(CBP(140, 79).IsNormal(CBP::diastolic));
    EXPECT_FALSE(CBP(110, 80).IsOptimal(CBP::diastolic));
    EXPECT_TRUE(CBP(110, 80).IsNormal(CBP::diastolic));
    EXPECT_TRUE(CBP(110, 84).IsNormal(CBP::diastolic));
    EXPECT_FALSE(CBP(110, 85).IsOptimal(CBP::diastolic));
    EXPECT_FALSE(CBP(110, 85).IsNormal(CBP::diastolic));
}

TEST(BloodPressure, AnySelectorOtherThanZeroTestsDiastolic) {
    CBP const reading(140, 70);
    auto const other = static_cast<CBP::bp>(7);
    EXPECT_TRUE(reading.IsOptimal(other));
    EXPECT_FALSE(reading.IsOptimal(CBP::systolic));
    EXPECT_EQ(reading.GetSys(), 140);
    EXPECT_EQ(reading.GetDia(), 70);
}
