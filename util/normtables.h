#pragma once
// The fitness-test norm tables: for each sex and age band, the bound a result
// must reach for each percentile score. Fixed reference data of the centre.

#include <array>
#include <limits>

namespace vantora::normtables {

// A column that does not occur in a row: no result reaches it, so the score
// jumps over it.
inline constexpr double kDash = std::numeric_limits<double>::infinity();

// Ten age bands: under 30, 30-39, 40-49, 50-59, 60-64, 65-69, 70-74, 75-79,
// 80-84, 85 and over.
inline constexpr int kBands = 10;
// The run has five: under 30, 30-39, 40-49, 50-59, 60 and over.
inline constexpr int kRunBands = 5;

// Bounds for the scores 10, 15, ... 95 and 99 of one row; higher is better.
using Bounds = std::array<double, 19>;

struct Table {
    std::array<Bounds, kBands> male;
    std::array<Bounds, kBands> female;
};

// Bounds for the scores 99, 95, ... 10, 5 of one row of the run; lower is
// better. score75 is what the sixth column scores: 75, or 77 in the rows
// whose norms step from 80 to 77 instead of 75.
struct RunRow {
    std::array<double, 20> bound;
    int score75;
};

struct RunTable {
    std::array<RunRow, kRunBands> male;
    std::array<RunRow, kRunBands> female;
};

extern const Table kAb;
extern const Table kFlex;
extern const Table kLeg;
extern const RunTable kRun;
extern const Table kSitUp;
extern const Table kUpper;

// Row index of an age in whole years; ages below 30 (including nonsense
// negative ages) take the first band.
int Band(int age);
int RunBand(int age);

} // namespace vantora::normtables
