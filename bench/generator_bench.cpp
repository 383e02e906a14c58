// Making 32,000 ticket columns after POWER with the power interval on, for each family (a 6/49
// lotto, a two-drum 5/50 + 2/12 lotto with the interval on both drums, a seven-digit game), beside a
// fair baseline in the same run (the tightest loop drawing the same columns from the same pool
// under the same limits with the same random generator); the same over ten random histories,
// with the worst and the median ratio; and the count of possible columns DRAW checks before a run.

#include "analysis/generator.h"
#include "analysis/recalc.h"
#include "benchhistory.h"
#include "benchseeds.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <bit>
#include <chrono>

namespace {

constexpr int kColumns = 32000;
constexpr uint64_t kEngineSeed = 20240611;

enum Family : int { Lotto649, TwoDrum550_212, Digits7 };

GameLayout shapeOf(Family f)
{
    switch (f) {
    case Lotto649:
        return GameLayout::lotto(49, 6);
    case TwoDrum550_212:
        return GameLayout::twoDrum(50, 5, 12, 2);
    case Digits7:
        break;
    }
    return GameLayout::digits(7);
}

// Drawings of the family from a fixed seed; the second drum's numbers come from a seed of their own.
History historyOf(Family f, int drawings, uint64_t seed)
{
    if (f != TwoDrum550_212)
        return benchHistory(shapeOf(f), drawings, seed);
    History h = benchHistory(GameLayout::lotto(50, 5), drawings, seed);
    const History second = benchHistory(GameLayout::lotto(12, 2), drawings, seed + 1);
    for (size_t w = 0; w < h.size(); ++w)
        std::copy_n(second[w].numbers.begin(), 2, h[w].numbers.begin() + 5);
    return h;
}

// POWER over `drawings` drawings (the whole history as the window), then the interval of
// `percent` around the mean drawing sum on every drum; on the second drum at least 10 %, as 2 of
// 12 balls make only 66 pairs, of which an interval of 1 % leaves one or none.
GeneratorSetup preparedSetup(Family f, int percent, int drawings = 5000, uint64_t seed = 49,
                             bool powerIncrease = false, int level = 2)
{
    const GameLayout g = shapeOf(f);
    OpenLottery lottery;
    lottery.applyGame(g);
    const History h = historyOf(f, drawings, seed);
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = drawings;
    in.upToDate = h.back().date;
    in.totalWeeks = drawings;
    in.powerIncrease = powerIncrease;
    in.level = level;
    const PowerTables tables = recalculateAll(h, in, g);
    for (Drum d : lottery.gLayout.drums()) {
        DrumState &state = lottery.drum(d);
        const DrumAnalysis &analysis = tables.of(d);
        state.garrPickCount = analysis.pickCount;
        state.garrPool = fillPoolFromPowers(analysis.power, {}, d == Drum::Second ? g.drum(Drum::Second) : g.drum(Drum::Main), in).pool;
        const PowerIntervalView v = powerIntervalView(analysis.sumStats.value_or(SumStats{}),
                                                      d == Drum::Second ? std::max(percent, 10) : percent);
        state.garrIntervalLimits = {v.lower, v.upper};
        state.gblnPowerInterval = true;
    }
    GeneratorSetup s = GeneratorSetup::fromLottery(lottery, {});
    s.seed = kEngineSeed;
    return s;
}

// One run of the generator to 32,000 columns; the attempts it took (the ticket made goes to
// `ticket` when asked).
int64_t generatorRun(const GeneratorSetup &setup, TicketGrid *ticket = nullptr)
{
    TicketColumnGenerator gen(setup, TicketGrid(), 0, kColumns);
    int64_t attempts = 0;
    while (gen.columnsMade() < kColumns) {
        gen.fncMakeTicketColumns();
        ++attempts;
    }
    benchmark::DoNotOptimize(gen.ticket().row(1));
    if (ticket)
        *ticket = gen.takeTicket();
    return attempts;
}

// ---- The fair baseline ------------------------------------------------------------------------------
//
// The tightest loop that makes the same columns: each number drawn from the same pool (a 64-bit
// uniform index into the table of its elements, or into the running sums of the counts for a pool
// too large for a table); a part with a repeated number (lotto) or with its sum of pick counts
// outside the same interval is thrown away and drawn again, the other part of a two-drum column
// kept; lotto parts sorted (read off the bits of the numbers drawn); the column kept when new to
// an open-addressing set at most a quarter full.

struct TightPart {
    std::vector<int32_t> balls;
    std::vector<uint64_t> ends;
    std::vector<int8_t> flat;
    uint64_t total = 0;
    std::array<int64_t, 128> pick{};
    int64_t lower = 0;
    int64_t upper = 0;

