#pragma once
// The pool: the urn from which ticket columns are drawn, in which every ball stands as many times
// as its pool count. Counts and sizes are 64-bit: at the higher power-increase levels a pool can
// hold billions of elements, so it is kept as counts and running sums rather than as a flat array.
// poolElement(i) gives the ball at element i exactly as the flat layout would: balls in ascending
// order written from the top element downwards, so the lowest ball fills the top elements and the
// highest ball with a count ends at element 1.

#include "analysis/ballarray.h"
#include "analysis/drum.h"
#include "analysis/gamelayout.h"

#include <QString>
#include <cstdint>
#include <vector>

class Pool {
public:
    Pool() = default;
    // A pool over the balls firstBall..firstBall + counts.size() - 1 (negative counts count 0).
    Pool(int32_t firstBall, std::vector<int64_t> counts);

    int64_t size() const { return size_; }
    int32_t firstBall() const { return firstBall_; }
    int32_t lastBall() const { return firstBall_ + static_cast<int32_t>(counts_.size()) - 1; }
    int64_t count(int32_t ball) const;

    // The ball at element i (1 to size); 0 for element 0 or any element outside the pool.
    int32_t poolElement(int64_t i) const;

    friend bool operator==(const Pool &, const Pool &) = default;

private:
    int32_t firstBall_ = 0;
    std::vector<int64_t> counts_;
    std::vector<int64_t> below_;  // below_[k]: sum of the counts of the balls before ball k
    int64_t size_ = 0;
};

// The exponent of the pool weights: a = 1 + level / 10, e = a + (end - start) * (level - a) /
// totalWeeks. It grows from a for a window of one drawing towards level for the whole history.
// totalWeeks must be above 0.
double poolExponent(int32_t level, int32_t startWeek, int32_t endWeek, int32_t totalWeeks);

// Pool weights over firstBall..maxBall: 0 for an excluded ball (any value but 0 in `excluded`;
// balls missing from it are not excluded); otherwise the power raised to `exponent` when the
// power increase is on, else the power itself.
BallArray<double> poolWeights(const BallArray<double> &power, const BallArray<int32_t> &excluded,
                              const DrumShape &drum, bool powerIncrease, double exponent);

// A weight rounded half to even to a whole pool count (2.5 -> 2, 3.5 -> 4, 0.5 -> 0); a negative,
// infinite or undefined weight counts 0.
int64_t poolCount(double weight);

// Rounds every weight of `weights` to its count in place and builds the pool from the counts.
Pool fillPool(BallArray<double> &weights);

// "1/" and the pool total divided by the count, rounded half to even; empty when count <= 0.
QString poolOddsText(int64_t count, int64_t poolTotal);
// The same for a count typed in a box: empty when the text is not a number above 0.
QString poolOddsText(const QString &countText, int64_t poolTotal);
