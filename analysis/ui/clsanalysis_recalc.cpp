// POWER's recalculation on the board in front, the drawing lists of a board that opens, and the
// resets of the hit marks.

#include "analysis/ui/clsanalysis.h"

#include "analysis/clslotterydb.h"
#include "analysis/enginemessages.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/filetitle.h"
#include "app/ui/faulttext.h"
#include "app/ui/programmessage.h"
#include "boards/common/iboard.h"
#include "platform/dates.h"
#include "platform/ui/msgbox.h"

namespace {

// The lottery whose left-out results were reported last: the report comes once per lottery.
QString gWarnedLottery;

// The results database of the open lottery cannot be read.
void reportUnreadableDatabase(QWidget *owner)
{
    fncProgramMessage(owner, res(49030).arg(fncFileTitle(gstrLotteryDbFile), fncDatabaseFailureText()));
}

}  // namespace

bool clsAnalysis::subRecalculateAll()
{
    IBoard *board = currentBoard();
    const std::optional<RecalcInputs> in = board ? board->analysisWindow() : std::nullopt;
    if (!in || !gobjLotteryDb)
        return false;
    const History *history = gobjLotteryDb->fncHistory();
    if (!history) {
        reportUnreadableDatabase(board->window());
        return false;
    }
    const WindowCheck check = recalculateAll(*history, *in);
    if (check.refused()) {
        fncProgramMessage(board->window(), windowRefusalText(check));
        return false;
    }
    if (check.hasWarning() && gWarnedLottery != gstrLotteryDbFile) {
        gWarnedLottery = gstrLotteryDbFile;
        fncProgramMessage(board->window(), windowWarningText(check));
    }

    board->showRecalculation();
    return true;
}

bool clsAnalysis::fncTotalWeekNumberAndAllGameDates()
{
    if (gblnBoardInitialised)
        return true;
    IBoard *board = currentBoard();
    if (!board || !gobjLotteryDb)
        return false;
    auto dates = gobjLotteryDb->fncGetAllGameDates();
    if (!dates) {
        reportUnreadableDatabase(board->window());
        return false;
    }
    garrGameDates = std::move(*dates);
    return board->listDrawings(garrGameDates, glngTotalWeeks);
}

void clsAnalysis::subResetColorOfDrawingNumbers()
{
    if (IBoard *board = currentBoard())
        board->resetGuessMarks();
}

void clsAnalysis::fncResetCOLORofSelectedWeekNumbers()
{
    if (IBoard *board = currentBoard())
        board->resetDrawingMarks();
}
