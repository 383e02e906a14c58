#include "analysis/power.h"

#include <algorithm>

std::pair<size_t, size_t> weekRange(const History &history, int32_t fromWeek, int32_t toWeek)
{
    const auto byWeek = [](const Drawing &d, int32_t w) { return d.weekNo < w; };
    const auto first = std::lower_bound(history.begin(), history.end(), fromWeek, byWeek);
    if (toWeek < fromWeek)
        return {static_cast<size_t>(first - history.begin()), static_cast<size_t>(first - history.begin())};
    const auto last = std::upper_bound(first, history.end(), toWeek,
                                       [](int32_t w, const Drawing &d) { return w < d.weekNo; });
    return {static_cast<size_t>(first - history.begin()), static_cast<size_t>(last - history.begin())};
}

void normalisePowers(BallArray<double> &power, const DrumShape &drum)
{
    // The smallest power above 0 (a power of exactly 0 is passed over like an empty one).
    double m = kPowerSearchStart;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
        const double p = power[b];
        if (p != 0 && p < m)
            m = p;
    }
    if (m > 2)
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            power[b] = power[b] / m;

    double largest = 0;
    for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
        const double p = power[b];
        if (p != 0 && p > largest)
            largest = p;
    }
    if (largest - 1 > kPowerCap) {
        const double f = kPowerCap / largest;
        for (int b = drum.firstBall; b <= drum.maxBall; ++b)
            power[b] = power[b] * f;
    }
}

bool powerSumsExact(const std::vector<double> &sums, bool powerIncrease, int32_t fromWeek)
{
    constexpr double kExactWholeNumbers = 9007199254740992.0;  // 2^53
    if (!powerIncrease && fromWeek < 0)
        return false;
    return std::all_of(sums.begin(), sums.end(), [](double s) { return s < kExactWholeNumbers; });
}

BallArray<double> calculatePowerTable(const History &history, const DrumShape &drum, int32_t toWeek,
                                      int32_t coldMode, bool powerIncrease, int32_t fromWeek)
{
    BallArray<double> power(0, drum.maxBall, 0.0);
    const auto [first, last] = weekRange(history, fromWeek, toWeek);
    const bool cold = coldMode != 0;
    // Column by column, each over the window's drawings in week order, so that the sums are added
    // up in the same order as always (this only matters once sums pass 2^53).
    for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
        for (size_t i = first; i < last; ++i) {
            const Drawing &d = history[i];
            const int32_t n = d.number(c);
            if (drum.holds(n))
                power[n] += powerTerm(d.weekNo, toWeek, powerIncrease, cold);
        }
    }
    normalisePowers(power, drum);
    return power;
}
