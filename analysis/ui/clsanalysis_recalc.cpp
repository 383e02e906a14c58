// POWER's recalculation on the board in front, the drawing lists of a board that opens, and the
// resets of the hit marks.

#include "analysis/ui/clsanalysis.h"

#include "analysis/clslotterydb.h"
#include "analysis/enginemessages.h"
#include "analysis/ui/drumview.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/ui/filetitle.h"
#include "app/ui/faulttext.h"
#include "app/ui/programmessage.h"
#include "boards/common/boardbase.h"
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

// Takes the hit marks off the controls of the drawing positions in use: the main and bonus
// numbers (1..K+B), or the digit positions (0..K).
template <class T>
void resetMarks(const CtlArray<T> &controls)
{
    for (int p = glngFirstBall; p <= glngPicks + glngBonusCount; ++p) {
        if (T *ctl = controls.at(p)) {
            ctl->setForeColor(vbc::kWindowText);
            ctl->setFontBold(false);
        }
    }
}

}  // namespace

bool clsAnalysis::subRecalculateAll()
{
    BoardBase *board = boardInFront();
    if (!board || !gobjLotteryDb)
        return false;
    const std::optional<History> history = gobjLotteryDb->fncLoadHistory();
    if (!history) {
        reportUnreadableDatabase(board);
        return false;
    }
    const RecalcInputs in = recalcInputsFromBoard(*board);
    const WindowCheck check = recalculateAll(*history, in);
    if (check.refused()) {
        fncProgramMessage(board, windowRefusalText(check));
        return false;
    }
    if (check.hasWarning() && gWarnedLottery != gstrLotteryDbFile) {
        gWarnedLottery = gstrLotteryDbFile;
        fncProgramMessage(board, windowWarningText(check));
    }

    const std::vector<DrumView> drums = DrumView::allOf(*board);
    for (const DrumView &d : drums)
        subCalculatePowerTable(d);
    for (const DrumView &d : drums)
        subFillPoolGrid(d);
    for (const DrumView &d : drums)
        selectIntervalPercent(d);
    return true;
}

bool clsAnalysis::fncTotalWeekNumberAndAllGameDates()
{
    if (gblnBoardInitialised)
        return true;
    BoardBase *board = boardInFront();
    if (!board || !gobjLotteryDb)
        return false;
    const auto dates = gobjLotteryDb->fncGetAllGameDates();
    if (!dates) {
        reportUnreadableDatabase(board);
        return false;
    }
    garrGameDates = *dates;
    const int32_t total = glngTotalWeeks;
    for (VbCombo *combo : {board->cboEndDrawing, board->cboStartDrawing, board->cboDrawingDate})
        combo->clear();
    for (int32_t i = 1; i <= total && static_cast<size_t>(i) < garrGameDates.size(); ++i) {
        const int32_t week = total + 1 - i;
        board->cboEndDrawing->addItem(QString::number(week), week);
        board->cboStartDrawing->addItem(QString::number(week), week);
        const QDate date = garrGameDates[static_cast<size_t>(i)];
        board->cboDrawingDate->addItem(dates::toShortText(date), date);
    }
    return true;
}

void clsAnalysis::subResetColorOfDrawingNumbers()
{
    if (BoardBase *board = boardInFront())
        resetMarks(board->txtGuess);
}

void clsAnalysis::fncResetCOLORofSelectedWeekNumbers()
{
    if (BoardBase *board = boardInFront())
        resetMarks(board->lblDrawingNumber);
}
