#include "analysis/pool.h"

#include "platform/vb.h"

#include <algorithm>
#include <cmath>

Pool::Pool(int32_t firstBall, std::vector<int64_t> counts) : firstBall_(firstBall), counts_(std::move(counts))
{
    below_.resize(counts_.size());
    for (size_t k = 0; k < counts_.size(); ++k) {
        counts_[k] = std::max<int64_t>(counts_[k], 0);
        below_[k] = size_;
        size_ += counts_[k];
    }
}

int64_t Pool::count(int32_t ball) const
{
    if (ball < firstBall_ || ball > lastBall())
        return 0;
    return counts_[static_cast<size_t>(ball - firstBall_)];
}

int32_t Pool::poolElement(int64_t i) const
{
    if (i < 1 || i > size_)
        return 0;
    // Counted from the top element down, element i is the (size - i)-th of the ascending layout.
    const int64_t fromTop = size_ - i;
    const auto it = std::upper_bound(below_.begin(), below_.end(), fromTop);
    // Balls with a count of 0 share their running sum with the next ball; the last ball whose
    // running sum does not pass fromTop is the one that holds it.
    return firstBall_ + static_cast<int32_t>(it - below_.begin()) - 1;
}

double poolExponent(int32_t level, int32_t startWeek, int32_t endWeek, int32_t totalWeeks)
{
    const double a = 1 + level / 10.0;
    const int32_t d = endWeek - startWeek;
    return a + d * (level - a) / totalWeeks;
}

BallArray<double> poolWeights(const BallArray<double> &power, const BallArray<int32_t> &excluded,
                              const DrumShape &drum, bool powerIncrease, double exponent)
{
    BallArray<double> weights(drum.firstBall, drum.maxBall, 0.0);
    for (int b = drum.firstBall; b <= drum.maxBall; ++b) {
        if (excluded.value(b, 0) != 0)
            continue;
        const double p = power.value(b, 0.0);
        weights[b] = powerIncrease ? std::pow(p, exponent) : p;
    }
    return weights;
}

int64_t poolCount(double weight)
{
    // Far beyond any count a power can give, yet safe to add up over every ball.
    constexpr double kLargest = 1e15;
    if (!(weight > 0) || !std::isfinite(weight))
        return 0;
    return static_cast<int64_t>(std::nearbyint(std::min(weight, kLargest)));
}

Pool fillPool(BallArray<double> &weights)
{
    std::vector<int64_t> counts;
    counts.reserve(weights.values().size());
    for (int b = weights.lo(); b <= weights.hi(); ++b) {
        const int64_t c = poolCount(weights[b]);
        weights[b] = static_cast<double>(c);
        counts.push_back(c);
    }
    return Pool(weights.lo(), std::move(counts));
}

QString poolOddsText(int64_t count, int64_t poolTotal)
{
    if (count <= 0)
        return QString();
    const double odds = std::nearbyint(static_cast<double>(poolTotal) / static_cast<double>(count));
    return QStringLiteral("1/") + QString::number(static_cast<qint64>(odds));
}

QString poolOddsText(const QString &countText, int64_t poolTotal)
{
    const auto value = vb::numericValue(countText);
    if (!value || !(*value > 0) || *value > 1e15)
        return QString();
    return poolOddsText(static_cast<int64_t>(std::nearbyint(*value)), poolTotal);
}