    explicit TightPart(const PartInputs &p) : lower(p.lower), upper(p.upper)
    {
        for (int32_t b = p.pool.firstBall(); b <= p.pool.lastBall(); ++b) {
            if (p.pool.count(b) <= 0 || !p.drum.holds(b))
                continue;
            balls.push_back(b);
            total += static_cast<uint64_t>(p.pool.count(b));
            ends.push_back(total);
        }
        // A pool small enough is drawn from a table of its elements, as the pool is kept.
        if (total <= (1u << 16))
            for (size_t k = 0; k < balls.size(); ++k)
                flat.insert(flat.end(), static_cast<size_t>(ends[k] - (k ? ends[k - 1] : 0)), static_cast<int8_t>(balls[k]));
        for (int32_t b = p.drum.firstBall; b <= p.drum.maxBall; ++b)
            pick[static_cast<size_t>(b)] = p.pickCount.value(b, 0);
    }

    template <int K, bool Distinct>
    bool draw(std::mt19937_64 &rng, int32_t *c) const
    {
        uint64_t used = 0;
        int64_t sum = 0;
        for (int i = 0; i < K; ++i) {
            const auto u = static_cast<uint64_t>((static_cast<unsigned __int128>(rng()) * total) >> 64);
            const int32_t x = !flat.empty() ? flat[static_cast<size_t>(u)]
                                            : balls[static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), u) - ends.begin())];
            if (Distinct) {
                if (used >> x & 1)
                    return false;
                used |= uint64_t{1} << x;
            }
            c[i] = x;
            sum += pick[static_cast<size_t>(x)];
        }
        if (sum < lower || sum > upper)
            return false;
        if (Distinct) {
            // Sorted: the set bits from the lowest (every ball lies below 64).
            int i = 0;
            for (; used != 0; used &= used - 1)
                c[i++] = std::countr_zero(used);
        }
        return true;
    }
};

// K numbers of the main part (distinct or not), B of the second drum; the attempts it took.
template <int K, bool Distinct, int B>
int64_t tightRun(const TightPart &main, const TightPart &second, std::mt19937_64 &rng)
{
    constexpr size_t kSlots = size_t{1} << 17;
    constexpr uint64_t kEmpty = ~uint64_t{0};
    std::vector<uint64_t> set(kSlots, kEmpty);
    std::vector<std::array<int32_t, K + B>> columns;
    columns.reserve(kColumns);
    std::array<int32_t, K + B> c{};
    bool mainDrawn = false;
    bool secondDrawn = B == 0;
    int64_t attempts = 0;
    while (static_cast<int>(columns.size()) < kColumns) {
        ++attempts;
        mainDrawn = mainDrawn || main.draw<K, Distinct>(rng, c.data());
        if constexpr (B > 0)
            secondDrawn = secondDrawn || second.draw<B, true>(rng, c.data() + K);
        if (!mainDrawn || !secondDrawn)
            continue;
        mainDrawn = false;
        secondDrawn = B == 0;
        uint64_t key = 0;
        for (int32_t x : c)
            key = key << 8 | static_cast<uint64_t>(x);
        size_t i = (key * 0x9E3779B97F4A7C15ULL) >> 47;
        while (set[i] != kEmpty && set[i] != key)
            i = (i + 1) & (kSlots - 1);
        if (set[i] == key)
            continue;
        set[i] = key;
        columns.push_back(c);
    }
    benchmark::DoNotOptimize(columns.data());
    return attempts;
}

// One run of the fair baseline of the setup's family to 32,000 columns; the attempts it took.
class FairBaseline {
public:
    explicit FairBaseline(const GeneratorSetup &setup)
        : family_(setup.family), main_(setup.main), second_(setup.second), rng_(kEngineSeed)
    {
    }
    int64_t run()
    {
        switch (family_) {
        case GameLayout::Family::Lotto:
            return tightRun<6, true, 0>(main_, second_, rng_);
        case GameLayout::Family::TwoDrum:
            return tightRun<5, true, 2>(main_, second_, rng_);
        case GameLayout::Family::Digit:
            break;
        }
        return tightRun<7, false, 0>(main_, second_, rng_);
    }

private:
    GameLayout::Family family_;
    TightPart main_;
    TightPart second_;
    std::mt19937_64 rng_;
};

void countersOf(benchmark::State &state, const GeneratorSetup &setup, int64_t attempts)
{
    state.counters["attempts/column"] = static_cast<double>(attempts) / (state.iterations() * kColumns);
    state.counters["lower"] = setup.main.lower;
    state.counters["upper"] = setup.main.upper;
    if (setup.family == GameLayout::Family::TwoDrum) {
        state.counters["second_lower"] = setup.second.lower;
        state.counters["second_upper"] = setup.second.upper;
    }
    state.counters["pool"] = static_cast<double>(setup.main.pool.size());
}

// Every setup leaves at least twice the columns a run makes, or the baseline would never end.
bool enoughColumns(benchmark::State &state, const GeneratorSetup &setup)
{
    if (countPossibleColumns(setup) >= 2 * kColumns)
        return true;
    state.SkipWithError("fewer than 64,000 possible columns");
    return false;
}

void runGenerator(benchmark::State &state, const GeneratorSetup &setup)
{
    if (!enoughColumns(state, setup))
        return;
    int64_t attempts = 0;
    for (auto _ : state)
        attempts += generatorRun(setup);
    countersOf(state, setup, attempts);
}

