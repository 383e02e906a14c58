// Opening the sample 6/49 lottery (one bonus number) as the program opens its last lottery at
// start-up: catalogues read and checked, the lotto board created, its load routine run (language,
// layout, drawings listed, settings reset, POWER, pool) and the board shown, offscreen.

#include "analysis/ui/clsanalysis.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "app/apppaths.h"
#include "app/globals.h"
#include "app/services.h"
#include "boards/common/iboard.h"
#include "platform/ui/screen.h"
#include "benchwindows.h"

#include <QTemporaryDir>

namespace {

void BM_OpenSample649Board(benchmark::State &state)
{
    QTemporaryDir dir;
    qputenv("TALVINOR_HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
    samples::writeSampleLotteries(dir.path());
    subSetProgramFolderPaths(dir.path());
    setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
    createServiceObjects();
    glngLanguage = 2;

    for (auto _ : state) {
        gstrLotteryDbFile.clear();
        gstrLastLotteryDbFile = QStringLiteral("Sample Lotto 6-49.mdb");
        gobjAnalysis->subOpenSelectedLottery();
        IBoard *board = currentBoard();
        if (!board || !gblnBoardInitialised) {
            state.SkipWithError("the board did not open");
            break;
        }
        state.PauseTiming();
        board->unloadBoard();
        gfrmCurrentBoard = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    releaseServiceObjects();
    setScreenMetricsOverride(std::nullopt);
}

}  // namespace

BENCHMARK(BM_OpenSample649Board)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
