// A full POWER recalculation (pick counts, ranks, last weeks, powers, pool, drawing sums) without
// the board: over 5,000 lotto drawings, over 30,000 three-digit drawings, and over 50,000 and
// 500,000 drawings of the 6/49 lottery of the board benchmarks; also with the drawings first read
// from a results database, as a lottery's opening does (POWER itself keeps them). The pick counts
// and pool counts of the main drum are checked, outside the timed part, against those worked out
// from the drawings themselves. Arguments: power increase off (0) or on (1), the seed of the random
// history (and the number of drawings).

#include "analysis/clslotterydb.h"
#include "analysis/recalc.h"
#include "app/application.h"
#include "benchhistory.h"
#include "benchpower.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

RecalcInputs windowOf(const History &h, bool powerIncrease)
{
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = h.back().weekNo;
    in.upToDate = h.back().date;
    in.totalWeeks = static_cast<int32_t>(h.size());
    in.powerIncrease = powerIncrease;
    in.level = 3;
    return in;
}

// Skips the benchmark when the pick counts or the pool of the main drum that POWER gave over `h`
// are not those of the drawings themselves.
void check(benchmark::State &state, const History &h, const GameLayout &g, const RecalcInputs &in,
           const PowerTables &tables)
{
    const DrumShape shape = g.drum(Drum::Main);
    // The main numbers stand in the first columns: every digit of a digit game, the lotto numbers
    // before the bonus.
    const int columns = g.digits() ? g.lastMainPosition + 1 : g.lastMainPosition;
    const benchpower::Expected e = benchpower::expectedPower(
        h, {shape.firstBall, shape.maxBall, 1, columns},
        {in.fromWeek, in.toWeek, in.upToDate, in.powerIncrease, in.hotColdMode != 0, in.level, in.totalWeeks});
    const BallArray<int32_t> &picks = tables.of(Drum::Main).pickCount;
    const Pool pool = fillPoolFromPowers(tables.of(Drum::Main).power, {}, shape, in).pool;
    for (int32_t b = shape.firstBall; b <= shape.maxBall; ++b) {
        const auto i = static_cast<size_t>(b);
        if (picks.value(b, -1) != e.picks[i] || pool.count(b) != e.pool[i]) {
            state.SkipWithError(QStringLiteral("ball %1: pick count %2 and pool count %3, counted %4 and %5")
                                    .arg(b).arg(picks.value(b, -1)).arg(pool.count(b)).arg(e.picks[i]).arg(e.pool[i])
                                    .toStdString().c_str());
            return;
        }
    }
}

void recalc(benchmark::State &state, const GameLayout &g, int drawings)
{
    const History h = benchHistory(g, drawings, static_cast<uint64_t>(state.range(1)));
    const RecalcInputs in = windowOf(h, state.range(0) != 0);
    PowerTables tables;
    for (auto _ : state) {
        // POWER's tables and the pool of the main drum's powers.
        tables = recalculateAll(h, in, g);
        benchmark::DoNotOptimize(fillPoolFromPowers(tables.drums[0].power, {}, g.drum(Drum::Main), in).pool.size());
    }
    check(state, h, g, in, tables);
}

void BM_Recalc_Lotto649_5000(benchmark::State &state) { recalc(state, GameLayout::lotto(49, 6), 5000); }
void BM_Recalc_Digits3_30000(benchmark::State &state) { recalc(state, GameLayout::digits(3), 30000); }
// The lottery of the board benchmarks (6/49 and a bonus number from the same drum); the third
// argument is the number of drawings.
void BM_Recalc_Lotto649Bonus(benchmark::State &state)
{
    recalc(state, GameLayout::lotto(49, 6, 1), static_cast<int>(state.range(2)));
}

// The drawings in a results database file, read back whole through the program's connection
// before each recalculation, as POWER reads them.
void recalcFromDatabase(benchmark::State &state, const GameLayout &g, int drawings)
{
    QTemporaryDir dir;
    app().gstrLotteryDbsFolder = dir.path() + u'/';
    app().gstrLotteryDbFile = QStringLiteral("bench.mdb");
    QString error;
    const int columns = g.digits() ? g.lastMainPosition + 1 : g.lastMainPosition + g.bonusPositions();
    if (!lotterydb::createResultsDatabase(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile,
                                          benchHistory(g, drawings, static_cast<uint64_t>(state.range(1))),
                                          columns, &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    clsLotteryDb db;
    db.subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile);
    PowerTables tables;
    for (auto _ : state) {
        const std::optional<History> h = db.fncLoadHistory();
        if (!h) {
            state.SkipWithError(db.lastError().toStdString().c_str());
            return;
        }
        tables = recalculateAll(*h, windowOf(*h, state.range(0) != 0), g);
        benchmark::DoNotOptimize(tables);
    }
    const History made = benchHistory(g, drawings, static_cast<uint64_t>(state.range(1)));
    check(state, made, g, windowOf(made, state.range(0) != 0), tables);
}

void BM_LoadAndRecalc_Lotto649_5000(benchmark::State &state) { recalcFromDatabase(state, GameLayout::lotto(49, 6), 5000); }
void BM_LoadAndRecalc_Digits3_30000(benchmark::State &state) { recalcFromDatabase(state, GameLayout::digits(3), 30000); }

}  // namespace

BENCHMARK(BM_Recalc_Lotto649_5000)->ArgsProduct({{0, 1}, {7, 8, 9}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recalc_Digits3_30000)->ArgsProduct({{0, 1}, {7, 8, 9}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recalc_Lotto649Bonus)->ArgsProduct({{0, 1}, {7}, {50000, 500000}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndRecalc_Lotto649_5000)->ArgsProduct({{1}, {7, 8, 9}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndRecalc_Digits3_30000)->ArgsProduct({{1}, {7, 8, 9}})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
