#include "analysis/statistics.h"

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
