// POWER's recalculation on the board in front, the drawing lists of a board that opens, and the
// resets of the hit marks.

#include "boards/common/boardbase.h"

#include "analysis/clslotterydb.h"
#include "app/enginemessages.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/filetitle.h"
#include "app/faulttext.h"
#include "dialogs/programmessage.h"
#include "dialogs/iboard.h"
#include "platform/dates.h"
#include "platform/ui/msgbox.h"

namespace {

// The results database of the open lottery cannot be read.
void reportUnreadableDatabase(QWidget *owner)
{
    fncProgramMessage(owner, res(49030).arg(fncFileTitle(app().gstrLotteryDbFile), fncDatabaseFailureText()));
}

// What POWER computed for a drum, kept in the drum's tables.
void keep(DrumState &state, const DrumAnalysis &analysis)
{
    state.garrPickCount = analysis.pickCount;
    state.garrRankTable = analysis.rankTable;
    state.garrLastPickedWeek = analysis.lastPickedWeek;
    state.garrPower = analysis.power;
    state.gblnSumStatsValid = analysis.sumStats.has_value();
    const SumStats s = analysis.sumStats.value_or(SumStats{});
    state.garrSumStats = {s.smallest, s.mean, s.largest};
}

}  // namespace

bool BoardBase::subRecalculateAll()
{
    if (!app().gobjLotteryDb)
        return false;
    const RecalcInputs in = analysisWindow();
    const History *history = app().gobjLotteryDb->fncHistory();
    if (!history) {
        reportUnreadableDatabase(this);
        return false;
    }
    const PowerTables tables = recalculateAll(*history, in, lottery().gLayout);
    const WindowCheck &check = tables.check;
    if (check.refused()) {
        fncProgramMessage(this, windowRefusalText(check));
        return false;
    }
    if (check.hasWarning() && app().gstrWarnedLottery != app().gstrLotteryDbFile) {
        app().gstrWarnedLottery = app().gstrLotteryDbFile;
        fncProgramMessage(this, windowWarningText(check));
    }
    for (Drum drum : lottery().gLayout.drums())
        keep(lottery().drum(drum), tables.of(drum));

    showRecalculation();
    return true;
}

bool BoardBase::fncTotalWeekNumberAndAllGameDates()
{
    if (lottery().gblnBoardInitialised)
        return true;
    if (!app().gobjLotteryDb)
        return false;
    auto dates = app().gobjLotteryDb->subOpenConnection(app().gstrLotteryDbsFolder + app().gstrLotteryDbFile)
                     ? app().gobjLotteryDb->fncGetAllGameDates(&lottery().glngTotalWeeks)
                     : std::nullopt;
    if (!dates) {
        reportUnreadableDatabase(this);
        return false;
    }
    lottery().garrGameDates = std::move(*dates);
    return listDrawings(lottery().garrGameDates, lottery().glngTotalWeeks);
}
