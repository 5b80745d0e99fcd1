#pragma once
// The score bands of the interpretation texts: the cut-offs that choose
// which band section of a text file a result is explained by. A band table
// lists the bounds of its bands from the first section of the file to the
// last; a result falls in the first band whose bound it reaches.

#include <array>
#include <span>

namespace vantora::bands {

// Bands given by lower bounds, inclusive, highest first: the index of the
// first bound v reaches, or the number of bounds when it reaches none.
int BandOf(double v, std::span<const double> lowerBounds);
// Bands given by upper bounds, inclusive, lowest first: the index of the
// first bound v does not pass, or the number of bounds.
int BandBelow(double v, std::span<const double> upperBounds);

// Percentile bands, lower bounds.
inline constexpr std::array<double, 4> kStrength = {90, 70, 50, 30};
inline constexpr std::array<double, 4> kFlexibility = {90, 70, 50, 25};
inline constexpr std::array<double, 4> kSitUps = {90, 70, 50, 25};
inline constexpr std::array<double, 4> kAbdominal = {90, 70, 50, 25};
inline constexpr std::array<double, 4> kRun = {85, 56, 36, 16};
// Body composition score bands, lower bounds.
inline constexpr std::array<double, 5> kBodyCompMale = {95, 85, 60, 35, 15};
inline constexpr std::array<double, 5> kBodyCompFemale = {95, 80, 50, 30, 15};
// Pulse recovery, beats, lower bounds.
inline constexpr std::array<double, 4> kHeartRecovery = {50, 40, 30, 20};
// Step test recovery heart rate, upper bounds.
inline constexpr std::array<double, 4> kStepMale = {70, 102, 117, 147};
inline constexpr std::array<double, 4> kStepFemale = {96, 127, 142, 171};
// Blood pressure, mm Hg, upper bounds.
inline constexpr std::array<double, 4> kSystolic = {119, 129, 139, 159};
inline constexpr std::array<double, 4> kDiastolic = {79, 84, 89, 99};

} // namespace vantora::bands
