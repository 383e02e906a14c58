// DRAW of 32,000 columns on the two-pool board of the sample 5/50 + 2/12 lottery beside the same
// DRAW on the lotto board of the sample 6/49 lottery (one bonus number), over ten random histories
// (one seed each) of 5,000 or 50,000 daily drawings, both boards in turn in the same process: the
// power interval ticked and its percentage picked on the board (on both drums of the two-drum
// lottery; its second drum at 10 % when the main drum is at 1 %, as an interval of 1 % leaves one
// of its 66 pairs or none), incremental ticket off; each DRAW timed from the click to the program
// idle again (the progress dialog shown modally and driving the run, every column compared, the
// ticket list filled and the board painted). Each board is opened nine times per history, two
// DRAWs timed each time; the ratio of each history is the median over the nine rounds of the
// two-pool board's mean DRAW over the lotto board's; the counters give the worst and the median
// ratio over the histories. Every ticket is checked, outside the timed part, against the rules set
// on its board and its ticket list against it; the counters give the limits of the history with
// the worst ratio. BM_FirstDraw32000 times the DRAWs of one board on one history, for scripts/bench
// to run alone in a process of its own: its one DRAW is the first of its process. And Compare of
// the 32,000 columns on both boards, click to idle.
// Arguments: the number of drawings, then the interval's percentage (BM_FirstDraw32000: then the
// board, 0 the lotto board, 1 the two-pool board, and the seed; Compare: the drawings, then the
// board).

#include "benchseeds.h"
#include "benchwindows.h"
#include "benchworld.h"

namespace {

using benchworld::control;
using benchworld::drumControl;
using benchworld::kDatabase;
using benchworld::kTwoDrum;
constexpr int kColumns = 32000;
constexpr int kTimedDraws = 2;
constexpr int kRounds = 9;

const QString &databaseOf(int64_t board) { return board ? kTwoDrum : kDatabase; }

// The services started on a fresh folder of the history of `drawings` drawings from `seed`, both
// lotteries in it.
void startOn(int drawings, uint32_t seed)
{
    benchworld::startServices(benchworld::freshFolder(drawings, seed, {kDatabase, kTwoDrum}));
}

// The board of a lottery opened in the started services, with the interval set on every drum as
// the user sets it and the incremental ticket off, ready to DRAW.
struct DrawingBoard {
    BoardBase *board = nullptr;
    std::array<int32_t, 4> limits{};  // lower and upper of the main drum, then of the second
    QString problem;

    DrawingBoard(const QString &database, int percent)
    {
        board = benchworld::openLottery(database);
        if (!board) {
            problem = QStringLiteral("the board of %1 did not open").arg(database);
            return;
        }
        for (Drum d : board->lottery().gLayout.drums()) {
            // The second drum's 66 pairs leave one or none at 1 %: it keeps 10 % there.
            const int drumPercent = d == Drum::Second ? std::max(percent, 10) : percent;
            control<VbCheck>(board, drumControl("chkPowerInterval", d))->setValue(1);
            control<VbCombo>(board, drumControl("cboPowerIntervalPct", d))->setListIndex(drumPercent == 1 ? 0 : drumPercent / 10);
            const DrumState &state = board->lottery().drum(d);
            if (!state.gblnPowerInterval || control<VbCombo>(board, drumControl("cboPowerIntervalPct", d))->text() != QString::number(drumPercent))
                problem = QStringLiteral("the interval was not set on %1").arg(database);
            limits[d == Drum::Second ? 2 : 0] = state.garrIntervalLimits[0];
            limits[d == Drum::Second ? 3 : 1] = state.garrIntervalLimits[1];
        }
        control<VbCheck>(board, QStringLiteral("chkIncrementalTicket"))->setValue(0);
    }

