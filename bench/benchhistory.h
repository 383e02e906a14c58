#pragma once
// Histories for the benchmarks, made from a fixed seed: lotto drawings of K distinct numbers from
// 1..N, or digit drawings of P positions.

#include "analysis/drum.h"
#include "analysis/history.h"
#include "analysis/openlottery.h"

#include <algorithm>
#include <numeric>
#include <random>

inline History benchHistory(const GameLayout &game, int drawings, uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::vector<int32_t> balls(static_cast<size_t>(game.highestMain));
    std::iota(balls.begin(), balls.end(), 1);
    History h;
    h.reserve(static_cast<size_t>(drawings));
    for (int w = 1; w <= drawings; ++w) {
        Drawing d{w, QDate(1990, 1, 6).addDays(3 * (w - 1)), {}};
        if (game.digits()) {
            for (int p = 0; p <= game.lastMainPosition; ++p)
                d.numbers[static_cast<size_t>(p)] = static_cast<int32_t>(rng() % 10);
        } else {
            for (int i = 0; i < game.lastMainPosition; ++i) {
                std::swap(balls[static_cast<size_t>(i)], balls[i + rng() % (balls.size() - i)]);
                d.numbers[static_cast<size_t>(i)] = balls[static_cast<size_t>(i)];
            }
        }
        h.push_back(d);
    }
    return h;
}
