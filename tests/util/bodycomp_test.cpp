// Derived figures of a body composition: weights, score and category, goals,
// metabolic rate and exercise calories. Expected values are worked out by hand
// from the centre's formulas and charts, never taken from the code.

#include "util/bodycomp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

CBodyComp Person(int sex, int age, double pctfat, double weight = 160.0, double height = 68.0) {
    return CBodyComp(static_cast<CBodyComp::sex>(sex), age, weight, height, pctfat);
}

int Score(int sex, int age, double pctfat) {
    return Person(sex, age, pctfat).FindScore();
}

} // namespace

TEST(BodyComp, FatLeanAndIdealWeights) {
    const CBodyComp bc = Person(1, 30, 20.0, 200.0);
    // 20 % of 200 lb is 40 lb of fat, leaving 160 lb lean.
    EXPECT_DOUBLE_EQ(bc.FatWeight(), 40.0);
    EXPECT_DOUBLE_EQ(bc.LeanBodyWeight(), 160.0);
    // 160 lb lean at 12 % fat: 160 / 0.88 = 181.8181...; at 20 % it is the
    // present weight; at 0 % the lean weight itself.
    EXPECT_NEAR(bc.IdealWeight(12.0), 181.818181818, 1e-6);
    EXPECT_NEAR(bc.IdealWeight(20.0), 200.0, 1e-9);
    EXPECT_NEAR(bc.IdealWeight(0.0), 160.0, 1e-9);
}

TEST(BodyComp, IdealWeightForUnreachableTargetsIsZeroNotInfinite) {
    const CBodyComp bc = Person(0, 40, 30.0, 150.0);
    EXPECT_EQ(bc.IdealWeight(100.0), 0.0);
    EXPECT_EQ(bc.IdealWeight(120.0), 0.0);
    EXPECT_TRUE(std::isfinite(bc.IdealWeight(99.9)));
}

TEST(BodyComp, BodyMassIndexAndMissingHeight) {
    // 180 lb at 70 in: 180 x 703 / 4900 = 25.8245...
    EXPECT_NEAR(Person(1, 30, 15.0, 180.0, 70.0).BodyMassIndex(), 25.824489796, 1e-8);
    EXPECT_EQ(Person(1, 30, 15.0, 180.0, 0.0).BodyMassIndex(), 0.0);
    EXPECT_EQ(Person(0, 30, 15.0, 0.0, 64.0).BodyMassIndex(), 0.0);
}

// Per row of the score chart: the first bound t1, the middle bound t10 (score
// 55) and the last bound t19, each at, just below and just above the bound.
TEST(BodyCompScore, EveryChartRowAtItsFirstMiddleAndLastBound) {
    struct Row {
        int sex;
        int age;
        double t1, t10, t19;
    };
    const Row rows[] = {
        {1, 18, 2.4, 15, 25.9},    {1, 30, 5.2, 18.2, 27.3},  {1, 40, 6.6, 20.3, 28.9},
        {1, 50, 8, 22.1, 30.3},    {1, 60, 8.5, 22.5, 31},    {1, 65, 8.7, 22.8, 31.4},
        {1, 70, 9, 23.3, 31.9},    {1, 75, 9.5, 23.7, 32.3},  {1, 80, 10.1, 24.2, 32.8},
        {1, 85, 10.5, 24.6, 33.2}, {0, 18, 5.4, 21.3, 32.1},  {0, 30, 7.3, 22.4, 32.8},
        {0, 40, 11.6, 25.5, 35},   {0, 50, 11.6, 29.2, 37.9}, {0, 60, 14.5, 29.7, 38.5},
        {0, 65, 15, 30.1, 39.5},   {0, 70, 15.5, 30.4, 40},   {0, 75, 16, 30.7, 40.5},
        {0, 80, 16.5, 31.2, 41},   {0, 85, 17, 31.7, 41.5},
    };
    const double e = 0.05;
    for (const Row& r : rows) {
        SCOPED_TRACE("sex " + std::to_string(r.sex) + " age " + std::to_string(r.age));
        EXPECT_EQ(Score(r.sex, r.age, r.t1 - e), 99);
        EXPECT_EQ(Score(r.sex, r.age, r.t1), 95);
        EXPECT_EQ(Score(r.sex, r.age, r.t1 + e), 95);
        EXPECT_EQ(Score(r.sex, r.age, r.t10 - e), 55);
        EXPECT_EQ(Score(r.sex, r.age, r.t10), 55);
        EXPECT_EQ(Score(r.sex, r.age, r.t10 + e), 50);
        EXPECT_EQ(Score(r.sex, r.age, r.t19 - e), 10);
        EXPECT_EQ(Score(r.sex, r.age, r.t19), 10);
        EXPECT_EQ(Score(r.sex, r.age, r.t19 + e), 5);
    }
}

