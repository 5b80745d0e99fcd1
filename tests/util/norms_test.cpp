#include "util/norms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr CNorms::sex M = CNorms::male;
constexpr CNorms::sex F = CNorms::female;

// A bound of a row with the scores just below it, at it and just above it.
struct Probe {
    double bound;
    int below, at, above;
};

// One row of a norm table: its sex, the youngest and oldest age of its band,
// and its first, one middle and its last bound. The first bound is the first
// column the row has (rows may skip the lowest columns).
struct RowProbes {
    CNorms::sex sex;
    int youngest, oldest;
    Probe first, middle, last;
};

// Smaller than any step between two different bounds of every table.
constexpr double kStep = 0.001;

// Looks up each probe at both ends of the row's age band. A weight of 1 makes
// the strength ratios the values themselves.
void CheckRows(CNorms::norm n, std::vector<RowProbes> const& rows) {
    for (RowProbes const& row : rows) {
        for (int age : {row.youngest, row.oldest}) {
            CNorms const norms(row.sex, age, 1.0);
            for (Probe const& p : {row.first, row.middle, row.last}) {
                SCOPED_TRACE(::testing::Message() << (row.sex == M ? "male" : "female") << " age "
                                                  << age << " bound " << p.bound);
                EXPECT_EQ(norms.FindNorm(n, p.bound - kStep, 0.0), p.below);
                EXPECT_EQ(norms.FindNorm(n, p.bound, 0.0), p.at);
                EXPECT_EQ(norms.FindNorm(n, p.bound + kStep, 0.0), p.above);
            }
        }
    }
}

} // namespace

// clang-format off
TEST(Norms, AbdominalCrunchRowsScoreAtTheirBounds) {
    CheckRows(CNorms::ab, {
        {M, 20, 29, {9, 5, 10, 10}, {21, 25, 30, 30}, {71, 95, 95, 99}},
        {M, 30, 39, {7, 5, 10, 10}, {43, 60, 65, 65}, {66, 95, 95, 99}},
        {M, 40, 49, {4, 5, 10, 10}, {5, 10, 15, 15}, {61, 95, 95, 99}},
        {M, 50, 59, {3, 5, 10, 10}, {23, 45, 50, 50}, {53, 95, 95, 99}},
        {M, 60, 64, {4, 5, 10, 10}, {41, 80, 85, 85}, {50, 95, 95, 99}},
        {M, 65, 69, {2, 5, 10, 10}, {8, 30, 35, 35}, {46, 95, 95, 99}},
        {M, 70, 74, {1, 5, 15, 15}, {34, 80, 85, 85}, {43, 95, 95, 99}},
        {M, 75, 79, {1, 5, 20, 20}, {15, 55, 60, 60}, {39, 95, 95, 99}},
        {M, 80, 84, {1, 5, 30, 30}, {18, 65, 70, 70}, {35, 95, 95, 99}},
        {M, 85, 99, {1, 5, 35, 35}, {14, 65, 70, 70}, {32, 95, 95, 99}},
        {F, 20, 29, {6, 5, 10, 10}, {21, 35, 40, 40}, {59, 95, 95, 99}},
        {F, 30, 39, {3, 5, 10, 10}, {41, 70, 75, 75}, {54, 95, 95, 99}},
        {F, 40, 49, {3, 5, 10, 10}, {7, 20, 25, 25}, {49, 95, 95, 99}},
        {F, 50, 59, {2, 5, 10, 10}, {22, 55, 60, 60}, {44, 95, 95, 99}},
        {F, 60, 64, {1, 5, 10, 10}, {39, 90, 95, 95}, {41, 95, 95, 99}},
        {F, 65, 69, {1, 5, 15, 15}, {29, 75, 80, 80}, {38, 95, 95, 99}},
        {F, 70, 74, {1, 5, 20, 20}, {23, 70, 75, 75}, {35, 95, 95, 99}},
        {F, 75, 79, {1, 5, 20, 20}, {4, 30, 35, 35}, {34, 95, 95, 99}},
        {F, 80, 84, {1, 5, 25, 25}, {6, 40, 45, 45}, {30, 95, 95, 99}},
        {F, 85, 99, {1, 5, 30, 30}, {11, 60, 65, 65}, {26, 95, 95, 99}},
    });
}
// clang-format on