void runFairBaseline(benchmark::State &state, const GeneratorSetup &setup)
{
    if (!enoughColumns(state, setup))
        return;
    FairBaseline baseline(setup);
    int64_t attempts = 0;
    for (auto _ : state)
        attempts += baseline.run();
    countersOf(state, setup, attempts);
}

// The argument is the interval's percentage; the 6/49 lotto, the two-drum 5/50 + 2/12 lotto, the
// seven-digit game.
template <Family F>
void BM_Generator32000(benchmark::State &state)
{
    runGenerator(state, preparedSetup(F, static_cast<int>(state.range(0))));
}
template <Family F>
void BM_FairBaseline32000(benchmark::State &state)
{
    runFairBaseline(state, preparedSetup(F, static_cast<int>(state.range(0))));
}

// Power increase at level 4 over a window of 500,000 drawings of the 6/49: a pool of some 10^11
// elements, drawn through its running sums.
constexpr int kLongWindow = 500000;
void BM_Generator32000_PowerIncrease4_LongWindow(benchmark::State &state)
{
    runGenerator(state, preparedSetup(Lotto649, static_cast<int>(state.range(0)), kLongWindow, 49, true, 4));
}
void BM_FairBaseline32000_PowerIncrease4_LongWindow(benchmark::State &state)
{
    runFairBaseline(state, preparedSetup(Lotto649, static_cast<int>(state.range(0)), kLongWindow, 49, true, 4));
}

// The generator beside the fair baseline over ten random histories of 5,000 drawings: for each
// history the median of seven runs of each, taken in turn; the ratio of the medians. The time is
// the generator's median over the histories. The arguments: the family, then the percentage.
void BM_GeneratorOverBaseline_TenHistories(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    const auto family = static_cast<Family>(state.range(0));
    const int percent = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::vector<double> ratios, generatorMs, baselineMs;
        for (uint32_t seed : benchseeds::kSeeds) {
            const GeneratorSetup setup = preparedSetup(family, percent, 5000, seed);
            if (!enoughColumns(state, setup))
                return;
            FairBaseline baseline(setup);
            std::vector<double> gen, base;
            for (int i = 0; i < 7; ++i) {
                Clock::time_point start = Clock::now();
                generatorRun(setup);
                gen.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                start = Clock::now();
                baseline.run();
                base.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            }
            generatorMs.push_back(benchseeds::median(gen));
            baselineMs.push_back(benchseeds::median(base));
            ratios.push_back(generatorMs.back() / baselineMs.back());
        }
        state.SetIterationTime(benchseeds::median(generatorMs) / 1000.0);
        state.counters["ratio_worst"] = *std::max_element(ratios.begin(), ratios.end());
        state.counters["ratio_median"] = benchseeds::median(ratios);
        state.counters["generator_ms_median"] = benchseeds::median(generatorMs);
        state.counters["baseline_ms_median"] = benchseeds::median(baselineMs);
    }
}

// The count of possible columns DRAW makes before a run, at 1 %, over windows of 5,000 to
// 500,000 drawings (the argument): the pick counts, and with them the sums, grow with the window.
void BM_CountPossibleColumns_Interval1(benchmark::State &state)
{
    const GeneratorSetup setup = preparedSetup(Lotto649, 1, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(countPossibleColumns(setup));
    state.counters["upper"] = setup.main.upper;
}

// The check DRAW makes before a run: the count of possible columns (6 of 49 under the interval)
// less the 32,000 columns of a kept ticket.
void BM_DrawCheckWithFullTicket(benchmark::State &state)
{
    GeneratorSetup setup = preparedSetup(Lotto649, 10);
    TicketGrid ticket;
    generatorRun(setup, &ticket);
    setup.incremental = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkTicketDraw(setup, ticket, kColumns, 1));
}

void percents(benchmark::internal::Benchmark *b) { b->Arg(100)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond); }

}  // namespace

BENCHMARK(BM_DrawCheckWithFullTicket)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPossibleColumns_Interval1)->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FairBaseline32000<Lotto649>)->Name("BM_FairBaseline32000")->Apply(percents);
BENCHMARK(BM_Generator32000<Lotto649>)->Name("BM_Generator32000")->Apply(percents);
BENCHMARK(BM_FairBaseline32000<TwoDrum550_212>)->Name("BM_FairBaseline32000_TwoDrum550_212")->Apply(percents);
BENCHMARK(BM_Generator32000<TwoDrum550_212>)->Name("BM_Generator32000_TwoDrum550_212")->Apply(percents);
BENCHMARK(BM_FairBaseline32000<Digits7>)->Name("BM_FairBaseline32000_Digits7")->Apply(percents);
BENCHMARK(BM_Generator32000<Digits7>)->Name("BM_Generator32000_Digits7")->Apply(percents);
BENCHMARK(BM_FairBaseline32000_PowerIncrease4_LongWindow)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generator32000_PowerIncrease4_LongWindow)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratorOverBaseline_TenHistories)
    ->ArgsProduct({{Lotto649, TwoDrum550_212, Digits7}, {100, 10, 1}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
