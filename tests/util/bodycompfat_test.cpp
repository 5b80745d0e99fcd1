// Percent body fat by skin folds, underwater weighing and tape measurements.
// Expected values are worked out by hand from the equations and charts.

#include "util/bodycomp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

CBodyComp::sex Sex(int s) {
    return static_cast<CBodyComp::sex>(s);
}

// Folds in the constructor's order: thigh, chest, abdominal, triceps,
// suprailiac, midaxillary, subscapular.
struct Folds {
    double v[7];
};
constexpr Folds kMaleFolds = {{15, 10, 20, 10, 12, 11, 14}};
constexpr Folds kFemaleFolds = {{22, 9, 20, 18, 15, 12, 14}};

CSkinFold SkinFold(int sex, int age, const Folds& f) {
    return CSkinFold(Sex(sex), age, 170.0, 68.0, f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5],
                     f.v[6]);
}

constexpr double kLbToKg = 0.45359237;

} // namespace

TEST(SkinFold, AccessorsKeepTheConstructorsOrder) {
    CSkinFold sf(Sex(1), 33, 181.0, 71.0, 1, 2, 3, 4, 5, 6, 7);
    EXPECT_EQ(sf.GetThighSkinFold(), 1);
    EXPECT_EQ(sf.GetChestSkinFold(), 2);
    EXPECT_EQ(sf.GetAbSkinFold(), 3);
    EXPECT_EQ(sf.GetTricepSkinFold(), 4);
    EXPECT_EQ(sf.GetSupraSkinFold(), 5);
    EXPECT_EQ(sf.GetMidaxSkinFold(), 6);
    EXPECT_EQ(sf.GetSubscapSkinFold(), 7);
    EXPECT_EQ(sf.GetAge(), 33);
    EXPECT_EQ(sf.GetWeight(), 181);
    EXPECT_EQ(sf.GetHeight(), 71);
    EXPECT_EQ(sf.GetPctFat(), 0);
}

TEST(SkinFold, ThreeSitesByEachSexsEquation) {
    // Man, 30: chest 10 + abdominal 20 + thigh 15 = 45 mm.
    // BD = 1.10938 - 0.0372015 + 0.00324 - 0.007722 = 1.0676965;
    // 495 / 1.0676965 - 450 = 13.61489...
    CSkinFold man = SkinFold(1, 30, kMaleFolds);
    EXPECT_NEAR(man.PercentFat_3(), 13.614894, 1e-5);
    EXPECT_NEAR(man.GetPctFat(), 13.614894, 1e-5);
    // Woman, 25: triceps 15 + suprailiac 12 + thigh 20 = 47 mm.
    // BD = 1.0994921 - 0.0466663 + 0.0050807 - 0.00348 = 1.0544265;
    // 495 / 1.0544265 - 450 = 19.44951...
    CSkinFold woman(Sex(0), 25, 130.0, 64.0, 20, 0, 0, 15, 12, 0, 0);
    EXPECT_NEAR(woman.PercentFat_3(), 19.449506, 1e-5);
}

TEST(SkinFold, ThreeSitesNeedSexZeroOrOne) {
    CSkinFold other = SkinFold(2, 40, kFemaleFolds);
    other.SetPctFat(12.5);
    EXPECT_EQ(other.PercentFat_3(), 12.5);
    EXPECT_EQ(other.GetPctFat(), 12.5);
}

TEST(SkinFold, FourSitesDirectlyWithoutDensity) {
    // Man, 30: 20 + 12 + 10 + 15 = 57 mm:
    // 16.69416 - 1.6245 + 4.7535 - 5.76377 = 14.05939.
    CSkinFold man = SkinFold(1, 30, kMaleFolds);
    EXPECT_NEAR(man.PercentFat_4(), 14.05939, 1e-9);
    // Woman, 40: 20 + 15 + 18 + 22 = 75 mm:
    // 22.25175 - 2.41875 + 1.1852 - 1.4072 = 19.611 (1.4072 subtracted).
    CSkinFold woman = SkinFold(0, 40, kFemaleFolds);
    EXPECT_NEAR(woman.PercentFat_4(), 19.611, 1e-9);
    CSkinFold other = SkinFold(2, 40, kFemaleFolds);
    EXPECT_NEAR(other.PercentFat_4(), 19.611, 1e-9);
}