// clang-format off
TEST(Norms, TrunkFlexionRowsScoreAtTheirBounds) {
    CheckRows(CNorms::flex, {
        {M, 20, 29, {12.3, 5, 10, 10}, {15.5, 25, 30, 30}, {23, 95, 95, 99}},
        {M, 30, 39, {11, 5, 10, 10}, {18, 60, 65, 65}, {22, 95, 95, 99}},
        {M, 40, 49, {10, 5, 10, 10}, {11, 10, 15, 15}, {21.3, 95, 95, 99}},
        {M, 50, 59, {8.5, 5, 10, 10}, {14.5, 45, 50, 50}, {20.5, 95, 95, 99}},
        {M, 60, 64, {8.5, 5, 10, 10}, {17.5, 80, 85, 85}, {20.25, 95, 95, 99}},
        {M, 65, 69, {8, 5, 10, 10}, {12, 30, 35, 35}, {20, 95, 95, 99}},
        {M, 70, 74, {7.75, 5, 10, 10}, {15, 65, 70, 70}, {19.5, 95, 95, 99}},
        {M, 75, 79, {7.5, 5, 10, 10}, {9.25, 15, 20, 20}, {19, 95, 95, 99}},
        {M, 80, 84, {7.25, 5, 10, 10}, {12.5, 50, 55, 55}, {18.5, 95, 95, 99}},
        {M, 85, 99, {7, 5, 10, 10}, {16, 85, 90, 90}, {18, 95, 95, 99}},
        {F, 20, 29, {15.4, 5, 10, 10}, {19.3, 35, 40, 40}, {26, 95, 95, 99}},
        {F, 30, 39, {14.4, 5, 10, 10}, {21, 70, 75, 75}, {24, 95, 95, 99}},
        {F, 40, 49, {13, 5, 10, 10}, {16, 20, 25, 25}, {23, 95, 95, 99}},
        {F, 50, 59, {13, 5, 10, 10}, {18.5, 55, 60, 60}, {23, 90, 95, 99}},
        {F, 60, 64, {12, 5, 10, 10}, {22.1, 90, 95, 95}, {22.5, 95, 95, 99}},
        {F, 65, 69, {11.5, 5, 10, 10}, {16, 40, 45, 45}, {22, 95, 95, 99}},
        {F, 70, 74, {11, 5, 10, 10}, {18.5, 75, 80, 80}, {21.75, 95, 95, 99}},
        {F, 75, 79, {10.5, 5, 10, 10}, {13.5, 25, 30, 30}, {21.5, 95, 95, 99}},
        {F, 80, 84, {10, 5, 10, 10}, {15.75, 60, 65, 65}, {21.25, 95, 95, 99}},
        {F, 85, 99, {9.5, 5, 10, 10}, {10, 10, 15, 15}, {21, 95, 95, 99}},
    });
}
// clang-format on

