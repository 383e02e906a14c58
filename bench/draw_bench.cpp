// DRAW on a board with the sample 6/49 lottery (one bonus number), offscreen: 32,000 new columns
// through the column-generation dialog, the comparison of every column and the ticket list filled;
// and the comparison of 32,000 columns alone, with and without filling the list.

#include "analysis/clslotterydb.h"
#include "analysis/comparison.h"
#include "analysis/lotteryopening.h"
#include "analysis/samplelotteries.h"
#include "analysis/state.h"
#include "analysis/ui/clsanalysis.h"
#include "analysis/ui/clsanalysisbonus.h"
#include "app/apppaths.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "boards/common/boardbase.h"
#include "dialogs/frmcolumnprogress.h"
#include "platform/dates.h"
#include "benchwindows.h"

#include <QTemporaryDir>
#include <memory>

namespace {

// A board of the lotto family without a layout, as the tests use it.
class BenchBoard : public BoardBase {
public:
    BenchBoard() : BoardBase(BoardFamily::Lotto) {}
    void showBoard() override { show(); }
    void unloadBoard() override { hide(); }
    void readBoardSettings(BoardSettings &) override {}
    void applyBoardSettings(const BoardSettings &) override {}
    void resetBoardSettings(const BoardSettings &) override {}
};

// The sample 6/49 lottery open on a bench board, POWER run, as after the board's load.
struct OpenLottery {
    QTemporaryDir dir;
    clsLotteryDb db;
    clsAnalysis analysis;
    clsAnalysisBONUS analysisBonus;
    std::unique_ptr<BenchBoard> board;

    OpenLottery()
    {
        subSetProgramFolderPaths(dir.path());
        samples::writeSampleLotteries(dir.path());
        gstrLotteryDbFile = QStringLiteral("Sample Lotto 6-49.mdb");
        const OpeningCheck check = prepareLotteryOpening(gstrLotteryDbFile);
        commitLotteryOpening(check.opening);
        gstrGameCode = check.opening.gameCode.code;
        gobjLotteryDb = &db;
        gobjAnalysis = &analysis;
        gobjAnalysisBONUS = &analysisBonus;
        board = std::make_unique<BenchBoard>();
        gfrmCurrentBoard = board.get();
        BenchBoard &b = *board;
        b.main.cboPowerIntervalPct->addItem(QStringLiteral("1"));
        for (int v = 10; v <= 100; v += 10)
            b.main.cboPowerIntervalPct->addItem(QString::number(v));
        b.hsbPowerIncrease->setMin(2);
        b.hsbPowerIncrease->setMax(4);
        b.hsbPowerIncrease->setValue(2);
        analysis.fncTotalWeekNumberAndAllGameDates();
        b.cboStartDrawing->setText(QStringLiteral("1"));
        b.cboEndDrawing->setText(QString::number(glngTotalWeeks));
        b.cboDrawingDate->setText(dates::toShortText(garrGameDates[1]));
        b.main.cboPowerIntervalPct->setText(QStringLiteral("1"));
        gDrum.garrPoolCountEdited.fill(-3);
        b.cmdPower_Click();
        gblnBoardInitialised = true;
        b.subRefreshPool();
        b.lstTicket->resize(400, 300);
        b.show();
    }
    // A ticket of 32,000 columns, drawn once.
    void drawFullTicket()
    {
        frmColumnProgress::setSynchronousDisplay(true);
        board->txtColumnsToDraw->setText(QStringLiteral("32000"));
        board->cmdDraw_Click();
        frmColumnProgress::setSynchronousDisplay(false);
    }
    ~OpenLottery()
    {
        gfrmCurrentBoard = nullptr;
        board.reset();
        gobjLotteryDb = nullptr;
        gobjAnalysis = nullptr;
        gobjAnalysisBONUS = nullptr;
    }
};

// DRAW of 32,000 columns, the progress dialog shown modally with its timer (synchronous: its
// ticks run without showing it).
void drawEndToEnd(benchmark::State &state, bool synchronous)
{
    OpenLottery open;
    frmColumnProgress::setSynchronousDisplay(synchronous);
    open.board->txtColumnsToDraw->setText(QStringLiteral("32000"));
    for (auto _ : state) {
        open.board->cmdDraw_Click();
        if (open.board->lstTicket->listCount() != 32000)
            state.SkipWithError("the ticket does not hold 32000 columns");
        QApplication::processEvents();
    }
    frmColumnProgress::setSynchronousDisplay(false);
}

void BM_Draw32000_EndToEnd(benchmark::State &state) { drawEndToEnd(state, false); }
void BM_Draw32000_EndToEnd_Synchronous(benchmark::State &state) { drawEndToEnd(state, true); }

// A ticket of 32,000 columns made once, then compared (the core alone, and as Compare does it
// on the board: list lines, result boxes and the list filled).
void BM_Compare32000(benchmark::State &state)
{
    OpenLottery open;
    open.drawFullTicket();
    const ComparisonLayout layout = ComparisonLayout::sameDrum(glngPicks, glngBonusCount);
    const CompareNumbers numbers = CompareNumbers::fromDrawing(layout, garrReferenceDrawing);
    const QString catcher = res(31060);
    for (auto _ : state) {
        const TicketComparison r = compareTicket(garrTicketGrid, layout, numbers, catcher);
        benchmark::DoNotOptimize(r.lines.size());
    }
}

void BM_Compare32000_OnBoard(benchmark::State &state)
{
    OpenLottery open;
    open.drawFullTicket();
    for (auto _ : state) {
        open.board->cmdCompare_Click();
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_Draw32000_EndToEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Draw32000_EndToEnd_Synchronous)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Compare32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compare32000_OnBoard)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