TEST(BodyCompScore, NinetyNineIsStrictAndEveryOtherBoundInclusive) {
    EXPECT_EQ(Score(1, 25, 2.4), 95);
    EXPECT_EQ(Score(1, 25, 2.39), 99);
    EXPECT_EQ(Score(1, 25, 5.2), 95);
    EXPECT_EQ(Score(1, 25, 5.21), 90);
    EXPECT_EQ(Score(1, 25, 7.1), 90);
    EXPECT_EQ(Score(1, 25, 26.0), 5);
    EXPECT_EQ(Score(1, 25, 0.0), 99);
    // Every column of one row at its bound: 5.2 -> 95, 7.1 -> 90, ... 25.9 -> 10.
    const double bounds[] = {5.2,  7.1,  8.3,  9.4,  10.6, 11.8, 12.9, 14.1, 15,
                             15.9, 16.8, 17.4, 18.3, 19.5, 20.7, 22.4, 23.9, 25.9};
    int expected = 95;
    for (double b : bounds) {
        EXPECT_EQ(Score(1, 25, b), expected) << b;
        expected -= 5;
    }
}

TEST(BodyCompScore, CellsThatBreakTheirRowsPatternAreKept) {
    // Men 50-59: 15.3 (90) is followed by 16 (85).
    EXPECT_EQ(Score(1, 55, 15.3), 90);
    EXPECT_EQ(Score(1, 55, 15.31), 85);
    EXPECT_EQ(Score(1, 55, 16.0), 85);
    // Men 60-64: 25.9 (35) is followed by 26.1 (30).
    EXPECT_EQ(Score(1, 62, 25.9), 35);
    EXPECT_EQ(Score(1, 62, 25.95), 30);
    EXPECT_EQ(Score(1, 62, 26.1), 30);
    EXPECT_EQ(Score(1, 62, 26.15), 25);
}

TEST(BodyCompScore, AgeBandEdges) {
    // Just below the older band's t1: 99 for the older band, 95 for the
    // younger one (whose t1 is lower). Women 49/50 share t1 = 11.6 and
    // differ at t2 (16.1 against 16.8).
    struct Edge {
        int sex;
        int lastYounger;
        double pctfat;
        int younger, older;
    };
    const Edge edges[] = {
        {1, 29, 5.15, 95, 99},  {1, 39, 6.55, 95, 99},  {1, 49, 7.95, 95, 99},
        {1, 59, 8.45, 95, 99},  {1, 64, 8.65, 95, 99},  {1, 69, 8.95, 95, 99},
        {1, 74, 9.45, 95, 99},  {1, 79, 10.05, 95, 99}, {1, 84, 10.45, 95, 99},
        {0, 29, 7.25, 95, 99},  {0, 39, 11.55, 95, 99}, {0, 49, 16.8, 90, 95},
        {0, 59, 14.45, 95, 99}, {0, 64, 14.95, 95, 99}, {0, 69, 15.45, 95, 99},
        {0, 74, 15.95, 95, 99}, {0, 79, 16.45, 95, 99}, {0, 84, 16.95, 95, 99},
    };
    for (const Edge& e : edges) {
        SCOPED_TRACE("sex " + std::to_string(e.sex) + " ages " + std::to_string(e.lastYounger));
        EXPECT_EQ(Score(e.sex, e.lastYounger, e.pctfat), e.younger);
        EXPECT_EQ(Score(e.sex, e.lastYounger + 1, e.pctfat), e.older);
    }
    // Women of 49 and 50 with 11.6 % both score 95; with 11.5 % both 99.
    EXPECT_EQ(Score(0, 49, 11.6), 95);
    EXPECT_EQ(Score(0, 50, 11.6), 95);
    EXPECT_EQ(Score(0, 49, 11.5), 99);
    EXPECT_EQ(Score(0, 50, 11.5), 99);
    // Ages beyond the ends take the end bands.
    EXPECT_EQ(Score(1, 110, 10.45), 99);
    EXPECT_EQ(Score(1, 0, 2.39), 99);
    EXPECT_EQ(Score(1, -3, 2.4), 95);
}

TEST(BodyCompScore, SexCodesOtherThanMaleUseTheFemaleRows) {
    // 5.3 % at 25: men's t1 is 2.4 (score 90 at 5.3), women's t1 5.4 (99).
    EXPECT_EQ(Score(1, 25, 5.3), 90);
    EXPECT_EQ(Score(0, 25, 5.3), 99);
    EXPECT_EQ(Score(2, 25, 5.3), 99);
    EXPECT_EQ(Score(-1, 25, 5.3), 99);
}