// clang-format off
TEST(Norms, LegStrengthRowsScoreAtTheirBounds) {
    CheckRows(CNorms::leg, {
        {M, 20, 29, {1.51, 5, 10, 10}, {1.74, 25, 30, 30}, {2.4, 95, 95, 99}},
        {M, 30, 39, {1.43, 5, 10, 10}, {1.81, 60, 65, 65}, {2.2, 95, 95, 99}},
        {M, 40, 49, {1.35, 5, 10, 10}, {1.4, 10, 15, 15}, {2.02, 95, 95, 99}},
        {M, 50, 59, {1.22, 5, 10, 10}, {1.52, 45, 50, 50}, {1.9, 95, 95, 99}},
        {M, 60, 64, {1.2, 5, 10, 10}, {1.71, 80, 85, 85}, {1.85, 95, 95, 99}},
        {M, 65, 69, {1.16, 5, 10, 10}, {1.35, 30, 35, 35}, {1.8, 95, 95, 99}},
        {M, 70, 74, {1.12, 5, 10, 10}, {1.48, 65, 70, 70}, {1.77, 95, 95, 99}},
        {M, 75, 79, {1.08, 5, 10, 10}, {1.12, 15, 20, 20}, {1.7, 95, 95, 99}},
        {M, 80, 84, {1.04, 5, 10, 10}, {1.31, 50, 55, 55}, {1.64, 95, 95, 99}},
        {M, 85, 99, {1, 5, 10, 10}, {1.5, 85, 90, 90}, {1.6, 95, 95, 99}},
        {F, 20, 29, {1.14, 5, 10, 10}, {1.37, 35, 40, 40}, {1.98, 95, 95, 99}},
        {F, 30, 39, {1, 5, 10, 10}, {1.42, 70, 75, 75}, {1.68, 95, 95, 99}},
        {F, 40, 49, {0.94, 5, 10, 10}, {1.06, 20, 25, 25}, {1.57, 95, 95, 99}},
        {F, 50, 59, {0.78, 5, 10, 10}, {1.1, 55, 60, 60}, {1.43, 95, 95, 99}},
        {F, 60, 64, {0.78, 5, 10, 10}, {1.38, 90, 95, 95}, {1.4, 95, 95, 99}},
        {F, 65, 69, {0.74, 5, 10, 10}, {0.97, 40, 45, 45}, {1.38, 95, 95, 99}},
        {F, 70, 74, {0.68, 5, 10, 10}, {1.15, 75, 80, 80}, {1.35, 95, 95, 99}},
        {F, 75, 79, {0.7, 5, 10, 10}, {0.85, 25, 30, 30}, {1.33, 95, 95, 99}},
        {F, 80, 84, {0.68, 5, 10, 10}, {1, 60, 65, 65}, {1.31, 95, 95, 99}},
        {F, 85, 99, {0.65, 5, 10, 10}, {0.7, 10, 15, 15}, {1.28, 95, 95, 99}},
    });
}
// clang-format on

// clang-format off
TEST(Norms, RunRowsScoreAtTheirBoundsLowerIsBetter) {
    CheckRows(CNorms::run, {
        {M, 20, 29, {389, 99, 99, 95}, {585, 85, 85, 80}, {972, 5, 5, 1}},
        {M, 30, 39, {431, 99, 99, 95}, {771, 50, 50, 45}, {987, 5, 5, 1}},
        {M, 40, 49, {462, 99, 99, 95}, {957, 15, 15, 10}, {1043, 5, 5, 1}},
        {M, 50, 59, {524, 99, 99, 95}, {825, 70, 70, 65}, {1111, 5, 5, 1}},
        {M, 60, 90, {570, 99, 99, 95}, {1018, 35, 35, 30}, {1204, 5, 5, 1}},
        {F, 20, 29, {513, 99, 99, 95}, {703, 90, 90, 85}, {1094, 5, 5, 1}},
        {F, 30, 39, {605, 99, 99, 95}, {848, 77, 77, 70}, {1111, 5, 5, 1}},
        {F, 40, 49, {647, 99, 99, 95}, {897, 77, 77, 70}, {1145, 5, 5, 1}},
        {F, 50, 59, {748, 99, 99, 95}, {965, 75, 75, 70}, {1197, 5, 5, 1}},
        {F, 60, 90, {696, 99, 99, 95}, {987, 77, 77, 70}, {1223, 5, 5, 1}},
    });
}
// clang-format on

