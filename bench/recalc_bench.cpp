// A full POWER recalculation (pick counts, ranks, last weeks, powers, pool, drawing sums) over
// 5,000 lotto drawings and over 30,000 three-digit drawings; also with the drawings first read
// from an SQLite results database, as POWER does on the program's lotteries.

#include "analysis/recalc.h"
#include "benchhistory.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

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

void recalc(benchmark::State &state, const GameShape &g, int drawings)
{
    g.makeCurrent();
    const History h = benchHistory(g, drawings, 7);
    const RecalcInputs in = windowOf(h, state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(recalculateAll(h, in));
        benchmark::DoNotOptimize(gDrum.garrPool.size());
    }
}

void BM_Recalc_Lotto649_5000(benchmark::State &state) { recalc(state, GameShape::lotto(49, 6), 5000); }
void BM_Recalc_Digits3_30000(benchmark::State &state) { recalc(state, GameShape::digits(3), 30000); }

// The drawings written to an SQLite file and read back whole before each recalculation.
void recalcFromDatabase(benchmark::State &state, const GameShape &g, int drawings)
{
    g.makeCurrent();
    const History source = benchHistory(g, drawings, 7);
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("bench.db")).toUtf8();
    sqlite3 *db = nullptr;
    sqlite3_open(path.constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE TBLRESULTS (WeekNo INTEGER PRIMARY KEY, WeekDate TEXT, WinnerNumber1 INTEGER, "
                 "WinnerNumber2 INTEGER, WinnerNumber3 INTEGER, WinnerNumber4 INTEGER, WinnerNumber5 INTEGER, "
                 "WinnerNumber6 INTEGER, WinnerNumber7 INTEGER, WinnerNumber8 INTEGER); BEGIN",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO TBLRESULTS VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    for (const Drawing &d : source) {
        sqlite3_bind_int(insert, 1, d.weekNo);
        const QByteArray date = d.date.toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text(insert, 2, date.constData(), -1, SQLITE_TRANSIENT);
        for (int c = 0; c < 8; ++c)
            sqlite3_bind_int(insert, 3 + c, d.numbers[static_cast<size_t>(c)]);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

    for (auto _ : state) {
        History h;
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM TBLRESULTS ORDER BY WeekNo", -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            Drawing d;
            d.weekNo = sqlite3_column_int(st, 0);
            d.date = QDate::fromString(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 1))),
                                       Qt::ISODate);
            for (int c = 0; c < 8; ++c)
                d.numbers[static_cast<size_t>(c)] = sqlite3_column_int(st, 2 + c);
            h.push_back(d);
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(recalculateAll(h, windowOf(h, state.range(0) != 0)));
    }
    sqlite3_close(db);
}

void BM_LoadAndRecalc_Lotto649_5000(benchmark::State &state) { recalcFromDatabase(state, GameShape::lotto(49, 6), 5000); }
void BM_LoadAndRecalc_Digits3_30000(benchmark::State &state) { recalcFromDatabase(state, GameShape::digits(3), 30000); }

}  // namespace

// Argument: power increase off (0) or on (1).
BENCHMARK(BM_Recalc_Lotto649_5000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recalc_Digits3_30000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndRecalc_Lotto649_5000)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndRecalc_Digits3_30000)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