TEST(BodyCompCategory, WordsByScoreForMen) {
    // Men under 30: 25.9 -> 10, 30 -> 5, 23.9 -> 15, 19.5 -> 30, 18.3 -> 35,
    // 15 -> 55, 14.1 -> 60, 9.4 -> 80, 8.3 -> 85, 7.1 -> 90, 5.2 -> 95, 2 -> 99.
    const struct {
        double pctfat;
        const char* word;
    } cases[] = {
        {30.0, "HEALTH THREATENING"},
        {25.9, "HEALTH THREATENING"},
        {23.9, "OVER-FAT"},
        {19.5, "OVER-FAT"},
        {18.3, "ACCEPTABLE"},
        {15.0, "ACCEPTABLE"},
        {14.1, "OPTIMAL"},
        {9.4, "OPTIMAL"},
        {8.3, "LEAN"},
        {7.1, "LEAN"},
        {5.2, "VERY LEAN"},
        {2.0, "VERY LEAN"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(Person(1, 25, c.pctfat).Category(), c.word) << c.pctfat;
}

TEST(BodyCompCategory, WordsByScoreForWomenAndOtherCodes) {
    // Women under 30: 32.1 -> 10, 29.8 -> 15, 26.6 -> 25, 25.4 -> 30,
    // 22.7 -> 45, 22.1 -> 50, 18.2 -> 75, 17.1 -> 80, 14.5 -> 90, 10.8 -> 95.
    const struct {
        double pctfat;
        const char* word;
    } cases[] = {
        {32.1, "HEALTH THREATENING"},
        {29.8, "OVER-FAT"},
        {26.6, "OVER-FAT"},
        {25.4, "ACCEPTABLE"},
        {22.7, "ACCEPTABLE"},
        {22.1, "OPTIMAL"},
        {18.2, "OPTIMAL"},
        {17.1, "LEAN"},
        {14.5, "LEAN"},
        {10.8, "VERY LEAN"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(Person(0, 25, c.pctfat).Category(), c.word) << c.pctfat;
        EXPECT_STREQ(Person(2, 25, c.pctfat).Category(), c.word) << c.pctfat;
    }
}

TEST(BodyCompGoals, ShortTermTargets) {
    const CBodyComp bc = Person(1, 30, 20.0);
    EXPECT_EQ(bc.ShortGoal(99), 70);
    EXPECT_EQ(bc.ShortGoal(65), 70);
    EXPECT_EQ(bc.ShortGoal(64), 69);
    EXPECT_EQ(bc.ShortGoal(31), 36);
    EXPECT_EQ(bc.ShortGoal(30), 40);
    EXPECT_EQ(bc.ShortGoal(5), 15);
}

TEST(BodyCompGoals, LongTermTargets) {
    const CBodyComp bc = Person(0, 30, 20.0);
    EXPECT_EQ(bc.LongGoal(99), 70);
    EXPECT_EQ(bc.LongGoal(55), 70);
    EXPECT_EQ(bc.LongGoal(50), 70);
    EXPECT_EQ(bc.LongGoal(35), 55);
    EXPECT_EQ(bc.LongGoal(34), 59);
    EXPECT_EQ(bc.LongGoal(20), 45);
    EXPECT_EQ(bc.LongGoal(19), 49);
    EXPECT_EQ(bc.LongGoal(5), 35);
}

TEST(BodyCompMetabolism, BasalRateByEquationOfEachSex) {
    // Man 180 lb, 70 in, 30 y: 1118.55878442 + 889 + 66 - 204 = 1869.55878442.
    EXPECT_NEAR(Person(1, 30, 15.0, 180.0, 70.0).BasalMetabolicRate(), 1869.55878442, 1e-8);
    // Woman 140 lb, 64 in, 40 y: 609.62814528 + 292.608 + 655 - 188 = 1369.23614528.
    EXPECT_NEAR(Person(0, 40, 25.0, 140.0, 64.0).BasalMetabolicRate(), 1369.23614528, 1e-8);
    EXPECT_NEAR(Person(7, 40, 25.0, 140.0, 64.0).BasalMetabolicRate(), 1369.23614528, 1e-8);
}

TEST(BodyCompMetabolism, ActivityLevelsTextsAndMultipliers) {
    const CBodyComp bc = Person(1, 30, 15.0, 180.0, 70.0);
    const double bmr = 1869.55878442;
    const struct {
        int level;
        const char* text;
        double multiplier;
    } levels[] = {
        {0, "No Exercise on Regular Basis", 1.2},
        {1, "Minimal: Up to 2 Hrs/Week", 1.35},
        {2, "Moderate: 2 to 4 Hrs/Week", 1.5},
        {3, "Very Active: Over 4 Hrs/Week", 1.7},
        {4, "Training as Competitive Athlete", 1.9},
        {5, "", 1.0},
        {-1, "", 1.0},
    };
    for (const auto& l : levels) {
        const auto level = static_cast<CBodyComp::actlvl>(l.level);
        EXPECT_STREQ(CBodyComp::GetActLvlStr(level), l.text) << l.level;
        EXPECT_NEAR(bc.AdjMetabolicRate(level), bmr * l.multiplier, 1e-7) << l.level;
    }
}

TEST(BodyCompMetabolism, ExerciseCaloriesFromPounds) {
    // 150 lb times each exercise's factor.
    const double expected[] = {288, 360, 576, 1188, 576, 396, 504, 576,
                               720, 504, 756, 504,  612, 216, 432};
    const CBodyComp bc = Person(1, 30, 15.0, 150.0);
    for (int i = 0; i < 15; ++i)
        EXPECT_NEAR(bc.CaloricExpenditure(static_cast<CBodyComp::physact>(i)), expected[i], 1e-9)
            << i;
    EXPECT_EQ(bc.CaloricExpenditure(static_cast<CBodyComp::physact>(15)), 0.0);
    EXPECT_EQ(bc.CaloricExpenditure(static_cast<CBodyComp::physact>(-1)), 0.0);
}