// clang-format off
TEST(Norms, SitUpRowsScoreAtTheirBounds) {
    CheckRows(CNorms::situp, {
        {M, 20, 29, {30, 5, 10, 10}, {36, 25, 30, 30}, {55, 95, 95, 99}},
        {M, 30, 39, {26, 5, 10, 10}, {40, 60, 65, 65}, {51, 95, 95, 99}},
        {M, 40, 49, {20, 5, 10, 10}, {22, 10, 15, 15}, {47, 95, 95, 99}},
        {M, 50, 59, {15, 5, 10, 10}, {26, 45, 50, 50}, {43, 95, 95, 99}},
        {M, 60, 64, {13, 5, 10, 10}, {35, 80, 85, 85}, {43, 95, 95, 99}},
        {M, 65, 69, {10, 5, 10, 10}, {17, 30, 35, 35}, {39, 95, 95, 99}},
        {M, 70, 74, {8, 5, 10, 10}, {24, 65, 70, 70}, {37, 95, 95, 99}},
        {M, 75, 79, {6, 5, 10, 10}, {10, 15, 20, 20}, {35, 95, 95, 99}},
        {M, 80, 84, {4, 5, 10, 10}, {14, 50, 55, 55}, {32, 95, 95, 99}},
        {M, 85, 99, {2, 5, 10, 10}, {26, 85, 90, 90}, {30, 95, 95, 99}},
        {F, 20, 29, {22, 5, 10, 10}, {32, 35, 40, 40}, {51, 95, 95, 99}},
        {F, 30, 39, {15, 5, 10, 10}, {33, 70, 75, 75}, {42, 95, 95, 99}},
        {F, 40, 49, {10, 5, 10, 10}, {16, 20, 25, 25}, {37, 95, 95, 99}},
        {F, 50, 59, {6, 5, 10, 10}, {20, 55, 60, 60}, {30, 90, 95, 99}},
        {F, 60, 64, {4, 5, 10, 10}, {29, 90, 95, 95}, {30, 95, 95, 99}},
        {F, 65, 69, {1, 5, 15, 15}, {17, 75, 80, 80}, {28, 95, 95, 99}},
        {F, 70, 74, {1, 5, 25, 25}, {5, 40, 45, 45}, {26, 95, 95, 99}},
        {F, 75, 79, {1, 5, 35, 35}, {4, 45, 50, 50}, {24, 95, 95, 99}},
        {F, 80, 84, {1, 5, 40, 40}, {14, 80, 85, 85}, {20, 90, 95, 99}},
        {F, 85, 99, {1, 5, 50, 50}, {3, 55, 60, 60}, {18, 95, 95, 99}},
    });
}
// clang-format on

// clang-format off
TEST(Norms, UpperBodyRowsScoreAtTheirBounds) {
    CheckRows(CNorms::upper, {
        {M, 20, 29, {0.8, 5, 10, 10}, {0.93, 25, 30, 30}, {1.63, 95, 95, 99}},
        {M, 30, 39, {0.71, 5, 10, 10}, {1.01, 60, 65, 65}, {1.35, 95, 95, 99}},
        {M, 40, 49, {0.65, 5, 10, 10}, {0.69, 10, 15, 15}, {1.2, 95, 95, 99}},
        {M, 50, 59, {0.58, 5, 10, 10}, {0.75, 45, 50, 50}, {1.05, 95, 95, 99}},
        {M, 60, 64, {0.56, 5, 10, 10}, {0.9, 80, 85, 85}, {1.02, 95, 95, 99}},
        {M, 65, 69, {0.54, 5, 10, 10}, {0.63, 30, 35, 35}, {0.98, 95, 95, 99}},
        {M, 70, 74, {0.52, 5, 10, 10}, {0.73, 65, 70, 70}, {0.94, 95, 95, 99}},
        {M, 75, 79, {0.48, 5, 10, 10}, {0.52, 15, 20, 20}, {0.9, 95, 95, 99}},
        {M, 80, 84, {0.44, 5, 10, 10}, {0.59, 50, 55, 55}, {0.87, 95, 95, 99}},
        {M, 85, 99, {0.4, 5, 10, 10}, {0.74, 85, 90, 90}, {0.84, 95, 95, 99}},
        {F, 20, 29, {0.48, 5, 10, 10}, {0.59, 35, 40, 40}, {1.1, 95, 95, 99}},
        {F, 30, 39, {0.42, 5, 10, 10}, {0.65, 70, 75, 75}, {0.82, 95, 95, 99}},
        {F, 40, 49, {0.38, 5, 10, 10}, {0.45, 20, 25, 25}, {0.77, 95, 95, 99}},
        {F, 50, 59, {0.37, 5, 10, 10}, {0.48, 55, 60, 60}, {0.68, 95, 95, 99}},
        {F, 60, 64, {0.35, 5, 10, 10}, {0.7, 90, 95, 95}, {0.73, 95, 95, 99}},
        {F, 65, 69, {0.34, 5, 10, 10}, {0.44, 40, 45, 45}, {0.72, 95, 95, 99}},
        {F, 70, 74, {0.34, 5, 10, 10}, {0.53, 75, 80, 80}, {0.71, 95, 95, 99}},
        {F, 75, 79, {0.32, 5, 10, 10}, {0.38, 25, 30, 30}, {0.7, 95, 95, 99}},
        {F, 80, 84, {0.3, 5, 10, 10}, {0.44, 60, 65, 65}, {0.69, 95, 95, 99}},
        {F, 85, 99, {0.28, 5, 10, 10}, {0.31, 10, 15, 15}, {0.68, 95, 95, 99}},
    });
}
// clang-format on
TEST(Norms, NinetyNineNeedsMoreThanItsBound) {
    CNorms const man25(M, 25, 1.0);
    EXPECT_EQ(man25.FindNorm(CNorms::ab, 71, 0), 95);
    EXPECT_EQ(man25.FindNorm(CNorms::ab, 72, 0), 99);
    EXPECT_EQ(man25.FindNorm(CNorms::ab, 8, 0), 5);
    EXPECT_EQ(man25.FindNorm(CNorms::ab, 9, 0), 10);

    // Rows whose 95 and 99 bounds are equal: reaching the bound gives 95.
    CNorms const woman55(F, 55, 1.0);
    EXPECT_EQ(woman55.FindNorm(CNorms::flex, 23, 0), 95);
    EXPECT_EQ(woman55.FindNorm(CNorms::flex, 23.5, 0), 99);
    EXPECT_EQ(woman55.FindNorm(CNorms::situp, 30, 0), 95);
    EXPECT_EQ(woman55.FindNorm(CNorms::situp, 31, 0), 99);
    CNorms const woman80(F, 80, 1.0);
    EXPECT_EQ(woman80.FindNorm(CNorms::situp, 20, 0), 95);
    EXPECT_EQ(woman80.FindNorm(CNorms::situp, 21, 0), 99);
}

