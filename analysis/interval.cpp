#include "analysis/interval.h"

#include "analysis/parallelparts.h"
#include "analysis/power.h"
#include "platform/vb.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

std::optional<SumStats> drawingCountSumStats(const History &history, const DrumShape &drum,
                                             int32_t fromWeek, int32_t toWeek,
                                             const BallArray<int32_t> &pickCount)
{
    const auto [first, last] = weekRange(history, fromWeek, toWeek);
    if (first == last)
        return std::nullopt;
    // The pick count of each ball of the drum; a number outside the drum adds nothing.
    const StoredColumns columns = storedColumns(drum);
    const BallRange balls = drum.balls();
    std::vector<int64_t> counts(balls.count);
    for (size_t k = 0; k < counts.size(); ++k)
        counts[k] = pickCount.value(drum.firstBall + static_cast<int32_t>(k), 0);
    // The sums of a long window are gathered in parts at once, each part's total, largest and
    // smallest sum its own, then put together.
    struct Sums {
        int64_t total = 0;
        int64_t largest = 0;
        // The smallest sum is searched from the first drawing's sum: a start value of weeks x
        // columns would stand below every drawing whenever the pick counts come from a longer window.
        int64_t smallest = std::numeric_limits<int64_t>::max();
    };
    const std::vector<Sums> parts = resultsOfParts<Sums>(static_cast<int>(last - first), kDrawingsAPart, [&](int begin, int end) {
        Sums part;
        for (size_t i = first + begin; i < first + end; ++i) {
            const Drawing &d = history[i];
            int64_t s = 0;
            for (size_t c = columns.begin; c < columns.end; ++c) {
                const int32_t n = d.numbers[c];
                s += balls.holds(n) ? counts[static_cast<uint32_t>(n) - balls.first] : 0;
            }
            part.total += s;
            part.largest = std::max(part.largest, s);
            part.smallest = std::min(part.smallest, s);
        }
        return part;
    });
    int64_t total = 0, largest = 0, smallest = std::numeric_limits<int64_t>::max();
    for (const Sums &part : parts) {
        total += part.total;
        largest = std::max(largest, part.largest);
        smallest = std::min(smallest, part.smallest);
    }
    SumStats stats;
    stats.smallest = vb::cLngOrClamp(static_cast<double>(smallest));
    stats.largest = vb::cLngOrClamp(static_cast<double>(largest));
    stats.mean = vb::cLngOrClamp(static_cast<double>(total) / static_cast<double>(last - first));
    return stats;
}

namespace {

// One limit of the interval around the mean.
int32_t intervalUpperLimit(int32_t mean, int32_t largest, int32_t percent)
{
    return vb::cLngOrClamp(mean + percent * ((static_cast<double>(largest) - mean) + 0.001) / 100);
}

int32_t intervalLowerLimit(int32_t mean, int32_t smallest, int32_t percent)
{
    return vb::cLngOrClamp(mean - percent * ((static_cast<double>(mean) - smallest) + 0.001) / 100);
}

}  // namespace

PowerIntervalView powerIntervalView(const SumStats &stats, int32_t percent)
{
    PowerIntervalView v;
    v.lowest = stats.smallest;
    v.middle = stats.mean;
    v.highest = stats.largest;
    v.sliderMin = stats.smallest;
    v.sliderMax = std::max(stats.smallest, stats.largest);
    v.sliderValue = std::clamp(stats.mean, v.sliderMin, v.sliderMax);
    v.upper = intervalUpperLimit(stats.mean, stats.largest, percent);
    v.lower = intervalLowerLimit(stats.mean, stats.smallest, percent);
    v.sliderPos = v.sliderValue;
    return v;
}

int64_t largestReachableSum(const BallArray<int32_t> &pickCount, int32_t firstBall, int32_t lastBall, int columns,
                            bool repeats)
{
    std::vector<int64_t> counts;
    for (int32_t b = firstBall; b <= lastBall; ++b)
        counts.push_back(std::max<int64_t>(0, pickCount.value(b, 0)));
    if (counts.empty() || columns <= 0)
        return 0;
    std::sort(counts.begin(), counts.end(), std::greater<>());
    if (repeats)
        return counts.front() * columns;
    int64_t sum = 0;
    for (size_t i = 0; i < counts.size() && i < static_cast<size_t>(columns); ++i)
        sum += counts[i];
    return sum;
}

int32_t intervalLimitCap(int64_t largestReachable, int32_t largestDrawingSum)
{
    constexpr int64_t kTypedLimit = 9999;
    const int64_t cap = std::max({kTypedLimit, largestReachable, static_cast<int64_t>(largestDrawingSum)});
    return static_cast<int32_t>(std::min<int64_t>(cap, std::numeric_limits<int32_t>::max()));
}

std::optional<int32_t> intervalLimitText(const QString &text, int32_t cap)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v > cap)
        return std::nullopt;
    return static_cast<int32_t>(v);
}

IntervalLimits slideIntervalLimits(IntervalLimits limits, bool down, int32_t cap)
{
    IntervalLimits next = limits;
    if (down) {
        if (limits.lower > 0)
            next.lower = limits.lower - 1;
        if (limits.upper - 1 >= next.lower)
            next.upper = limits.upper - 1;
    } else {
        if (limits.upper < cap)
            next.upper = limits.upper + 1;
        if (limits.lower + 1 <= next.upper)
            next.lower = limits.lower + 1;
    }
    return next;
}
