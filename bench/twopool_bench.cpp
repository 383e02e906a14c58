// DRAW of 32,000 columns end to end on the two-pool board of the sample 5/50 + 2/12 lottery, beside
// the same DRAW on the lotto board of the sample 6/49 lottery (one bonus number), both given 5,000
// daily drawings in the same run: the power interval ticked and set on the board (on both drums of
// the two-drum lottery), incremental ticket off, the progress dialog shown modally and driving the
// run, then the comparison of every column and the ticket list filled. The argument is the
// interval's percentage.

#include "analysis/generator.h"
#include "app/application.h"
#include "dialogs/lotteryswitch.h"
#include "dialogs/frmcolumnprogress.h"
#include "benchworld.h"
#include "benchwindows.h"

#include <QTemporaryDir>

namespace {

constexpr int kDrawings = 5000;
const QString kTwoDrum = QStringLiteral("Sample Two-Drum 5-50 + 2-12.mdb");

// The sample program folder, made once per run: both lotteries with 5,000 daily drawings.
QString folder()
{
    static QTemporaryDir root;
    static QString made;
    if (made.isEmpty()) {
        made = root.path() + QStringLiteral("/program");
        benchworld::writeFolder(made, kDrawings);
        for (const samples::SampleLottery &s : samples::sampleLotteries()) {
            if (s.lottery.databaseFile != kTwoDrum)
                continue;
            const QString path = made + QStringLiteral("/LotteryDBs/") + kTwoDrum;
            QFile::remove(path);
            const QDate last(2026, 11, 28);
            const auto dates = samples::drawingDates(samples::Schedule::Daily, last.addDays(1 - kDrawings), last);
            QString error;
            if (!lotterydb::createResultsDatabase(path, samples::makeDrawings(s.config, dates, 4912),
                                                  samples::numbersPerDrawing(s.config), &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                std::abort();
            }
        }
    }
    return made;
}

// Opens a lottery as start-up opens the last one; its board, or nothing.
BoardBase *openLottery(const QString &database)
{
    app().gstrLotteryDbFile.clear();
    app().gstrLastLotteryDbFile = database;
    subOpenSelectedLottery();
    BoardBase *board = boardInFront();
    return board && gblnBoardInitialised ? board : nullptr;
}

void drawOn(benchmark::State &state, const QString &database)
{
    const int percent = static_cast<int>(state.range(0));
    benchworld::startServices(folder());
    BoardBase *board = openLottery(database);
    if (!board || glngTotalWeeks != kDrawings) {
        state.SkipWithError("the board did not open with every drawing");
        benchworld::closeLottery();
        benchworld::stopServices();
        return;
    }
    const int messages = benchworld::messageCount();
    const int index = percent == 1 ? 0 : percent / 10;
    for (Drum drum : board->gameDrums()) {
        board->drum(drum).chkPowerInterval->setValue(1);
        board->drum(drum).cboPowerIntervalPct->setListIndex(index);
    }
    board->chkIncrementalTicket->setValue(0);
    for (auto _ : state) {
        board->txtColumnsToDraw->setText(QStringLiteral("32000"));
        board->cmdDraw_Click();
        if (board->lstTicket->listCount() != 32000) {
            state.SkipWithError("DRAW did not make 32000 columns");
            break;
        }
        QApplication::processEvents();
    }
    if (benchworld::messageCount() != messages)
        state.SkipWithError(qPrintable(QStringLiteral("DRAW showed a message: ") + benchworld::lastMessage()));
    state.counters["drums"] = static_cast<double>(board->gameDrums().size());
    benchworld::closeLottery();
    benchworld::stopServices();
}

void BM_Draw32000_Lotto649(benchmark::State &state) { drawOn(state, benchworld::kDatabase); }
void BM_Draw32000_TwoDrum550_212(benchmark::State &state) { drawOn(state, kTwoDrum); }

void percents(benchmark::internal::Benchmark *b)
{
    b->Arg(100)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(BM_Draw32000_Lotto649)->Apply(percents);
BENCHMARK(BM_Draw32000_TwoDrum550_212)->Apply(percents);

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