TEST(Norms, ColumnsARowLacksAreJumpedOver) {
    CNorms const man72(M, 72, 1.0);
    EXPECT_EQ(man72.FindNorm(CNorms::ab, 1, 0), 15);
    EXPECT_EQ(man72.FindNorm(CNorms::ab, 0, 0), 5);

    // The oldest women's sit-ups start at the 40 and 50 columns.
    EXPECT_EQ(CNorms(F, 82, 1.0).FindNorm(CNorms::situp, 1, 0), 40);
    EXPECT_EQ(CNorms(F, 90, 1.0).FindNorm(CNorms::situp, 1, 0), 50);
    EXPECT_EQ(CNorms(F, 90, 1.0).FindNorm(CNorms::situp, 0.5, 0), 5);
    EXPECT_EQ(CNorms(M, 85, 1.0).FindNorm(CNorms::ab, 1, 0), 35);
}

TEST(Norms, RunStepsToSeventySevenInThreeFemaleBands) {
    CNorms const woman33(F, 33, 1.0);
    EXPECT_EQ(woman33.FindNorm(CNorms::run, 830, 0), 77);
    EXPECT_EQ(woman33.FindNorm(CNorms::run, 823, 0), 80);
    EXPECT_EQ(woman33.FindNorm(CNorms::run, 849, 0), 70);
    EXPECT_EQ(CNorms(F, 45, 1.0).FindNorm(CNorms::run, 897, 0), 77);
    EXPECT_EQ(CNorms(F, 45, 1.0).FindNorm(CNorms::run, 898, 0), 70);
    EXPECT_EQ(CNorms(F, 70, 1.0).FindNorm(CNorms::run, 987, 0), 77);
    EXPECT_EQ(CNorms(F, 70, 1.0).FindNorm(CNorms::run, 981, 0), 77);

    // The other bands score 75 there.
    EXPECT_EQ(CNorms(F, 25, 1.0).FindNorm(CNorms::run, 802, 0), 75);
    EXPECT_EQ(CNorms(F, 55, 1.0).FindNorm(CNorms::run, 965, 0), 75);
    EXPECT_EQ(CNorms(M, 35, 1.0).FindNorm(CNorms::run, 678, 0), 75);
}

