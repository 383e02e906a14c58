#pragma once
// The power of every ball of a drum: how often and how recently it was drawn in the analysis
// window, with hot or cold weighting, normalised so that the smallest power above 0 becomes 1
// (when it was above 2) and no power stands above 317 (larger ones are scaled down to 316).

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/gamelayout.h"
#include "analysis/history.h"

#include <cstdint>
#include <vector>

inline constexpr double kPowerSearchStart = 999999999.0;
inline constexpr int32_t kPowerCap = 316;  // the square root of 99999, rounded

// The term a drawing of week w adds to the power of each ball it holds: w (power increase off),
// w^2 (increase on, hot) or (toWeek - w)^2 (increase on, cold), in double.
inline double powerTerm(int32_t week, int32_t toWeek, bool powerIncrease, bool cold)
{
    const double w = week;
    if (!powerIncrease)
        return w;
    const double x = cold ? static_cast<double>(toWeek) - w : w;
    return x * x;
}

// Powers indexed 0..maxBall; the balls firstBall..maxBall hold a value, every other entry 0.
// Every drawing with fromWeek <= WeekNo <= toWeek adds, for each of the drum's columns that holds
// a ball of the drum, its powerTerm to that ball. A ball in two columns of one drawing (a digit in
// two positions) gets the term twice. Numbers outside the drum are left out. The sums are added
// up column by column, each column over the window's drawings in week order, and normalised.
BallArray<double> calculatePowerTable(const History &history, const DrumShape &drum, int32_t toWeek,
                                      int32_t coldMode, bool powerIncrease, int32_t fromWeek);

// Whether power sums added up in any order are those calculatePowerTable adds up column by
// column: every term is a whole number, so while the terms are not negative (power increase on,
// or a window from week 0 up) and no sum reaches 2^53, every partial sum is exact.
bool powerSumsExact(const std::vector<double> &sums, bool powerIncrease, int32_t fromWeek);

// The two normalisation steps on sums already made, over the drum's balls (exposed for tests).
void normalisePowers(BallArray<double> &power, const DrumShape &drum);

// The drawings of the history whose week number lies in fromWeek..toWeek, as a range of
// positions [first, last) (the history is in WeekNo order).
std::pair<size_t, size_t> weekRange(const History &history, int32_t fromWeek, int32_t toWeek);
