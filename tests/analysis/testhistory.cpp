#include "testhistory.h"

#include "analysis/openlottery.h"

#include <algorithm>
#include <random>

QDate weekDate(int weekNo) { return QDate(2020, 1, 2).addDays(7 * (weekNo - 1)); }

int filledColumns(const GameLayout &game) { return game.digits() ? game.lastMainPosition + 1 : game.lastMainPosition + game.bonusPositions(); }

History randomHistory(const GameLayout &game, int count, uint64_t seed)
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
        if (game.digits()) {
            for (int p = 0; p <= game.lastMainPosition; ++p)
                d.numbers[static_cast<size_t>(p)] = static_cast<int32_t>(rng() % 10);
        } else if (game.twoDrums()) {
            const auto main = distinct(1, game.highestMain, game.lastMainPosition);
            const auto second = distinct(1, game.highestSecond, game.bonusPositions());
            for (int i = 0; i < game.lastMainPosition; ++i)
                d.numbers[static_cast<size_t>(i)] = main[static_cast<size_t>(i)];
            for (int i = 0; i < game.bonusPositions(); ++i)
                d.numbers[static_cast<size_t>(game.lastMainPosition + i)] = second[static_cast<size_t>(i)];
        } else {
            const auto all = distinct(1, game.highestMain, game.lastMainPosition + game.bonusPositions());
            for (int i = 0; i < game.lastMainPosition + game.bonusPositions(); ++i)
                d.numbers[static_cast<size_t>(i)] = all[static_cast<size_t>(i)];
        }
        h.push_back(d);
    }
    return h;
}