TEST(Norms, RunSlowerThanEveryBoundScoresOne) {
    CNorms const man45(M, 45, 1.0);
    EXPECT_EQ(man45.FindNorm(CNorms::run, 1044, 0), 1);
    EXPECT_EQ(man45.FindNorm(CNorms::run, 1043, 0), 5);
    // A run not taken (0) scores 99; every other test not taken scores 5.
    EXPECT_EQ(man45.FindNorm(CNorms::run, 0, 0), 99);
    for (CNorms::norm n : {CNorms::ab, CNorms::flex, CNorms::leg, CNorms::situp, CNorms::upper})
        EXPECT_EQ(man45.FindNorm(n, 0, 0), 5) << n;
}

TEST(Norms, AgeBandEdgesSwitchRows) {
    // Each value scores differently in the two rows that meet at the edge.
    EXPECT_EQ(CNorms(M, 29, 1.0).FindNorm(CNorms::ab, 9, 0), 10);
    EXPECT_EQ(CNorms(M, 30, 1.0).FindNorm(CNorms::ab, 9, 0), 15);
    EXPECT_EQ(CNorms(F, 39, 1.0).FindNorm(CNorms::flex, 14.4, 0), 10);
    EXPECT_EQ(CNorms(F, 40, 1.0).FindNorm(CNorms::flex, 14.4, 0), 15);
    EXPECT_EQ(CNorms(M, 59, 1.0).FindNorm(CNorms::situp, 15, 0), 10);
    EXPECT_EQ(CNorms(M, 60, 1.0).FindNorm(CNorms::situp, 15, 0), 15);
    EXPECT_EQ(CNorms(M, 64, 1.0).FindNorm(CNorms::leg, 1.25, 0), 15);
    EXPECT_EQ(CNorms(M, 65, 1.0).FindNorm(CNorms::leg, 1.25, 0), 20);
    EXPECT_EQ(CNorms(F, 84, 1.0).FindNorm(CNorms::upper, 0.33, 0), 15);
    EXPECT_EQ(CNorms(F, 85, 1.0).FindNorm(CNorms::upper, 0.33, 0), 25);

    // The run's last band starts at 60 and has no edge at 65 or 85.
    EXPECT_EQ(CNorms(M, 59, 1.0).FindNorm(CNorms::run, 1111, 0), 5);
    EXPECT_EQ(CNorms(M, 60, 1.0).FindNorm(CNorms::run, 1111, 0), 15);
    EXPECT_EQ(CNorms(M, 90, 1.0).FindNorm(CNorms::run, 1111, 0), 15);
    EXPECT_EQ(CNorms(F, 29, 1.0).FindNorm(CNorms::run, 605, 0), 95);
    EXPECT_EQ(CNorms(F, 30, 1.0).FindNorm(CNorms::run, 605, 0), 99);

    // An age below any band takes the youngest row.
    EXPECT_EQ(CNorms(M, -3, 1.0).FindNorm(CNorms::ab, 71, 0), 95);
}

TEST(Norms, AnySexOtherThanMaleUsesTheFemaleRows) {
    auto const other = static_cast<CNorms::sex>(2);
    EXPECT_EQ(CNorms(F, 25, 1.0).FindNorm(CNorms::ab, 59.5, 0), 99);
    EXPECT_EQ(CNorms(M, 25, 1.0).FindNorm(CNorms::ab, 59.5, 0), 80);
    EXPECT_EQ(CNorms(other, 25, 1.0).FindNorm(CNorms::ab, 59.5, 0), 99);
    EXPECT_EQ(CNorms(static_cast<CNorms::sex>(-1), 33, 1.0).FindNorm(CNorms::run, 830, 0), 77);
}