    // DRAW of 32,000 columns, timed from the click to the program idle; its seconds, after the
    // ticket is checked (a problem otherwise).
    double draw()
    {
        control<VbTextBox>(board, QStringLiteral("txtColumnsToDraw"))->setText(QString::number(kColumns));
        benchworld::untilIdle();
        const double seconds = benchworld::timeToIdle([this] { control<VbButton>(board, QStringLiteral("cmdDraw"))->click(); });
        if (const QString fault = benchworld::ticketFault(*board, kColumns); !fault.isEmpty())
            problem = QStringLiteral("DRAW on %1: %2").arg(board->lottery().gstrLotteryName, fault);
        return seconds;
    }
};

struct BoardRun {
    std::vector<double> drawMs;
    std::array<int32_t, 4> limits{};
    QString problem;
};

// Opens the lottery in the started services, sets the interval on every drum as the user does,
// and times `kTimedDraws` DRAWs of 32,000 columns after an untimed first one.
BoardRun drawOnBoard(const QString &database, int percent)
{
    DrawingBoard board(database, percent);
    const int messages = benchworld::messageCount();
    BoardRun run;
    for (int i = 0; i <= kTimedDraws && board.problem.isEmpty(); ++i) {
        const double ms = 1e3 * board.draw();
        if (i > 0)
            run.drawMs.push_back(ms);
    }
    run.limits = board.limits;
    run.problem = board.problem;
    if (benchworld::messageCount() != messages)
        run.problem = QStringLiteral("DRAW showed a message: ") + benchworld::lastMessage();
    benchworld::closeLottery();
    return run;
}

void BM_Draw32000_TwoDrumBesideLotto(benchmark::State &state)
{
    const int drawings = static_cast<int>(state.range(0));
    const int percent = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::vector<double> ratios, lottoMs, twoDrumMs;
        std::array<int32_t, 4> worstLimits{};
        uint32_t worstSeed = 0;
        for (size_t h = 0; h < benchseeds::kSeeds.size(); ++h) {
            startOn(drawings, benchseeds::kSeeds[h]);
            // Nine rounds of both boards, the board that goes first changing from one round to
            // the next: a burst of other work on the machine spoils a few rounds, not the
            // history (of five rounds, a burst has spoiled three).
            std::vector<double> lottoDraws, twoDrumDraws, roundRatios;
            BoardRun twoDrum;
            for (int round = 0; round < kRounds; ++round) {
                BoardRun lotto;
                if ((h + static_cast<size_t>(round)) % 2 == 0) {
                    lotto = drawOnBoard(kDatabase, percent);
                    twoDrum = drawOnBoard(kTwoDrum, percent);
                } else {
                    twoDrum = drawOnBoard(kTwoDrum, percent);
                    lotto = drawOnBoard(kDatabase, percent);
                }
                if (!lotto.problem.isEmpty() || !twoDrum.problem.isEmpty()) {
                    benchworld::stopServices();
                    state.SkipWithError(qPrintable(lotto.problem + twoDrum.problem));
                    return;
                }
                lottoDraws.insert(lottoDraws.end(), lotto.drawMs.begin(), lotto.drawMs.end());
                twoDrumDraws.insert(twoDrumDraws.end(), twoDrum.drawMs.begin(), twoDrum.drawMs.end());
                roundRatios.push_back(benchseeds::median(twoDrum.drawMs) / benchseeds::median(lotto.drawMs));
            }
            benchworld::stopServices();
            lottoMs.push_back(benchseeds::median(lottoDraws));
            twoDrumMs.push_back(benchseeds::median(twoDrumDraws));
            ratios.push_back(benchseeds::median(roundRatios));
            if (ratios.back() >= *std::max_element(ratios.begin(), ratios.end())) {
                worstSeed = benchseeds::kSeeds[h];
                worstLimits = twoDrum.limits;
            }
        }
        state.SetIterationTime(benchseeds::median(twoDrumMs) / 1000.0);
        state.counters["ratio_worst"] = *std::max_element(ratios.begin(), ratios.end());
        state.counters["ratio_median"] = benchseeds::median(ratios);
        state.counters["lotto_ms_median"] = benchseeds::median(lottoMs);
        state.counters["twodrum_ms_median"] = benchseeds::median(twoDrumMs);
        state.counters["twodrum_ms_worst"] = *std::max_element(twoDrumMs.begin(), twoDrumMs.end());
        state.counters["worst_seed"] = worstSeed;
        state.counters["worst_main_lower"] = worstLimits[0];
        state.counters["worst_main_upper"] = worstLimits[1];
        state.counters["worst_second_lower"] = worstLimits[2];
        state.counters["worst_second_upper"] = worstLimits[3];
    }
}

// The DRAWs of one board on one history, each timed and checked.
void BM_FirstDraw32000(benchmark::State &state)
{
    startOn(static_cast<int>(state.range(0)), static_cast<uint32_t>(state.range(3)));
    DrawingBoard board(databaseOf(state.range(2)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        if (!board.problem.isEmpty())
            break;
        state.SetIterationTime(board.draw());
    }
    if (!board.problem.isEmpty())
        state.SkipWithError(qPrintable(board.problem));
    benchworld::stopServices();
}

// Compare of a ticket of 32,000 columns drawn at 10 %, from the click to the program idle again,
// each time against another end drawing than the one before, chosen on the board before the click:
// most lines change. The ticket list is checked after each, every column's hits against a count
// of the benchmark's own (benchworld::CompareRounds); the counter `changed` is the lines the last
// Compare changed.
void BM_Compare32000(benchmark::State &state)
{
    const int drawings = static_cast<int>(state.range(0));
    startOn(drawings, benchseeds::kSeeds[0]);
    DrawingBoard board(databaseOf(state.range(1)), 10);
    benchworld::CompareRounds rounds(databaseOf(state.range(1)), drawings, benchseeds::kSeeds[0]);
    const int messages = benchworld::messageCount();
    if (board.problem.isEmpty())
        board.draw();
    for (auto _ : state) {
        if (!board.problem.isEmpty())
            break;
        board.problem = rounds.chooseOther(*board.board);
        if (!board.problem.isEmpty())
            break;
        state.SetIterationTime(benchworld::timeToIdle([&] { benchworld::click(control(board.board, QStringLiteral("cmdCompare"))); }));
        if (const QString fault = rounds.fault(*board.board, kColumns); !fault.isEmpty())
            board.problem = QStringLiteral("Compare: ") + fault;
    }
    state.counters["changed"] = rounds.changedLines;
    if (!board.problem.isEmpty())
        state.SkipWithError(qPrintable(board.problem));
    else if (benchworld::messageCount() != messages)
        state.SkipWithError(qPrintable(QStringLiteral("a message: ") + benchworld::lastMessage()));
    benchworld::stopServices();
}

void firstDraws(benchmark::internal::Benchmark *b)
{
    for (int64_t drawings : {5000, 50000})
        for (int64_t percent : {100, 10, 1})
            for (int64_t board : {0, 1})
                for (uint32_t seed : benchseeds::kSeeds)
                    b->Args({drawings, percent, board, seed});
    b->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_Draw32000_TwoDrumBesideLotto)
    ->ArgsProduct({{5000, 50000}, {100, 10, 1}})
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstDraw32000)->Apply(firstDraws);
BENCHMARK(BM_Compare32000)->ArgsProduct({{5000, 50000}, {0, 1}})->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
