// Making 32,000 ticket columns of a 6/49 lotto with a pool from powers and the power interval on,
// beside a bare baseline in the same run: the same number of random sorted 6-from-49 columns with
// a hash-set repeat test.

#include "analysis/generator.h"
#include "analysis/recalc.h"
#include "benchhistory.h"

#include <benchmark/benchmark.h>
#include <unordered_set>

namespace {

constexpr int kColumns = 32000;

// POWER over 5,000 drawings, then the interval of `percent` around the mean drawing sum.
GeneratorSetup preparedSetup(int percent, bool powerIncrease)
{
    const GameShape g = GameShape::lotto(49, 6);
    g.makeCurrent();
    const History h = benchHistory(g, 5000, 49);
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = 5000;
    in.upToDate = h.back().date;
    in.totalWeeks = 5000;
    in.powerIncrease = powerIncrease;
    in.level = 2;
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

void runGenerator(benchmark::State &state, int percent, bool powerIncrease)
{
    const GeneratorSetup setup = preparedSetup(percent, powerIncrease);
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
    state.counters["limits"] = gDrum.garrIntervalLimits[1] - gDrum.garrIntervalLimits[0];
}

void BM_Generator32000_Interval10(benchmark::State &state) { runGenerator(state, 10, false); }
void BM_Generator32000_Interval10_PowerIncrease(benchmark::State &state) { runGenerator(state, 10, true); }
void BM_Generator32000_Interval100(benchmark::State &state) { runGenerator(state, 100, false); }
void BM_Generator32000_Interval1(benchmark::State &state) { runGenerator(state, 1, false); }

// The bare baseline: uniform 6-from-49 columns, sorted, kept when new to a hash set.
void BM_Baseline32000(benchmark::State &state)
{
    std::mt19937_64 rng(20240611);
    std::uniform_int_distribution<int> ball(1, 49);
    for (auto _ : state) {
        std::unordered_set<uint64_t> seen;
        seen.reserve(2 * kColumns);
        std::vector<std::array<int, 6>> columns;
        columns.reserve(kColumns);
        while (static_cast<int>(columns.size()) < kColumns) {
            std::array<int, 6> c;
            uint64_t used = 0;
            bool ok = true;
            for (int &x : c) {
                x = ball(rng);
                ok = ok && !(used >> x & 1);
                used |= uint64_t{1} << x;
            }
            if (!ok)
                continue;
            std::sort(c.begin(), c.end());
            uint64_t key = 0;
            for (int x : c)
                key = key << 8 | static_cast<uint64_t>(x);
            if (seen.insert(key).second)
                columns.push_back(c);
        }
        benchmark::DoNotOptimize(columns.data());
    }
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
BENCHMARK(BM_Baseline32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_Interval10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_Interval10_PowerIncrease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_Interval100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_Interval1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
