// The digit board beside the lotto board in the same run, offscreen, each lottery given 50,000
// daily drawings made from a seed: a six-digit game ("Bench Pick 6", 1,000,000 different columns,
// so that DRAW makes as many columns as on the lotto board) and the sample 6/49 with one bonus
// number. Both are measured as in useractions_bench:
// - BM_Open/<game>/<seed>: Lottery > Load from another board to the new board painted.
// - BM_Draw32000_Interval10/<game>/<seed>: DRAW of 32,000 columns at the 10 % power interval,
//   ticked and picked on the board (the counters `lower` and `upper` are the limits in force),
//   every ticket checked against the rules set on the board.
// The first argument is the game: 0 the lotto 6/49, 1 the Pick 6.

#include "benchworld.h"
#include "benchwindows.h"

namespace {

using namespace benchworld;

constexpr int kDrawings = 50000;

const QString &databaseOf(int64_t game) { return game == 0 ? kDatabase : kPick6; }

void BM_Open(benchmark::State &state)
{
    timeLoading(state, kDrawings, static_cast<uint64_t>(state.range(1)), databaseOf(state.range(0)));
}

void BM_Draw32000_Interval10(benchmark::State &state)
{
    OpenBoard(state, kDrawings, static_cast<uint64_t>(state.range(1)), databaseOf(state.range(0))).timeDraw(10);
}

void games(benchmark::internal::Benchmark *b)
{
    b->ArgsProduct({{0, 1}, {1, 2, 3}})->Unit(benchmark::kMillisecond)->UseManualTime();
}

}  // namespace

BENCHMARK(BM_Open)->Apply(games);
BENCHMARK(BM_Draw32000_Interval10)->Apply(games);

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
