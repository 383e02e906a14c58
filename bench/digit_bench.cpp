// The digit board beside the lotto board in the same run, offscreen, each lottery given 30,000
// daily drawings made from a fixed seed: the sample Pick 4 ("140") and the sample 6/49 with one
// bonus number ("610").
// - BM_Open/<game>: the lottery opened as start-up opens the last lottery, to its shown, analysed
//   board (drawings listed, settings reset, POWER over the whole history, pool shown).
// - BM_Draw32000/<game>: DRAW as the user asks for 32,000 new columns, end to end: the check, the
//   progress dialog shown modally and driving the run, the comparison of every column and the
//   ticket list. A four-digit game has 10,000 different columns, so DRAW makes all 10,000 of them
//   there (the notice that fewer columns are possible is answered); the counter `columns` says how
//   many were made.
// The argument is the game: 0 the lotto 6/49, 1 the Pick 4.

#include "benchworld.h"
#include "benchwindows.h"
#include "dialogs/frmcolumnprogress.h"

#include <QTemporaryDir>

namespace {

constexpr int kDrawings = 30000;

const QString &databaseOf(int game)
{
    static const QString lotto = QStringLiteral("Sample Lotto 6-49.mdb");
    static const QString pick4 = QStringLiteral("Sample Pick 4.mdb");
    return game == 0 ? lotto : pick4;
}

// The sample program folder, both lotteries holding kDrawings daily drawings; made once a run.
const QString &folder()
{
    static QTemporaryDir root;
    static const QString made = [] {
        const QString path = root.path() + QStringLiteral("/digits");
        QDir().mkpath(path + QStringLiteral("/SavedTickets"));
        samples::writeSampleLotteries(path);
        const QDate last(2026, 11, 28);
        const auto dates = samples::drawingDates(samples::Schedule::Daily, last.addDays(1 - kDrawings), last);
        for (const samples::SampleLottery &s : samples::sampleLotteries()) {
            if (s.lottery.databaseFile != databaseOf(0) && s.lottery.databaseFile != databaseOf(1))
                continue;
            const QString file = path + QStringLiteral("/LotteryDBs/") + s.lottery.databaseFile;
            QFile::remove(file);
            QString error;
            if (!lotterydb::createResultsDatabase(file, samples::makeDrawings(s.config, dates, 4911),
                                                  samples::numbersPerDrawing(s.config), &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                std::abort();
            }
        }
        return path;
    }();
    return made;
}

BoardBase *openGame(int game)
{
    BoardBase *board = benchworld::openLottery(databaseOf(game));
    return board && glngTotalWeeks == kDrawings ? board : nullptr;
}

void BM_Open(benchmark::State &state)
{
    benchworld::timeOpening(state, folder(), databaseOf(static_cast<int>(state.range(0))), kDrawings);
}

void BM_Draw32000(benchmark::State &state)
{
    const int game = static_cast<int>(state.range(0));
    benchworld::startServices(folder());
    BoardBase *board = openGame(game);
    if (!board) {
        state.SkipWithError("the board did not open");
        benchworld::stopServices();
        return;
    }
    const int expected = game == 0 ? 32000 : 10000;
    for (auto _ : state) {
        board->chkIncrementalTicket->setValue(0);
        board->txtColumnsToDraw->setText(QStringLiteral("32000"));
        board->cmdDraw_Click();
        QApplication::processEvents();
        if (board->lstTicket->listCount() != expected) {
            state.SkipWithError("DRAW did not make the columns asked for");
            break;
        }
    }
    state.counters["columns"] = board->lstTicket->listCount();
    benchworld::closeLottery();
    benchworld::stopServices();
}

void games(benchmark::internal::Benchmark *b) { b->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime(); }

}  // namespace

BENCHMARK(BM_Open)->Apply(games);
BENCHMARK(BM_Draw32000)->Apply(games);

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