TEST(Norms, StrengthIsRaisedByThePressMultiplierPerPoundOfBodyWeight) {
    CNorms const man35(M, 35, 150.0);
    EXPECT_DOUBLE_EQ(man35.FindAdjScore(CNorms::leg, 264, 0.25), 2.2);
    EXPECT_EQ(man35.FindNorm(CNorms::leg, 264, 0.25), 95);
    EXPECT_DOUBLE_EQ(man35.FindAdjScore(CNorms::upper, 120, 0.5), 1.2);
    EXPECT_EQ(man35.FindNorm(CNorms::upper, 120, 0.5), 85);

    // The other tests are raised by the multiplier but not divided.
    EXPECT_DOUBLE_EQ(man35.FindAdjScore(CNorms::ab, 40, 0.5), 60.0);
    EXPECT_DOUBLE_EQ(man35.FindAdjScore(CNorms::run, 600, 0), 600.0);
    EXPECT_EQ(man35.FindNorm(CNorms::ab, 40, 0.5), 90);

    CNorms const woman90(F, 90, 100.0);
    EXPECT_EQ(woman90.FindNorm(CNorms::upper, 27, 0), 5);
    EXPECT_EQ(woman90.FindNorm(CNorms::upper, 28, 0), 10);
}

TEST(Norms, ChosenUpperBodyBoundForMenInTheirFifties) {
    CNorms const man55(M, 55, 100.0);
    EXPECT_EQ(man55.FindNorm(CNorms::upper, 93, 0), 85);
    EXPECT_EQ(man55.FindNorm(CNorms::upper, 96.9, 0), 85);
    EXPECT_EQ(man55.FindNorm(CNorms::upper, 97, 0), 90);
    EXPECT_EQ(man55.FindNorm(CNorms::upper, 101.9, 0), 90);
    EXPECT_EQ(man55.FindNorm(CNorms::upper, 102, 0), 95);
}

TEST(Norms, StrengthWithoutABodyWeightScoresAsNotTaken) {
    double const nan = std::numeric_limits<double>::quiet_NaN();
    for (double weight : {0.0, -150.0, nan}) {
        CNorms const man(M, 35, weight);
        EXPECT_EQ(man.FindAdjScore(CNorms::leg, 264, 0.25), 0.0) << weight;
        EXPECT_EQ(man.FindNorm(CNorms::leg, 264, 0.25), 5) << weight;
        EXPECT_EQ(man.FindNorm(CNorms::upper, 200, 0), 5) << weight;
        // Tests that do not divide are unaffected.
        EXPECT_EQ(man.FindNorm(CNorms::ab, 66, 0), 95) << weight;
    }
}

TEST(Norms, UnknownNormReturnsTheAdjustedValueTruncated) {
    CNorms const man(M, 35, 150.0);
    auto const six = static_cast<CNorms::norm>(6);
    EXPECT_EQ(man.FindNorm(six, 12.9, 0.5), 19);
    EXPECT_EQ(man.FindNorm(six, -7.8, 0), -7);
    EXPECT_EQ(man.FindNorm(static_cast<CNorms::norm>(-1), 300, 0), 300);
    // Values no int can hold stay defined.
    EXPECT_EQ(man.FindNorm(six, 1e300, 0), INT_MAX);
    EXPECT_EQ(man.FindNorm(six, -1e300, 0), INT_MIN);
    EXPECT_EQ(man.FindNorm(six, std::numeric_limits<double>::quiet_NaN(), 0), 0);
}

TEST(Norms, ShortTermGoals) {
    CNorms const n(F, 40, 130.0);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::ab, 5), 10);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::ab, 90), 95);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::ab, 94), 99);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::ab, 95), 99);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::upper, 99), 99);

    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 99), 99);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 96), 96);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 95), 100);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 56), 61);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 55), 65);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 16), 26);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 15), 30);
    EXPECT_EQ(n.GetShortTermGoal(CNorms::run, 1), 16);
}

TEST(Norms, LongTermGoals) {
    CNorms const n(M, 40, 180.0);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::flex, 44), 50);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::flex, 45), 70);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::flex, 64), 70);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::flex, 65), 90);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::flex, 84), 90);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::flex, 85), 99);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::situp, 5), 50);

    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 99), 99);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 96), 96);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 95), 100);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 91), 96);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 90), 100);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 76), 86);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 75), 90);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 56), 71);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 55), 75);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 36), 56);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 35), 60);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 26), 51);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 25), 55);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 16), 46);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 15), 50);
    EXPECT_EQ(n.GetLongTermGoal(CNorms::run, 1), 36);
}
