#include "testhistory.h"

#include "analysis/openlottery.h"

#include <algorithm>
#include <random>

QDate weekDate(int weekNo) { return QDate(2020, 1, 2).addDays(7 * (weekNo - 1)); }

int filledColumns(const GameShape &game) { return game.digitGame ? game.picks + 1 : game.picks + game.bonusCount; }

History randomHistory(const GameShape &game, int count, uint64_t seed)
{
    std::mt19937_64 rng(seed);
    const auto distinct = [&](int lo, int hi, int n) {
        std::vector<int> all;
        for (int b = lo; b <= hi; ++b)
            all.push_back(b);
        std::shuffle(all.begin(), all.end(), rng);
        all.resize(static_cast<size_t>(n));
        return all;
    };
    History h;
    for (int w = 1; w <= count; ++w) {
        Drawing d;
        d.weekNo = w;
        d.date = weekDate(w);
        if (game.digitGame) {
            for (int p = 0; p <= game.picks; ++p)
                d.numbers[static_cast<size_t>(p)] = static_cast<int32_t>(rng() % 10);
        } else if (game.twoDrums()) {
            const auto main = distinct(1, game.maxBall, game.picks);
            const auto second = distinct(1, game.maxBallBONUS, game.bonusCount);
            for (int i = 0; i < game.picks; ++i)
                d.numbers[static_cast<size_t>(i)] = main[static_cast<size_t>(i)];
            for (int i = 0; i < game.bonusCount; ++i)
                d.numbers[static_cast<size_t>(game.picks + i)] = second[static_cast<size_t>(i)];
        } else {
            const auto all = distinct(1, game.maxBall, game.picks + game.bonusCount);
            for (int i = 0; i < game.picks + game.bonusCount; ++i)
                d.numbers[static_cast<size_t>(i)] = all[static_cast<size_t>(i)];
        }
        h.push_back(d);
    }
    return h;
}
