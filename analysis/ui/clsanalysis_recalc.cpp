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
#include "app/ui/programmessage.h"
#include "boards/common/boardbase.h"
#include "platform/dates.h"
#include "platform/ui/msgbox.h"

namespace {

// The lottery whose left-out results were reported last: the report comes once per lottery.
QString gWarnedLottery;

// The results database of the open lottery cannot be read.
void reportUnreadableDatabase()
{
    fncProgramMessage(res(46060).arg(fncFileTitle(gstrLotteryDbFile)));
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
        reportUnreadableDatabase();
        return false;
    }
    const RecalcInputs in = recalcInputsFromBoard(*board);
    const WindowCheck check = recalculateAll(*history, in);
    if (check.refused()) {
        fncProgramMessage(windowRefusalText(check));
        return false;
    }
    if (check.hasWarning() && gWarnedLottery != gstrLotteryDbFile) {
        gWarnedLottery = gstrLotteryDbFile;
        fncProgramMessage(windowWarningText(check));
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
        reportUnreadableDatabase();
        return false;
    }
    garrGameDates = *dates;
    const int32_t total = glngTotalWeeks;
    for (VbCombo *combo : {board->cboEndDrawing, board->cboStartDrawing, board->cboDrawingDate})
        combo->clear();
    const int count = std::clamp<int>(total, 0, static_cast<int>(garrGameDates.size()) - 1);
    const auto shown = std::make_shared<const std::vector<QDate>>(garrGameDates);
    for (VbCombo *combo : {board->cboEndDrawing, board->cboStartDrawing})
        combo->setEntries(count, [total](int k) { return QString::number(total - k); }, [total](int k) { return QVariant(total - k); });
    board->cboDrawingDate->setEntries(count, [shown](int k) { return dates::toShortText((*shown)[static_cast<size_t>(k) + 1]); },
                                      [shown](int k) { return QVariant((*shown)[static_cast<size_t>(k) + 1]); });
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
