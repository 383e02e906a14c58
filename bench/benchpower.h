#pragma once
// What POWER must show for one drum, worked out from the drawings themselves, apart from the
// program's own statistics: each ball's pick count (the drawings from the start drawing on, dated
// up to the end drawing's date, that hold it in one of the drum's columns, each drawing once), its
// standing (one more than the balls drawn more often), its power percent and its pool count. The
// power is summed as the power table defines it (column by column, each over the window's drawings
// in week order, a drawing of week w adding w, or w squared (hot) or (end - w) squared (cold) with
// the power increase), divided by the smallest power above 0 when that is above 2 and scaled to 316
// when the largest passes 317; its percent of the largest power and its pool weight (raised to the
// exponent of the window with the power increase) are rounded half to even.

#include "analysis/history.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace benchpower {

// The analysis window and the options of POWER, as the user set them on the board.
struct Window {
    int32_t start = 1;
    int32_t end = 0;
    QDate upToDate;
    bool powerIncrease = false;
    bool cold = false;
    int32_t level = 2;
    int32_t totalWeeks = 0;
};

// The drum: its balls and the columns (from 1) that hold its numbers.
struct DrumColumns {
    int32_t firstBall = 1;
    int32_t maxBall = 0;
    int firstColumn = 1;
    int lastColumn = 0;
    bool holds(int32_t n) const { return n >= firstBall && n <= maxBall; }
};

// By ball, 0 to the drum's highest.
struct Expected {
    std::vector<int64_t> picks;
    std::vector<int64_t> standing;
    std::vector<int64_t> percent;
    std::vector<int64_t> pool;
};

inline Expected expectedPower(const History &drawings, const DrumColumns &drum, const Window &w)
{
    const auto balls = static_cast<size_t>(drum.maxBall) + 1;
    Expected e{std::vector<int64_t>(balls), std::vector<int64_t>(balls, 1), std::vector<int64_t>(balls),
               std::vector<int64_t>(balls)};
    for (const Drawing &d : drawings) {
        if (d.weekNo < w.start || d.date > w.upToDate)
            continue;
        for (int c = drum.firstColumn; c <= drum.lastColumn; ++c) {
            const int32_t n = d.number(c);
            bool again = false;
            for (int before = drum.firstColumn; before < c; ++before)
                again = again || d.number(before) == n;
            if (drum.holds(n) && !again)
                ++e.picks[static_cast<size_t>(n)];
        }
    }
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b)
        for (int32_t other = drum.firstBall; other <= drum.maxBall; ++other)
            e.standing[static_cast<size_t>(b)] += e.picks[static_cast<size_t>(other)] > e.picks[static_cast<size_t>(b)];

    std::vector<double> power(balls, 0.0);
    for (int c = drum.firstColumn; c <= drum.lastColumn; ++c)
        for (const Drawing &d : drawings) {
            if (d.weekNo < w.start || d.weekNo > w.end || !drum.holds(d.number(c)))
                continue;
            const double week = d.weekNo, fromEnd = w.end - d.weekNo;
            power[static_cast<size_t>(d.number(c))] += !w.powerIncrease ? week : w.cold ? fromEnd * fromEnd : week * week;
        }
    double smallest = 999999999;
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b)
        if (const double p = power[static_cast<size_t>(b)]; p != 0 && p < smallest)
            smallest = p;
    if (smallest > 2)
        for (double &p : power)
            p = p / smallest;
    double largest = 0;
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b)
        largest = std::max(largest, power[static_cast<size_t>(b)]);
    if (largest - 1 > 316) {
        const double f = 316 / largest;
        for (double &p : power)
            p = p * f;
    }
    largest = 0;
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b)
        largest = std::max(largest, power[static_cast<size_t>(b)]);
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b)
        if (const double p = power[static_cast<size_t>(b)]; p != 0 && largest > 0)
            e.percent[static_cast<size_t>(b)] = static_cast<int64_t>(std::nearbyint(p / largest * 100));
    const double a = 1 + w.level / 10.0;
    const double exponent = a + (w.end - w.start) * (w.level - a) / w.totalWeeks;
    for (int32_t b = drum.firstBall; b <= drum.maxBall; ++b) {
        const double weight = w.powerIncrease ? std::pow(power[static_cast<size_t>(b)], exponent) : power[static_cast<size_t>(b)];
        e.pool[static_cast<size_t>(b)] = weight > 0 ? static_cast<int64_t>(std::nearbyint(weight)) : 0;
    }
    return e;
}

}  // namespace benchpower
