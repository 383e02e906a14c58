#include "analysis/statistics.h"

#include <bit>

uint64_t drumBallsOf(const Drawing &drawing, const DrumShape &drum)
{
    uint64_t set = 0;
    for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
        const int32_t n = drawing.number(c);
        if (drum.holds(n) && n < 64)
            set |= uint64_t{1} << n;
    }
    return set;
}

LeftOutNumbers countLeftOutNumbers(const History &history, const DrumShape &drum)
{
    LeftOutNumbers left;
    for (const Drawing &d : history) {
        for (int c = drum.firstColumn; c <= drum.lastColumn(); ++c) {
            const int32_t n = d.number(c);
            if (n == Drawing::kEmpty)
                ++left.empty;
            else if (!drum.holds(n) || n >= 64)
                ++left.outside;
        }
    }
    return left;
}

namespace {

template <typename Fn>
void forEachBall(uint64_t set, Fn fn)
{
    while (set) {
        const int b = std::countr_zero(set);
        fn(b);
        set &= set - 1;
    }
}

}  // namespace

BallArray<int32_t> countPicksPerBall(const History &history, const DrumShape &drum, int32_t fromWeek,
                                     const QDate &upToDate)
{
    BallArray<int32_t> counts(0, drum.maxBall, 0);
    for (const Drawing &d : history) {
        if (d.weekNo < fromWeek || !(d.date <= upToDate))
            continue;
        forEachBall(drumBallsOf(d, drum), [&](int b) { ++counts[b]; });
    }
    return counts;
}

BallArray<int32_t> rankByPickCount(const BallArray<int32_t> &pickCount, const DrumShape &drum)
{
    BallArray<int32_t> rank(drum.firstBall, drum.maxBall, 0);
    for (int i = drum.firstBall; i <= drum.maxBall; ++i) {
        const int32_t mine = pickCount.value(i, 0);
        int32_t above = 0;
        for (int j = drum.firstBall; j <= drum.maxBall; ++j)
            if (j != i && pickCount.value(j, 0) > mine)
                ++above;
        rank[i] = above;
    }
    return rank;
}

BallArray<int32_t> lastPickedWeekPerBall(const History &history, const DrumShape &drum,
                                         const QDate &upToDate)
{
    BallArray<int32_t> last(0, drum.maxBall, 0);
    for (const Drawing &d : history) {
        if (!(d.date <= upToDate))
            continue;
        forEachBall(drumBallsOf(d, drum), [&](int b) {
            if (d.weekNo > last[b])
                last[b] = d.weekNo;
        });
    }
    return last;
}
