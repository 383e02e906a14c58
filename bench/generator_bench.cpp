// Making 32,000 ticket columns of a 6/49 lotto with a pool from powers and the power interval on,
// beside a fair baseline in the same run (the tightest loop drawing the same columns from the same
// pool under the same interval); and the count of possible columns DRAW checks before a run.

#include "analysis/generator.h"
#include "analysis/recalc.h"
#include "benchhistory.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>

namespace {

constexpr int kColumns = 32000;

// POWER over `drawings` drawings (the whole history as the window), then the interval of
// `percent` around the mean drawing sum.
GeneratorSetup preparedSetup(int percent, bool powerIncrease, int level = 2, int drawings = 5000)
{
    const GameShape g = GameShape::lotto(49, 6);
    g.makeCurrent();
    const History h = benchHistory(g, drawings, 49);
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = drawings;
    in.upToDate = h.back().date;
    in.totalWeeks = drawings;
    in.powerIncrease = powerIncrease;
    in.level = level;
    gDrum = DrumState{};
    recalculateAll(h, in);
    const PowerIntervalView v = powerIntervalView(
        SumStats{gDrum.garrSumStats[0], gDrum.garrSumStats[1], gDrum.garrSumStats[2]}, percent);
    gDrum.garrIntervalLimits = {v.lower, v.upper};
    gDrum.gblnPowerInterval = true;
    gblnGuaranteeNumbers = false;
    gblnIncrementalTicket = false;
    GeneratorSetup s = GeneratorSetup::fromState({});
    s.seed = 20240611;
    return s;
}

void runGenerator(benchmark::State &state, const GeneratorSetup &setup)
{
    int64_t attempts = 0;
    for (auto _ : state) {
        glngColumnsBefore = 0;
        glngColumnsTarget = kColumns;
        glngColumnsMade = 0;
        TicketColumnGenerator gen(setup);
        while (glngColumnsMade < kColumns) {
            gen.fncMakeTicketColumns();
            ++attempts;
        }
        benchmark::DoNotOptimize(garrTicketGrid.row(1));
    }
    state.counters["attempts/column"] = static_cast<double>(attempts) / (state.iterations() * kColumns);
    state.counters["limits"] = setup.main.upper - setup.main.lower;
    state.counters["pool"] = static_cast<double>(setup.main.pool.size());
}

// The fair baseline: the tightest loop that makes the same columns, in the same run. It draws
// each number from the same pool (a 64-bit uniform index into the table of its elements, or into
// the running sums of the counts for a pool too large for a table),
// throws away a column with a repeated number or with its sum of pick counts outside the same
// interval, sorts the column and keeps it when it is new to an open-addressing set.
void runFairBaseline(benchmark::State &state, const GeneratorSetup &setup)
{
    const PartInputs &p = setup.main;
    std::vector<int32_t> balls;
    std::vector<uint64_t> ends;
    uint64_t total = 0;
    for (int32_t b = p.pool.firstBall(); b <= p.pool.lastBall(); ++b) {
        if (p.pool.count(b) <= 0)
            continue;
        balls.push_back(b);
        total += static_cast<uint64_t>(p.pool.count(b));
        ends.push_back(total);
    }
    // A pool small enough is drawn from a table of its elements, as the pool is kept.
    std::vector<int8_t> flat;
    if (total <= (1u << 16))
        for (size_t k = 0; k < balls.size(); ++k)
            flat.insert(flat.end(), static_cast<size_t>(ends[k] - (k ? ends[k - 1] : 0)), static_cast<int8_t>(balls[k]));
    std::array<int64_t, 64> pick{};
    for (int32_t b = 1; b <= 49; ++b)
        pick[static_cast<size_t>(b)] = p.pickCount.value(b, 0);
    const int64_t lower = p.lower;
    const int64_t upper = p.upper;
    std::mt19937_64 rng(20240611);
    int64_t attempts = 0;
    for (auto _ : state) {
        std::vector<uint64_t> set(1 << 17, 0);
        std::vector<std::array<int32_t, 6>> columns;
        columns.reserve(kColumns);
        while (static_cast<int>(columns.size()) < kColumns) {
            ++attempts;
            std::array<int32_t, 6> c;
            uint64_t used = 0;
            int64_t sum = 0;
            bool ok = true;
            for (int32_t &x : c) {
                const auto u = static_cast<uint64_t>((static_cast<unsigned __int128>(rng()) * total) >> 64);
                x = !flat.empty() ? flat[static_cast<size_t>(u)]
                                  : balls[static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), u) - ends.begin())];
                if (used >> x & 1) {
                    ok = false;
                    break;
                }
                used |= uint64_t{1} << x;
                sum += pick[static_cast<size_t>(x)];
            }
            if (!ok || sum < lower || sum > upper)
                continue;
            std::sort(c.begin(), c.end());
            uint64_t key = 0;
            for (int32_t x : c)
                key = key << 8 | static_cast<uint64_t>(x);
            size_t i = (key * 0x9E3779B97F4A7C15ULL) >> 47;
            while (set[i] != 0 && set[i] != key)
                i = (i + 1) & ((1 << 17) - 1);
            if (set[i] == key)
                continue;
            set[i] = key;
            columns.push_back(c);
        }
        benchmark::DoNotOptimize(columns.data());
    }
    state.counters["attempts/column"] = static_cast<double>(attempts) / (state.iterations() * kColumns);
}

// The argument is the interval's percentage.
void BM_Generator32000(benchmark::State &state)
{
    runGenerator(state, preparedSetup(static_cast<int>(state.range(0)), false));
}
void BM_FairBaseline32000(benchmark::State &state)
{
    runFairBaseline(state, preparedSetup(static_cast<int>(state.range(0)), false));
}

// Power increase at level 4 over a window of 500,000 drawings: a pool of some 10^11 elements,
// drawn through its running sums.
constexpr int kLongWindow = 500000;
void BM_Generator32000_PowerIncrease4_LongWindow(benchmark::State &state)
{
    runGenerator(state, preparedSetup(static_cast<int>(state.range(0)), true, 4, kLongWindow));
}
void BM_FairBaseline32000_PowerIncrease4_LongWindow(benchmark::State &state)
{
    runFairBaseline(state, preparedSetup(static_cast<int>(state.range(0)), true, 4, kLongWindow));
}

// The count of possible columns DRAW makes before a run, at 1 %, over windows of 5,000 to
// 500,000 drawings (the argument): the pick counts, and with them the sums, grow with the window.
void BM_CountPossibleColumns_Interval1(benchmark::State &state)
{
    const GeneratorSetup setup = preparedSetup(1, false, 2, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(countPossibleColumns(setup));
    state.counters["upper"] = setup.main.upper;
}

// The check DRAW makes before a run: the count of possible columns (6 of 49 under the interval)
// less the 32,000 columns of a kept ticket.
void BM_DrawCheckWithFullTicket(benchmark::State &state)
{
    GeneratorSetup setup = preparedSetup(10, false);
    glngColumnsBefore = 0;
    glngColumnsTarget = kColumns;
    glngColumnsMade = 0;
    TicketColumnGenerator(setup).runToEnd();
    setup.incremental = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkTicketDraw(setup, garrTicketGrid, kColumns, 1));
}

}  // namespace

BENCHMARK(BM_DrawCheckWithFullTicket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPossibleColumns_Interval1)->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FairBaseline32000)->Arg(100)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000)->Arg(100)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FairBaseline32000_PowerIncrease4_LongWindow)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_PowerIncrease4_LongWindow)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