TEST(SkinFold, SevenSitesByEachSexsEquation) {
    // Man, 30: 15+10+20+10+12+11+14 = 92 mm.
    // BD = 1.112 - 0.04001908 + 0.0046552 - 0.0086478 = 1.06798832;
    // 495 / 1.06798832 - 450 = 13.48821...
    CSkinFold man = SkinFold(1, 30, kMaleFolds);
    EXPECT_NEAR(man.PercentFat_7(), 13.488215, 1e-5);
    // Woman, 40: 22+9+20+18+15+12+14 = 110 mm.
    // BD = 1.097 - 0.0516681 + 0.006776 - 0.0051312 = 1.0469767;
    // 495 / 1.0469767 - 450 = 22.78989...
    CSkinFold woman = SkinFold(0, 40, kFemaleFolds);
    EXPECT_NEAR(woman.PercentFat_7(), 22.789891, 1e-5);
    CSkinFold other = SkinFold(3, 40, kFemaleFolds);
    EXPECT_NEAR(other.PercentFat_7(), 22.789891, 1e-5);
}

TEST(SkinFold, AMissingOrImpossibleFoldLeavesThePercentFat) {
    // Required folds by operation and sex, as indexes into the fold order.
    const struct {
        int sex;
        int count;
        std::vector<int> required;
    } cases[] = {
        {1, 3, {1, 2, 0}},
        {0, 3, {3, 4, 0}},
        {1, 4, {2, 4, 3, 0}},
        {0, 4, {2, 4, 3, 0}},
        {1, 7, {0, 1, 2, 3, 4, 5, 6}},
        {0, 7, {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const auto& c : cases) {
        for (int missing : c.required) {
            for (double bad : {0.0, -4.0, std::numeric_limits<double>::quiet_NaN()}) {
                Folds f = c.sex == 1 ? kMaleFolds : kFemaleFolds;
                f.v[missing] = bad;
                CSkinFold sf = SkinFold(c.sex, 35, f);
                sf.SetPctFat(17.25);
                const double r = c.count == 3   ? sf.PercentFat_3()
                                 : c.count == 4 ? sf.PercentFat_4()
                                                : sf.PercentFat_7();
                EXPECT_EQ(r, 17.25) << c.sex << " " << c.count << " fold " << missing;
                EXPECT_EQ(sf.GetPctFat(), 17.25);
            }
        }
    }
}

TEST(SkinFold, FoldsAnEquationDoesNotUseMayBeMissing) {
    // The men's three sites are chest, abdominal and thigh: no triceps needed.
    CSkinFold man(Sex(1), 30, 180.0, 70.0, 15, 10, 20, 0, 0, 0, 0);
    EXPECT_NEAR(man.PercentFat_3(), 13.614894, 1e-5);
    // The four sites do not use chest, midaxillary or subscapular.
    CSkinFold woman(Sex(0), 40, 140.0, 64.0, 22, 0, 20, 18, 15, 0, 0);
    EXPECT_NEAR(woman.PercentFat_4(), 19.611, 1e-9);
}

namespace {

// Siri percent fat of an underwater weighing with a given water density,
// written out step by step from the weighing equations.
double SiriAt(double weightLb, double wetLb, double tareLb, double rvLitres, double dw) {
    const double volume = (weightLb * kLbToKg - (wetLb - tareLb) * kLbToKg - rvLitres - 0.1) / dw;
    const double density = weightLb / volume * kLbToKg;
    return 495.0 / density - 450.0;
}

} // namespace

TEST(HydroStat, SiriAndBrozekForAMan) {
    // Man, 30 y, 180 lb, 70 in, water 95 F (35 C, 0.994063), wet 12.5, tare 4.5.
    // RV = 0.51 + 4.8006 - 3.447 = 1.8636 l.
    // V = (81.6466266 - 3.62873896 - 1.9636) / 0.994063 = 76.50852 l.
    // BD = 180 / 76.50852 x 0.45359237 = 1.0671573 kg/l.
    // Siri 495 / BD - 450 = 13.84913; Brozek (4.57 / BD - 4.142) x 100 = 14.04051.
    CHydroStat man(Sex(1), 30, 180.0, 70.0, 95.0, 12.5, 4.5);
    EXPECT_EQ(man.GetWaterTemp(), 95.0);
    EXPECT_EQ(man.GetWetWeight(), 12.5);
    EXPECT_EQ(man.GetTareWeight(), 4.5);
    EXPECT_NEAR(man.PercentFat(CHydroStat::siri), 13.849131, 1e-5);
    EXPECT_NEAR(man.GetPctFat(), 13.849131, 1e-5);
    EXPECT_NEAR(man.PercentFat(CHydroStat::brozek), 14.040510, 1e-5);
    EXPECT_NEAR(man.PercentFat(static_cast<CHydroStat::calcmethod>(5)), 14.040510, 1e-5);
}

TEST(HydroStat, SiriAndBrozekForAWomanAndOtherCodes) {
    // Woman, 40 y, 140 lb, 64 in, water 86 F (30 C, 0.995678), wet 9, tare 4.5.
    // RV = 5.20192 + 0.36 - 3.9 = 1.66192 l.
    // V = (63.5029318 - 2.04116567 - 1.76192) / 0.995678 = 59.95899 l.
    // BD = 140 / 59.95899 x 0.45359237 = 1.0591061 kg/l.
    // Siri 17.37526; Brozek 17.29595.
    for (int sex : {0, 2}) {
        CHydroStat woman(Sex(sex), 40, 140.0, 64.0, 86.0, 9.0, 4.5);
        EXPECT_NEAR(woman.PercentFat(CHydroStat::siri), 17.375264, 1e-5) << sex;
        EXPECT_NEAR(woman.PercentFat(CHydroStat::brozek), 17.295951, 1e-5) << sex;
    }
}

TEST(HydroStat, WaterDensityByWholeDegreeTruncated) {
    // The man of the case above (RV 1.8636 l) at several water temperatures.
    const struct {
        double fahrenheit;
        double density;
    } cases[] = {
        {73.3, 0.995678},  // 22.94 C -> 22, below the chart
        {73.4, 0.997569},  // 23 C, first row
        {75.2, 0.997327},  // 24 C
        {77.0, 0.997075},  // 25 C
        {76.9, 0.997327},  // 24.94 C -> 24
        {78.8, 0.996814},  // 26 C
        {86.0, 0.995678},  // 30 C
        {91.4, 0.994734},  // 33 C
        {95.0, 0.994063},  // 35 C
        {96.0, 0.994063},  // 35.56 C -> 35
        {98.6, 0.99336},   // 37 C, last row
        {100.4, 0.995678}, // 38 C, above the chart
        {104.0, 0.995678}, // 40 C
        {31.0, 0.995678},  // -0.56 C -> 0
        {std::numeric_limits<double>::quiet_NaN(), 0.995678},
        {1e300, 0.995678},
    };
    for (const auto& c : cases) {
        CHydroStat man(Sex(1), 30, 180.0, 70.0, c.fahrenheit, 12.5, 4.5);
        EXPECT_NEAR(man.PercentFat(CHydroStat::siri), SiriAt(180.0, 12.5, 4.5, 1.8636, c.density),
                    1e-9)
            << c.fahrenheit;
    }
    // The chosen 25 C value lies strictly between its neighbours' results.
    CHydroStat at24(Sex(1), 30, 180.0, 70.0, 75.2, 12.5, 4.5);
    CHydroStat at25(Sex(1), 30, 180.0, 70.0, 77.0, 12.5, 4.5);
    CHydroStat at26(Sex(1), 30, 180.0, 70.0, 78.8, 12.5, 4.5);
    const double f24 = at24.PercentFat(CHydroStat::siri);
    const double f25 = at25.PercentFat(CHydroStat::siri);
    const double f26 = at26.PercentFat(CHydroStat::siri);
    EXPECT_TRUE((f24 < f25 && f25 < f26) || (f24 > f25 && f25 > f26));
}

TEST(HydroStat, NoPositiveVolumeOrDensityLeavesThePercentFat) {
    // 5 lb body: 2.27 kg - 3.63 kg - 1.96 l is below zero.
    CHydroStat tiny(Sex(1), 30, 5.0, 70.0, 95.0, 12.5, 4.5);
    tiny.SetPctFat(21.0);
    EXPECT_EQ(tiny.PercentFat(CHydroStat::siri), 21.0);
    EXPECT_EQ(tiny.PercentFat(CHydroStat::brozek), 21.0);
    // Zero weight with a positive volume (tare above wet) gives density 0.
    CHydroStat weightless(Sex(0), 30, 0.0, 64.0, 95.0, 0.0, 10.0);
    weightless.SetPctFat(33.0);
    EXPECT_EQ(weightless.PercentFat(CHydroStat::siri), 33.0);
    EXPECT_EQ(weightless.PercentFat(CHydroStat::brozek), 33.0);
    // Nothing weighed at all.
    CHydroStat empty(Sex(1), 0, 0.0, 0.0, 0.0, 0.0, 0.0);
    EXPECT_EQ(empty.PercentFat(CHydroStat::siri), 0.0);
    // A negative weight is no weighing either.
    CHydroStat negative(Sex(1), 30, -180.0, 70.0, 95.0, 0.0, 200.0);
    negative.SetPctFat(19.0);
    EXPECT_EQ(negative.PercentFat(CHydroStat::siri), 19.0);
}

namespace {

CTapeMsr Woman(double height, double waist, double hip, int sex = 0) {
    return CTapeMsr(Sex(sex), 35, 150.0, height, waist, 6.5, hip);
}

double WomanFat(double height, double waist, double hip) {
    CTapeMsr t = Woman(height, waist, hip);
    return t.PercentFat();
}

double ManFat(double weight, double waistMinusWrist) {
    CTapeMsr t(Sex(1), 35, weight, 70.0, 6.0 + waistMinusWrist, 6.0, 0.0);
    t.SetPctFat(99.0);
    return t.PercentFat();
}

} // namespace

TEST(TapeMsrWoman, HipWaistAndHeightConstants) {
    // Hip 38 (44.65) + waist 28 (19.91) - height 64 (39.01) = 25.55.
    EXPECT_NEAR(WomanFat(64.0, 28.0, 38.0), 25.55, 1e-9);
    // Between steps each rounds up: hip 38.5 (45.32) + waist 28.5 (20.27)
    // - height 63.5 (38.7) = 26.89.
    EXPECT_NEAR(WomanFat(63.2, 28.3, 38.2), 26.89, 1e-9);
    // Height 64.5 takes the chosen 39.16: 44.65 + 19.91 - 39.16 = 25.40.
    EXPECT_NEAR(WomanFat(64.5, 28.0, 38.0), 25.40, 1e-9);
    EXPECT_NEAR(WomanFat(64.2, 28.0, 38.0), 25.40, 1e-9);
    // Other sex codes use the women's charts.
    CTapeMsr other = Woman(64.0, 28.0, 38.0, 4);
    EXPECT_NEAR(other.PercentFat(), 25.55, 1e-9);
    EXPECT_EQ(other.GetWaist(), 28.0);
    EXPECT_EQ(other.GetWrist(), 6.5);
    EXPECT_EQ(other.GetHip(), 38.0);
}

// Each chart is read with the other two held at their first step (waist 20:
// 14.22, height 55: 33.52), so the result is the chart's constant plus a
// fixed amount.
TEST(TapeMsrWoman, HipChartStepsAndEnds) {
    const double rest = 14.22 - 33.52;
    const struct {
        double hip, constant;
    } cases[] = {
        {20.0, 33.48}, {29.8, 33.48}, {30.0, 33.48}, {30.2, 33.83}, {30.5, 33.83},
        {44.8, 54.53}, {45.0, 54.53}, {45.2, 54.86}, {38.5, 45.32}, {39.0, 46.05},
        {59.8, 75.39}, {60.0, 75.39}, {61.0, 75.39}, {99.0, 75.39}, {59.5, 74.34},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(WomanFat(55.0, 20.0, c.hip), c.constant + rest, 1e-9) << c.hip;
}

TEST(TapeMsrWoman, WaistChartStepsAndEnds) {
    const double rest = 33.48 - 33.52;
    const struct {
        double waist, constant;
    } cases[] = {
        {10.0, 14.22}, {19.8, 14.22}, {20.0, 14.22}, {20.2, 14.4},  {34.8, 24.89},
        {35.0, 24.89}, {35.2, 25.07}, {28.5, 20.27}, {29.0, 20.62}, {49.5, 35.02},
        {49.8, 35.56}, {50.0, 35.56}, {50.2, 35.56},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(WomanFat(55.0, c.waist, 30.0), c.constant + rest, 1e-9) << c.waist;
}

TEST(TapeMsrWoman, HeightChartStepsAndEnds) {
    const double rest = 33.48 + 14.22;
    const struct {
        double height, constant;
    } cases[] = {
        {40.0, 33.52}, {54.8, 33.52}, {55.0, 33.52}, {55.2, 33.67}, {64.0, 39.01},
        {64.5, 39.16}, {65.0, 39.62}, {63.5, 38.7},  {70.0, 42.67}, {70.2, 42.82},
        {75.8, 46.32}, {76.0, 46.32}, {80.0, 46.32}, {75.5, 45.87},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(WomanFat(c.height, 20.0, 30.0), rest - c.constant, 1e-9) << c.height;
}

TEST(TapeMsrWoman, MissingGirthLeavesThePercentFat) {
    for (double bad : {0.0, -2.0}) {
        for (int which = 0; which < 3; ++which) {
            CTapeMsr t =
                Woman(which == 0 ? bad : 64.0, which == 1 ? bad : 28.0, which == 2 ? bad : 38.0);
            t.SetPctFat(31.5);
            EXPECT_EQ(t.PercentFat(), 31.5) << which << " " << bad;
        }
    }
    // The wrist is not a woman's measurement.
    CTapeMsr noWrist(Sex(0), 35, 150.0, 64.0, 28.0, 0.0, 38.0);
    EXPECT_NEAR(noWrist.PercentFat(), 25.55, 1e-9);
}

TEST(TapeMsrMan, WeightRowAndDifferenceColumnRoundUp) {
    // 182 lb uses the 185 row; 36.2 - 7.0 = 29.2 uses the 29.5 column, the
    // 14th charted cell of that row (from 23.0): 20.
    CTapeMsr man(Sex(1), 40, 182.0, 70.0, 36.2, 7.0, 0.0);
    EXPECT_EQ(man.PercentFat(), 20.0);
    EXPECT_EQ(man.GetPctFat(), 20.0);
    // Weights off the row axis take its ends: 100 lb the 120 row, 350 lb the 300 row.
    EXPECT_EQ(ManFat(100.0, 22.0), 4.0);
    EXPECT_EQ(ManFat(120.0, 22.0), 4.0);
    EXPECT_EQ(ManFat(120.1, 22.0), 4.0);  // 125 row, first cell also 4
    EXPECT_EQ(ManFat(120.1, 22.5), 6.0);  // 125 row
    EXPECT_EQ(ManFat(120.0, 23.0), 8.0);  // 120 row
    EXPECT_EQ(ManFat(300.5, 50.0), 43.0); // 300 row
    EXPECT_EQ(ManFat(350.0, 37.5), 23.0);
}

TEST(TapeMsrMan, EveryRowAtItsFirstMiddleAndLastColumn) {
    struct Row {
        int weight;
        double first;
        int firstCell, secondCell;
        double middle;
        int middleCell, afterMiddleCell;
        double last;
        int lastCell;
    };
    const Row rows[] = {
        {120, 22.0, 4, 6, 28.5, 29, 31, 35.0, 54}, {125, 22.0, 4, 6, 29.0, 30, 32, 35.5, 54},
        {130, 22.0, 3, 5, 29.5, 30, 32, 36.5, 55}, {135, 22.0, 3, 5, 29.5, 29, 31, 37.0, 55},
        {140, 22.0, 3, 5, 30.0, 29, 31, 37.5, 54}, {145, 22.5, 4, 6, 30.5, 30, 31, 38.5, 55},
        {150, 22.5, 4, 6, 31.0, 30, 32, 39.0, 55}, {155, 22.5, 4, 5, 31.0, 29, 31, 39.5, 55},
        {160, 22.5, 4, 5, 31.5, 30, 31, 40.0, 54}, {165, 22.5, 3, 5, 32.0, 30, 31, 41.0, 55},
        {170, 22.5, 3, 4, 32.0, 29, 30, 41.5, 55}, {175, 23.0, 4, 6, 32.5, 29, 31, 42.0, 55},
        {180, 23.0, 4, 5, 33.0, 30, 31, 42.5, 54}, {185, 23.0, 4, 5, 33.5, 30, 31, 43.5, 55},
        {190, 23.0, 4, 5, 33.5, 29, 30, 44.0, 55}, {195, 23.0, 3, 5, 34.0, 30, 31, 44.5, 55},
        {200, 23.0, 3, 4, 34.5, 30, 31, 45.5, 55}, {205, 23.5, 4, 5, 35.0, 30, 31, 46.0, 55},
        {210, 23.5, 4, 5, 35.0, 29, 30, 46.5, 55}, {215, 23.5, 4, 5, 35.5, 30, 31, 47.5, 55},
        {220, 23.5, 4, 5, 36.0, 30, 31, 48.0, 55}, {225, 23.5, 3, 4, 36.0, 29, 30, 48.5, 55},
        {230, 23.5, 3, 4, 36.5, 30, 31, 49.0, 55}, {235, 23.5, 3, 4, 37.0, 30, 31, 50.0, 55},
        {240, 24.0, 4, 5, 37.0, 29, 30, 50.0, 54}, {245, 24.0, 4, 5, 37.0, 28, 29, 50.0, 53},
        {250, 24.0, 4, 5, 37.0, 28, 29, 50.0, 52}, {255, 24.0, 3, 4, 37.0, 27, 28, 50.0, 51},
        {260, 24.0, 3, 4, 37.0, 27, 27, 50.0, 50}, {265, 24.5, 4, 5, 37.5, 27, 28, 50.0, 49},
        {270, 24.5, 4, 5, 37.5, 26, 27, 50.0, 48}, {275, 24.5, 4, 5, 37.5, 26, 27, 50.0, 47},
        {280, 24.5, 4, 4, 37.5, 25, 26, 50.0, 46}, {285, 24.5, 4, 4, 37.5, 25, 26, 50.0, 45},
        {290, 24.5, 3, 4, 37.5, 24, 25, 50.0, 44}, {295, 24.5, 3, 4, 37.5, 24, 25, 50.0, 43},
        {300, 24.5, 3, 4, 37.5, 23, 24, 50.0, 43},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("row " + std::to_string(r.weight));
        // The row is found at its own weight and from just above the row before.
        for (double w : {r.weight + 0.0, r.weight - 2.5}) {
            EXPECT_EQ(ManFat(w, r.first), r.firstCell);
            EXPECT_EQ(ManFat(w, r.first - 0.2), r.firstCell);
            EXPECT_EQ(ManFat(w, r.first + 0.2), r.secondCell);
            // Half an inch before the first charted column is off the chart,
            // unless the first column is the axis's first step.
            EXPECT_EQ(ManFat(w, r.first - 0.5), r.first == 22.0 ? r.firstCell : 0);
            EXPECT_EQ(ManFat(w, r.middle), r.middleCell);
            EXPECT_EQ(ManFat(w, r.middle - 0.2), r.middleCell);
            EXPECT_EQ(ManFat(w, r.middle + 0.2), r.afterMiddleCell);
            EXPECT_EQ(ManFat(w, r.last), r.lastCell);
            EXPECT_EQ(ManFat(w, r.last - 0.2), r.lastCell);
            // Past the last charted column: off the chart, or the axis's
            // last step when the row reaches it.
            EXPECT_EQ(ManFat(w, r.last + 0.2), r.last == 50.0 ? r.lastCell : 0);
        }
    }
}

TEST(TapeMsrMan, RepeatedCellsAreKeptAsCharted) {
    // 175 lb: 26.0 and 26.5 in both chart 12, then 27.0 charts 15.
    EXPECT_EQ(ManFat(175.0, 25.5), 11.0);
    EXPECT_EQ(ManFat(175.0, 26.0), 12.0);
    EXPECT_EQ(ManFat(175.0, 26.5), 12.0);
    EXPECT_EQ(ManFat(175.0, 27.0), 15.0);
    // 230 lb: 43.0 and 43.5 in both chart 44.
    EXPECT_EQ(ManFat(230.0, 42.5), 42.0);
    EXPECT_EQ(ManFat(230.0, 43.0), 44.0);
    EXPECT_EQ(ManFat(230.0, 43.5), 44.0);
    EXPECT_EQ(ManFat(230.0, 44.0), 45.0);
}

TEST(TapeMsrMan, OffTheChartGivesZero) {
    // A light man with a large difference, a heavy one with a small one.
    EXPECT_EQ(ManFat(120.0, 40.0), 0.0);
    EXPECT_EQ(ManFat(300.0, 22.0), 0.0);
}

TEST(TapeMsrMan, MissingMeasurementLeavesThePercentFat) {
    const struct {
        double weight, waist, wrist;
    } cases[] = {
        {0.0, 36.0, 7.0},
        {180.0, 0.0, 7.0},
        {180.0, 36.0, 0.0},
        {-180.0, 36.0, 7.0},
        {std::numeric_limits<double>::quiet_NaN(), 36.0, 7.0},
    };
    for (const auto& c : cases) {
        CTapeMsr t(Sex(1), 35, c.weight, 70.0, c.waist, c.wrist, 40.0);
        t.SetPctFat(18.0);
        EXPECT_EQ(t.PercentFat(), 18.0) << c.weight << " " << c.waist << " " << c.wrist;
    }
    // Hip and height are not a man's measurements.
    CTapeMsr noHip(Sex(1), 40, 182.0, 0.0, 36.2, 7.0, 0.0);
    EXPECT_EQ(noHip.PercentFat(), 20.0);
}
