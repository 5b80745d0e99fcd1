#pragma once
// Reference charts of the body-composition calculations. The cells are the
// centre's reference data exactly as charted, including the few that break a
// row's pattern; do not smooth them.

#include <array>

namespace vantora::bodycomp {

// Percent-fat bounds t1..t19 of one sex and age band. The band runs from
// ageFrom up to the next band's ageFrom; the last band of a sex is open.
struct ScoreBand {
    int sex; // 1 male, 0 female (every other sex code)
    int ageFrom;
    std::array<double, 19> bounds;
};
inline constexpr int kScoreBandsPerSex = 10;
// Male bands first, then female bands, each by rising age.
extern const std::array<ScoreBand, 2 * kScoreBandsPerSex> kScoreBands;
// Percent fat below t1 scores kScoreBelowFirst; otherwise the score of the
// first bound tk with pctfat <= tk; above t19 kScoreAboveLast.
inline constexpr int kScoreBelowFirst = 99;
inline constexpr int kScoreAboveLast = 5;
extern const std::array<int, 19> kBoundScores;

// Category words by score: the first step whose limit the score is below.
struct CategoryStep {
    int maleBelow;
    int otherBelow;
    char const* word;
};
extern const std::array<CategoryStep, 5> kCategorySteps;
extern char const* const kCategoryTop;

struct ActivityLevel {
    char const* text;
    double multiplier;
};
extern const std::array<ActivityLevel, 5> kActivityLevels;

// Calories per pound of body weight for each exercise, with the script
// variable that carries the figure.
struct Exercise {
    char const* variable;
    double factor;
};
extern const std::array<Exercise, 15> kExercises;

struct WaterDensity {
    int celsius;
    double density;
};
extern const std::array<WaterDensity, 15> kWaterDensities;
// Density used for every whole degree outside the chart.
extern const double kWaterDensityOffChart;

// Female tape-measure charts: one constant per half inch of the axis.
inline constexpr int kHipSteps = 61;
inline constexpr int kWaistSteps = 61;
inline constexpr int kHeightSteps = 43;
extern const std::array<double, kHipSteps> kHipAxis;
extern const std::array<double, kHipSteps> kHipConstants;
extern const std::array<double, kWaistSteps> kWaistAxis;
extern const std::array<double, kWaistSteps> kWaistConstants;
extern const std::array<double, kHeightSteps> kHeightAxis;
extern const std::array<double, kHeightSteps> kHeightConstants;

// Male tape-measure chart: rows by body weight, columns by waist minus wrist.
inline constexpr int kMaleWeightSteps = 37;
inline constexpr int kMaleDiffSteps = 57;
extern const std::array<double, kMaleWeightSteps> kMaleWeightAxis;
extern const std::array<double, kMaleDiffSteps> kMaleDiffAxis;
// One weight row: the charted run of whole percent fat from column firstDiff
// to column lastDiff (inches of waist minus wrist), the rest of run unused.
struct MaleFatRow {
    int weight;
    double firstDiff;
    double lastDiff;
    std::array<int, kMaleDiffSteps> run;
};
extern const std::array<MaleFatRow, kMaleWeightSteps> kMaleFatRows;
// Cell [row][column] of the chart; 0 off the charted run.
int MaleFatCell(int row, int column);

} // namespace vantora::bodycomp
